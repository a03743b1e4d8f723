#!/usr/bin/env bash
# Installs what is missing, builds Palmora with warnings as errors and runs every test.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/tools/install-deps.sh"
cmake -S "$racine" -B "$racine/build-tests" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPALMORA_WERROR=ON >/dev/null
cmake --build "$racine/build-tests"
cd "$racine/build-tests"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
