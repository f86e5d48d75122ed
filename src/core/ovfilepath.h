// COvFilePath: a path text with its directory / name / extension split and the conversions to
// native separators and to an absolute path, using the host's separator rules. The file and
// directory functions (OvCreatePath, OvCopyFile, ...) come with it through ovdirectory.h.
#pragma once

#include "core/ovdirectory.h"
#include "core/ovstring.h"

class COvFilePath {
 public:
  COvFilePath() = default;
  // With native true, the text is converted with ConvertToNativePath.
  COvFilePath(const char* text, bool native = false);
  COvFilePath(const TOvString<char>& text, bool native = false);
  COvFilePath(const COvFilePath& other) = default;
  virtual ~COvFilePath() = default;

  COvFilePath& operator=(const COvFilePath& other) = default;
  // Both copy the text unchanged.
  COvFilePath& operator=(const TOvString<char>& text);
  COvFilePath& operator=(const char* text);

  void SetNull() { m_strPath.Clear(); }
  TOvString<char>& GetAsString() { return m_strPath; }
  const TOvString<char>& GetAsString() const { return m_strPath; }

  // path keeps its final separator ('/' or '\\'); ext has no '.'. Any of the three may be
  // empty: "dir\\.hidden" gives "dir\\", "", "hidden".
  void extractPath(TOvString<char>& path, TOvString<char>& name, TOvString<char>& ext) const;
  TOvString<char> getFilePath() const;
  TOvString<char> getFileName() const;
  TOvString<char> getFileExt() const;
  // Always name + "." + ext, so "Makefile" gives "Makefile." and an empty path ".".
  TOvString<char> getFileNameExt() const;

  // Every '/' and '\\' becomes the native separator, in place.
  static void ConvertToNativePath(TOvString<char>& path);
  // Windows: "X:\\" with an upper-case drive letter; POSIX: a leading '/'.
  static bool IsAbsolute(const TOvString<char>& path);
  // Native form; a relative path is prefixed with base (and a separator). An empty base leaves a
  // relative path relative to the current directory.
  static void ConvertToAbsolute(TOvString<char>& path, const TOvString<char>& base);

 private:
  TOvString<char> m_strPath;
};
