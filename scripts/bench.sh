#!/usr/bin/env bash
# Benchmarks: each Tessaly program in bench/ on tessrun beside the same algorithm
# on each peer interpreter, alternating, a warm-up and then RUNS runs each.
# Prints the median wall time, the peak memory and the ratio tessrun / peer,
# all measured in this one run; then b1-b5 once on runtime.exe under Wine, as a
# ratio to tessrun.
#   bench.sh [RUNS] [FILTER]
# TESS_TOOLS names another directory holding tessrun and tessc (default
# build/bin); TESS_BENCH_NO_WINE=1 skips the runtime.exe part. Every benchmark
# is also run once with the caches off (TESS_NO_CACHE=1): its output must be
# the same bytes, or the script fails.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/env.sh"
RUNS="${1:-5}"
FILTER="${2:-}"
TOOLS="${TESS_TOOLS:-$BIN_DIR}"
WORK="$BUILD/bench"
status=0
mkdir -p "$WORK"
PEERS=(bwbasic yabasic brandy)

install_peers() {
  local missing=()
  for p in "${PEERS[@]}" time; do dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p"); done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
}

# measure CMD... -> "seconds kilobytes" (stdout discarded, stdin empty)
measure() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$WORK/time" "$@" </dev/null >/dev/null 2>"$WORK/stderr" || true
  end=$(date +%s%N)
  awk -v ns=$((end - start)) -v kb="$(tail -1 "$WORK/time")" 'BEGIN { printf "%.4f %s\n", ns / 1e9, kb }'
}

median() { sort -g | awk '{ a[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print a[(NR + 1) / 2]; else printf "%.3f\n", (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

peer_command() {  # peer, benchmark -> command words
  local dir="$ROOT/bench/peers/$1"
  case "$1" in
    bwbasic) [ -f "$dir/$2.bas" ] && echo "bwbasic $dir/$2.bas" ;;
    yabasic) [ -f "$dir/$2.yab" ] && echo "yabasic $dir/$2.yab" ;;
    brandy) [ -f "$dir/$2.bbc" ] && echo "env SDL_VIDEODRIVER=dummy brandy -quit $dir/$2.bbc" ;;
  esac
}

install_peers
declare -A tess_median
printf '%-22s %-8s %10s %10s %10s\n' benchmark runner median_s peak_kb tess/peer
for src in "$ROOT"/bench/b*.bas; do
  name="$(basename "$src" .bas)"
  [ -n "$FILTER" ] && [[ "$name" != *$FILTER* ]] && continue
  "$TOOLS/tessc" image "$src" -o "$WORK/$name.img" || continue
  "$TOOLS/tessrun" "$WORK/$name.img" </dev/null >"$WORK/$name.cached" 2>&1
  TESS_NO_CACHE=1 "$TOOLS/tessrun" "$WORK/$name.img" </dev/null >"$WORK/$name.uncached" 2>&1
  if ! cmp -s "$WORK/$name.cached" "$WORK/$name.uncached"; then
    echo "$name: output differs with the caches off" >&2
    status=1
  fi
  # bwbasic cannot hold the 20,000-character string of b2 (see its notes).
  runners=(tessrun)
  for p in "${PEERS[@]}"; do
    [ "$p:$name" = "bwbasic:b2_strings" ] && continue
    [ -n "$(peer_command "$p" "$name")" ] && runners+=("$p")
  done
  declare -A times=() mems=()
  for r in "${runners[@]}"; do times[$r]=""; mems[$r]=""; done
  for round in $(seq 0 "$RUNS"); do
    for r in "${runners[@]}"; do
      if [ "$r" = tessrun ]; then res="$(measure "$TOOLS/tessrun" "$WORK/$name.img")"
      else
        # shellcheck disable=SC2046
        res="$(cd "$ROOT/bench/peers/$r" && measure $(peer_command "$r" "$name"))"
      fi
      [ "$round" = 0 ] && continue  # the warm-up
      times[$r]+="${res% *}"$'\n'
      mems[$r]+="${res#* }"$'\n'
    done
  done
  t_med="$(printf '%s' "${times[tessrun]}" | median)"
  tess_median[$name]="$t_med"
  for r in "${runners[@]}"; do
    med="$(printf '%s' "${times[$r]}" | median)"
    mem="$(printf '%s' "${mems[$r]}" | median)"
    ratio="-"
    [ "$r" != tessrun ] && ratio="$(awk -v a="$t_med" -v b="$med" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')"
    printf '%-22s %-8s %10s %10s %10s\n' "$name" "$r" "$med" "$mem" "$ratio"
  done
  unset times mems
done

# The two hosts share the core: runtime.exe should be close to tessrun.
if [ -z "${TESS_BENCH_NO_WINE:-}" ] && [ ! -f "$WIN_DIR/runtime.exe" ]; then
  echo "runtime.exe not built ($WIN_DIR/runtime.exe): no Wine ratios" >&2
elif [ -z "${TESS_BENCH_NO_WINE:-}" ]; then
  echo
  printf '%-22s %10s %10s %12s\n' benchmark runtime_s tessrun_s runtime/tess
  tess_start_display
  tess_start_wine
  trap 'tess_stop_wine; tess_stop_display' EXIT
  for name in b1_arith b2_strings b3_arrays b4_gosub b5_branches; do
    [ -n "$FILTER" ] && [[ "$name" != *$FILTER* ]] && continue
    [ -f "$WORK/$name.img" ] || continue
    cat "$WIN_DIR/runtime.exe" "$WORK/$name.img" >"$WORK/$name.exe"
    start=$(date +%s.%N)
    wine "$WIN_DIR/uidriver.exe" start "$(winepath -w "$WORK/$name.exe")" "" run-to-end 600000 >/dev/null 2>&1
    end=$(date +%s.%N)
    w="$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')"
    printf '%-22s %10s %10s %12s\n' "$name" "$w" "${tess_median[$name]:--}" \
      "$(awk -v a="$w" -v b="${tess_median[$name]:-0}" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')"
  done
fi

# The screen: console printing and drawing on runtime.exe under Wine (each the
# fastest of TESS_SCREEN_RUNS runs through the UI driver, the start-up of an
# empty program subtracted), beside tessrun printing the same lines (its empty
# program subtracted) and yabasic drawing the same figures in the same colours in
# its X11 window (its empty window subtracted), all in this run. Each program
# repeats its work TESS_SCREEN_REPEAT times (default 10) and the time is divided
# by that: one start of a Windows process varies by tenths of a second, more than
# the work of one round. The fastest run is the one least disturbed by other work
# on a shared machine; TESS_SCREEN_ONLY=PATTERN picks benchmarks by name (the
# empty one always runs).
screen_bench() {
  local runs="${TESS_SCREEN_RUNS:-5}" dir="$ROOT/bench/screen" peer="$ROOT/bench/peers/yabasic/screen"
  local repeat="${TESS_SCREEN_REPEAT:-10}"
  export TESS_BENCH_REPEAT="$repeat"
  local -A rt=() tr=() yb=()
  time_runtime() {  # name -> median seconds
    local t=() i start end
    cat "$WIN_DIR/runtime.exe" "$WORK/$1.img" >"$WORK/$1.exe"
    for ((i = 0; i <= runs; i++)); do
      start=$(date +%s%N)
      wine "$WIN_DIR/uidriver.exe" start "$(winepath -w "$WORK/$1.exe")" "" run-to-end 900000 >/dev/null 2>&1
      end=$(date +%s%N)
      [ "$i" -gt 0 ] && t+=("$(awk -v ns=$((end - start)) 'BEGIN { printf "%.4f", ns / 1e9 }')")
    done
    printf '%s\n' "${t[@]}" | sort -g | head -1
  }
  time_native() {  # command... -> median seconds
    local t=() i
    for ((i = 0; i <= runs; i++)); do
      res="$(measure "$@")"
      [ "$i" -gt 0 ] && t+=("${res% *}")
    done
    printf '%s\n' "${t[@]}" | sort -g | head -1
  }
  for src in "$dir"/s*.bas; do
    local name; name="$(basename "$src" .bas)"
    [ "$name" != s0_empty ] && [ -n "${TESS_SCREEN_ONLY:-}" ] && [[ "$name" != *$TESS_SCREEN_ONLY* ]] && continue
    "$TOOLS/tessc" image "$src" -o "$WORK/$name.img" || continue
    rt[$name]="$(time_runtime "$name")"
    case "$name" in
      s0_*|s1_*|s2_*) tr[$name]="$(time_native "$TOOLS/tessrun" "$WORK/$name.img")" ;;
    esac
    [ -f "$peer/$name.yab" ] && yb[$name]="$(cd "$peer" && time_native yabasic "$name.yab" "$repeat")"
  done
  per_round() { awk -v a="$1" -v b="$2" -v n="$repeat" 'BEGIN { printf "%.4f", (a - b) / n }'; }
  echo
  printf '%-16s %12s %12s %12s %14s %14s\n' screen runtime_s tessrun_s yabasic_s runtime/tessrun runtime/yabasic
  local base_rt="${rt[s0_empty]:-0}" base_tr="${tr[s0_empty]:-0}" base_yb="${yb[s0_empty]:-0}"
  for src in "$dir"/s*.bas; do
    local name r t y; name="$(basename "$src" .bas)"
    [ "$name" = s0_empty ] || [ -z "${rt[$name]:-}" ] && continue
    r="$(per_round "${rt[$name]:-0}" "$base_rt")"
    t="-"; y="-"
    [ -n "${tr[$name]:-}" ] && t="$(per_round "${tr[$name]}" "$base_tr")"
    [ -n "${yb[$name]:-}" ] && y="$(per_round "${yb[$name]}" "$base_yb")"
    printf '%-16s %12s %12s %12s %14s %14s\n' "$name" "$r" "$t" "$y" \
      "$(awk -v a="$r" -v b="$t" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')" \
      "$(awk -v a="$r" -v b="$y" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')"
  done
  printf 'seconds a round of %s; start-up subtracted: runtime.exe %s s, tessrun %s s, yabasic window %s s\n' \
    "$repeat" "$base_rt" "$base_tr" "$base_yb"
  unset TESS_BENCH_REPEAT
}
if [ -z "${TESS_BENCH_NO_WINE:-}" ] && [ -f "$WIN_DIR/runtime.exe" ] && [ -z "$FILTER" -o "$FILTER" = screen ]; then
  screen_bench
fi
exit $status
