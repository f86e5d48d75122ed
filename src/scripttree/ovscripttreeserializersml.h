// COvScriptTreeSerializerSML: the compact binary form of a script tree. Names are stored as
// their 64-bit identifier CRCs and values as typed binary numbers or texts; a table of the
// readable names used follows the tree so that a reader can register them.
//
// Layout (little-endian, or byte-reversed when saved for a big-endian target; no header or
// padding): the root node record, then the name count (u32) and the NUL-terminated names.
// A node record is its CRC (u64), attribute count (u32), child count (u32), the attribute
// records, then the child records (depth first). An attribute record is its CRC (u64), a type
// (u32: 1 u64, 2 s32, 3 f32, 4 NUL-terminated text) and the value.
//
// Reading never swaps bytes and checks every field against the data: damaged or truncated
// input makes the load return false, keeping in the tree what was read before the damage.
// Any nesting depth is read and written without recursion. The object is stateless.
#pragma once

#include "core/ovfilehandle.h"
#include "core/ovstring.h"
#include "scripttree/ovscripttree.h"

class COvScriptTreeSerializerSML {
 public:
  COvScriptTreeSerializerSML() = default;
  virtual ~COvScriptTreeSerializerSML() = default;

  // SML has no text form; these queries answer false although Load and Save work.
  virtual bool SupportLoad() const { return false; }
  virtual bool SupportParse() const { return false; }
  virtual bool SupportSave() const { return false; }
  virtual bool SupportDump() const { return false; }

  // Opens path for binary reading (registered big files are searched first), hands the
  // handle to LoadSmlFromFileHandle and closes it. False when it cannot be opened.
  virtual bool Load(COvScriptTree& tree, const TOvString<char>& path);
  // Reads the whole file behind handle (which stays open; a compressed file is expanded)
  // and loads it as LoadSmlFromMemory does.
  virtual bool LoadSmlFromFileHandle(COvScriptTree& tree, COvFileHandle* handle);
  // Reads the root record into the tree's root (created, with the null identifier, when the
  // tree has none), then registers the names of the table. Empty data is an empty tree: true,
  // nothing changes. False for damaged data (see above).
  virtual bool LoadSmlFromMemory(COvScriptTree& tree, const void* data, int size);
  // Writes the tree to path ("wb"); with swapEndian every number is byte-reversed. Values
  // that read as floats ("1.5", "-2.") are stored as f32, integers ("15", "-7") as s32, every
  // other text as a text. A tree without a root gives an empty file. False when the file
  // cannot be written completely.
  virtual bool Save(COvScriptTree& tree, const TOvString<char>& path, bool swapEndian);
  virtual bool Parse(COvScriptTree&, const TOvString<char>&) { return false; }
  virtual bool Dump(COvScriptTree&, TOvString<char>&) { return false; }
};
