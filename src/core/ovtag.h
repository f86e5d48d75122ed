// COvTag: small polymorphic base for named objects.
#pragma once

#include "core/ovstring.h"

class COvTag {
 public:
  COvTag() = default;
  explicit COvTag(const char* name) : m_strName(name) {}
  virtual ~COvTag() = default;

  const TOvString<char>& GetName() const { return m_strName; }
  void SetName(const char* name) { m_strName = name; }

 protected:
  TOvString<char> m_strName;
};
