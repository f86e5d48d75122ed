// COvMemoryAreas: the main-memory and video-memory areas of one cooked asset, with the block
// functions of each console target: the PS3 marks the area in the offset's top bits, the 360
// keeps plain offsets.
#pragma once

#include "engine/asset/ovmemoryarea.h"

class COvMemoryAreas {
 public:
  COvMemoryArea& GetMain() { return m_Main; }
  COvMemoryArea& GetVideo() { return m_Video; }
  const COvMemoryArea& GetMain() const { return m_Main; }
  const COvMemoryArea& GetVideo() const { return m_Video; }

 protected:
  COvMemoryArea m_Main;
  COvMemoryArea m_Video;
};

class COvMemoryAreas_PS3 : public COvMemoryAreas {
 public:
  static constexpr uint32_t kMainMark = 0x80000000u;
  static constexpr uint32_t kVideoMark = 0xC0000000u;

  // The block's offset in its area with the area's mark ORed in; kOvInvalidBlockOffset when
  // the area cannot take it.
  uint32_t AddBlock(const void* data, uint32_t size, uint32_t alignment, int swap, bool video);
};

class COvMemoryAreas_360 : public COvMemoryAreas {
 public:
  uint32_t AddBlockMain(const void* data, uint32_t size, uint32_t alignment, int swap) {
    return m_Main.AddBlock(data, size, alignment, swap);
  }
  uint32_t AddBlockVideo(const void* data, uint32_t size, uint32_t alignment, int swap) {
    return m_Video.AddBlock(data, size, alignment, swap);
  }
};
