#include "engine/serializer/ovloadersubmesh.h"

#include <gtest/gtest.h>

#include <cstring>
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
  EXPECT_EQ(mesh.Serialize(saver), 1);
  EXPECT_EQ(saver.getFlow(), 0u);
  return bytes;
}

// A mesh with every part, values all different.
void Fill(Mesh& mesh) {
  mesh.SetLeadingWord(0, 7);
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
  const struct {
    unsigned int flags, vertices, triangles, extra, influences, size;
  } rows[] = {{0, 1, 0, 0, 0, 36},     {0x01, 1, 0, 0, 0, 52}, {0x02, 1, 0, 0, 0, 43},
              {0x04, 1, 0, 0, 0, 72},  {0x08, 1, 0, 0, 2, 152}, {0x10, 1, 0, 2, 0, 60},
              {0x00, 0, 2, 0, 0, 48},  {0x00, 0, 0, 5, 0, 24}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.flags);
    Mesh mesh;
    mesh.Create(row.vertices, row.flags, row.triangles, row.extra);
    if (row.influences) mesh.SetInfluenceCount(0, row.influences);
    EXPECT_EQ(mesh.Size(), row.size);
  }
}

TEST(SubMeshTest, SavedFileLoadsBackWithColoursAsBytes) {
  TempDir dir;
  const std::string path = dir.Join("mesh.bin");
  Mesh mesh;
  Fill(mesh);
  const std::vector<unsigned char> saved = Bytes(mesh);
  COvFileHandle* handle = nullptr;
  ASSERT_EQ(COvFileSystemUnCached::Open(handle, path.c_str(), eOvFileSystemOpenMode_WriteBinary, false), 0);
  ASSERT_TRUE(mesh.Save(handle));
  Mesh loaded;
  ASSERT_EQ(COvFileSystemUnCached::Open(handle, path.c_str(), eOvFileSystemOpenMode_ReadBinary, false), 0);
  ASSERT_TRUE(loaded.Load(handle));
  EXPECT_EQ(Bytes(loaded), saved);
  EXPECT_EQ(loaded.GetLeadingWord(1), 9u);
  const Mesh::Vertex& v = loaded.GetVertices()[2];
  EXPECT_EQ(v.red, 1.0f);
  EXPECT_FLOAT_EQ(v.green, 127.0f / 255.0f);
  EXPECT_EQ(v.blue, 0.0f);
  EXPECT_EQ(v.extraVectors[5], mesh.GetVertices()[2].extraVectors[5]);
  EXPECT_EQ(v.influences[1].bone, 7u);
  EXPECT_EQ(loaded.GetTriangles()[1].index[0], 2u);

  // One byte short. A mesh of the same shape reads every field but the last one; a fresh mesh
  // refuses the triangle count, whose triangles no longer fit. Both loaders stay failed.
  const unsigned int shortLength = static_cast<unsigned int>(saved.size() - 1);
  COvSerialLoader intoShaped(saved.data(), shortLength), intoFresh(saved.data(), shortLength);
  Mesh shaped, fresh;
  Fill(shaped);
  shaped.GetTriangles()[1] = {{5, 5, 5}};
  EXPECT_EQ(shaped.Serialize(intoShaped), 1);
  EXPECT_EQ(shaped.GetTriangles()[1].index[1], 1u);
  EXPECT_EQ(shaped.GetTriangles()[1].index[2], 5u);
  EXPECT_EQ(fresh.Serialize(intoFresh), 0);
  for (COvSerialLoader* loader : {&intoShaped, &intoFresh}) {
    unsigned char c = 0;
    EXPECT_TRUE(loader->hasOverflowed());
    EXPECT_EQ(loader->Serialize(c), 0);
  }
  // Short in the counts themselves, or in the triangles: either load reports false.
  for (size_t length : {size_t(10), saved.size() - 1}) {
    dir.WriteFile("cut.bin", std::string(saved.begin(), saved.begin() + length));
    ASSERT_EQ(COvFileSystemUnCached::Open(handle, dir.Join("cut.bin").c_str(), 1, false), 0);
    EXPECT_FALSE(loaded.Load(handle));
    EXPECT_EQ(loaded.GetVertexCount(), 0u);
  }
}

// Counts far beyond the bytes that follow are refused before anything is allocated.
TEST(SubMeshTest, HugeCountsAreRefused) {
  const struct {
    unsigned int header[6];
    unsigned int influences;
  } rows[] = {{{0, 0, 0xFFFFFFFF, 0, 0, 0}, 0},          {{0, 0, 0x20000000, 0x1F, 0, 0xFFFF}, 0},
              {{0, 0, 1, 0x10, 0, 0xFFFFFFFF}, 0},        {{0, 0, 1, 0x08, 0, 0}, 0xFFFFFFFF},
              {{0, 0, 0, 0, 0x40000000, 0}, 0}};
  for (const auto& row : rows) {
    std::vector<unsigned char> bytes(4096);
    std::memcpy(bytes.data(), row.header, sizeof(row.header));
    std::memcpy(bytes.data() + 36, &row.influences, 4);
    COvSerialLoader loader(bytes.data(), static_cast<unsigned int>(bytes.size()));
    Mesh mesh;
    EXPECT_EQ(mesh.Serialize(loader), 0);
    EXPECT_TRUE(loader.hasOverflowed());
    EXPECT_EQ(mesh.GetVertexCount(), 0u);
    EXPECT_EQ(mesh.Size(), 24u);
  }
}

TEST(SubMeshTest, HandlesInTheWrongModeAreRefused) {
  TempDir dir;
  const std::string path = dir.WriteFile("mesh.bin", std::string(24, '\0'));
  Mesh mesh;
  for (int mode : {1, 2}) {
    COvFileHandle* handle = nullptr;
    ASSERT_EQ(COvFileSystemUnCached::Open(handle, path.c_str(), mode == 1 ? 3 : 1, false), 0);
    EXPECT_FALSE(mode == 1 ? mesh.Load(handle) : mesh.Save(handle));
    EXPECT_EQ(COvFileSystemUnCached::Close(handle), 0);
  }
}

TEST(SubMeshTest, BoundsAndBones) {
  Mesh mesh;
  float box[6];
  mesh.ComputeAABB(box[0], box[1], box[2], box[3], box[4], box[5]);
  EXPECT_EQ(box[0], 3.4028235e38f);
  EXPECT_EQ(box[5], -3.4028235e38f);
  EXPECT_EQ(mesh.ComputeMaxBoneInfluenceCount(), 0u);
  EXPECT_EQ(mesh.ComputeMaxBoneCount(), 1u);
  Fill(mesh);
  mesh.GetVertices()[1].position[1] = -40.0f;
  mesh.ComputeAABB(box[0], box[1], box[2], box[3], box[4], box[5]);
  const float expected[6] = {1, -40, 3, 42, 43, 44};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(box[i], expected[i]) << i;
  EXPECT_EQ(mesh.ComputeMaxBoneInfluenceCount(), 2u);
  EXPECT_EQ(mesh.ComputeMaxBoneCount(), 8u);
}

}  // namespace
