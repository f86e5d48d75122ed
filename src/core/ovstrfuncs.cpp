// C-text helpers. The wide forms mirror the 8-bit ones; number formatting of wide text goes
// through 8-bit text and widens each byte.
#include "core/ovstrfuncs.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>

namespace {

template <typename C>
int Length(const C* s) {
  int n = 0;
  while (s[n]) ++n;
  return n;
}

template <typename C>
unsigned Unsigned(C c) {
  return static_cast<unsigned>(static_cast<typename std::make_unsigned<C>::type>(c));
}

template <typename C>
int Compare(const C* a, const C* b, long n) {
  for (long i = 0; n < 0 || i < n; ++i) {
    unsigned ca = Unsigned(a[i]), cb = Unsigned(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) break;
  }
  return 0;
}

template <typename C>
unsigned LowerAscii(C c) {
  unsigned u = Unsigned(c);
  return (u >= 'A' && u <= 'Z') ? u + 32 : u;
}

template <typename C>
int CompareNoCase(const C* a, const C* b, long n) {
  for (long i = 0; n < 0 || i < n; ++i) {
    unsigned ca = LowerAscii(a[i]), cb = LowerAscii(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) break;
  }
  return 0;
}

template <typename C>
bool CopyBounded(C* dst, int dstSize, const C* src, int n) {
  if (!dst || dstSize <= 0) return false;
  if (!src) {
    dst[0] = 0;
    return false;
  }
  int length = 0;
  while (src[length] && (n < 0 || length < n)) ++length;
  if (length >= dstSize) {
    dst[0] = 0;
    return false;
  }
  for (int i = 0; i < length; ++i) dst[i] = src[i];
  dst[length] = 0;
  return true;
}

void Widen(const char* text, wchar_t* dst) {
  while ((*dst++ = static_cast<unsigned char>(*text++)) != 0) {
  }
}

template <typename C>
uint32_t HexToU32(const C* s) {
  int n = Length(s);
  uint32_t sum = 0;
  for (int i = 0; i < n; ++i) {
    unsigned c = Unsigned(s[i]);
    unsigned digit = 0;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    int power = n - 1 - i;
    // Only the last eight positions survive the modulo 2^32.
    if (power < 8) sum += digit << (4 * power);
  }
  return sum;
}

// The runtime's 32-bit conversions saturate on overflow (INT_MAX / INT_MIN for atoi and wcstol,
// 0xFFFFFFFF for strtoul); a 64-bit long would wrap instead, so the range is applied here.
int32_t ClampToS32(long long value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool IsBlank(wchar_t c) { return std::iswspace(static_cast<wint_t>(c)) != 0; }
unsigned long long ParseULL(const char* s) { return std::strtoull(s, nullptr, 10); }
unsigned long long ParseULL(const wchar_t* s) { return std::wcstoull(s, nullptr, 10); }

// strtoul with a 32-bit result: a magnitude above 0xFFFFFFFF gives 0xFFFFFFFF, a leading '-'
// negates the magnitude modulo 2^32.
template <typename C>
uint32_t ParseU32(const C* s) {
  while (IsBlank(*s)) ++s;
  bool negative = *s == '-';
  if (*s == '-' || *s == '+') ++s;
  if (*s < '0' || *s > '9') return 0;
  errno = 0;
  unsigned long long magnitude = ParseULL(s);
  if (errno == ERANGE || magnitude > UINT32_MAX) return UINT32_MAX;
  uint32_t value = static_cast<uint32_t>(magnitude);
  return negative ? 0u - value : value;
}

}  // namespace

int ovStrlen(const char* s) { return Length(s); }
int ovStrlen(const wchar_t* s) { return Length(s); }
int ovStrcmp(const char* a, const char* b) { return Compare(a, b, -1); }
int ovStrcmp(const wchar_t* a, const wchar_t* b) { return Compare(a, b, -1); }
int ovStrncmp(const char* a, const char* b, int n) { return n <= 0 ? 0 : Compare(a, b, n); }
int ovStrncmp(const wchar_t* a, const wchar_t* b, int n) { return n <= 0 ? 0 : Compare(a, b, n); }
int ovStrcmpNoCase(const char* a, const char* b) { return CompareNoCase(a, b, -1); }
int ovStrcmpNoCase(const wchar_t* a, const wchar_t* b) { return CompareNoCase(a, b, -1); }
int ovStrncmpNoCase(const char* a, const char* b, int n) { return n <= 0 ? 0 : CompareNoCase(a, b, n); }
int ovStrncmpNoCase(const wchar_t* a, const wchar_t* b, int n) { return n <= 0 ? 0 : CompareNoCase(a, b, n); }

bool ovStrcpy(char* dst, int dstSize, const char* src) { return CopyBounded(dst, dstSize, src, -1); }
bool ovStrcpy(wchar_t* dst, int dstSize, const wchar_t* src) { return CopyBounded(dst, dstSize, src, -1); }
bool ovStrncpy(char* dst, int dstSize, const char* src, int n) {
  return CopyBounded(dst, dstSize, src, n < 0 ? 0 : n);
}
bool ovStrncpy(wchar_t* dst, int dstSize, const wchar_t* src, int n) {
  return CopyBounded(dst, dstSize, src, n < 0 ? 0 : n);
}

void ovIntToString(int value, char* dst) { std::sprintf(dst, "%d", value); }
void ovIntToString(int value, wchar_t* dst) {
  char text[16];
  std::snprintf(text, sizeof(text), "%d", value);
  Widen(text, dst);
}
void ovFloatToString(float value, char* dst) { std::sprintf(dst, "%f", static_cast<double>(value)); }
void ovFloatToString(float value, wchar_t* dst) {
  char text[64];
  std::snprintf(text, sizeof(text), "%f", static_cast<double>(value));
  Widen(text, dst);
}

int32_t ovStringToS32(const char* s) { return ClampToS32(std::strtoll(s, nullptr, 10)); }
int32_t ovStringToS32(const wchar_t* s) { return ClampToS32(std::wcstoll(s, nullptr, 10)); }
uint32_t ovStringToU32(const char* s) { return ParseU32(s); }
uint32_t ovStringToU32(const wchar_t* s) { return ParseU32(s); }
int64_t ovStringToS64(const char* s) {
  long long value = 0;
  if (std::sscanf(s, "%lli", &value) != 1) return 0;
  return value;
}
int64_t ovStringToS64(const wchar_t* s) {
  long long value = 0;
  if (std::swscanf(s, L"%lli", &value) != 1) return 0;
  return value;
}
float ovStringToFloat(const char* s) { return static_cast<float>(std::atof(s)); }
float ovStringToFloat(const wchar_t* s) { return static_cast<float>(std::wcstod(s, nullptr)); }
uint32_t ovStringHexToU32(const char* s) { return HexToU32(s); }
uint32_t ovStringHexToU32(const wchar_t* s) { return HexToU32(s); }

bool ovIsInt(const char* s) {
  if (!s) return false;
  if (*s == '-') ++s;
  if (*s < '0' || *s > '9') return false;
  while (*s >= '0' && *s <= '9') ++s;
  return *s == 0;
}

bool ovIsFloat(const char* s) {
  if (!s || !*s) return false;
  if (*s == '-') ++s;
  bool dot = false;
  for (; *s; ++s) {
    if (*s == '.') {
      if (dot) return false;
      dot = true;
    } else if (*s < '0' || *s > '9') {
      return false;
    }
  }
  return dot;
}

void ovConvertASCIIToUCS2(const char* src, wchar_t* dst, int max) {
  int i = 0;
  for (; src[i] && (max < 0 || i < max); ++i) dst[i] = static_cast<unsigned char>(src[i]);
  dst[i] = 0;
}

int ovDecodeUTF8ToUCS2(const char* src, wchar_t* dst, int max) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(src);
  int count = 0;
  while (*p && (max < 0 || count < max)) {
    unsigned b = *p;
    unsigned unit;
    if (b < 0x80) {
      unit = b;
      p += 1;
    } else if (b < 0xE0) {
      if (!p[1]) break;  // cut short by the terminator
      unit = ((b & 0x1F) << 6) | (p[1] & 0x3F);
      p += 2;
    } else if (b < 0xF0) {
      if (!p[1] || !p[2]) break;
      unit = ((b & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F);
      p += 3;
    } else {
      break;
    }
    if (dst) dst[count] = static_cast<wchar_t>(unit);
    ++count;
  }
  return count;
}

int ovEncodeUCS2ToUTF8(const wchar_t* src, char* dst, int max) {
  int count = 0;
  for (; *src; ++src) {
    unsigned unit = static_cast<unsigned>(*src) & 0xFFFF;
    if (unit < 0x80) {
      if (max >= 0 && count >= max) break;
      if (dst) dst[count] = static_cast<char>(unit);
      count += 1;
    } else if (unit < 0x800) {
      if (max >= 0 && count + 2 >= max) break;
      if (dst) {
        dst[count] = static_cast<char>(0xC0 | (unit >> 6));
        dst[count + 1] = static_cast<char>(0x80 | (unit & 0x3F));
      }
      count += 2;
    } else {
      if (max >= 0 && count + 3 >= max) break;
      if (dst) {
        dst[count] = static_cast<char>(0xE0 | (unit >> 12));
        dst[count + 1] = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        dst[count + 2] = static_cast<char>(0x80 | (unit & 0x3F));
      }
      count += 3;
    }
  }
  return count;
}
