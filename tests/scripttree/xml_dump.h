// The XML text of a script-tree node, shared by the tests that compare written trees.
#pragma once

#include <string>

#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializerxml.h"

// Takes ownership of node: it becomes the root of a scratch tree that is deleted afterwards.
inline std::string DumpNode(COvScriptTreeNode* node) {
  COvScriptTree tree;
  tree.SetRootNode(node);
  COvScriptTreeSerializerXML serializer;
  TOvString<char> out;
  serializer.Dump(tree, out);
  return out.GetBuffer();
}
