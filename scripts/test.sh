#!/usr/bin/env bash
# Every test: native unit tests (sanitized), program tests on both hosts, and the
# GUI tests of runtime.exe under Wine. Ends with "tests: N passed, N failed".
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/env.sh"
total_passed=0; total_failed=0; suites_failed=()

count() {  # suite name, passed, failed
  total_passed=$((total_passed + $2)); total_failed=$((total_failed + $3))
  [ "$3" -gt 0 ] && suites_failed+=("$1")
  return 0
}

section() { printf '\n== %s ==\n' "$1"; }

section "requirements"
# Every font and tool the suites use must be there: a missing one would turn
# checks into skips or into failures that name the wrong cause.
if ! tess_check_requirements; then
  echo "tests: stopped before running, a requirement is missing"
  exit 1
fi
echo "every tool and font is there"

section "unit tests"
ctest --test-dir "$BUILD/native" -j "$(nproc)" --output-on-failure --timeout 300 >"$BUILD/ctest.log" 2>&1
ctest_status=$?
grep -E 'tests passed|Failed|\*\*\*' "$BUILD/ctest.log" | tail -30
summary="$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$BUILD/ctest.log" | tail -1)"
if [ -n "$summary" ]; then
  failed="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")"
  all="$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")"
  count unit $((all - failed)) "$failed"
else
  count unit 0 1
fi
[ $ctest_status -ne 0 ] && [ "${failed:-1}" = 0 ] && count unit 0 1

# run_suite NAME SCRIPT [ARGS...]: runs a suite script whose last summary line
# reads "<words>: N passed, N failed", and counts it.
run_suite() {
  local name="$1" script="$2"; shift 2
  section "$name"
  if [ ! -x "$script" ]; then echo "missing: $script"; count "$name" 0 1; return; fi
  local out line
  out="$("$script" "$@" 2>&1)"
  printf '%s\n' "$out" | grep -v '^ok ' | tail -60
  line="$(grep -E '^[a-z -]+: [0-9]+ passed, [0-9]+ failed' <<<"$out" | tail -1)"
  if [ -n "$line" ]; then
    count "$name" "$(sed -E 's/.*: ([0-9]+) passed.*/\1/' <<<"$line")" "$(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")"
  else
    count "$name" 0 1
  fi
}

run_suite "command-line tests" "$ROOT/tests/cli/cli_tests.sh"
run_suite "tessc tests" "$ROOT/tests/cli/tessc_tests.sh"

# The headless program tests again with every cache off: each must still print
# its expected bytes, so cached and uncached runs print the same.
export TESS_NO_CACHE=1
run_suite "program tests (headless, caches off)" "$ROOT/scripts/program_tests.sh"
unset TESS_NO_CACHE
run_suite "benchmark outputs (caches on and off)" "$ROOT/scripts/bench_outputs.sh"
run_suite "reference examples (headless)" "$ROOT/scripts/reference_examples.sh"

if [ -x "$ROOT/scripts/fuzz.sh" ] && [ -z "${TESS_NO_FUZZ:-}" ]; then
  section "fuzzing (short)"
  if "$ROOT/scripts/fuzz.sh" 30; then count fuzz 1 0; else count fuzz 0 1; fi
fi

section "Wine"
tess_start_display
tess_start_wine
# The default printer of the printer tests (a CUPS PDF queue).
source "$ROOT/scripts/printer.sh"
tess_start_printer || true
trap 'tess_stop_printer; tess_stop_wine; tess_stop_display' EXIT

run_suite "program tests (headless and Wine)" "$ROOT/scripts/program_tests.sh" --wine
run_suite "reference examples (headless and Wine)" "$ROOT/scripts/reference_examples.sh" --wine
for suite in gui_tests console_tests graphics_tests windows_tests system_tests serial_tests toolchain_tests locale_tests screen_tests handles_tests; do
  [ -f "$ROOT/tests/gui/$suite.sh" ] && run_suite "${suite/_/ }" "$ROOT/tests/gui/$suite.sh"
done

echo
[ ${#suites_failed[@]} -gt 0 ] && echo "failing suites: ${suites_failed[*]}"
echo "tests: $total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
