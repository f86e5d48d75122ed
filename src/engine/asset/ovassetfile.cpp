// Building and writing asset files.
#include "engine/asset/ovassetfile.h"

#include <climits>
#include <vector>

#include "core/ovfilehandle.h"
#include "core/ovfilereplace.h"

namespace {

constexpr uint32_t kPointerTableAlignment = 4;
constexpr uint32_t kPointerBytes = 4;

// Offsets of the pointer locations from data; false when one lies outside the data block.
bool PointerOffsets(const void* data, uint32_t dataSize, const void* const* locations,
                    std::vector<uint32_t>& offsets) {
  const uintptr_t base = reinterpret_cast<uintptr_t>(data);
  for (const void* const* entry = locations; entry && *entry; ++entry) {
    const uintptr_t address = reinterpret_cast<uintptr_t>(*entry);
    if (address < base || dataSize < kPointerBytes || address - base > dataSize - kPointerBytes) return false;
    offsets.push_back(static_cast<uint32_t>(address - base));
  }
  return true;
}

}  // namespace

bool CreateAssetFile(const COvMemoryAreas& areas, const void* data, uint32_t dataSize, uint32_t dataAlignment,
                     COvMemoryArea& outArea, const void* const* pointerLocations) {
  if (dataAlignment == 0) dataAlignment = 1;
  if (!data) dataSize = 0;
  std::vector<uint32_t> offsets;
  if (!PointerOffsets(data, dataSize, pointerLocations, offsets)) return false;
  const COvMemoryArea& main = areas.GetMain();
  const COvMemoryArea& video = areas.GetVideo();
  const uint32_t tableSize = static_cast<uint32_t>(offsets.size()) * kPointerBytes;
  const uint32_t header[9] = {kOvAssetFileMagic,      dataSize,       dataAlignment,   tableSize,
                              kPointerTableAlignment, main.GetSize(), main.GetAlign(), video.GetSize(),
                              video.GetAlign()};
  const uint32_t results[] = {
      outArea.AddBlock(header, kOvAssetHeaderSize, 4, eOvBlockSwap_32),
      outArea.AddBlock(data, dataSize, dataAlignment, eOvBlockSwap_32),
      outArea.AddBlock(offsets.data(), tableSize, kPointerTableAlignment, eOvBlockSwap_32),
      outArea.AddBlock(main, eOvBlockSwap_None),
      outArea.AddBlock(video, eOvBlockSwap_None),
  };
  for (uint32_t result : results) {
    if (result == kOvInvalidBlockOffset) return false;
  }
  return true;
}

bool WriteAssetFile(const TOvString<char>& path, const COvMemoryAreas& areas, const void* data,
                    uint32_t dataSize, uint32_t dataAlignment, const void* const* pointerLocations) {
  COvMemoryArea image;
  if (!CreateAssetFile(areas, data, dataSize, dataAlignment, image, pointerLocations)) return false;
  if (image.GetSize() > INT_MAX) return false;
  return OvReplaceFile(path, image.GetData(), static_cast<int>(image.GetSize()),
                       eOvFileSystemOpenMode_WriteBinary) == eOvReplaceStep_None;
}
