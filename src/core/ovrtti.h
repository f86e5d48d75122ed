// COvRTTI: the run-time type of a reflected class, one static object per class naming the
// class and its parent type. The name text is not copied: it must outlive the object
// (classes pass string literals).
#pragma once

class COvRTTI {
 public:
  COvRTTI(const char* name, const COvRTTI* parent);

  const char* GetName() const { return m_pName; }
  const COvRTTI* GetParent() const { return m_pParent; }
  // True when other is this type or one of its ancestors; false for null.
  bool IsDerived(const COvRTTI* other) const;
  bool IsExactly(const COvRTTI* other) const { return other == this; }

  int GetMemoryUsage() const;
  int GetDebugInfosMemoryUsage() const;
  static int GetTotalMemoryUsage();
  static int GetTotalDebugInfosMemoryUsage();

 private:
  const char* m_pName;
  const COvRTTI* m_pParent;
};
