// Script-tree attribute: typed constructors format the value into its text form.
#include "scripttree/ovscripttreeattribute.h"

#include <cstdio>

namespace {

// Formats floats with "%f" separated by single blanks. Each "%f" of a float needs at most 50
// characters, so four fit in this buffer.
TOvString<char> FormatFloats(const float* values, int count) {
  char text[4 * 52];
  int length = 0;
  for (int i = 0; i < count; ++i) {
    length += std::snprintf(text + length, sizeof(text) - static_cast<size_t>(length), i ? " %f" : "%f",
                            static_cast<double>(values[i]));
  }
  return TOvString<char>(text);
}

}  // namespace

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, uint64_t value)
    : m_Identifier(id), m_eType(eTypeU64), m_uRawValue(value) {
  char text[24];
  std::snprintf(text, sizeof(text), "0X%.16llX", static_cast<unsigned long long>(value));
  m_strValue = text;
}

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, uint32_t value)
    : m_Identifier(id), m_eType(eTypeU64), m_uRawValue(value) {
  char text[16];
  ovIntToString(static_cast<int32_t>(value), text);
  m_strValue = text;
}

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, int value)
    : m_Identifier(id), m_eType(eTypeInt) {
  char text[16];
  ovIntToString(value, text);
  m_strValue = text;
}

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, float value)
    : m_Identifier(id), m_eType(eTypeFloat) {
  m_strValue = FormatFloats(&value, 1);
}

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, const char* value)
    : m_Identifier(id), m_eType(eTypeString), m_strValue(value) {}

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, const TOvString<char>& value)
    : m_Identifier(id), m_eType(eTypeString), m_strValue(value) {}

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, const TOvString<wchar_t>& value)
    : m_Identifier(id) {
  SetWValue(value);
}

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, const COvVector3& value)
    : m_Identifier(id), m_eType(eTypeVector3) {
  const float values[3] = {value.x, value.y, value.z};
  m_strValue = FormatFloats(values, 3);
}

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, const COvQuaternion& value)
    : m_Identifier(id), m_eType(eTypeQuaternion) {
  const float values[4] = {value.x, value.y, value.z, value.w};
  m_strValue = FormatFloats(values, 4);
}

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, const COvRGB<float>& value)
    : m_Identifier(id), m_eType(eTypeRGB) {
  const float values[3] = {value.r, value.g, value.b};
  m_strValue = FormatFloats(values, 3);
}

COvScriptTreeAttribute::COvScriptTreeAttribute(const COvIdentifier& id, const COvRGBA<float>& value)
    : m_Identifier(id), m_eType(eTypeRGBA) {
  const float values[4] = {value.r, value.g, value.b, value.a};
  m_strValue = FormatFloats(values, 4);
}

bool COvScriptTreeAttribute::operator==(const COvScriptTreeAttribute& other) const {
  return m_Identifier == other.m_Identifier && ovStrcmp(m_strValue.GetBuffer(), other.m_strValue.GetBuffer()) == 0 &&
         m_uRawValue == other.m_uRawValue && m_eType == other.m_eType;
}

void COvScriptTreeAttribute::SetValue(const TOvString<char>& value) {
  m_strValue = value;
  m_eType = eTypeString;
}

TOvString<wchar_t> COvScriptTreeAttribute::GetWValue() const {
  TOvString<wchar_t> result;
  int count = ovDecodeUTF8ToUCS2(m_strValue.GetBuffer(), nullptr, -1);
  if (count > 0) {
    // Resize gives a zero-filled buffer with room for count units and the terminator.
    result.Resize(count);
    ovDecodeUTF8ToUCS2(m_strValue.GetBuffer(), result.GetRawBuffer(), count);
  }
  return result;
}

void COvScriptTreeAttribute::SetWValue(const TOvString<wchar_t>& value) {
  m_eType = eTypeString;
  m_strValue.Clear();
  int count = ovEncodeUCS2ToUTF8(value.GetBuffer(), nullptr, -1);
  if (count > 0) {
    m_strValue.Resize(count);
    // The limit counts the terminator's room, so the last character is never refused.
    ovEncodeUCS2ToUTF8(value.GetBuffer(), m_strValue.GetRawBuffer(), count + 1);
  }
}
