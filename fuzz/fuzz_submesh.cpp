// Fuzz target: the submesh layout read from arbitrary bytes. A submesh that loads saves, and
// what it saves loads again and saves to the same bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/serializer/ovloadersubmesh.h"
#include "engine/serializer/ovserialloader.h"
#include "engine/serializer/ovserialsaver.h"
#include "fuzz_support.h"

namespace {

bool LoadFrom(COvLoaderSubMesh& mesh, const void* data, size_t size) {
  COvSerialLoader loader(data, static_cast<unsigned int>(size));
  return mesh.Serialize(loader) && !loader.hasOverflowed();
}

std::vector<uint8_t> SaveOf(COvLoaderSubMesh& mesh) {
  std::vector<uint8_t> bytes(mesh.Size());
  COvSerialSaver saver(bytes.data(), static_cast<unsigned int>(bytes.size()));
  ovfuzz::Check(mesh.Serialize(saver) && !saver.hasOverflowed() && saver.getFlow() == 0,
                "a loaded submesh saves in exactly its size");
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  COvLoaderSubMesh mesh;
  if (!LoadFrom(mesh, data, size)) return 0;
  const std::vector<uint8_t> saved = SaveOf(mesh);
  COvLoaderSubMesh again;
  ovfuzz::Check(LoadFrom(again, saved.data(), saved.size()), "a saved submesh loads");
  ovfuzz::Check(SaveOf(again) == saved, "a reloaded submesh saves the same bytes");
  return 0;
}
