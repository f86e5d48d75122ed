#!/usr/bin/env bash
# Line and region coverage of src/ by the test suite: a clang build with source-based
# coverage in build/coverage, the CTest suite with one profile per process (the end-to-end
# tests start OvGamePackager and the fake tools), then a report restricted to src/.
# Usage: scripts/coverage.sh            (exits non-zero when the build or a test fails)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# No base-directory rewriting here: the coverage mapping must hold absolute source paths, or
# the report would list files twice under relative names.
unset CCACHE_BASEDIR
scripts/install-deps.sh --coverage

tool() {
  if command -v "$1" >/dev/null; then echo "$1"; else echo "$1-14"; fi
}
profdata=$(tool llvm-profdata)
cov=$(tool llvm-cov)

build=$root/build/coverage
flags="-fprofile-instr-generate -fcoverage-mapping"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" -j"$(nproc)"

profiles=$build/profiles
rm -rf "$profiles"
mkdir -p "$profiles"
# %p: one file per process; %m keeps programs built from different binaries apart.
export LLVM_PROFILE_FILE="$profiles/%p-%m.profraw"
(cd "$build" && ctest --output-on-failure -j"$(nproc)")

"$profdata" merge -sparse "$profiles"/*.profraw -o "$build/coverage.profdata"

# Every program the suite runs: the packager, the data tool, then the test programs.
objects=()
[ -x "$build/OvDataTool" ] && objects+=(-object "$build/OvDataTool")
for program in "$build"/tests/test_*; do
  [ -f "$program" ] && [ -x "$program" ] && objects+=(-object "$program")
done
report=$build/report.txt
"$cov" report "$build/OvGamePackager" "${objects[@]}" -instr-profile="$build/coverage.profdata" "$root/src" >"$report"

total=$(grep '^TOTAL' "$report")
# Columns: Filename Regions Missed Cover Functions Missed Cover Lines Missed Cover ...
echo "$total" | awk '{ printf "src/ coverage: lines %s, regions %s\n", $10, $4 }'
echo "least covered files (lines):"
grep -E '^[^ ]+\.(cpp|h) ' "$report" | awk '{ printf "%8s %s\n", $10, $1 }' | sort -n | awk 'NR <= 10' 
