// Helpers shared by the configuration tests: parsing XML text into a script tree, dumping a
// node, listing names, and the host's path separator as text.
#pragma once

#include <string>

#include "core/ovarray.h"
#include "core/ovstring.h"

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

// The names, each followed by ';'.
inline std::string Names(const COvArray<TOvString<char>>& names) {
  std::string text;
  for (const TOvString<char>& name : names) text += std::string(name.GetBuffer()) + ";";
  return text;
}
