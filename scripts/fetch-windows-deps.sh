#!/usr/bin/env bash
# Fetches the Debian source packages of TinyXML and xz-utils (liblzma) and unpacks them, for
# the Windows cross build, which has no mingw builds of these libraries to link against.
# Usage: scripts/fetch-windows-deps.sh [directory]   (default: build/windows-deps)
# A directory that already holds both unpacked trees is left as it is, so later runs are fast.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dest=${1:-$root/build/windows-deps}
mkdir -p "$dest"
dest=$(cd "$dest" && pwd)

unpacked() { [ -f "$dest/tinyxml/tinyxml.cpp" ] && [ -f "$dest/xz-utils/src/liblzma/api/lzma.h" ]; }
if unpacked; then
  exit 0
fi

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

# apt-get source needs a deb-src entry; mirror the binary entries of the system's sources.
has_source() { local found; found=$(apt-cache showsrc "$1" 2>/dev/null || true); [[ $found == *Package:* ]]; }
have_sources() { has_source tinyxml && has_source xz-utils; }
if ! have_sources; then
  list=/etc/apt/sources.list.d/ov-deb-src
  $sudo_cmd rm -f "$list.sources" "$list.list"
  if ls /etc/apt/sources.list.d/*.sources >/dev/null 2>&1; then
    # deb822 stanzas: keep Debian's own entries, offered as source indexes.
    cat /etc/apt/sources.list.d/*.sources | awk '
      BEGIN { RS = ""; ORS = "\n\n" }
      /URIs:[^\n]*debian/ && /Types:[^\n]*deb/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' |
      $sudo_cmd tee "$list.sources.new" >/dev/null
    $sudo_cmd mv "$list.sources.new" "$list.sources"
  fi
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list | grep debian |
      $sudo_cmd tee "$list.list" >/dev/null || true
  fi
  $sudo_cmd apt-get update -qq
fi

work=$dest/download
rm -rf "$work"
mkdir -p "$work"
# As root, apt would hand the download to its sandbox user, who may not write here.
sandbox=()
[ "$(id -u)" -eq 0 ] && sandbox=(-o APT::Sandbox::User=root)
(cd "$work" && apt-get source --download-only -qq "${sandbox[@]}" tinyxml xz-utils >/dev/null)

# dpkg-source applies Debian's patches (TinyXML's security fixes among them).
unpack() {
  local package=$1 dsc
  dsc=$(ls "$work"/"${package}"_*.dsc | head -n 1)
  rm -rf "${dest:?}/$package"
  (cd "$work" && dpkg-source --no-check -x "$dsc" "$dest/$package" >/dev/null)
}
unpack tinyxml
unpack xz-utils
# dpkg-source leaves a copy of each upstream tarball beside the tree it unpacked.
rm -rf "$work" "$dest"/*.orig.tar.*
unpacked
echo "Windows dependencies unpacked in $dest"
