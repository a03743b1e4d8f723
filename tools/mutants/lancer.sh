#!/usr/bin/env bash
# lancer.sh <clone> <label> [id...]: puts each fault of mutants.tsv (or only those given) into a
# SEPARATE clone of the repository, one at a time, rebuilds it (Debug, in <clone>/build-mutants)
# and runs every test binary; appends "id<TAB>caught|survived|no-build|absent<TAB>failing
# binaries" to <clone>/resultats-<label>.tsv, skipping faults already there. The acceptance run
# is left out (run it by hand for a fault only it would catch).
set -u
ici=$(cd "$(dirname "$0")" && pwd)
arbre=$(cd "$1" && pwd); label=$2; shift 2
liste=$ici/mutants.tsv
build=$arbre/build-mutants
sortie=$arbre/resultats-$label.tsv
touch "$sortie"
[ -f "$build/build.ninja" ] || cmake -S "$arbre" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-O0 -g0" -DPALMORA_ASSERTIONS=ON >/dev/null
ids=("$@")
[ ${#ids[@]} -gt 0 ] || mapfile -t ids < <(cut -f1 "$liste")
journal=$(mktemp)
for id in "${ids[@]}"; do
  grep -q "^$id	" "$sortie" && continue
  python3 "$ici/appliquer.py" "$liste" "$arbre" "$id" apply || { printf '%s\tabsent\n' "$id" >>"$sortie"; continue; }
  if ! nice cmake --build "$build" >"$journal" 2>&1; then
    r=no-build
  elif (cd "$build/tests" && find . -type f -executable -name 'test_*' | xargs -P 3 -I{} sh -c \
      'cd "$(dirname {})" && timeout 120 "./$(basename {})" --gtest_brief=1 >/dev/null 2>&1 ||
       { echo "{}"; exit 255; }') \
      >"$journal" 2>/dev/null; then
    r=survived
  else
    r="caught	$(grep -o 'test_[a-z_]*' "$journal" | tr '\n' ' ')"
  fi
  python3 "$ici/appliquer.py" "$liste" "$arbre" "$id" restore
  printf '%s\t%s\n' "$id" "$r" >>"$sortie"
done
rm -f "$journal"
nice cmake --build "$build" >/dev/null 2>&1
