// COvXMLSaver: builds a TinyXML document section by section (nested elements with
// attributes) and saves it in TinyXML's own layout.
#pragma once

#include <vector>

#include "core/ovstring.h"

class TiXmlDocument;
class TiXmlNode;

class COvXMLSaver {
 public:
  // Sections nest at most this deep, counting the document itself.
  static constexpr int kMaxSectionDepth = 32;

  COvXMLSaver();
  COvXMLSaver(const COvXMLSaver&) = delete;
  COvXMLSaver& operator=(const COvXMLSaver&) = delete;
  virtual ~COvXMLSaver();

  // Adds an element named name as the last child of the innermost open section and opens
  // it. Beyond kMaxSectionDepth the element is still added but not opened, so later calls
  // keep working on the enclosing section.
  void beginSection(const TOvString<char>& name);
  void beginSection(const char* name);
  // Closes the innermost open section; does nothing when none is open.
  void endSection();
  // The innermost open section's name; the document's value (empty) when none is open.
  TOvString<char> getSectionName() const;
  // Sets the attribute name of the innermost open section (replacing an existing value).
  // Does nothing when no section is open.
  void addValue(const TOvString<char>& name, float value);
  void addValue(const TOvString<char>& name, int value);
  void addValue(const TOvString<char>& name, const TOvString<char>& value);
  // Saves the document to path; the outcome is not reported.
  void save(const TOvString<char>& path);
  // Frees the document and the section stack; later calls do nothing.
  void clear();

 private:
  TiXmlDocument* m_pDocument = nullptr;
  std::vector<TiXmlNode*> m_aSections;
};
