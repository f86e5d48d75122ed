#!/usr/bin/env bash
# Windows leg: cross-builds with mingw-w64 into build/windows and runs the test suite under
# Wine through CTest. Usage: scripts/windows-leg.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh --windows
scripts/fetch-windows-deps.sh "$root/build/windows-deps"

build=$root/build/windows

# Wine: a private prefix, no debugger, no .NET or Gecko installers, no display.
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d" LANG=C.UTF-8
unset DISPLAY
mkdir -p "$WINEPREFIX"
# The server is started first, detached from our pipes: otherwise Wine's background processes
# keep CTest's output pipes open after every test program and each test waits for them.
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# Setting up the prefix takes half a minute of mostly waiting: it runs while the build does.
(wineboot -i && wine cmd /c exit) </dev/null >/dev/null 2>&1 &
boot=$!

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
  -DOV_WINDOWS_DEPS_DIR="$root/build/windows-deps" >/dev/null
start=$SECONDS
cmake --build "$build" -j2
built=$SECONDS
wait "$boot" || echo "windows leg: wineboot ended with an error; running the tests all the same" >&2
(cd "$build" && ctest --output-on-failure -j2)
echo "windows leg: build $((built - start)) s, tests under Wine $((SECONDS - built)) s"
