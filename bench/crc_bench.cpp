// CRC-64 throughput (sliced against the byte-at-a-time table loop, measured in the same run),
// identifier construction from short names and registry lookups.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "core/ovcrc.h"
#include "core/ovcrc64paths.h"
#include "core/ovidentifier.h"

namespace {

constexpr int kBufferSize = 64 << 20;

const std::vector<uint8_t>& Buffer() {
  static const std::vector<uint8_t> buffer = [] {
    std::vector<uint8_t> bytes(kBufferSize);
    std::mt19937_64 random(42);
    for (size_t i = 0; i < bytes.size(); i += 8) {
      uint64_t v = random();
      for (int k = 0; k < 8; ++k) bytes[i + k] = static_cast<uint8_t>(v >> (8 * k));
    }
    return bytes;
  }();
  return buffer;
}

// Names of 5 to 40 characters in mixed case, like the engine's node and setting names.
const std::vector<std::string>& ShortNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> result;
    std::mt19937 random(7);
    const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789";
    for (int i = 0; i < 4096; ++i) {
      std::string name = "bench_";
      size_t length = 5 + random() % 36;
      name.resize(length);
      for (size_t k = 0; k < length; ++k) name[k] = alphabet[random() % (sizeof(alphabet) - 1)];
      result.push_back(name);
    }
    return result;
  }();
  return names;
}

void BM_Crc64Bytewise(benchmark::State& state) {
  const auto& buffer = Buffer();
  for (auto _ : state) benchmark::DoNotOptimize(CreateCrc64Bytewise(buffer.data(), kBufferSize, ~0ull));
  state.SetBytesProcessed(state.iterations() * kBufferSize);
}
BENCHMARK(BM_Crc64Bytewise)->Unit(benchmark::kMillisecond);

void BM_Crc64(benchmark::State& state) {
  const auto& buffer = Buffer();
  for (auto _ : state) benchmark::DoNotOptimize(CreateCrc64(buffer.data(), kBufferSize));
  state.SetBytesProcessed(state.iterations() * kBufferSize);
}
BENCHMARK(BM_Crc64)->Unit(benchmark::kMillisecond);

void BM_Crc64ToLower(benchmark::State& state) {
  const auto& buffer = Buffer();
  for (auto _ : state) benchmark::DoNotOptimize(CreateCrc64_ToLower(buffer.data(), kBufferSize, ~0ull));
  state.SetBytesProcessed(state.iterations() * kBufferSize);
}
BENCHMARK(BM_Crc64ToLower)->Unit(benchmark::kMillisecond);

// Byte loop and sliced CRC timed alternately on the same buffer; "speedup" is the median of
// the per-pair ratios, which is robust against the machine's load changing between runs.
void BM_Crc64SpeedupInterleaved(benchmark::State& state) {
  const auto& buffer = Buffer();
  std::vector<double> ratios;
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(CreateCrc64Bytewise(buffer.data(), kBufferSize, ~0ull));
    auto t1 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(CreateCrc64(buffer.data(), kBufferSize));
    auto t2 = std::chrono::steady_clock::now();
    ratios.push_back(std::chrono::duration<double>(t1 - t0).count() /
                     std::chrono::duration<double>(t2 - t1).count());
  }
  std::sort(ratios.begin(), ratios.end());
  state.counters["speedup"] = ratios.empty() ? 0.0 : ratios[ratios.size() / 2];
}
BENCHMARK(BM_Crc64SpeedupInterleaved)->Unit(benchmark::kMillisecond)->Iterations(15);

// Every code path over one 1 GiB buffer, taken in turn round after round (byte loop, table,
// carry-less multiply, its 512-bit form); each counter is the median GB/s of its path, and
// "x_table" the median per-round speedup of the public function over the table.
void BM_Crc64PathsOneGiBInterleaved(benchmark::State& state) {
  constexpr size_t kSize = size_t(1) << 30;
  std::vector<uint8_t> buffer(kSize);
  std::mt19937_64 random(3);
  for (size_t i = 0; i < kSize; i += 8) {
    uint64_t v = random();
    for (int k = 0; k < 8; ++k) buffer[i + k] = static_cast<uint8_t>(v >> (8 * k));
  }
  using ovcrc::Crc64Path;
  const char* names[] = {"bytewise", "table", "clmul", "clmul512", "public"};
  std::vector<double> rates[5], speedups;
  auto time = [&](int which) {
    auto t0 = std::chrono::steady_clock::now();
    if (which == 0) benchmark::DoNotOptimize(CreateCrc64Bytewise(buffer.data(), int(kSize - 1), ~0ull));
    else if (which == 4) benchmark::DoNotOptimize(CreateCrc64(buffer.data(), int(kSize - 1)));
    else benchmark::DoNotOptimize(ovcrc::Crc64ByPath(Crc64Path(which - 1), buffer.data(), kSize, ~0ull, false));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  };
  for (auto _ : state) {
    double seconds[5] = {};
    for (int which = 0; which < 5; ++which) {
      if (which >= 2 && which <= 3 && !ovcrc::Crc64PathAvailable(Crc64Path(which - 1))) continue;
      seconds[which] = time(which);
      rates[which].push_back(kSize / seconds[which] / 1e9);
    }
    speedups.push_back(seconds[1] / seconds[4]);
  }
  auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
  };
  for (int which = 0; which < 5; ++which) state.counters[std::string(names[which]) + "_GBps"] = median(rates[which]);
  state.counters["x_table"] = median(speedups);
}
BENCHMARK(BM_Crc64PathsOneGiBInterleaved)->Unit(benchmark::kSecond)->Iterations(7);

void BM_Crc64ShortNamesBytewise(benchmark::State& state) {
  const auto& names = ShortNames();
  size_t i = 0;
  for (auto _ : state) {
    const std::string& name = names[i++ & 4095];
    benchmark::DoNotOptimize(CreateCrc64_ToLowerBytewise(name.data(), static_cast<int>(name.size()), ~0ull));
  }
}
BENCHMARK(BM_Crc64ShortNamesBytewise);

void BM_Crc64ShortNames(benchmark::State& state) {
  const auto& names = ShortNames();
  size_t i = 0;
  for (auto _ : state) {
    const std::string& name = names[i++ & 4095];
    benchmark::DoNotOptimize(CreateCrc64_ToLower(name.data(), static_cast<int>(name.size()), ~0ull));
  }
}
BENCHMARK(BM_Crc64ShortNames);

// The usual case: the name is registered already, so construction is hashing plus one lookup.
void BM_IdentifierFromRegisteredName(benchmark::State& state) {
  const auto& names = ShortNames();
  for (const auto& name : names) COvIdentifier registered(name.c_str());
  size_t i = 0;
  for (auto _ : state) {
    COvIdentifier id(names[i++ & 4095].c_str());
    benchmark::DoNotOptimize(id);
  }
}
BENCHMARK(BM_IdentifierFromRegisteredName);

void BM_RegistryLookupHit(benchmark::State& state) {
  const auto& names = ShortNames();
  std::vector<uint64_t> crcs;
  for (const auto& name : names) crcs.push_back(COvIdentifier(name.c_str()).GetCrc64());
  COvIdentifierManager* manager = COvIdentifierManager::GetInstance();
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(manager->FindNameForCrc64(crcs[i++ & 4095]));
}
BENCHMARK(BM_RegistryLookupHit);

void BM_RegistryLookupMiss(benchmark::State& state) {
  std::vector<uint64_t> crcs;
  std::mt19937_64 random(99);
  for (int i = 0; i < 4096; ++i) crcs.push_back(random());
  COvIdentifierManager* manager = COvIdentifierManager::GetInstance();
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(manager->FindNameForCrc64(crcs[i++ & 4095]));
}
BENCHMARK(BM_RegistryLookupMiss);

}  // namespace

BENCHMARK_MAIN();
