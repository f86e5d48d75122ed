// ScopedEnv: sets (or removes) one environment variable for the lifetime of the object and
// restores the previous state afterwards. Children started meanwhile inherit the value.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

class ScopedEnv {
 public:
  // A null value removes the variable.
  ScopedEnv(const std::string& name, const char* value) : m_name(name) {
    if (const char* previous = std::getenv(name.c_str())) m_previous = previous;
    Set(value);
  }
  ScopedEnv(const std::string& name, const std::string& value) : ScopedEnv(name, value.c_str()) {}
  ~ScopedEnv() { Set(m_previous ? m_previous->c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Set(const char* value) const {
#ifdef _WIN32
    _putenv_s(m_name.c_str(), value ? value : "");
#else
    value ? setenv(m_name.c_str(), value, 1) : unsetenv(m_name.c_str());
#endif
  }

  std::string m_name;
  std::optional<std::string> m_previous;
};
