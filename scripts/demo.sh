#!/usr/bin/env bash
# The demo: installs what is missing, builds OvGamePackager and packages the bundled demo game
# (examples/demo) for Windows: --configure writes the icon and the resource script, --build
# copies the compiled content into the build directory. Works on a copy in build/demo.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh

cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/linux -j"$(nproc)" --target OvGamePackager

demo=build/demo
rm -rf "$demo"
mkdir -p "$demo/tools"
cp -R examples/demo "$demo/game"
# The packager looks for its sibling tools (convert, OvProjectUpdater) beside itself.
cp build/linux/OvGamePackager "$demo/tools/"
# The engine's build step creates the build directory before packaging.
mkdir -p "$demo/game/tmp/Windows/Release"

packager="$demo/tools/OvGamePackager"
config="$demo/game/demo.config"
echo "== $packager --configure $config Release"
"$packager" --configure "$config" Release
echo "== $packager --build $config Release"
"$packager" --build "$config" Release

out=$(cd "$demo/game/tmp/Windows" && pwd)
cat <<MSG

Demo packaged for Windows:
  icon:             $out/rsc/game.ico
  resource script:  $out/rsc/game.rc (and res.h)
  copied content:   $out/Release/DX9/
MSG
