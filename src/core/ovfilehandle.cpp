// File handles over disk files.
#include "core/ovfilehandle.h"

COvFileHandle::~COvFileHandle() = default;

COvFileHandleStdPC::~COvFileHandleStdPC() { CloseStream(); }

bool COvFileHandleStdPC::CloseStream() {
  if (!m_pStream) return false;
  FILE* stream = m_pStream;
  m_pStream = nullptr;
  return std::fclose(stream) == 0;
}
