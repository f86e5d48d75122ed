// COvScriptTreeAttribute: one named value of a script-tree node. The value is always held as
// text; the typed constructors format it once and the node's typed getters parse it on each
// call. The type tag only records how the value was made.
#pragma once

#include <cstdint>

#include "core/ovidentifier.h"
#include "core/ovstring.h"
#include "engine/math/ovcolor.h"
#include "engine/math/ovquaternion.h"
#include "engine/math/ovvector.h"

class COvScriptTreeAttribute {
 public:
  enum EType : int32_t {
    eTypeNone = 0,
    eTypeU64 = 1,
    eTypeInt = 2,
    eTypeFloat = 3,
    eTypeString = 4,
    eTypeVector3 = 5,
    eTypeQuaternion = 6,
    eTypeRGB = 7,
    eTypeRGBA = 8,
  };

  // Null identifier, eTypeNone, empty text.
  COvScriptTreeAttribute() = default;
  // Text "0X%.16llX"; the raw value keeps the number.
  COvScriptTreeAttribute(const COvIdentifier& id, uint64_t value);
  // Text "%d" of the value taken as signed (4294967295 gives "-1"); type eTypeU64; the raw
  // value keeps the number.
  COvScriptTreeAttribute(const COvIdentifier& id, uint32_t value);
  COvScriptTreeAttribute(const COvIdentifier& id, int value);
  // Text "%f" (six decimals).
  COvScriptTreeAttribute(const COvIdentifier& id, float value);
  // A null text gives the empty text.
  COvScriptTreeAttribute(const COvIdentifier& id, const char* value);
  COvScriptTreeAttribute(const COvIdentifier& id, const TOvString<char>& value);
  // Held as UTF-8.
  COvScriptTreeAttribute(const COvIdentifier& id, const TOvString<wchar_t>& value);
  // Text "%f %f %f" / "%f %f %f %f" of the components in storage order.
  COvScriptTreeAttribute(const COvIdentifier& id, const COvVector3& value);
  COvScriptTreeAttribute(const COvIdentifier& id, const COvQuaternion& value);
  COvScriptTreeAttribute(const COvIdentifier& id, const COvRGB<float>& value);
  COvScriptTreeAttribute(const COvIdentifier& id, const COvRGBA<float>& value);

  COvScriptTreeAttribute(const COvScriptTreeAttribute& other) = default;
  COvScriptTreeAttribute(COvScriptTreeAttribute&& other) noexcept = default;
  COvScriptTreeAttribute& operator=(const COvScriptTreeAttribute& other) = default;
  COvScriptTreeAttribute& operator=(COvScriptTreeAttribute&& other) noexcept = default;
  virtual ~COvScriptTreeAttribute() = default;

  // Identifier (by CRC), text (case-sensitive), raw value and type must all be equal.
  bool operator==(const COvScriptTreeAttribute& other) const;
  bool operator!=(const COvScriptTreeAttribute& other) const { return !(*this == other); }

  COvIdentifier& GetIdentifier() { return m_Identifier; }
  const COvIdentifier& GetIdentifier() const { return m_Identifier; }
  void SetIdentifier(const COvIdentifier& id) { m_Identifier = id; }

  EType GetType() const { return m_eType; }
  // Changes only the tag; the text stays as it is.
  void SetType(EType type) { m_eType = type; }

  TOvString<char>& GetValue() { return m_strValue; }
  const TOvString<char>& GetValue() const { return m_strValue; }
  // Sets the text and makes the type eTypeString; the raw value is kept.
  void SetValue(const TOvString<char>& value);
  // The text decoded from UTF-8.
  TOvString<wchar_t> GetWValue() const;
  // Stores value encoded as UTF-8 and makes the type eTypeString.
  void SetWValue(const TOvString<wchar_t>& value);

  // The number given to an unsigned constructor; 0 for every other way of making the value.
  uint64_t GetRawValue() const { return m_uRawValue; }

 private:
  COvIdentifier m_Identifier;
  EType m_eType = eTypeNone;
  TOvString<char> m_strValue;
  uint64_t m_uRawValue = 0;
};
