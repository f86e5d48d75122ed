// COvLoaderSubMesh: the submesh layout, its file I/O and the queries over its vertices.
#include "engine/serializer/ovloadersubmesh.h"

#include <cstdint>
#include <cstring>

#include "core/ovfile.h"
#include "engine/serializer/ovserialloader.h"
#include "engine/serializer/ovserialsaver.h"

namespace {

constexpr float kFloatMax = 3.4028235e38f;
constexpr float kByteToUnit = 0.003921569f;  // 1 / 255
constexpr uint64_t kInfluenceBytes = 14 * 4;
constexpr uint64_t kExtraVectorBytes = 3 * 4;
constexpr uint64_t kTriangleBytes = 3 * 4;

// Asks serializer for count items of unitBytes each, the product saturating instead of wrapping.
bool ExpectItems(IOvSerializer& serializer, uint64_t count, uint64_t unitBytes) {
  const uint64_t bytes = unitBytes != 0 && count > UINT64_MAX / unitBytes ? UINT64_MAX : count * unitBytes;
  return serializer.Expect(bytes) != 0;
}

template <typename T>
T* NewZeroed(uint64_t count) {
  return count ? new T[static_cast<size_t>(count)]() : nullptr;
}

// The stored byte of a colour component; out-of-range and NaN components are clamped first.
unsigned char ColorByte(float component) {
  const float scaled = component * 255.0f;
  if (!(scaled > 0.0f)) return 0;
  if (scaled >= 255.0f) return 255;
  return static_cast<unsigned char>(scaled);
}

void SerializeFloats(IOvSerializer& serializer, float* values, int count) {
  for (int i = 0; i < count; ++i) serializer.Serialize(values[i]);
}

}  // namespace

void COvLoaderSubMesh::Create(unsigned int vertexCount, unsigned int flags, unsigned int triangleCount,
                              unsigned int extraVectorCount) {
  const unsigned int leading[2] = {m_aLeading[0], m_aLeading[1]};
  Clear();
  m_aLeading[0] = leading[0];
  m_aLeading[1] = leading[1];
  m_uVertexCount = vertexCount;
  m_uFlags = flags;
  m_uTriangleCount = triangleCount;
  m_uExtraVectorCount = extraVectorCount;
  AllocateVertices();
  if (flags & eFormat_ExtraVectors) {
    for (unsigned int i = 0; i < vertexCount; ++i)
      m_pVertices[i].extraVectors = NewZeroed<float>(uint64_t(extraVectorCount) * 3);
  }
  m_pTriangles = NewZeroed<Triangle>(triangleCount);
  m_uTrianglesAllocated = triangleCount;
}

bool COvLoaderSubMesh::SetInfluenceCount(unsigned int vertex, unsigned int count) {
  if (vertex >= m_uVerticesAllocated) return false;
  Vertex& target = m_pVertices[vertex];
  delete[] target.influences;
  target.influences = NewZeroed<Influence>(count);
  target.influenceCount = count;
  return true;
}

uint64_t COvLoaderSubMesh::MinimumVertexBytes() const {
  uint64_t bytes = 3 * 4;
  if (m_uFlags & eFormat_TexCoord) bytes += 4 * 4;
  if (m_uFlags & eFormat_Color) bytes += 4 + 3;
  if (m_uFlags & eFormat_TangentFrame) bytes += 9 * 4;
  if (m_uFlags & eFormat_Skin) bytes += 4;
  if (m_uFlags & eFormat_ExtraVectors) bytes += kExtraVectorBytes * m_uExtraVectorCount;
  return bytes;
}

void COvLoaderSubMesh::AllocateVertices() {
  m_pVertices = NewZeroed<Vertex>(m_uVertexCount);
  m_uVerticesAllocated = m_uVertexCount;
  m_uExtraVectorsAllocated = m_uExtraVectorCount;
}

void COvLoaderSubMesh::FreeVertices() {
  for (unsigned int i = 0; i < m_uVerticesAllocated; ++i) {
    delete[] m_pVertices[i].influences;
    delete[] m_pVertices[i].extraVectors;
  }
  delete[] m_pVertices;
  m_pVertices = nullptr;
  m_uVerticesAllocated = 0;
  m_uExtraVectorsAllocated = 0;
}

void COvLoaderSubMesh::Clear() {
  FreeVertices();
  delete[] m_pTriangles;
  m_pTriangles = nullptr;
  m_uTrianglesAllocated = 0;
  m_aLeading[0] = m_aLeading[1] = 0;
  m_uVertexCount = m_uFlags = m_uTriangleCount = m_uExtraVectorCount = 0;
}

bool COvLoaderSubMesh::SerializeInfluences(IOvSerializer& serializer, Vertex& vertex) {
  unsigned int count = vertex.influenceCount;
  serializer.Serialize(count);
  if (count != vertex.influenceCount || (!vertex.influences && count > 0)) {
    if (!ExpectItems(serializer, count, kInfluenceBytes)) return false;
    delete[] vertex.influences;
    vertex.influences = NewZeroed<Influence>(count);
    vertex.influenceCount = count;
  }
  for (unsigned int i = 0; i < count; ++i) {
    Influence& influence = vertex.influences[i];
    SerializeFloats(serializer, influence.matrix, 12);
    serializer.Serialize(influence.bone);
    serializer.Serialize(influence.weight);
  }
  return true;
}

void COvLoaderSubMesh::SerializeVertex(IOvSerializer& serializer, Vertex& vertex) {
  SerializeFloats(serializer, vertex.position, 3);
  if (m_uFlags & eFormat_TexCoord) {
    unsigned int reserved = 0;
    float unused = 0.0f;
    serializer.Serialize(reserved);
    serializer.Serialize(vertex.u);
    serializer.Serialize(vertex.v);
    serializer.Serialize(unused);
  }
  if (m_uFlags & eFormat_Color) {
    unsigned int reserved = 0;
    serializer.Serialize(reserved);
    float* components[3] = {&vertex.red, &vertex.green, &vertex.blue};
    for (float* component : components) {
      unsigned char byte = ColorByte(*component);
      serializer.Serialize(byte);
      *component = byte * kByteToUnit;
    }
  }
  if (m_uFlags & eFormat_TangentFrame) SerializeFloats(serializer, vertex.tangentFrame, 9);
}

int COvLoaderSubMesh::Serialize(IOvSerializer& serializer) {
  if (SerializeContent(serializer)) return 1;
  // A refused count leaves the header out of step with the arrays: nothing of it is kept.
  Clear();
  return 0;
}

bool COvLoaderSubMesh::SerializeContent(IOvSerializer& serializer) {
  serializer.Serialize(m_aLeading[0]);
  serializer.Serialize(m_aLeading[1]);
  serializer.Serialize(m_uVertexCount);
  serializer.Serialize(m_uFlags);
  serializer.Serialize(m_uTriangleCount);
  serializer.Serialize(m_uExtraVectorCount);

  // Counts that differ from the arrays in hand (always so when reading into a fresh submesh).
  if (m_uVertexCount != m_uVerticesAllocated || m_uExtraVectorCount != m_uExtraVectorsAllocated) {
    if (!ExpectItems(serializer, m_uVertexCount, MinimumVertexBytes())) return false;
    FreeVertices();
    AllocateVertices();
  }
  for (unsigned int i = 0; i < m_uVertexCount; ++i) {
    Vertex& vertex = m_pVertices[i];
    SerializeVertex(serializer, vertex);
    if ((m_uFlags & eFormat_Skin) && !SerializeInfluences(serializer, vertex)) return false;
    if (m_uFlags & eFormat_ExtraVectors) {
      if (!vertex.extraVectors && m_uExtraVectorCount > 0) {
        if (!ExpectItems(serializer, m_uExtraVectorCount, kExtraVectorBytes)) return false;
        vertex.extraVectors = NewZeroed<float>(uint64_t(m_uExtraVectorCount) * 3);
      }
      for (unsigned int k = 0; k < m_uExtraVectorCount; ++k)
        SerializeFloats(serializer, vertex.extraVectors + 3 * k, 3);
    }
  }

  if (m_uTriangleCount != m_uTrianglesAllocated) {
    if (!ExpectItems(serializer, m_uTriangleCount, kTriangleBytes)) return false;
    delete[] m_pTriangles;
    m_pTriangles = NewZeroed<Triangle>(m_uTriangleCount);
    m_uTrianglesAllocated = m_uTriangleCount;
  }
  for (unsigned int i = 0; i < m_uTriangleCount; ++i) {
    for (unsigned int& index : m_pTriangles[i].index) serializer.Serialize(index);
  }
  return true;
}

bool COvLoaderSubMesh::Load(COvFileHandle* handle) {
  Clear();
  if (!handle || handle->GetOpenMode() != eOvFileSystemOpenMode_ReadBinary) return false;
  COvFile file(handle);
  int size = 0;
  uint8_t* data = file.ReadEntireFile(size);
  const bool closed = file.Close() == eOvFileSystemError_None;
  bool loaded = false;
  if (data && closed) {
    COvSerialLoader loader(data, static_cast<unsigned int>(size));
    loaded = Serialize(loader) != 0 && !loader.hasOverflowed();
  }
  delete[] data;
  if (!loaded) Clear();
  return loaded;
}

bool COvLoaderSubMesh::Save(COvFileHandle* handle) {
  if (!handle || handle->GetOpenMode() != eOvFileSystemOpenMode_WriteBinary) return false;
  const unsigned int size = Size();
  uint8_t* bytes = new uint8_t[size ? size : 1];
  COvSerialSaver saver(bytes, size);
  bool written = Serialize(saver) != 0 && !saver.hasOverflowed() && saver.getFlow() == 0;
  COvFile file(handle);
  written = written && file.Write(bytes, static_cast<int>(size)) == static_cast<int>(size);
  const bool closed = file.Close() == eOvFileSystemError_None;
  delete[] bytes;
  return written && closed;
}

unsigned int COvLoaderSubMesh::Size() {
  COvSerialSizer sizer;
  Serialize(sizer);
  return sizer.GetLength();
}

void COvLoaderSubMesh::ComputeAABB(float& minX, float& minY, float& minZ, float& maxX, float& maxY,
                                   float& maxZ) const {
  float* minima[3] = {&minX, &minY, &minZ};
  float* maxima[3] = {&maxX, &maxY, &maxZ};
  for (int axis = 0; axis < 3; ++axis) {
    *minima[axis] = kFloatMax;
    *maxima[axis] = -kFloatMax;
  }
  for (unsigned int i = 0; i < m_uVertexCount; ++i) {
    for (int axis = 0; axis < 3; ++axis) {
      const float value = m_pVertices[i].position[axis];
      if (value < *minima[axis]) *minima[axis] = value;
      if (value > *maxima[axis]) *maxima[axis] = value;
    }
  }
}

unsigned int COvLoaderSubMesh::ComputeMaxBoneInfluenceCount() const {
  unsigned int largest = 0;
  for (unsigned int i = 0; i < m_uVertexCount; ++i) {
    if (m_pVertices[i].influenceCount > largest) largest = m_pVertices[i].influenceCount;
  }
  return largest;
}

unsigned int COvLoaderSubMesh::ComputeMaxBoneCount() const {
  unsigned int largest = 0;
  for (unsigned int i = 0; i < m_uVertexCount; ++i) {
    const Vertex& vertex = m_pVertices[i];
    for (unsigned int k = 0; k < vertex.influenceCount; ++k) {
      if (vertex.influences[k].bone > largest) largest = vertex.influences[k].bone;
    }
  }
  return largest + 1;
}
