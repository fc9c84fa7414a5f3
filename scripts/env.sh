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

TESS_PACKAGES=(cmake ninja-build g++ libgtest-dev googletest
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev mingw-w64-tools
  ccache wine wine64 xvfb x11-utils fonts-ipafont-gothic locales imagemagick clang socat
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils zip unzip)

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

tess_build() {
  local jobs; jobs="$(nproc)"
  if [ ! -f "$BUILD/native/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$BUILD/native" -j "$jobs"
  if [ ! -f "$BUILD/mingw/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD/mingw" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" -DTESS_WIN_OUTPUT_DIR="$WIN_DIR" >/dev/null
  fi
  cmake --build "$BUILD/mingw" -j "$jobs"
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
  wineserver -p 2>/dev/null || true  # one may run already (another run, another engineer): keep it
  # The first process of a fresh server starts services that keep its output open.
  wineboot </dev/null >/dev/null 2>&1 || true
}

tess_stop_wine() { wineserver -k 2>/dev/null || true; }
