#include "support/scoped_env.h"

#include <cstdlib>

namespace {

void SetVariable(const std::string& name, const char* value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value ? value : "");
#else
  if (value)
    setenv(name.c_str(), value, 1);
  else
    unsetenv(name.c_str());
#endif
}

}  // namespace

ScopedEnv::ScopedEnv(const std::string& name, const char* value) : m_name(name) {
  if (const char* previous = std::getenv(name.c_str())) {
    m_previous = previous;
    m_hadPrevious = true;
  }
  SetVariable(name, value);
}

ScopedEnv::~ScopedEnv() { SetVariable(m_name, m_hadPrevious ? m_previous.c_str() : nullptr); }
