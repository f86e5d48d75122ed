// TOvString: the library's owned text. One pointer to a heap buffer ending with 0, no stored
// length; the null pointer is the empty text and reads as EMPTY. Copies always duplicate.
#pragma once

#include "core/ovstrfuncs.h"

template <typename C>
class TOvString;

template <typename C>
struct TOvStringTraits;
template <>
struct TOvStringTraits<char> {
  static constexpr const char* kEmpty = "";
};
template <>
struct TOvStringTraits<wchar_t> {
  static constexpr const wchar_t* kEmpty = L"";
};

template <typename C>
class TOvString {
 public:
  // Constant-initialized, so usable from any static initializer.
  static constexpr const C* EMPTY = TOvStringTraits<C>::kEmpty;
  static const TOvString<C> STR_EMPTY;

  TOvString() = default;
  TOvString(const C* text) { CopyFrom(text, -1); }
  TOvString(const C* text, int maxLength) { CopyFrom(text, maxLength); }
  TOvString(const TOvString& other) { CopyFrom(other.m_pBuffer, -1); }
  TOvString(TOvString&& other) noexcept : m_pBuffer(other.m_pBuffer) { other.m_pBuffer = nullptr; }
  ~TOvString() { Clear(); }

  // text may point into this string's own buffer, so it is copied before the old one is freed.
  TOvString& operator=(const C* text) {
    C* old = m_pBuffer;
    CopyFrom(text, -1);
    delete[] old;
    return *this;
  }
  TOvString& operator=(const TOvString& other) {
    if (this != &other) {
      Clear();
      CopyFrom(other.m_pBuffer, -1);
    }
    return *this;
  }
  TOvString& operator=(TOvString&& other) noexcept {
    if (this != &other) {
      Clear();
      m_pBuffer = other.m_pBuffer;
      other.m_pBuffer = nullptr;
    }
    return *this;
  }

  void Clear() {
    delete[] m_pBuffer;
    m_pBuffer = nullptr;
  }

  const C* GetBuffer() const { return m_pBuffer ? m_pBuffer : EMPTY; }
  // Writable access to the allocated buffer; null when the string is empty.
  C* GetRawBuffer() { return m_pBuffer; }
  int GetLength() const { return m_pBuffer ? ovStrlen(m_pBuffer) : 0; }
  bool IsEmpty() const { return !m_pBuffer || m_pBuffer[0] == 0; }
  operator const C*() const { return GetBuffer(); }

  // Keeps the text cut to n characters in a buffer with room for n; n = 0 frees it.
  void Resize(int n) {
    if (n <= 0) {
      Clear();
      return;
    }
    C* buffer = new C[n + 1]();
    int keep = GetLength();
    if (keep > n) keep = n;
    for (int i = 0; i < keep; ++i) buffer[i] = m_pBuffer[i];
    delete[] m_pBuffer;
    m_pBuffer = buffer;
  }

  TOvString& operator+=(const C* text) { return Append(text ? text : EMPTY, -1); }
  TOvString& operator+=(const TOvString& other) {
    if (&other == this) {
      TOvString copy(other);
      return Append(copy.GetBuffer(), -1);
    }
    return Append(other.GetBuffer(), -1);
  }
  TOvString operator+(const C* text) const {
    TOvString result(*this);
    result += text;
    return result;
  }
  TOvString operator+(const TOvString& other) const {
    TOvString result(*this);
    result += other;
    return result;
  }

  // Appends the first n characters of text (all when n < 0) without re-measuring twice.
  TOvString& Append(const C* text, int n) {
    if (!text) return *this;
    int lb = n < 0 ? ovStrlen(text) : n;
    if (lb == 0) return *this;
    int la = GetLength();
    C* buffer = new C[la + lb + 1];
    for (int i = 0; i < la; ++i) buffer[i] = m_pBuffer[i];
    for (int i = 0; i < lb; ++i) buffer[la + i] = text[i];
    buffer[la + lb] = 0;
    delete[] m_pBuffer;
    m_pBuffer = buffer;
    return *this;
  }

  TOvString Mid(int start, int count = -1) const {
    int length = GetLength();
    if (start < 0) start = 0;
    if (start > length) start = length;
    if (count == -1 || count > length - start) count = length - start;
    if (count < 0) count = 0;
    return TOvString(GetBuffer() + start, count);
  }

  bool EndsWith(const C* suffix) const {
    if (!suffix) return true;
    unsigned length = static_cast<unsigned>(GetLength());
    unsigned suffixLength = static_cast<unsigned>(ovStrlen(suffix));
    if (length < suffixLength) return false;
    return ovStrcmp(GetBuffer() + (length - suffixLength), suffix) == 0;
  }

  bool operator==(const TOvString& other) const { return ovStrcmp(GetBuffer(), other.GetBuffer()) == 0; }
  bool operator!=(const TOvString& other) const { return !(*this == other); }
  bool operator==(const C* text) const { return ovStrcmp(GetBuffer(), text ? text : EMPTY) == 0; }
  bool operator!=(const C* text) const { return !(*this == text); }

  void ToLower() {
    if (!m_pBuffer) return;
    for (C* p = m_pBuffer; *p; ++p) {
      if (*p >= 'A' && *p <= 'Z') *p = static_cast<C>(*p + ('a' - 'A'));
    }
  }

  int Find(const C* text, int start = 0, bool caseSensitive = true) const {
    int length = GetLength();
    if (!text || start >= length) return -1;
    if (start < 0) start = 0;
    if (!caseSensitive) {
      TOvString hay(*this), needle(text);
      hay.ToLower();
      needle.ToLower();
      return hay.Find(needle.GetBuffer(), start, true);
    }
    int textLength = ovStrlen(text);
    const C* buffer = GetBuffer();
    for (int i = start; i + textLength <= length; ++i) {
      if (ovStrncmp(buffer + i, text, textLength) == 0) return i;
    }
    return -1;
  }

  // Tries positions from start down to 0; at each, the first occurrence at or after it counts.
  int FindLast(const C* text, int start = -1, bool caseSensitive = true) const {
    int length = GetLength();
    if (!text || start >= length) return -1;
    if (start == -1) start = length - 1;
    for (int i = start; i >= 0; --i) {
      int found = Find(text, i, caseSensitive);
      if (found != -1) return found;
    }
    return -1;
  }

  TOvString Replace(const C* what, const C* with) const {
    if (!m_pBuffer || !what || !*what) return *this;
    if (Find(what) < 0) return *this;
    int whatLength = ovStrlen(what);
    const C* replacement = with ? with : EMPTY;
    int withLength = ovStrlen(replacement);
    TOvString result;
    int position = 0;
    int length = GetLength();
    // Collect into one buffer sized by a first counting pass, so long texts stay linear.
    int hits = 0;
    for (int found = Find(what, 0); found >= 0; found = Find(what, found + whatLength)) ++hits;
    int total = length + hits * (withLength - whatLength);
    if (total <= 0) return result;
    result.m_pBuffer = new C[total + 1];
    C* out = result.m_pBuffer;
    for (int found = Find(what, 0); found >= 0; found = Find(what, found + whatLength)) {
      for (int i = position; i < found; ++i) *out++ = m_pBuffer[i];
      for (int i = 0; i < withLength; ++i) *out++ = replacement[i];
      position = found + whatLength;
    }
    for (int i = position; i < length; ++i) *out++ = m_pBuffer[i];
    *out = 0;
    return result;
  }

  template <typename Array>
  void Split(const C* separators, Array& tokens) const {
    const C* p = GetBuffer();
    const C* seps = separators ? separators : EMPTY;
    auto isSeparator = [seps](C c) {
      for (const C* s = seps; *s; ++s)
        if (*s == c) return true;
      return false;
    };
    while (*p) {
      while (*p && isSeparator(*p)) ++p;
      if (!*p) break;
      const C* begin = p;
      while (*p && !isSeparator(*p)) ++p;
      tokens.Add(TOvString(begin, static_cast<int>(p - begin)));
    }
  }

 private:
  void CopyFrom(const C* text, int maxLength) {
    m_pBuffer = nullptr;
    if (!text) return;
    // The bound is tested first: a text of exactly maxLength characters needs no terminator.
    int length = 0;
    while ((maxLength < 0 || length < maxLength) && text[length]) ++length;
    if (length == 0) return;
    m_pBuffer = new C[length + 1];
    for (int i = 0; i < length; ++i) m_pBuffer[i] = text[i];
    m_pBuffer[length] = 0;
  }

  C* m_pBuffer = nullptr;
};

template <typename C>
inline const TOvString<C> TOvString<C>::STR_EMPTY;

template <typename C>
inline TOvString<C> operator+(const C* left, const TOvString<C>& right) {
  return TOvString<C>(left) + right;
}

typedef TOvString<char> COvString;
typedef TOvString<wchar_t> COvWString;
