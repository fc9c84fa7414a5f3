#!/usr/bin/env bash
# Fuzzes the evaluators and call expansion: fuzz.sh [SECONDS] (default 30).
# Builds tests/fuzz with clang++ (libFuzzer, ASan, UBSan) into build/fuzz, seeds
# the corpus from tests/fuzz/seeds and the lines of the test programs, and runs
# eval_fuzz for a third of the given time; the next third goes to cache_fuzz,
# which compares the statement caches and compiled expressions with the text
# path (seeds in tests/fuzz/cache_seeds), the last to image_fuzz, which loads and
# runs whole program images (seeds: the test programs' images, made with the
# built tessc and mkimage). A run that hangs (-timeout) is a finding too. Exits
# non-zero on any finding.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SECONDS_TO_RUN="${1:-30}"
OUT="$ROOT/build/fuzz"

if ! command -v clang++ >/dev/null; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang >/dev/null
fi

cmake -S "$ROOT/tests/fuzz" -B "$OUT" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$OUT" -j2 >/dev/null

seeds="$OUT/seeds"
rm -rf "$seeds"
mkdir -p "$seeds" "$OUT/corpus" "$OUT/artifacts"
cp "$ROOT/tests/fuzz/seeds/"* "$seeds/"
# Every line of every test program, once for each entry point of the target.
n=0
while IFS= read -r -d '' program; do
  while IFS= read -r line; do
    [ -n "$line" ] || continue
    for mode in 0 1 2 3 4 5; do
      printf "\\x0$mode%s" "$line" >"$seeds/program_$n"
      n=$((n + 1))
    done
  done <"$program"
done < <(find "$ROOT/tests/programs" -name '*.bas' -print0 2>/dev/null)

# The images of the test programs, when the tools are built.
image_seeds="$OUT/image_seeds"
rm -rf "$image_seeds"
mkdir -p "$image_seeds"
if [ -x "$ROOT/build/bin/tessc" ] && [ -x "$ROOT/build/bin/mkimage" ]; then
  while IFS= read -r -d '' program; do
    name="$(basename "${program%.*}")"
    case "$program" in
      *.bas) "$ROOT/build/bin/tessc" image "$program" -o "$image_seeds/$name.img" >/dev/null 2>&1 || true ;;
      *.prog) "$ROOT/build/bin/mkimage" "$image_seeds/$name.img" "$(cat "$program")" >/dev/null 2>&1 || true ;;
    esac
  done < <(find "$ROOT/tests/programs" "$ROOT/examples" \( -name '*.bas' -o -name '*.prog' \) -print0 2>/dev/null)
fi

EVAL_SECONDS=$((SECONDS_TO_RUN / 3))
CACHE_SECONDS=$((SECONDS_TO_RUN / 3))
IMAGE_SECONDS=$((SECONDS_TO_RUN - EVAL_SECONDS - CACHE_SECONDS))
# fuzz_target NAME SECONDS CORPUS SEEDS: a libFuzzer run; a finding ends the script.
fuzz_target() {
  mkdir -p "$3"
  "$OUT/$1" -max_total_time="$2" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$OUT/artifacts/$1-" "$3" "$4" 2>"$OUT/$1.log" || {
    tail -60 "$OUT/$1.log" >&2
    echo "fuzz: $1 finding saved in $OUT/artifacts" >&2
    exit 1
  }
  grep -E '^stat::number_of_executed_units|^Done' "$OUT/$1.log" || true
}
fuzz_target eval_fuzz "$EVAL_SECONDS" "$OUT/corpus" "$seeds"
fuzz_target cache_fuzz "$CACHE_SECONDS" "$OUT/cache_corpus" "$ROOT/tests/fuzz/cache_seeds"
# Each image run takes tens of milliseconds: a corpus kept from earlier runs would
# take longer to replay than the time given, so this one starts from the seeds.
rm -rf "$OUT/image_corpus"
fuzz_target image_fuzz "$IMAGE_SECONDS" "$OUT/image_corpus" "$image_seeds"
echo "fuzz: no finding in ${SECONDS_TO_RUN}s"
