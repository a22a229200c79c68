#!/usr/bin/env bash
# run-fuzzer.sh BINARY SECONDS [CORPUS_DIR] [CRASH_DIR]
# Runs a libFuzzer target for SECONDS over a scratch copy of the kept regression
# inputs (first replaying each of them), so the tree's corpus is never written to.
# A crash leaves its input in test-output/fuzz-crashes/ and fails the test.
set -eu
bin=$1 seconds=$2 corpus=${3:-} out=${4:-$PWD/fuzz-crashes}
work=$(mktemp -d /tmp/sorvi-fuzz.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
if [ -n "$corpus" ] && [ -d "$corpus" ]; then
  cp -r "$corpus"/. "$work/corpus/" 2>/dev/null || true
fi
mkdir -p "$out"
exec "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$out/$(basename "$bin")-" "$work/corpus"
