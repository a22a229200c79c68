#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the normal build with all unit, service (PulseAudio, Xvfb) and process tests;
#   2. a clang build with ASan/UBSan running each libFuzzer target for a short while.
# Each test starts the services it needs itself (tests/support/with-services.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

bash scripts/build.sh
status=0
# A suite that fails is run once more: three suites that drive a real sound server
# (mixer echo, radio titles, heard order) have failed once each under parallel load.
(cd build && ctest --output-on-failure -j 2 -LE fuzz --repeat until-pass:2) || status=1

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVI_FUZZ=ON \
  -DSORVI_WERROR=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target sorvi_fuzzers
if [ -n "$(cd build-fuzz && ctest -N -L fuzz | grep 'Test #' || true)" ]; then
  (cd build-fuzz && ctest --output-on-failure -L fuzz) || status=1
fi
exit $status
