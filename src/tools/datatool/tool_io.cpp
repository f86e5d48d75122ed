// Error reports, progress line and safe output files of OvDataTool.
#include "tools/datatool/tool_io.h"

#include <cstdarg>
#include <cstdio>

#include "core/ovdirectory.h"
#include "core/ovfilereplace.h"
#include "core/platform/filesystem.h"
#include "core/platform/terminal.h"

int OvToolFail(int status, const char* format, ...) {
  std::fputs("OvDataTool: ", stderr);
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
  std::fputs("\n", stderr);
  return status;
}

int OvToolCheckInputFile(const std::string& path) {
  switch (ovfs::GetEntryKind(path.c_str())) {
    case ovfs::EntryKind::File:
      return eOvDataTool_Success;
    case ovfs::EntryKind::Directory:
      return OvToolFail(eOvDataTool_FailedInput, "%s: is a directory, not a file", path.c_str());
    default:
      return OvToolFail(eOvDataTool_FailedInput, "%s: no such file", path.c_str());
  }
}

int OvToolCheckNotInput(const std::string& output, const std::string& input) {
  uint64_t outVolume = 0, outIndex = 0, inVolume = 0, inIndex = 0;
  if (ovfs::GetFileIdentity(output.c_str(), outVolume, outIndex) &&
      ovfs::GetFileIdentity(input.c_str(), inVolume, inIndex) && outVolume == inVolume && outIndex == inIndex) {
    return OvToolFail(eOvDataTool_BadUsage, "%s: output is the input file %s; refusing to overwrite it",
                      output.c_str(), input.c_str());
  }
  return eOvDataTool_Success;
}

int OvToolCheckInputAndOutput(const std::string& input, const std::string& output) {
  if (int status = OvToolCheckInputFile(input)) return status;
  return output.empty() ? eOvDataTool_Success : OvToolCheckNotInput(output, input);
}

COvToolProgress::COvToolProgress(const char* label, int64_t total)
    : m_pLabel(label), m_iTotal(total), m_bEnabled(ovplatform::IsStandardOutputTerminal()) {
  Show();
}

COvToolProgress::~COvToolProgress() {
  if (!m_bEnabled) return;
  std::printf("\r%s done\n", m_pLabel);
  std::fflush(stdout);
}

void COvToolProgress::Advance(int64_t bytes) {
  m_iDone += bytes;
  Show();
}

void COvToolProgress::Show() {
  if (!m_bEnabled) return;
  int percent = m_iTotal > 0 ? static_cast<int>(m_iDone * 100 / m_iTotal) : 100;
  if (percent == m_iShownPercent) return;  // one redraw per percent keeps the terminal cheap
  m_iShownPercent = percent;
  std::printf("\r%s %3d%%", m_pLabel, percent);
  std::fflush(stdout);
}

COvToolOutputFile::~COvToolOutputFile() {
  if (m_bCommitted || m_Temporary.empty()) return;
  if (m_File.IsOpened()) m_File.Close();
  OvDeleteFile(TOvString<char>(m_Temporary.c_str()));
}

const std::string& COvToolOutputFile::TemporaryPath() {
  if (m_Temporary.empty()) m_Temporary = OvTemporarySibling(TOvString<char>(m_Target.c_str())).GetBuffer();
  return m_Temporary;
}

bool COvToolOutputFile::Open() {
  return m_File.Open(TemporaryPath().c_str(), eOvFileSystemOpenMode_WriteBinary, false) == eOvFileSystemError_None;
}

bool COvToolOutputFile::Write(const void* data, int size) {
  if (size > 0 && m_File.Write(data, size) != size) m_bFailed = true;
  return !m_bFailed;
}

bool COvToolOutputFile::Commit() {
  // Closing flushes the last buffered bytes: a full disk often shows only here.
  if (m_File.IsOpened() && m_File.Close() != eOvFileSystemError_None) m_bFailed = true;
  if (m_bFailed) return false;
  m_bCommitted = true;  // OvCommitTemporary removes the temporary file itself on failure
  return OvCommitTemporary(TOvString<char>(TemporaryPath().c_str()), TOvString<char>(m_Target.c_str()));
}

bool OvToolReadFile(const std::string& path, std::string& bytes, COvToolProgress* progress) {
  COvFile file;
  if (file.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary, false) != eOvFileSystemError_None) {
    OvToolFail(eOvDataTool_FailedInput, "%s: cannot be opened for reading", path.c_str());
    return false;
  }
  const int size = file.GetSize();
  bytes.resize(static_cast<size_t>(size > 0 ? size : 0));
  constexpr int kChunk = 1 << 20;
  for (int done = 0; done < size;) {
    int step = size - done < kChunk ? size - done : kChunk;
    if (file.Read(&bytes[static_cast<size_t>(done)], step) != step) {
      OvToolFail(eOvDataTool_FailedInput, "%s: read failed after %d of %d bytes", path.c_str(), done, size);
      return false;
    }
    done += step;
    if (progress) progress->Advance(step);
  }
  return true;
}
