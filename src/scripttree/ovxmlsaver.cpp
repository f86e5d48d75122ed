// XML saver: a stack of open TinyXML elements over one owned document.
#include "scripttree/ovxmlsaver.h"

#include <tinyxml.h>

COvXMLSaver::COvXMLSaver() : m_pDocument(new TiXmlDocument()) {
  m_aSections.reserve(kMaxSectionDepth);
  m_aSections.push_back(m_pDocument);
}

COvXMLSaver::~COvXMLSaver() { clear(); }

void COvXMLSaver::beginSection(const TOvString<char>& name) { beginSection(name.GetBuffer()); }

void COvXMLSaver::beginSection(const char* name) {
  if (m_aSections.empty()) return;
  TiXmlNode* element = m_aSections.back()->LinkEndChild(new TiXmlElement(name ? name : ""));
  if (element && m_aSections.size() < static_cast<size_t>(kMaxSectionDepth)) m_aSections.push_back(element);
}

void COvXMLSaver::endSection() {
  if (m_aSections.size() > 1) m_aSections.pop_back();
}

TOvString<char> COvXMLSaver::getSectionName() const {
  if (m_aSections.empty()) return TOvString<char>();
  return TOvString<char>(m_aSections.back()->Value());
}

void COvXMLSaver::addValue(const TOvString<char>& name, float value) {
  char text[64];
  ovFloatToString(value, text);
  addValue(name, TOvString<char>(text));
}

void COvXMLSaver::addValue(const TOvString<char>& name, int value) {
  char text[16];
  ovIntToString(value, text);
  addValue(name, TOvString<char>(text));
}

void COvXMLSaver::addValue(const TOvString<char>& name, const TOvString<char>& value) {
  if (m_aSections.size() < 2) return;
  TiXmlElement* element = m_aSections.back()->ToElement();
  if (element) element->SetAttribute(name.GetBuffer(), value.GetBuffer());
}

void COvXMLSaver::save(const TOvString<char>& path) {
  if (m_pDocument) m_pDocument->SaveFile(path.GetBuffer());
}

void COvXMLSaver::clear() {
  m_aSections.clear();
  m_aSections.shrink_to_fit();
  delete m_pDocument;
  m_pDocument = nullptr;
}
