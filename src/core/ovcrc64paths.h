// The 64-bit CRC's code paths: the sliced tables everywhere, and carry-less multiply folding on
// processors that have it. The public CRC functions pick the best path once; tests and
// benchmarks force a path through this header to compare them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ovcrc {

enum class Crc64Path { Table, Clmul, Clmul512 };

// True when this build and this processor can run path (the table always can).
bool Crc64PathAvailable(Crc64Path path);
// The fastest available path, chosen once per process.
Crc64Path Crc64BestPath();

// CRC over n bytes from crc, with 'A'..'Z' folded to lower case first when toLower; short
// inputs go to the table on every path. path must be available.
uint64_t Crc64ByPath(Crc64Path path, const void* data, size_t n, uint64_t crc, bool toLower);

// x^n modulo the CRC polynomial, bit i holding the coefficient of x^i (unreflected): the
// source of the folding constants.
uint64_t Crc64XPowerMod(unsigned n);

// The sliced table CRC, shared by every path for heads and tails.
uint64_t Crc64Table(const uint8_t* p, size_t n, uint64_t crc, bool toLower);

// The carry-less multiply forms; only called when the processor has the instructions. Each
// handles any n (short inputs through the table).
uint64_t Crc64Clmul(const uint8_t* p, size_t n, uint64_t crc, bool toLower);
uint64_t Crc64Clmul512(const uint8_t* p, size_t n, uint64_t crc, bool toLower);

}  // namespace ovcrc
