# Shared settings of the project's scripts; sourced, not run.
# shellcheck shell=bash

SX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SX_CACHE=${SENTRIVOX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sentrivoxex}
export WINEDEBUG=${WINEDEBUG:--all}
# Wine takes its locale and time zone from the environment (also into the
# prefixes it makes): the same for every run, whatever the machine is set to.
export LC_ALL=C.UTF-8 TZ=UTC
unset LANG LANGUAGE
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

sx_log() { printf '[sentrivox] %s\n' "$*" >&2; }

# The architecture the test programs are built for: x86_64 under wine64 on
# every machine, so that a test run does not depend on whether the machine's
# kernel can execute 32-bit code (many cannot, and then Wine's 32-bit loader
# does not start). The shipped program is still the 32-bit build.
# SENTRIVOX_ARCH=i686 runs the tests as 32-bit programs, in a 64-bit prefix
# (WOW64) and again in a 32-bit one, where the machine can.
sx_test_arch() { echo "${SENTRIVOX_ARCH:-x86_64}"; }

# True when this machine can start Wine's 32-bit loader.
sx_can_run_i686() { [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; }

# The Wine loader for an architecture.
sx_wine_for() {
  case "$1" in
    i686) echo /usr/lib/wine/wine ;;
    *) echo /usr/lib/wine/wine64 ;;
  esac
}

sx_wineserver() {
  if [ -x /usr/lib/wine/wineserver64 ]; then echo /usr/lib/wine/wineserver64; else echo /usr/lib/wine/wineserver32; fi
}

# Builds (or refreshes) the build tree of one architecture.
sx_build() {
  local arch=$1 dir="${SENTRIVOX_BUILD_ROOT:-$SX_ROOT/build}/$1"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$SX_ROOT" -B "$dir" -G Ninja -DSENTRIVOX_ARCH="$arch" \
      -DCMAKE_TOOLCHAIN_FILE="$SX_ROOT/cmake/toolchain-mingw.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2 || return 1
  fi
  cmake --build "$dir" -j "$(nproc)" "${@:2}" >&2
}

# The program as it ships: the 32-bit release build, stripped, in a folder of its
# own (build/release/bin). The test builds keep their debug information.
sx_release_dir() { echo "${SENTRIVOX_BUILD_ROOT:-$SX_ROOT/build}/release"; }
sx_build_release() {
  local dir; dir=$(sx_release_dir)
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$SX_ROOT" -B "$dir" -G Ninja -DSENTRIVOX_ARCH=i686 -DSENTRIVOX_TESTS=OFF \
      -DCMAKE_TOOLCHAIN_FILE="$SX_ROOT/cmake/toolchain-mingw.cmake" -DCMAKE_BUILD_TYPE=Release >&2 || return 1
  fi
  cmake --build "$dir" -j "$(nproc)" --target SentrivoxEx >&2
}

# A prepared prefix template per Windows flavour: win64 (64-bit Windows) and,
# where 32-bit code can run, win32.
sx_prefix_template() {
  local flavour=$1 arch=$2 dir="$SX_CACHE/prefix-$1"
  if [ ! -f "$dir/.ready" ]; then
    sx_log "preparing the $flavour Wine prefix (about 30 s, once)"
    rm -rf "$dir"
    mkdir -p "$SX_CACHE"
    local wine; wine=$(sx_wine_for "$arch")
    if [ "$flavour" = win32 ]; then
      WINEARCH=win32 WINEPREFIX="$dir" "$wine" wineboot -i >/dev/null 2>&1 || return 1
    else
      WINEARCH=win64 WINEPREFIX="$dir" "$wine" wineboot -i >/dev/null 2>&1 || return 1
    fi
    WINEPREFIX="$dir" "$(sx_wineserver)" -w
    touch "$dir/.ready"
  fi
  if [ ! -f "$dir/.settled" ]; then
    local wine; wine=$(sx_wine_for "$arch")
    # With no window manager on a virtual screen, Wine draws the title bars itself.
    WINEPREFIX="$dir" "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || return 1
    if [ "$flavour" = win64 ]; then
      # 64-bit Windows has a Run key in its 32-bit view too; a new Wine prefix
      # lacks it, and the program tells 64-bit Windows by that key.
      WINEPREFIX="$dir" "$wine" reg add 'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Run' \
        /f >/dev/null 2>&1 || return 1
    fi
    WINEPREFIX="$dir" "$(sx_wineserver)" -w
    touch "$dir/.settled"
  fi
  echo "$dir"
}

# Starts Xvfb on a free display, sets SX_DISPLAY and SX_XVFB_PID and prints the
# display name. Call it directly, not inside $(...): a subshell would lose the
# pid, and the caller could not stop the server at its end.
sx_start_xvfb() {
  local n
  for n in $(seq 91 120); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
      SX_XVFB_PID=$!
      local i
      for i in $(seq 1 50); do
        if [ -e "/tmp/.X11-unix/X$n" ]; then
          SX_DISPLAY=":$n"
          echo "$SX_DISPLAY"
          return 0
        fi
        sleep 0.1
      done
      kill "$SX_XVFB_PID" 2>/dev/null
      SX_XVFB_PID=
    fi
  done
  return 1
}
