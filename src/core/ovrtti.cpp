#include "core/ovrtti.h"

#include "core/ovstrfuncs.h"

namespace {
// Function-local so that static COvRTTI objects of other files may count at start-up.
int& TotalMemory() {
  static int total = 0;
  return total;
}
int& TotalDebugMemory() {
  static int total = 0;
  return total;
}
}  // namespace

COvRTTI::COvRTTI(const char* name, const COvRTTI* parent) : m_pName(name ? name : ""), m_pParent(parent) {
  TotalMemory() += GetMemoryUsage();
  TotalDebugMemory() += GetDebugInfosMemoryUsage();
}

bool COvRTTI::IsDerived(const COvRTTI* other) const {
  if (!other) return false;
  for (const COvRTTI* type = this; type; type = type->m_pParent) {
    if (type == other) return true;
  }
  return false;
}

int COvRTTI::GetMemoryUsage() const { return ovStrlen(m_pName) + 9; }
int COvRTTI::GetDebugInfosMemoryUsage() const { return ovStrlen(m_pName) + 5; }
int COvRTTI::GetTotalMemoryUsage() { return TotalMemory(); }
int COvRTTI::GetTotalDebugInfosMemoryUsage() { return TotalDebugMemory(); }
