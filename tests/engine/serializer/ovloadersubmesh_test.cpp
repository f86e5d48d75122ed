#include "engine/serializer/ovloadersubmesh.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "core/ovfilesystem.h"
#include "engine/serializer/ovserialloader.h"
#include "engine/serializer/ovserialsaver.h"
#include "support/temp_dir.h"

namespace {

using Mesh = COvLoaderSubMesh;

std::vector<unsigned char> Bytes(Mesh& mesh) {
  std::vector<unsigned char> bytes(mesh.Size());
  COvSerialSaver saver(bytes.data(), static_cast<unsigned int>(bytes.size()));
  EXPECT_TRUE(mesh.Serialize(saver) == 1 && saver.getFlow() == 0u);
  return bytes;
}

// A mesh with every part, values all different.
void Fill(Mesh& mesh) {
  mesh.SetLeadingWord(1, 9);
  mesh.Create(3, 0x1F, 2, 2);
  float value = 1.0f;
  for (unsigned int i = 0; i < 3; ++i) {
    Mesh::Vertex& v = mesh.GetVertices()[i];
    for (float& f : v.position) f = value++;
    v.u = value++, v.v = value++;
    for (float& f : v.tangentFrame) f = value++;
    v.red = 1.0f, v.green = 0.5f, v.blue = 0.0f;
    for (int k = 0; k < 6; ++k) v.extraVectors[k] = value++;
    mesh.SetInfluenceCount(i, i);
    for (unsigned int k = 0; k < i; ++k) v.influences[k] = {{value++}, 3 * i + k, 0.25f};
  }
  mesh.GetTriangles()[0] = {{0, 1, 2}};
  mesh.GetTriangles()[1] = {{2, 1, 0}};
}

TEST(SubMeshTest, SizeByFormat) {
  // The flags, the vertex, triangle, extra vector and influence counts, and the size.
  const std::array<unsigned int, 6> rows[] = {
      {0, 1, 0, 0, 0, 36},     {0x01, 1, 0, 0, 0, 52}, {0x02, 1, 0, 0, 0, 43}, {0x04, 1, 0, 0, 0, 72},
      {0x08, 1, 0, 0, 2, 152}, {0x10, 1, 0, 2, 0, 60}, {0x00, 0, 2, 0, 0, 48}, {0x00, 0, 0, 5, 0, 24}};
  for (const auto& [flags, vertices, triangles, extra, influences, size] : rows) {
    SCOPED_TRACE(flags);
    Mesh mesh;
    mesh.Create(vertices, flags, triangles, extra);
    if (influences) mesh.SetInfluenceCount(0, influences);
    EXPECT_EQ(mesh.Size(), size);
  }
}

TEST(SubMeshTest, SavedFileLoadsBackWithColoursAsBytes) {
  TempDir dir;
  const std::string path = dir.Join("mesh.bin");
  // Saved through a file handle and loaded from one: the same bytes, colours as bytes.
  Mesh mesh;
  Fill(mesh);
  const std::vector<unsigned char> saved = Bytes(mesh);
  COvFileHandle* handle = nullptr;
  ASSERT_EQ(COvFileSystemUnCached::Open(handle, path.c_str(), eOvFileSystemOpenMode_WriteBinary, false), 0);
  Mesh loaded;
  EXPECT_FALSE(loaded.Load(handle));  // a handle open for writing is not read (nor closed)
  ASSERT_TRUE(mesh.Save(handle));
  ASSERT_EQ(COvFileSystemUnCached::Open(handle, path.c_str(), eOvFileSystemOpenMode_ReadBinary, false), 0);
  EXPECT_FALSE(mesh.Save(handle));  // nor is one open for reading written
  ASSERT_TRUE(loaded.Load(handle));
  EXPECT_EQ(Bytes(loaded), saved);
  const Mesh::Vertex& v = loaded.GetVertices()[2];
  EXPECT_TRUE(v.red == 1.0f && std::fabs(v.green - 127.0f / 255.0f) < 1e-6f && v.blue == 0.0f);

  // One byte short. A mesh of the same shape reads every field but the last one; a fresh mesh
  // refuses the triangle count, whose triangles no longer fit. Both loaders stay failed.
  const unsigned int shortLength = static_cast<unsigned int>(saved.size() - 1);
  COvSerialLoader intoShaped(saved.data(), shortLength), intoFresh(saved.data(), shortLength);
  Mesh shaped, fresh;
  Fill(shaped);
  shaped.GetTriangles()[1] = {{5, 5, 5}};
  EXPECT_TRUE(shaped.Serialize(intoShaped) == 1 && shaped.GetTriangles()[1].index[1] == 1u &&
              shaped.GetTriangles()[1].index[2] == 5u && fresh.Serialize(intoFresh) == 0);
  unsigned char c = 0;
  for (COvSerialLoader* loader : {&intoShaped, &intoFresh})
    EXPECT_TRUE(loader->hasOverflowed() && !loader->Serialize(c));
  // Short in the counts themselves, or in the triangles: either load reports false.
  for (size_t length : {size_t(10), saved.size() - 1}) {
    dir.WriteFile("cut.bin", std::string(saved.begin(), saved.begin() + length));
    ASSERT_EQ(COvFileSystemUnCached::Open(handle, dir.Join("cut.bin").c_str(), 1, false), 0);
    EXPECT_TRUE(!loaded.Load(handle) && loaded.GetVertexCount() == 0u) << length;
  }
}

// Counts far beyond the bytes that follow are refused before anything is allocated.
TEST(SubMeshTest, HugeCountsAreRefused) {
  // The first six words, then the first vertex's influence count.
  const std::pair<std::array<unsigned int, 6>, unsigned int> rows[] = {
      {{0, 0, 0xFFFFFFFF, 0, 0, 0}, 0},
      {{0, 0, 0x20000000, 0x1F, 0, 0xFFFF}, 0},
      {{0, 0, 1, 0x10, 0, 0xFFFFFFFF}, 0},
      {{0, 0, 1, 0x08, 0, 0}, 0xFFFFFFFF},
      {{0, 0, 0, 0, 0x40000000, 0}, 0}};
  for (const auto& [header, influences] : rows) {
    std::vector<unsigned char> bytes(4096);
    std::memcpy(bytes.data(), header.data(), sizeof(header));
    std::memcpy(bytes.data() + 36, &influences, 4);
    COvSerialLoader loader(bytes.data(), static_cast<unsigned int>(bytes.size()));
    Mesh mesh;
    EXPECT_TRUE(mesh.Serialize(loader) == 0 && loader.hasOverflowed() && mesh.Size() == 24u);  // left empty
  }
}

TEST(SubMeshTest, BoundsAndBones) {
  // An empty mesh has the inverted box of the float range and one bone.
  const float big = 3.4028235e38f;
  for (bool filled : {false, true}) {
    Mesh mesh;
    if (filled) Fill(mesh), mesh.GetVertices()[1].position[1] = -40.0f;
    float b[6];
    mesh.ComputeAABB(b[0], b[1], b[2], b[3], b[4], b[5]);
    const std::vector<float> expected = filled ? std::vector<float>{1, -40, 3, 42, 43, 44}
                                               : std::vector<float>{big, big, big, -big, -big, -big};
    EXPECT_EQ(expected, std::vector<float>(b, b + 6));
    EXPECT_TRUE(mesh.ComputeMaxBoneInfluenceCount() == (filled ? 2u : 0u) &&
                mesh.ComputeMaxBoneCount() == (filled ? 8u : 1u));
  }
}

}  // namespace
