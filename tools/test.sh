#!/usr/bin/env bash
# Installs what is missing, builds Palmora with warnings as errors, runs every test, then each
# fuzz target for a short while.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/tools/install-deps.sh"
cmake -S "$racine" -B "$racine/build-tests" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPALMORA_WERROR=ON -DPALMORA_ASSERTIONS=ON >/dev/null
cmake --build "$racine/build-tests"
cd "$racine/build-tests"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
# A short run of each fuzz target, from its seeds: what was found once stays found.
"$racine/tools/fuzz.sh" 20
