#!/usr/bin/env bash
# Serial-port tests of runtime.exe under Wine over a real pseudo-terminal pair:
# socat joins A and B; A is COM1 (and COM2) of a Wine prefix of these tests' own,
# so remapping the ports and restarting its wineserver disturbs no other test.
# The program writes lines that are read on B, reads lines sent on B, and the
# settings it applied show in the terminal settings of A (stty). COM9 has no
# device, for the open that must fail. Skips with a message without socat.
#   serial_tests.sh   (prints "serial tests: N passed, N failed")
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
source "$ROOT/tests/gui/common.sh"
WORK="$BUILD/serial-tests"
mkdir -p "$WORK"

if ! command -v socat >/dev/null 2>&1; then
  echo "serial tests skipped: socat is not installed (scripts/env.sh installs it)"
  echo "serial tests: 0 passed, 0 failed"
  exit 0
fi


# --- the private Wine world ---------------------------------------------------
tess_wine_locale
[ -n "${DISPLAY:-}" ] || { tess_start_display; trap 'tess_stop_display' EXIT; }
export WINEPREFIX="$BUILD/wineprefix-serial"
if [ ! -f "$WINEPREFIX/.tessaly-ready" ]; then
  echo "creating the serial tests' Wine prefix (first time only)"
  wineboot -i >"$WORK/wineboot.log" 2>&1 </dev/null || true
  wineserver -w
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.tessaly-ready"
fi

A="$WORK/ttyA"; B="$WORK/ttyB"
socat pty,raw,echo=0,link="$A" pty,raw,echo=0,link="$B" >/dev/null 2>&1 &
SOCAT_PID=$!
for _ in $(seq 100); do [ -e "$A" ] && [ -e "$B" ] && break; sleep 0.05; done
cleanup() { wineserver -k 2>/dev/null; kill "$SOCAT_PID" 2>/dev/null; tess_stop_display; }
trap cleanup EXIT

# The port mapping is read when the wineserver starts; the last run's mapping
# pointed at an older pty, so it is written again and the server restarted.
wineserver -k 2>/dev/null; wineserver -w
wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$A" /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Wine\Ports' /v COM2 /t REG_SZ /d "$A" /f >/dev/null 2>&1
wine reg delete 'HKLM\Software\Wine\Ports' /v COM9 /f >/dev/null 2>&1
wine reg delete 'HKCU\Software\Brannock\Tessaly' /v RS232C /f >/dev/null 2>&1
wineserver -k 2>/dev/null; wineserver -w
wineserver -p
wineboot </dev/null >/dev/null 2>&1 || true

# Bytes left in the pair by an earlier case would reach the next one.
drain() { timeout 0.3 cat "$B" >/dev/null 2>&1; timeout 0.3 cat "$A" >/dev/null 2>&1; true; }

# run NAME SOURCE: the program's transcript in WORK/NAME.transcript
run() {
  local name="$1"
  printf '%s\n' "$2" >"$WORK/$name.bas"
  "$BIN_DIR/tessc" build "$WORK/$name.bas" -o "$WORK/$name.exe" --runtime "$WIN_DIR/runtime.exe" || return 1
  rm -f "$WORK/$name.transcript"
  TESSALY_TRANSCRIPT="$WORK/$name.transcript" tess_drive 60 "$WORK/$name.driver" \
    start "$(winepath -w "$WORK/$name.exe")" "" run-to-end 20000
}
transcript() { cat "$WORK/$1.transcript" 2>/dev/null; }

# --- writing: print ends a line with CR alone, write too -------------------------
drain
timeout 15 cat "$B" >"$WORK/written.bytes" 2>/dev/null &
reader=$!
run written 'open "com1:N81N" for output as #1
print #1, "hello"
write #1, 1.5, "xy", 0.25
print #1, "a";
print #1, "b"
close #1
print "done"'
sleep 0.5; kill "$reader" 2>/dev/null; wait "$reader" 2>/dev/null
expected="$(printf 'hello\r1.5,xy,.25\rab\r' | od -An -c)"
[ "$(od -An -c <"$WORK/written.bytes")" = "$expected" ] && [ "$(transcript written)" = "done" ]
check "print and write to a port end lines with CR alone" $? "$(od -c "$WORK/written.bytes"; transcript written)"

# --- reading: fields and lines from bytes already waiting in the port ---------------
drain
printf 'first line\r12,34\r\nrest' >"$B"
run read 'open "com1:" as #1
line input #1, a$
input #1, x, y
print "["; a$; "]"; x; y
print loc(1); eof(1)
close #1'
[ "$(transcript read)" = "$(printf '[ first line ]  12  34\n 4  0')" ]
check "line input and input read from the port; the rest stays in the receive buffer" $? "$(transcript read)"

# --- settings: the string overrides the defaults by position -----------------------
# The program announces on the port that it has it open, then holds it while the
# test reads the terminal settings.
drain
run settings 'open "com1:N83X" as #1
print #1, "ready"
wait 1500
close #1' &
runner=$!
timeout 20 head -c 6 "$B" >"$WORK/settings.bytes" 2>/dev/null
stty -F "$A" -a >"$WORK/settings.stty" 2>&1
wait "$runner"
grep -q 'speed 9600 baud' "$WORK/settings.stty" && grep -Eq '(^| )cstopb' "$WORK/settings.stty" &&
  grep -Eq '(^| )ixon' "$WORK/settings.stty" && grep -Eq '(^| )ixoff' "$WORK/settings.stty"
check "com1:N83X applies 9600 baud, two stop bits and XON/XOFF (a pty shows no parity or 7 bits)" $? "$(cat "$WORK/settings.stty")"

# --- registry defaults: 2 12 8 0 0 0 1 makes com: com2 at 115200 with RTS/CTS --------
wine reg add 'HKCU\Software\Brannock\Tessaly' /v RS232C /t REG_SZ /d '2 12 8 0 0 0 1' /f >/dev/null 2>&1
drain
run defaults 'open "com:" as #1
print #1, "via com2"
wait 1500
close #1' &
runner=$!
timeout 20 head -c 9 "$B" >"$WORK/defaults.bytes" 2>/dev/null
stty -F "$A" -a >"$WORK/defaults.stty" 2>&1
wait "$runner"
wine reg delete 'HKCU\Software\Brannock\Tessaly' /v RS232C /f >/dev/null 2>&1
grep -q 'speed 115200 baud' "$WORK/defaults.stty" && grep -Eq '(^| )crtscts' "$WORK/defaults.stty" &&
  grep -Eq '(^| )-cstopb' "$WORK/defaults.stty" && [ "$(cat "$WORK/defaults.bytes")" = "$(printf 'via com2\r')" ]
check "registry defaults: com: opens com2 at 115200 baud with RTS/CTS" $? "$(cat "$WORK/defaults.stty"; od -c "$WORK/defaults.bytes")"

# --- a port that cannot be opened is the runtime error ------------------------------
run missing 'print "before"
open "com9:" as #1
print "not reached"'
LC_ALL=C grep -q '^box ' "$WORK/missing.driver" && transcript missing | head -1 | grep -qx before &&
  ! transcript missing | grep -q 'not reached'
check "opening com9 (no device) ends the program with the runtime error" $? "$(transcript missing; iconv -f CP932 -t UTF-8 "$WORK/missing.driver")"

finish "serial tests"
