// Node builders shared by the script-tree tests.
#pragma once

#include "scripttree/ovscripttreenode.h"

// A new node, with one text attribute when attribute is given.
inline COvScriptTreeNode* MakeNode(const char* name, const char* attribute = nullptr,
                                   const char* value = nullptr) {
  COvScriptTreeNode* node = new COvScriptTreeNode(name);
  if (attribute) node->AddAttribute(COvScriptTreeAttribute(attribute, value));
  return node;
}

// MakeNode's node appended to parent's children.
inline COvScriptTreeNode* AddNode(COvScriptTreeNode* parent, const char* name, const char* attribute = nullptr,
                                  const char* value = nullptr) {
  COvScriptTreeNode* node = MakeNode(name, attribute, value);
  parent->AddChild(node);
  return node;
}
