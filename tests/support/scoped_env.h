// ScopedEnv: sets (or removes) one environment variable for the lifetime of the object and
// restores the previous state afterwards. Children started meanwhile inherit the value.
#pragma once

#include <string>

class ScopedEnv {
 public:
  // A null value removes the variable.
  ScopedEnv(const std::string& name, const char* value);
  ScopedEnv(const std::string& name, const std::string& value) : ScopedEnv(name, value.c_str()) {}
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string m_name;
  std::string m_previous;
  bool m_hadPrevious = false;
};
