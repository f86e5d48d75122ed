// C-text helpers shared by the whole library: length, comparison, bounded copies, number
// conversion and UTF-8 / UCS-2 conversion. Each exists for 8-bit and wide text unless noted.
// Texts must be valid (non-null) unless a function says otherwise.
#pragma once

#include <cstdint>

int ovStrlen(const char* s);
int ovStrlen(const wchar_t* s);

// Exactly -1, 0 or 1; characters compare as unsigned values.
int ovStrcmp(const char* a, const char* b);
int ovStrcmp(const wchar_t* a, const wchar_t* b);
int ovStrncmp(const char* a, const char* b, int n);
int ovStrncmp(const wchar_t* a, const wchar_t* b, int n);
int ovStrcmpNoCase(const char* a, const char* b);
int ovStrcmpNoCase(const wchar_t* a, const wchar_t* b);
int ovStrncmpNoCase(const char* a, const char* b, int n);
int ovStrncmpNoCase(const wchar_t* a, const wchar_t* b, int n);

// Bounded copies; dstSize counts the terminator. When the text does not fit, dst receives the
// empty text and the result is false (nothing is ever written past dstSize).
bool ovStrcpy(char* dst, int dstSize, const char* src);
bool ovStrcpy(wchar_t* dst, int dstSize, const wchar_t* src);
// Copies at most n characters and always terminates; false (dst emptied) when they do not fit.
bool ovStrncpy(char* dst, int dstSize, const char* src, int n);
bool ovStrncpy(wchar_t* dst, int dstSize, const wchar_t* src, int n);

// dst must hold the formatted text ("%d": 12 characters; "%f": up to 50 for any float).
void ovIntToString(int value, char* dst);
void ovIntToString(int value, wchar_t* dst);
void ovFloatToString(float value, char* dst);
void ovFloatToString(float value, wchar_t* dst);

int32_t ovStringToS32(const char* s);
int32_t ovStringToS32(const wchar_t* s);
uint32_t ovStringToU32(const char* s);
uint32_t ovStringToU32(const wchar_t* s);
int64_t ovStringToS64(const char* s);
int64_t ovStringToS64(const wchar_t* s);
float ovStringToFloat(const char* s);
float ovStringToFloat(const wchar_t* s);
uint32_t ovStringHexToU32(const char* s);
uint32_t ovStringHexToU32(const wchar_t* s);

bool ovIsInt(const char* s);
bool ovIsFloat(const char* s);

// Widens bytes until the terminator or max characters (-1: no limit); dst needs max + 1 units.
void ovConvertASCIIToUCS2(const char* src, wchar_t* dst, int max);
// Returns the units produced (dst may be null to count only); max -1 means no limit. Stops at
// a four-byte lead byte and at a sequence cut short by the terminator. Writes no terminator.
int ovDecodeUTF8ToUCS2(const char* src, wchar_t* dst, int max);
// Returns the bytes produced (dst may be null to count only); never splits a character.
// Writes no terminator.
int ovEncodeUCS2ToUTF8(const wchar_t* src, char* dst, int max);
