#!/usr/bin/env bash
# The benchmark programs printing the same bytes (and ending the same way) with
# the caches on and with every cache off. Timing is the benchmark script's job;
# this only guards exactness, so it runs in every test run.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/env.sh"
WORK="$BUILD/bench-outputs"
mkdir -p "$WORK"
passed=0; failed=0

for src in "$ROOT"/bench/*.bas; do
  name="$(basename "${src%.bas}")"
  if ! "$BIN_DIR/tessc" image "$src" -o "$WORK/$name.img" 2>"$WORK/$name.err"; then
    failed=$((failed + 1)); printf 'FAIL %s (image)\n' "$name"; continue
  fi
  timeout 300 "$BIN_DIR/tessrun" "$WORK/$name.img" >"$WORK/$name.cached" 2>&1 </dev/null
  cached=$?
  TESS_NO_CACHE=1 timeout 300 "$BIN_DIR/tessrun" "$WORK/$name.img" >"$WORK/$name.uncached" 2>&1 </dev/null
  uncached=$?
  if [ "$cached" = 0 ] && [ "$uncached" = 0 ] &&
     cmp -s "$WORK/$name.cached" "$WORK/$name.uncached"; then
    passed=$((passed + 1)); printf 'ok   %s\n' "$name"
  else
    failed=$((failed + 1)); printf 'FAIL %s (status %s / %s)\n' "$name" "$cached" "$uncached"
    diff <(od -c "$WORK/$name.cached") <(od -c "$WORK/$name.uncached") | head -10
  fi
done

printf 'bench outputs: %d passed, %d failed\n' "$passed" "$failed"
[ "$failed" -eq 0 ]
