// Fuzz target: XML text read into a script tree. What the tree is written back as must read
// again. (The text need not be stable: nodes read from declarations and other non-element
// markup are named by their whole text and written back as element tags.)
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializerxml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  COvScriptTreeSerializerXML serializer;
  COvScriptTree tree;
  if (!serializer.Parse(tree, ovfuzz::AsText(data, size))) return 0;
  TOvString<char> first;
  if (!serializer.Dump(tree, first)) return 0;
  COvScriptTree again;
  ovfuzz::Check(serializer.Parse(again, first), "a written tree reads back");
  return 0;
}
