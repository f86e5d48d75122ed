// Skin influences and the skin matrix table.
#include "engine/math/mesh/ovskin.h"

void COvSkinInfluenceList::Add(int32_t bone, float weight) {
  if (!(weight > 0.0f)) return;
  for (int i = 0; i < m_count; ++i)
    if (m_influences[i].bone == bone) {
      m_influences[i].weight += weight;
      return;
    }
  if (m_count < e_max) {
    m_influences[m_count++] = COvSkinInfluence(bone, weight);
    return;
  }
  int lightest = 0;
  for (int i = 1; i < m_count; ++i)
    if (m_influences[i].weight < m_influences[lightest].weight) lightest = i;
  if (weight > m_influences[lightest].weight) m_influences[lightest] = COvSkinInfluence(bone, weight);
}

float COvSkinInfluenceList::GetTotalWeight() const {
  float sum = 0.0f;
  for (int i = 0; i < m_count; ++i) sum += m_influences[i].weight;
  return sum;
}

bool COvSkinInfluenceList::Normalize() {
  float sum = GetTotalWeight();
  if (sum == 0.0f) return false;
  for (int i = 0; i < m_count; ++i) m_influences[i].weight /= sum;
  return true;
}

void COvSkinInfluenceList::Sort() {
  // Insertion sort: at most e_max entries.
  for (int i = 1; i < m_count; ++i) {
    COvSkinInfluence v = m_influences[i];
    int j = i;
    for (; j > 0; --j) {
      const COvSkinInfluence& p = m_influences[j - 1];
      if (p.weight > v.weight || (p.weight == v.weight && p.bone < v.bone)) break;
      m_influences[j] = p;
    }
    m_influences[j] = v;
  }
}

void COvSkinMatrixLUT::SetBoneCount(int count) {
  m_inverseBind.RemoveAll(), m_skin.RemoveAll(), m_remap.RemoveAll();
  for (int i = 0; i < count; ++i) {
    m_inverseBind.Add(COvMatrix44());
    m_skin.Add(COvMatrix44());
    m_remap.Add(i);
  }
}

bool COvSkinMatrixLUT::SetRemap(int i, int skeletonBone) {
  if (i < 0 || i >= m_remap.GetCount()) return false;
  m_remap[i] = skeletonBone;
  return true;
}

bool COvSkinMatrixLUT::SetBindPose(int i, const COvMatrix44& bindWorld) {
  COvMatrix44 inverse;
  return i >= 0 && i < m_inverseBind.GetCount() && bindWorld.getInverse(inverse) &&
         SetInverseBindPose(i, inverse);
}

bool COvSkinMatrixLUT::SetInverseBindPose(int i, const COvMatrix44& inverseBindWorld) {
  if (i < 0 || i >= m_inverseBind.GetCount()) return false;
  m_inverseBind[i] = inverseBindWorld;
  return true;
}

bool COvSkinMatrixLUT::Update(const COvMatrix44* boneWorld, int boneCount) {
  bool ok = true;
  for (int i = 0; i < m_skin.GetCount(); ++i) {
    int b = m_remap[i];
    if (!boneWorld || b < 0 || b >= boneCount) {
      m_skin[i] = COvMatrix44();
      ok = false;
      continue;
    }
    m_skin[i] = m_inverseBind[i].MultiplyCorrect(boneWorld[b]);
  }
  return ok;
}

const COvMatrix44& COvSkinMatrixLUT::GetMatrix(int i) const {
  static const COvMatrix44 kIdentity;
  return i >= 0 && i < m_skin.GetCount() ? m_skin[i] : kIdentity;
}

COvVector3 COvSkinMatrixLUT::SkinPoint(const COvVector3& p, const COvSkinInfluenceList& influences) const {
  COvVector3 r;
  for (int i = 0; i < influences.GetCount(); ++i)
    r += GetMatrix(influences[i].bone).transformPoint(p) * influences[i].weight;
  return r;
}

COvVector3 COvSkinMatrixLUT::SkinVector(const COvVector3& v, const COvSkinInfluenceList& influences) const {
  COvVector3 r;
  for (int i = 0; i < influences.GetCount(); ++i)
    r += GetMatrix(influences[i].bone).transformVector(v) * influences[i].weight;
  return r;
}
