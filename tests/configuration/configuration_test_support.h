// Helpers shared by the configuration tests: parsing XML text into a script tree, dumping a
// node, and the host's path separator as text.
#pragma once

#include <string>

#include "core/platform/host.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializerxml.h"
#include "scripttree/xml_dump.h"
#include "support/temp_dir.h"

inline const std::string kSep(1, ovhost::kNativeSeparator);

// The root of text parsed into tree; null when the text does not parse.
inline COvScriptTreeNode* ParseXml(COvScriptTree& tree, const char* text) {
  COvScriptTreeSerializerXML serializer;
  if (!serializer.Parse(tree, text)) return nullptr;
  return tree.GetRootNode();
}

// A file written in text mode, read back with "\n" line ends.
inline std::string ReadTextFile(const std::string& path) {
  std::string bytes = ReadFileBytes(path);
  if (!ovhost::kIsWindows) return bytes;
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text += bytes[i];
  }
  return text;
}
