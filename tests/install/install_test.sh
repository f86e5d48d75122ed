#!/usr/bin/env bash
# Installs a built tree into a scratch prefix, then configures, builds and runs a consumer
# project that finds the library with find_package(ovcore CONFIG) and with pkg-config.
# Usage: install_test.sh BUILD_DIR CONSUMER_SOURCE_DIR CXX_COMPILER
set -euo pipefail
build=$1 consumer=$2 cxx=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
[ -x "$work/prefix/bin/OvGamePackager" ] || { echo "not installed: bin/OvGamePackager" >&2; exit 1; }
[ ! -x "$build/OvDataTool" ] || [ -x "$work/prefix/bin/OvDataTool" ] || { echo "not installed: bin/OvDataTool" >&2; exit 1; }

cmake -S "$consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$work/prefix" \
  -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$work/consumer" >/dev/null
out=$("$work/consumer/ovconsumer")
[ "$out" = "hello.txt 0x873ff8573b99638a" ] || { echo "consumer printed: $out" >&2; exit 1; }

# The pkg-config file gives the same library to a plain compiler command.
export PKG_CONFIG_PATH="$work/prefix/lib/pkgconfig:$work/prefix/lib/x86_64-linux-gnu/pkgconfig"
"$cxx" -std=c++17 "$consumer/main.cpp" -o "$work/pkgconsumer" $(pkg-config --cflags --libs ovcore)
[ "$("$work/pkgconsumer")" = "$out" ] || { echo "pkg-config consumer differs" >&2; exit 1; }
echo "installed package: find_package and pkg-config consumers run"
