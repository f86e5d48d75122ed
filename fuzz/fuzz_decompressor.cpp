// Fuzz target: the memory decompressor over a compressed block (properties, then the raw LZMA
// stream), read in small and large steps. Output never passes the limit given.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "bigfile/ovmemorydecompressor.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  constexpr int kLimit = 1 << 20;
  std::vector<uint8_t> out(64 << 10);
  for (int step : {7, 64 << 10}) {
    COvMemoryDecompressor decompressor;
    if (!decompressor.Initialize(data, static_cast<int>(size), kLimit)) return 0;
    int total = 0;
    for (;;) {
      int produced = decompressor.DecompressOutputBytes(out.data(), step);
      ovfuzz::Check(produced >= 0 && produced <= step, "a step produces at most what was asked");
      total += produced;
      if (produced < step) break;
    }
    ovfuzz::Check(total <= kLimit && total == decompressor.GetOutputPosition(), "output stays in its limit");
    ovfuzz::Check(decompressor.GetInputPosition() <= static_cast<int>(size), "input stays in the block");
  }
  return 0;
}
