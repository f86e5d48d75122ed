#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when missing.
# Usage: scripts/install-deps.sh [--windows] [--fuzz] [--coverage]
#   --windows adds the mingw-w64 and Wine toolchain, --fuzz clang with libFuzzer's runtime,
#   --coverage clang with llvm-profdata and llvm-cov.
set -euo pipefail

# binutils-mingw-w64-x86-64 brings windres, which checks the packager's Windows resource script.
# ccache keeps repeated builds (the three legs, later runs on the same machine) short.
packages=(ccache cmake g++ make pkg-config libtinyxml-dev liblzma-dev libgtest-dev libbenchmark-dev imagemagick
  binutils-mingw-w64-x86-64)
for option in "$@"; do
  case "$option" in
    --windows) packages+=(wine wine64 g++-mingw-w64-x86-64-posix dpkg-dev) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --coverage) packages+=(clang llvm) ;;
    *) echo "unknown option: $option" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
