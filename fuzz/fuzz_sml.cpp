// Fuzz target: SML loaded from memory. A tree that loads saves in both byte orders; the
// little-endian file must load again (the reader never swaps, so the other one need not).
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "scripttree/ovscripttree.h"
#include "scripttree/ovscripttreeserializersml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  COvScriptTreeSerializerSML serializer;
  COvScriptTree tree;
  if (!serializer.LoadSmlFromMemory(tree, data, static_cast<int>(size))) return 0;
  const TOvString<char> path(ovfuzz::WriteScratchFile(nullptr, 0, "tree.sml").c_str());
  ovfuzz::Check(serializer.Save(tree, path, true), "a loaded tree saves byte-swapped");
  ovfuzz::Check(serializer.Save(tree, path, false), "a loaded tree saves");
  COvScriptTree again;
  ovfuzz::Check(serializer.Load(again, path), "a saved tree loads");
  return 0;
}
