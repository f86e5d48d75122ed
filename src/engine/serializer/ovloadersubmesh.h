// COvLoaderSubMesh: the engine's submesh file in memory. Vertices carry a position, and by the
// format flags a texture coordinate, a tangent frame, a colour, skin influences and a fixed
// number of extra 3-float vectors; triangles are three vertex indices. One layout routine
// (Serialize) serves measuring, saving and loading.
#pragma once

#include "core/ovfilehandle.h"
#include "engine/serializer/ovserializer.h"

class COvLoaderSubMesh {
 public:
  // Format flags: which optional parts every vertex of the file carries.
  enum EFormat : unsigned int {
    eFormat_TexCoord = 0x01,
    eFormat_Color = 0x02,
    eFormat_TangentFrame = 0x04,
    eFormat_Skin = 0x08,
    eFormat_ExtraVectors = 0x10,
  };

  // One bone's part in a vertex: a 3x4 matrix, the bone index and the weight.
  struct Influence {
    float matrix[12];
    unsigned int bone;
    float weight;
  };

  // Colour components lie in 0..1 and travel as bytes (component * 255, truncated).
  // influences and extraVectors are owned by the submesh.
  struct Vertex {
    float position[3];
    float u, v;
    float tangentFrame[9];
    float red, green, blue;
    Influence* influences;
    unsigned int influenceCount;
    float* extraVectors;  // extra-vector count * 3 floats
  };

  struct Triangle {
    unsigned int index[3];
  };

  COvLoaderSubMesh() = default;
  COvLoaderSubMesh(const COvLoaderSubMesh&) = delete;
  COvLoaderSubMesh& operator=(const COvLoaderSubMesh&) = delete;
  ~COvLoaderSubMesh() { Clear(); }

  // Replaces the content with zeroed vertices and triangles; with eFormat_ExtraVectors every
  // vertex gets its zeroed extra vectors. The two leading words are kept.
  void Create(unsigned int vertexCount, unsigned int flags, unsigned int triangleCount,
              unsigned int extraVectorCount);
  // Gives a vertex count zeroed influences (replacing any it had). False for a vertex index
  // out of range.
  bool SetInfluenceCount(unsigned int vertex, unsigned int count);

  // Runs the layout over serializer. When reading, arrays that are missing or whose size
  // differs from the counts read are replaced by zeroed ones, after the serializer confirmed
  // that the bytes for them can still come. Returns 0 when such a count was refused; a short
  // buffer otherwise shows only in the serializer's overflow flag. After a refusal the submesh
  // is empty.
  int Serialize(IOvSerializer& serializer);

  // Reads the whole file behind handle (open for reading, mode 1) and closes the handle.
  // True only when the file was read, closed, and held a complete submesh; on failure the
  // submesh is left empty. A handle in another mode is neither read nor closed.
  bool Load(COvFileHandle* handle);
  // Writes the submesh to handle (open for writing, mode 2) and closes it. True when every
  // byte was written and the close succeeded. A handle in another mode is left alone.
  bool Save(COvFileHandle* handle);
  // Bytes the submesh takes in a file. Measuring rounds the colours to their stored bytes.
  unsigned int Size();
  // Frees everything and zeroes the six header fields.
  void Clear();

  // Extremes of the vertex positions; +/-3.4028235e38 (minima / maxima) without vertices.
  void ComputeAABB(float& minX, float& minY, float& minZ, float& maxX, float& maxY, float& maxZ) const;
  // Largest influence count of any vertex (0 without vertices).
  unsigned int ComputeMaxBoneInfluenceCount() const;
  // One more than the largest bone index of any influence (1 without influences).
  unsigned int ComputeMaxBoneCount() const;

  unsigned int GetLeadingWord(int i) const { return m_aLeading[i & 1]; }
  void SetLeadingWord(int i, unsigned int value) { m_aLeading[i & 1] = value; }
  unsigned int GetVertexCount() const { return m_uVertexCount; }
  unsigned int GetFlags() const { return m_uFlags; }
  unsigned int GetTriangleCount() const { return m_uTriangleCount; }
  unsigned int GetExtraVectorCount() const { return m_uExtraVectorCount; }
  // Null when there are none.
  Vertex* GetVertices() const { return m_pVertices; }
  Triangle* GetTriangles() const { return m_pTriangles; }

 private:
  bool SerializeContent(IOvSerializer& serializer);
  void SerializeVertex(IOvSerializer& serializer, Vertex& vertex);
  bool SerializeInfluences(IOvSerializer& serializer, Vertex& vertex);
  // Least number of file bytes one vertex takes with the current flags.
  uint64_t MinimumVertexBytes() const;
  void FreeVertices();
  void AllocateVertices();

  unsigned int m_aLeading[2] = {0, 0};
  unsigned int m_uVertexCount = 0;
  unsigned int m_uFlags = 0;
  unsigned int m_uTriangleCount = 0;
  unsigned int m_uExtraVectorCount = 0;
  Vertex* m_pVertices = nullptr;
  Triangle* m_pTriangles = nullptr;
  // Sizes the arrays were allocated with, so a read count that differs is caught.
  unsigned int m_uVerticesAllocated = 0;
  unsigned int m_uExtraVectorsAllocated = 0;
  unsigned int m_uTrianglesAllocated = 0;
};
