// Skinning records. COvSkinInfluence: one bone's weight on a vertex. COvSkinInfluenceList:
// the (at most e_max) heaviest influences of one vertex. COvSkinMatrixLUT: the table of skin
// matrices of a mesh, entry i mapping bind-pose space to the current pose of the skeleton
// bone the mesh's bone i refers to, for row vectors (p' = p × inverse bind × bone world).
#pragma once

#include <cstdint>

#include "core/ovarray.h"
#include "engine/math/ovmatrix.h"

class COvSkinInfluence {
 public:
  int32_t bone = 0;
  float weight = 0.0f;

  COvSkinInfluence() = default;
  COvSkinInfluence(int32_t b, float w) : bone(b), weight(w) {}
  bool operator==(const COvSkinInfluence& o) const { return bone == o.bone && weight == o.weight; }
  bool operator!=(const COvSkinInfluence& o) const { return !(*this == o); }
};

class COvSkinInfluenceList {
 public:
  enum { e_max = 4 };

  // Adds weight to bone (summing with an influence of the same bone). When the list is full,
  // the lightest influence is dropped if the new one is heavier. Weights <= 0 are ignored.
  void Add(int32_t bone, float weight);
  // Scales the weights to sum 1; false (unchanged) when they sum to 0.
  bool Normalize();
  // Heaviest first; equal weights by bone index.
  void Sort();
  int GetCount() const { return m_count; }
  const COvSkinInfluence& operator[](int i) const { return m_influences[i]; }
  float GetTotalWeight() const;

 private:
  COvSkinInfluence m_influences[e_max];
  int32_t m_count = 0;
};

class COvSkinMatrixLUT {
 public:
  // Entries for count mesh bones, each the identity, referring to skeleton bones 0..count-1.
  void SetBoneCount(int count);
  int GetBoneCount() const { return m_skin.GetCount(); }
  // The skeleton bone behind mesh bone i; false for an i out of range.
  bool SetRemap(int i, int skeletonBone);
  // The bone's world matrix in the bind pose, stored inverted; false when i is out of range
  // or the matrix is singular.
  bool SetBindPose(int i, const COvMatrix44& bindWorld);
  bool SetInverseBindPose(int i, const COvMatrix44& inverseBindWorld);
  // Recomputes every entry from the skeleton's current world matrices. An entry whose
  // skeleton bone is outside [0, boneCount) becomes the identity and makes it return false.
  bool Update(const COvMatrix44* boneWorld, int boneCount);
  // The skin matrix of mesh bone i (the identity for an i out of range).
  const COvMatrix44& GetMatrix(int i) const;

  // The weighted sum of the influences' skin matrices applied to p as a point or a vector;
  // the weights are used as they are (normalize the list first).
  COvVector3 SkinPoint(const COvVector3& p, const COvSkinInfluenceList& influences) const;
  COvVector3 SkinVector(const COvVector3& v, const COvSkinInfluenceList& influences) const;

 private:
  COvArray<COvMatrix44> m_inverseBind;
  COvArray<COvMatrix44> m_skin;
  COvArray<int32_t> m_remap;
};
