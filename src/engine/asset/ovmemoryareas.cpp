// COvMemoryAreas_PS3: blocks whose offsets carry the area they live in.
#include "engine/asset/ovmemoryareas.h"

uint32_t COvMemoryAreas_PS3::AddBlock(const void* data, uint32_t size, uint32_t alignment, int swap,
                                      bool video) {
  const uint32_t offset = (video ? m_Video : m_Main).AddBlock(data, size, alignment, swap);
  if (offset == kOvInvalidBlockOffset) return offset;
  return offset | (video ? kVideoMark : kMainMark);
}
