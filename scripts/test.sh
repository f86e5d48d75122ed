#!/usr/bin/env bash
# Builds and runs every test: the native build, the same build under AddressSanitizer and
# UndefinedBehaviorSanitizer, the Windows cross build under Wine, and a short run of every fuzz
# target (clang, libFuzzer).
# Usage: scripts/test.sh [linux|asan|windows|fuzz]...   (default: all four legs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
legs=("$@")
[ ${#legs[@]} -eq 0 ] && legs=(linux asan windows fuzz)
jobs=$(nproc)
# One compiler cache for every build folder and checkout of this tree.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true

deps_options=()
for leg in "${legs[@]}"; do
  [ "$leg" = windows ] && deps_options+=(--windows)
  [ "$leg" = fuzz ] && deps_options+=(--fuzz)
done
scripts/install-deps.sh "${deps_options[@]}"

summary=()
for leg in "${legs[@]}"; do
  start=$(date +%s)
  case "$leg" in
    linux)
      # The benchmarks are built (not run) so that they keep compiling.
      cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOV_BUILD_BENCH=ON >/dev/null
      cmake --build build/linux -j"$jobs"
      (cd build/linux && ctest --output-on-failure -j"$jobs")
      ;;
    asan)
      cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DOV_SANITIZE=ON >/dev/null
      cmake --build build/asan -j"$jobs"
      (cd build/asan && ctest --output-on-failure -j"$jobs")
      ;;
    windows)
      scripts/windows-leg.sh
      ;;
    fuzz)
      # About 15 s per target, two at a time: a smoke run that keeps the targets working.
      FUZZ_JOBS=2 scripts/fuzz.sh all 15
      ;;
    *) echo "unknown leg: $leg" >&2; exit 2 ;;
  esac
  summary+=("$leg: $(( $(date +%s) - start )) s")
done
printf 'legs passed: %s\n' "${summary[*]}"
