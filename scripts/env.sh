# Shared environment for the project's scripts: package installation, the build,
# and a private Wine world (prefix in the build tree, Xvfb display, one wineserver).
# Sourced, not run.

ROOT="${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
BUILD="$ROOT/build"
# The native tools (tessrun, tessc, mkimage).
BIN_DIR="${TESS_BIN_DIR:-$BUILD/bin}"
# The Windows programs (runtime.exe, filedlg.exe, uidriver.exe).
WIN_DIR="${TESS_WIN_DIR:-$BUILD/win}"
# A separate prefix (TESS_WINEPREFIX) gives a separate wineserver: programs under
# test elsewhere cannot take the focus from ours.
export WINEPREFIX="${TESS_WINEPREFIX:-$BUILD/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# ccache (when installed) shares objects between checkouts of the same sources.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"
export CCACHE_NOHASHDIR=true
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime

# What the build needs.
TESS_PACKAGES=(cmake ninja-build g++ libgtest-dev googletest ccache
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev mingw-w64-tools locales)

# What running and testing need, one row each: kind (tool or font), the name a
# test uses, and the package that brings it. Setup installs every package named
# here; the test run checks every row first, so a missing one stops it by name.
TESS_REQUIREMENTS=(
  "tool wine wine" "file /usr/lib/wine/wine64 wine64" "tool winepath wine"
  "tool Xvfb xvfb" "tool xdpyinfo x11-utils" "tool xwininfo x11-utils"
  "tool import imagemagick" "tool convert imagemagick" "tool identify imagemagick" "tool compare imagemagick"
  "tool fc-list fontconfig"
  "font IPAGothic fonts-ipafont-gothic" "font Liberation_Mono fonts-liberation"
  "tool clang clang" "tool socat socat" "tool stty coreutils" "tool iconv libc-bin"
  "tool cupsd cups" "tool lpadmin cups-client" "tool lpstat cups-client" "tool lpr cups-bsd"
  "file /usr/lib/cups/backend/cups-pdf printer-driver-cups-pdf"
  "tool pdfinfo poppler-utils" "tool pdftotext poppler-utils" "tool pdftoppm poppler-utils"
  "tool gendef mingw-w64-tools"
  "tool zip zip" "tool unzip unzip" "tool strings binutils"
)
for row in "${TESS_REQUIREMENTS[@]}"; do
  read -r _ _ package <<<"$row"
  [[ " ${TESS_PACKAGES[*]} " == *" $package "* ]] || TESS_PACKAGES+=("$package")
done
unset row package

tess_log() { printf '[tessaly] %s\n' "$*" >&2; }

tess_setup() {
  local missing=()
  for p in "${TESS_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    tess_log "installing: ${missing[*]}"
    local sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
    tess_log "generating the ja_JP.UTF-8 locale"
    local sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    $sudo locale-gen >/dev/null
  fi
}

# tess_check_requirements: every tool and font of TESS_REQUIREMENTS is there,
# or a message names what is missing and the package that brings it.
tess_check_requirements() {
  local row kind name package missing=0
  for row in "${TESS_REQUIREMENTS[@]}"; do
    read -r kind name package <<<"$row"
    name="${name//_/ }"
    case "$kind" in
      tool) command -v "$name" >/dev/null 2>&1 ;;
      font) fc-list "$name" family 2>/dev/null | grep -q . ;;
      file) [ -e "$name" ] ;;
    esac || { echo "missing $kind '$name': install the package $package (./tessaly setup)" >&2; missing=1; }
  done
  return $missing
}

# tess_configure: the native and the Windows build trees, once.
tess_configure() {
  if [ ! -f "$BUILD/native/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  if [ ! -f "$BUILD/mingw/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD/mingw" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" -DTESS_WIN_OUTPUT_DIR="$WIN_DIR" >/dev/null
  fi
}

# tess_build: everything, the sanitized core and the unit tests included.
tess_build() {
  local jobs; jobs="$(nproc)"
  tess_configure
  cmake --build "$BUILD/native" -j "$jobs"
  cmake --build "$BUILD/mingw" -j "$jobs"
}

# tess_build_for_run: only what running a program needs (tessc, runtime.exe,
# and filedlg.exe).
tess_build_for_run() {
  local jobs; jobs="$(nproc)"
  tess_configure
  cmake --build "$BUILD/native" -j "$jobs" --target tessc
  cmake --build "$BUILD/mingw" -j "$jobs" --target runtime filedlg
}

# --- The Wine world -------------------------------------------------------

# Wine's ANSI code page follows the locale: ja_JP gives code page 932.
tess_wine_locale() { export LC_ALL=ja_JP.UTF-8; }

tess_start_display() {
  if [ -n "${TESS_KEEP_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then return; fi
  local n=91
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  TESS_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
}

tess_stop_display() {
  [ -n "${TESS_XVFB_PID:-}" ] && kill "$TESS_XVFB_PID" 2>/dev/null || true
  TESS_XVFB_PID=""
}

tess_start_wine() {
  tess_wine_locale
  mkdir -p "$BUILD"
  if [ ! -f "$WINEPREFIX/.tessaly-ready" ]; then
    tess_log "creating the Wine prefix (first time only)"
    wineboot -i >"$BUILD/wineboot.log" 2>&1 </dev/null || true
    wineserver -w
    # Without a window manager Wine waits 2 s whenever a window hides; unmanaged windows avoid it.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tessaly-ready"
  fi
  # One may run already (another run, another engineer): it is kept, and left
  # running at the end; tess_stop_wine stops only a server started here.
  if wineserver -p 2>/dev/null; then TESS_WINESERVER_OURS=1; fi
  # The first process of a fresh server starts services that keep its output open.
  wineboot </dev/null >/dev/null 2>&1 || true
}

tess_stop_wine() {
  [ -n "${TESS_WINESERVER_OURS:-}" ] && wineserver -k 2>/dev/null
  TESS_WINESERVER_OURS=""
  return 0
}

# tess_drive SECONDS LOG DRIVER-COMMANDS... : the UI driver (tests/gui/driver)
# with its lines in LOG and Wine's own words in LOG.wine. Now and then Wine
# starts no process at all: the driver leaves no log, or says start-failed
# before the program ran. Such a start is made once more and said on stderr and
# in TESS_DRIVER_NOTES, where the driver says its own; a run can count them.
tess_drive() {
  local seconds="$1" log="$2" attempt status=0; shift 2
  for attempt in 1 2; do
    rm -f "$log"
    timeout "$seconds" wine "$WIN_DIR/uidriver.exe" --out "$(winepath -w "$log")" "$@" >/dev/null 2>"$log.wine" </dev/null
    status=$?
    if [ -s "$log" ] && ! grep -q '^start-failed' "$log"; then return "$status"; fi
    [ "$attempt" = 2 ] && break
    local why; why="$(head -n 1 "$log" 2>/dev/null; head -c 300 "$log.wine" | tr '\n' ' ')"
    tess_driver_note "driver-started-again $(basename "$log") status $status: $why"
  done
  return "$status"
}

tess_driver_note() {
  printf '[tessaly] %s\n' "$1" >&2
  [ -n "${TESS_DRIVER_NOTES:-}" ] && printf '%s\n' "$1" >>"$(winepath -u "$TESS_DRIVER_NOTES")"
  return 0
}
