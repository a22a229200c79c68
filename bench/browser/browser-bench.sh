#!/usr/bin/env bash
# browser-bench.sh [BUILD_DIR] [RUNS]
# Resident memory of the real player (build/sorvi) before the browser is
# opened, with it open on search results and after closing it, and the time
# from "#Searchlrc,<title>" to the results window, against the stand-in
# LRCLIB on loopback. Runs browser_end_to_end_test RUNS times (default 3)
# under a private Xvfb and sound server and prints its figures; asserts nothing.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-3}
test="$build/browser_end_to_end_test"
[ -x "$test" ] || { echo "build browser_end_to_end_test first (ninja -C $build browser_end_to_end_test sorvi)" >&2; exit 1; }
cd "$build"
for i in $(seq "$runs"); do
  "$root/tests/support/with-services.sh" --x11 --pulse -- "$test" \
    --gtest_filter='*SearchlrcOpensTheBrowserOnResults' 2>/dev/null | grep '^figures:'
done
