// COvParameter: the base of the named, typed values that tools and debug panels tune. Each
// parameter renders its value as short text.
#pragma once

#include "core/ovstring.h"

class COvParameter {
 public:
  enum EType {
    eTypeInt = 0,
    eTypeFloat = 1,
    eTypeColor = 2,
    eTypeColorGradient = 3,
  };

  explicit COvParameter(const char* name) : m_strName(name) {}
  virtual ~COvParameter() = default;
  COvParameter(const COvParameter&) = delete;
  COvParameter& operator=(const COvParameter&) = delete;

  virtual EType GetType() const = 0;
  // Writes the value as text, cut to size - 1 characters and terminated. A null buffer or a
  // size below 1 receives nothing.
  virtual void GetValueAsText(char* buffer, int size) const = 0;

  const TOvString<char>& GetName() const { return m_strName; }

 protected:
  // Copies text into buffer as GetValueAsText promises.
  static void CopyText(const char* text, char* buffer, int size);

 private:
  TOvString<char> m_strName;
};
