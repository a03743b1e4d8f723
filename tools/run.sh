#!/usr/bin/env bash
# Installs what is missing, builds Palmora and starts it.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/tools/install-deps.sh"
cmake -S "$racine" -B "$racine/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$racine/build" --target palmora
exec "$racine/build/palmora"
