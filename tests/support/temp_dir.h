// TempDir: a fresh directory for one test, removed with everything in it by the destructor.
#pragma once

#include <string>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory, without a trailing separator.
  const std::string& Path() const { return m_path; }
  // Path() joined with a relative name using the host separator.
  std::string Join(const std::string& relative) const;
  // Writes a file (creating parent directories); returns its full path.
  std::string WriteFile(const std::string& relative, const std::string& content) const;

 private:
  std::string m_path;
};

// Whole content of a file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
// text as a text-mode ("wt") write puts it on disk: lines end with CR LF on Windows.
std::string TextModeBytes(const std::string& text);
