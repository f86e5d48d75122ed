// COvScriptTreeSerializerXML: reads XML text into a COvScriptTree (through TinyXML) and writes
// a tree back as XML text in a fixed layout: one element per line, four blanks of indentation
// per level, lower-case names, childless nodes as empty-element tags, no declaration.
//
// Reading maps each element to a node named by the element (its attributes in order), each
// text run to a child with the null identifier holding the text, skips comments and maps any
// other node (declaration, unknown) to an empty child named by its value. Writing escapes
// '<', '>', '"' and any '&' that does not already start an entity or character reference, so
// values held in entity form ("&quot;") are written as they stand. A node with the null
// identifier is written as its (escaped) text on a line of its own; other nodes' texts are not
// written.
//
// The object is stateless; every failure is only a false result.
#pragma once

#include "core/ovfilehandle.h"
#include "core/ovstring.h"
#include "scripttree/ovscripttree.h"

class TiXmlNode;

class COvScriptTreeSerializerXML {
 public:
  // Documents nested deeper than this many elements are refused (false, empty tree): the
  // XML library parses recursively, so deeper input could exhaust the stack.
  static constexpr int kMaxElementDepth = 1000;

  COvScriptTreeSerializerXML() = default;
  virtual ~COvScriptTreeSerializerXML() = default;

  virtual bool SupportLoad() const { return true; }
  virtual bool SupportParse() const { return true; }
  virtual bool SupportSave() const { return true; }
  virtual bool SupportDump() const { return true; }

  // Opens path for binary reading (registered big files are searched first), hands the
  // handle to LoadXmlFromFileHandle and closes it. False when it cannot be opened.
  virtual bool Load(COvScriptTree& tree, const TOvString<char>& path);
  // Reads the whole file behind handle (which stays open) and parses it. An empty or short
  // read gives false and leaves the tree untouched.
  virtual bool LoadXmlFromFileHandle(COvScriptTree& tree, COvFileHandle* handle);
  // Replaces the tree's content with the document in text. On failure (not well-formed, no
  // element, nested too deep) the tree is left empty.
  virtual bool Parse(COvScriptTree& tree, const TOvString<char>& text);
  // Writes Dump's text to path ("wt"). A failed save may leave an empty or partial file.
  virtual bool Save(COvScriptTree& tree, const TOvString<char>& path);
  // out := the XML text of the tree. False for an empty tree (out is then unchanged).
  virtual bool Dump(COvScriptTree& tree, TOvString<char>& out);

 protected:
  // Fills node from xmlNode and its descendants. Nulls do nothing.
  void ParseTiXmlNode(TiXmlNode* xmlNode, COvScriptTreeNode* node);
  // Appends the text of node and its subtree at the given depth to out. False for a null
  // node, and when the text would reach 2 GB (out is then unchanged).
  bool RecursiveDump(COvScriptTreeNode* node, TOvString<char>& out, int depth);
};
