// 64-bit CRC by carry-less multiply folding. The buffer is read as a polynomial in 128-bit
// blocks; a block A followed by d bits of later data is worth A * x^d, which is reduced modulo
// the CRC polynomial by two 64x64-bit carry-less products and added (XOR) to the block d bits
// later. Several independent accumulators keep the multiplier busy; at the end they fold into
// one 128-bit remainder whose bytes, run through the table from a zero state, give the CRC.
// The functions carry their own instruction-set targets, so the rest of the build stays
// generic; the processor check is made once, before any of them runs.
#include "core/ovcrc64paths.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define OV_CRC_X86 1
#endif

namespace ovcrc {
namespace {

// The polynomial in its unreflected form, x^64 implied.
constexpr uint64_t kPolynomial = 0xAD93D23594C935A9ull;

constexpr uint64_t XPowerMod(unsigned n) {
  uint64_t r = 1;
  for (unsigned i = 0; i < n; ++i) r = (r << 1) ^ ((r >> 63) ? kPolynomial : 0);
  return r;
}

constexpr uint64_t Reflect64(uint64_t v) {
  uint64_t r = 0;
  for (int i = 0; i < 64; ++i) r |= ((v >> i) & 1) << (63 - i);
  return r;
}

// Constants that move a 128-bit block `bits` further on: the block's first (low) half is worth
// x^(bits+64) and its second half x^bits; a reflected carry-less product comes out one degree
// short, hence the - 1.
struct FoldConstants {
  uint64_t low;
  uint64_t high;
};

constexpr FoldConstants Fold(unsigned bits) { return {Reflect64(XPowerMod(bits + 63)), Reflect64(XPowerMod(bits - 1))}; }

#ifdef OV_CRC_X86

constexpr FoldConstants kFold128 = Fold(128);
constexpr FoldConstants kFold512 = Fold(512);
constexpr FoldConstants kFold1024 = Fold(1024);
constexpr FoldConstants kFold2048 = Fold(2048);

#define OV_CLMUL __attribute__((target("pclmul,sse4.1")))
#define OV_CLMUL512 __attribute__((target("pclmul,sse4.1,avx2,avx512f,avx512bw,avx512vl,vpclmulqdq")))

OV_CLMUL inline __m128i Constants128(const FoldConstants& k) {
  return _mm_set_epi64x(static_cast<long long>(k.high), static_cast<long long>(k.low));
}

// 'A'..'Z' plus 32: shifted so the capitals are the 26 smallest signed bytes.
OV_CLMUL inline __m128i Lower128(__m128i v) {
  __m128i shifted = _mm_add_epi8(v, _mm_set1_epi8(static_cast<char>(128 - 'A')));
  __m128i capital = _mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(-128 + 26)));
  return _mm_xor_si128(v, _mm_and_si128(capital, _mm_set1_epi8(0x20)));
}

template <bool kLower>
OV_CLMUL inline __m128i Load128(const uint8_t* p) {
  __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  return kLower ? Lower128(v) : v;
}

OV_CLMUL inline __m128i Fold128(__m128i x, __m128i k, __m128i next) {
  return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11)), next);
}

// The CRC of the 16 remainder bytes from a zero state, then the rest of the buffer.
OV_CLMUL inline uint64_t Finish(__m128i remainder, const uint8_t* p, size_t n, bool toLower) {
  alignas(16) uint8_t bytes[16];
  _mm_store_si128(reinterpret_cast<__m128i*>(bytes), remainder);
  return Crc64Table(p, n, Crc64Table(bytes, 16, 0, false), toLower);
}

// Eight 128-bit accumulators; n >= 128.
template <bool kLower>
OV_CLMUL uint64_t Clmul128(const uint8_t* p, size_t n, uint64_t crc) {
  __m128i x[8];
  for (int i = 0; i < 8; ++i) x[i] = Load128<kLower>(p + 16 * i);
  x[0] = _mm_xor_si128(x[0], _mm_set_epi64x(0, static_cast<long long>(crc)));
  p += 128;
  n -= 128;
  const __m128i k1024 = Constants128(kFold1024);
  for (; n >= 128; p += 128, n -= 128) {
    for (int i = 0; i < 8; ++i) x[i] = Fold128(x[i], k1024, Load128<kLower>(p + 16 * i));
  }
  const __m128i k128 = Constants128(kFold128);
  __m128i acc = x[0];
  for (int i = 1; i < 8; ++i) acc = Fold128(acc, k128, x[i]);
  for (; n >= 16; p += 16, n -= 16) acc = Fold128(acc, k128, Load128<kLower>(p));
  return Finish(acc, p, n, kLower);
}

OV_CLMUL512 inline __m512i Lower512(__m512i v) {
  __mmask64 capital = _mm512_cmplt_epu8_mask(_mm512_sub_epi8(v, _mm512_set1_epi8('A')), _mm512_set1_epi8(26));
  return _mm512_mask_add_epi8(v, capital, v, _mm512_set1_epi8(0x20));
}

template <bool kLower>
OV_CLMUL512 inline __m512i Load512(const uint8_t* p) {
  __m512i v = _mm512_loadu_si512(p);
  return kLower ? Lower512(v) : v;
}

OV_CLMUL512 inline __m512i Fold512(__m512i x, __m512i k, __m512i next) {
  return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(x, k, 0x00), _mm512_clmulepi64_epi128(x, k, 0x11),
                                   next, 0x96);
}

OV_CLMUL512 inline __m512i Constants512(const FoldConstants& k) {
  const long long low = static_cast<long long>(k.low), high = static_cast<long long>(k.high);
  return _mm512_set_epi64(high, low, high, low, high, low, high, low);
}

// Four 512-bit accumulators of four 128-bit lanes each; n >= 256.
template <bool kLower>
OV_CLMUL512 uint64_t Clmul512(const uint8_t* p, size_t n, uint64_t crc) {
  __m512i z[4];
  for (int i = 0; i < 4; ++i) z[i] = Load512<kLower>(p + 64 * i);
  z[0] = _mm512_xor_si512(z[0], _mm512_maskz_set1_epi64(1, static_cast<long long>(crc)));
  p += 256;
  n -= 256;
  const __m512i k2048 = Constants512(kFold2048);
  for (; n >= 256; p += 256, n -= 256) {
    for (int i = 0; i < 4; ++i) z[i] = Fold512(z[i], k2048, Load512<kLower>(p + 64 * i));
  }
  const __m512i k512 = Constants512(kFold512);
  __m512i acc = z[0];
  for (int i = 1; i < 4; ++i) acc = Fold512(acc, k512, z[i]);
  for (; n >= 64; p += 64, n -= 64) acc = Fold512(acc, k512, Load512<kLower>(p));
  // Masked extracts: the plain ones (and the cast) trip GCC's uninitialized warning inside its own header.
  const __m128i k128 = Constants128(kFold128);
  __m128i lane = _mm512_maskz_extracti32x4_epi32(0xF, acc, 0);
  lane = Fold128(lane, k128, _mm512_maskz_extracti32x4_epi32(0xF, acc, 1));
  lane = Fold128(lane, k128, _mm512_maskz_extracti32x4_epi32(0xF, acc, 2));
  lane = Fold128(lane, k128, _mm512_maskz_extracti32x4_epi32(0xF, acc, 3));
  for (; n >= 16; p += 16, n -= 16) lane = Fold128(lane, k128, Load128<kLower>(p));
  return Finish(lane, p, n, kLower);
}

// Processor features, read straight from cpuid; the wide registers also need the operating
// system to save their state (XCR0: SSE, AVX, opmask and both upper ZMM halves).
struct Features {
  bool clmul = false;
  bool clmul512 = false;
};

uint64_t ReadXcr0() {
  uint32_t low, high;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  return (static_cast<uint64_t>(high) << 32) | low;
}

Features DetectFeatures() {
  Features features;
  unsigned a, b, c, d;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return features;
  const bool pclmul = c & (1u << 1), sse41 = c & (1u << 19), osxsave = c & (1u << 27);
  features.clmul = pclmul && sse41;
  if (!features.clmul || !osxsave || (ReadXcr0() & 0xE6) != 0xE6) return features;
  if (__get_cpuid_max(0, nullptr) < 7) return features;
  __cpuid_count(7, 0, a, b, c, d);
  const bool avx2 = b & (1u << 5), avx512f = b & (1u << 16), avx512bw = b & (1u << 30),
             avx512vl = b & (1u << 31), vpclmul = c & (1u << 10);
  features.clmul512 = avx2 && avx512f && avx512bw && avx512vl && vpclmul;
  return features;
}

const Features& CpuFeatures() {
  static const Features features = DetectFeatures();
  return features;
}

#endif  // OV_CRC_X86

}  // namespace

uint64_t Crc64XPowerMod(unsigned n) { return XPowerMod(n); }

bool Crc64PathAvailable(Crc64Path path) {
  switch (path) {
    case Crc64Path::Table: return true;
#ifdef OV_CRC_X86
    case Crc64Path::Clmul: return CpuFeatures().clmul;
    case Crc64Path::Clmul512: return CpuFeatures().clmul512;
#else
    default: return false;
#endif
  }
  return false;
}

Crc64Path Crc64BestPath() {
  static const Crc64Path best = Crc64PathAvailable(Crc64Path::Clmul512) ? Crc64Path::Clmul512
                                : Crc64PathAvailable(Crc64Path::Clmul)  ? Crc64Path::Clmul
                                                                        : Crc64Path::Table;
  return best;
}

uint64_t Crc64Clmul(const uint8_t* p, size_t n, uint64_t crc, bool toLower) {
#ifdef OV_CRC_X86
  if (n >= 128) return toLower ? Clmul128<true>(p, n, crc) : Clmul128<false>(p, n, crc);
#endif
  return Crc64Table(p, n, crc, toLower);
}

uint64_t Crc64Clmul512(const uint8_t* p, size_t n, uint64_t crc, bool toLower) {
#ifdef OV_CRC_X86
  if (n >= 256) return toLower ? Clmul512<true>(p, n, crc) : Clmul512<false>(p, n, crc);
#endif
  return Crc64Clmul(p, n, crc, toLower);
}

uint64_t Crc64ByPath(Crc64Path path, const void* data, size_t n, uint64_t crc, bool toLower) {
  const uint8_t* p = static_cast<const uint8_t*>(data);
  switch (path) {
    case Crc64Path::Clmul: return Crc64Clmul(p, n, crc, toLower);
    case Crc64Path::Clmul512: return Crc64Clmul512(p, n, crc, toLower);
    case Crc64Path::Table: break;
  }
  return Crc64Table(p, n, crc, toLower);
}

}  // namespace ovcrc
