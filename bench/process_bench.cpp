// Cost of the process runner: starting and waiting for /bin/true 1,000 times with COvProcess
// against the same loop written with posix_spawn + waitpid directly, measured in the same run
// (interleaved batches; the median ratio is reported as overhead_pct). POSIX only.
// The runner prints one "RunProcessAsync" line per start: run with
//   process_bench --benchmark_out=/dev/stderr --benchmark_out_format=console >/dev/null
// to keep those lines off the terminal.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/ovprocess.h"

extern char** environ;

namespace {

constexpr int kRuns = 1000;
constexpr int kRounds = 10;
const char* const kProgram = "/bin/true";

void RunDirect(int count) {
  char program[] = "/bin/true";
  char argument[] = "x";
  char* argv[] = {program, argument, nullptr};
  for (int i = 0; i < count; ++i) {
    pid_t pid;
    if (posix_spawn(&pid, kProgram, nullptr, nullptr, argv, environ) != 0) continue;
    int status = 0;
    waitpid(pid, &status, 0);
  }
}

void RunRunner(int count) {
  COvProcess process;
  for (int i = 0; i < count; ++i) benchmark::DoNotOptimize(process.RunProcess(kProgram, "x"));
}

double Seconds(void (*run)(int), int count) {
  auto start = std::chrono::steady_clock::now();
  run(count);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_PosixSpawnWaitpid(benchmark::State& state) {
  for (auto _ : state) RunDirect(kRuns);
  state.SetItemsProcessed(state.iterations() * kRuns);
}
BENCHMARK(BM_PosixSpawnWaitpid)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_COvProcessRunProcess(benchmark::State& state) {
  for (auto _ : state) RunRunner(kRuns);
  state.SetItemsProcessed(state.iterations() * kRuns);
}
BENCHMARK(BM_COvProcessRunProcess)->Unit(benchmark::kMillisecond)->Iterations(3);

// kRuns starts of each, in interleaved batches; counters in microseconds per start.
void BM_RunnerOverhead(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<double> ratios;
    double direct = 0, runner = 0;
    for (int round = 0; round < kRounds; ++round) {
      double d = Seconds(RunDirect, kRuns / kRounds);
      double r = Seconds(RunRunner, kRuns / kRounds);
      direct += d;
      runner += r;
      ratios.push_back(r / d);
    }
    std::sort(ratios.begin(), ratios.end());
    double median = (ratios[kRounds / 2 - 1] + ratios[kRounds / 2]) / 2;
    state.counters["direct_us"] = direct / kRuns * 1e6;
    state.counters["runner_us"] = runner / kRuns * 1e6;
    state.counters["overhead_pct"] = (median - 1) * 100;
  }
}
BENCHMARK(BM_RunnerOverhead)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
