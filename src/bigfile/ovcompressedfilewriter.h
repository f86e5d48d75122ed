// Writing compressed engine files: the 32-byte header (magic, uncompressed size, 16 zero
// bytes) followed by COvMemoryCompressor's output. COvCompressedFileReader and
// COvFile::ReadEntireFile read them back.
#pragma once

// Room OvCompressFileImage needs for size bytes; -1 when it exceeds the largest int.
int OvComputeCompressedFileBufferSize(int size);
// Writes the whole file image into dst; returns its length, 0 when dst is too small.
int OvCompressFileImage(const void* src, int size, void* dst, int capacity);
// Creates (or replaces) path with the compressed form of data; false when it cannot be
// compressed or written completely.
bool OvSaveCompressedFile(const char* path, const void* data, int size);
