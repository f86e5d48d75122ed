#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build/fuzz and runs them.
# Usage: scripts/fuzz.sh TARGET|all SECONDS
#   TARGET is a fuzz target's name, with or without its "fuzz_" prefix (xml, fuzz_xml, ...);
#   all runs every target. FUZZ_JOBS (default 1) targets run at once, each under nice.
# New inputs go to build/fuzz/work/<target> (kept between runs), the committed seeds in
# fuzz/corpus/<target> are only read. A crashing input is saved in build/fuzz/artifacts/<target>/.
# Prints one line per target: seconds, executions and crashes. Exit status 1 when any crashed.
# FUZZ_TIMEOUT (default 20) is the seconds one input may take before it counts as a hang; raise
# it for long runs on a loaded machine, where a starved process can pass it on an ordinary input.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ $# -ne 2 ]; then
  echo "usage: scripts/fuzz.sh TARGET|all SECONDS" >&2
  exit 2
fi
what=$1
seconds=$2
jobs=${FUZZ_JOBS:-1}
timeout=${FUZZ_TIMEOUT:-20}
build=$root/build/fuzz
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DOV_BUILD_FUZZ=ON -DOV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target ov_fuzzers -j"$(nproc)" >/dev/null

targets=()
if [ "$what" = all ]; then
  for source in fuzz/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
else
  targets=("fuzz_${what#fuzz_}")
  [ -f "fuzz/${targets[0]}.cpp" ] || { echo "no fuzz target ${targets[0]}" >&2; exit 2; }
fi

# Inputs saved in an artifact folder that count as failures: crashes, leaks, timeouts and
# out-of-memory inputs, not the slow-unit reports.
failures() { find "$1" -type f ! -name 'slow-unit-*' | wc -l; }

# Runs one target; its summary line goes to build/fuzz/<target>.summary.
run_target() {
  local target=$1 work=$build/work/$1 artifacts=$build/artifacts/$1 log=$build/$1.log
  mkdir -p "$work" "$artifacts"
  local before
  before=$(failures "$artifacts")
  local status=0
  nice -n 10 "$build/fuzz/$target" -max_total_time="$seconds" -timeout="$timeout" -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  local runs crashes
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  crashes=$(($(failures "$artifacts") - before))
  [ "$status" -ne 0 ] && [ "$crashes" -eq 0 ] && crashes=1
  echo "$target: $seconds s, ${runs:-0} executions, $crashes crashes" >"$build/$target.summary"
  [ "$crashes" -eq 0 ]
}

failed=0
pids=()
names=()
for target in "${targets[@]}"; do
  run_target "$target" &
  pids+=($!)
  names+=("$target")
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
done
for i in "${!pids[@]}"; do
  if ! wait "${pids[$i]}"; then
    failed=1
    echo "${names[$i]}: crashed; see $build/${names[$i]}.log" >&2
  fi
  cat "$build/${names[$i]}.summary"
done
exit $failed
