// Fuzz target: an identifier hash file, in both byte orders. Every entry loaded must be found
// again under its CRC.
#include <cstddef>
#include <cstdint>

#include "core/ovidentifier.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (bool swap : {false, true}) {
    COvIdentifierHashTable table;
    table.LoadHashData(data, size, swap);
    int entries = 0;
    for (int i = 0; i < table.GetSlotCount(); ++i) {
      const COvIdentifierHashEntry* entry = table.GetSlot(i);
      if (!entry) continue;
      ++entries;
      ovfuzz::Check(table.Find(entry->GetCrc64()) == entry, "an entry is found under its CRC");
    }
    ovfuzz::Check(entries == table.GetEntryCount(), "the entry count matches the slots");
  }
  return 0;
}
