#!/usr/bin/env bash
# Installs what is missing, builds only what the player needs (the program,
# the engine module, the default skin and the tools that make it; no tests or
# benchmarks), and starts the player (arguments are passed on).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVI_WERROR=ON >/dev/null
cmake --build build -j "$(nproc)" --target sorvi
exec build/sorvi "$@"
