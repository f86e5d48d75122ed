// Asset files: the image a console game loads into memory and patches in place. A 36-byte
// big-endian header, the asset's data block (32-bit words byte-swapped to big-endian), the
// table of pointer locations to patch (offsets into the data block), then the main-memory and
// the video-memory areas as they are. Every block starts and ends on its own alignment; the
// gaps hold 0xED.
#pragma once

#include <cstdint>

#include "core/ovstring.h"
#include "engine/asset/ovmemoryareas.h"

constexpr uint32_t kOvAssetFileMagic = 0x000A5537u;
constexpr uint32_t kOvAssetHeaderSize = 36;

// Appends the asset image to outArea (normally empty, so that the header starts it).
// pointerLocations is a list of addresses inside data ended by a null entry; a null list is an
// empty one. Each location must hold a whole 32-bit word of data: false, with outArea left as
// it was, when one does not. False too when the image would pass 4 GiB (outArea then holds
// part of it). A data alignment of 0 counts as 1.
bool CreateAssetFile(const COvMemoryAreas& areas, const void* data, uint32_t dataSize, uint32_t dataAlignment,
                     COvMemoryArea& outArea, const void* const* pointerLocations);

// Builds the image and writes it to path, replacing any file there only once the whole image
// was written (a failed write leaves the old file, or none).
bool WriteAssetFile(const TOvString<char>& path, const COvMemoryAreas& areas, const void* data,
                    uint32_t dataSize, uint32_t dataAlignment, const void* const* pointerLocations);
