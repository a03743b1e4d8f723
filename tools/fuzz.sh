#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
#   tools/fuzz.sh [seconds per target] [target...]
# The seeds in fuzz/corpus/<target> are read, never written: what a run finds goes into
# build-fuzz/corpus/<target>, and a crash into build-fuzz/artefacts/, named in the output.
set -euo pipefail
cd "$(dirname "$0")/.."

secondes=${1:-60}
shift || true
cibles=("$@")
[ ${#cibles[@]} -gt 0 ] || cibles=(fuzz_competition fuzz_titre_ages fuzz_registre fuzz_notes)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DPALMORA_FUZZ=ON -DPALMORA_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${cibles[@]}"

mkdir -p build-fuzz/artefacts
for cible in "${cibles[@]}"; do
    travail=build-fuzz/corpus/$cible
    mkdir -p "$travail"
    echo "== $cible: ${secondes} s"
    # Competition files run to tens of records; the other inputs are short.
    longueur=4096
    [ "$cible" = fuzz_competition ] && longueur=40000
    journal=build-fuzz/$cible.log
    if ! build-fuzz/fuzz/"$cible" "$travail" "fuzz/corpus/$cible" -max_total_time="$secondes" \
        -max_len="$longueur" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/artefacts/"$cible"- >"$journal" 2>&1; then
        grep -E -A30 "ERROR|SUMMARY" "$journal" | head -60 >&2
        echo "$cible: a finding, see $journal and build-fuzz/artefacts/" >&2
        exit 1
    fi
    grep -E "(DONE|stat::(number_of_executed_units|average_exec_per_sec|new_units_added))" "$journal"
done
