// The fixed header in front of an LZMA-compressed engine file: the magic "OVCOMPRESSED"
// (no terminator), the uncompressed size (32-bit little-endian) and 16 bytes that no reader
// uses (written as zeros). The 5 LZMA property bytes and the raw LZMA stream follow it.
#pragma once

#include <cstdint>

constexpr int kOvCompressedHeaderSize = 32;
constexpr int kOvCompressedMagicSize = 12;
// Offset of the uncompressed size in the header.
constexpr int kOvCompressedSizeOffset = 12;

// True when size >= kOvCompressedHeaderSize and data begins with the magic. data may be null
// only with size 0.
bool OvIsCompressed(const void* data, int size);

// Fills header (kOvCompressedHeaderSize bytes) for a file of uncompressedSize bytes.
void OvWriteCompressedHeader(uint8_t* header, uint32_t uncompressedSize);

// The uncompressed size recorded in a header OvIsCompressed accepts.
uint32_t OvReadCompressedSize(const uint8_t* header);
