// Helpers shared by the OvDataTool commands: error reports, the progress line, the checks that
// keep outputs off inputs, and an output file that only appears once it is complete.
#pragma once

#include <cstdint>
#include <string>

#include "core/ovfile.h"
#include "tools/datatool/datatool.h"

// Prints "OvDataTool: " + the formatted message + "\n" to standard error; returns status.
int OvToolFail(int status, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// Fails with eOvDataTool_FailedInput when path is not an existing regular file; 0 otherwise.
int OvToolCheckInputFile(const std::string& path);
// Fails with eOvDataTool_BadUsage when output names the same file as input (links followed).
int OvToolCheckNotInput(const std::string& output, const std::string& input);
// Both checks above; an empty output (standard output) is always allowed.
int OvToolCheckInputAndOutput(const std::string& input, const std::string& output);

// A carriage-return updated "label NN%" line on standard output, shown only when standard
// output is a terminal; the destructor ends the line.
class COvToolProgress {
 public:
  COvToolProgress(const char* label, int64_t total);
  ~COvToolProgress();
  COvToolProgress(const COvToolProgress&) = delete;
  COvToolProgress& operator=(const COvToolProgress&) = delete;
  void Advance(int64_t bytes);

 private:
  void Show();
  const char* m_pLabel;
  int64_t m_iTotal;
  int64_t m_iDone = 0;
  int m_iShownPercent = -1;
  bool m_bEnabled;
};

// Writes to the temporary sibling of target and renames it over target on Commit; without a
// successful Commit the temporary file is removed and target stays as it was.
class COvToolOutputFile {
 public:
  explicit COvToolOutputFile(const std::string& target) : m_Target(target) {}
  ~COvToolOutputFile();
  COvToolOutputFile(const COvToolOutputFile&) = delete;
  COvToolOutputFile& operator=(const COvToolOutputFile&) = delete;

  // The name to write instead of target (for library savers that open files themselves).
  const std::string& TemporaryPath();
  bool Open();
  bool Write(const void* data, int size);
  // Closes (when opened here) and renames into place.
  bool Commit();

 private:
  std::string m_Target;
  std::string m_Temporary;
  COvFile m_File;
  bool m_bFailed = false;
  bool m_bCommitted = false;
};

// Reads the whole of path (not expanded) into bytes, advancing progress when given; false
// with a report already printed when it cannot be read.
bool OvToolReadFile(const std::string& path, std::string& bytes, COvToolProgress* progress);
