// COvFilePath on top of the pure path functions, with the host's separator style.
#include "core/ovfilepath.h"

#include "core/ovpathtext.h"

COvFilePath::COvFilePath(const char* text, bool native) : m_strPath(text) {
  if (native) ConvertToNativePath(m_strPath);
}

COvFilePath::COvFilePath(const TOvString<char>& text, bool native) : m_strPath(text) {
  if (native) ConvertToNativePath(m_strPath);
}

COvFilePath& COvFilePath::operator=(const TOvString<char>& text) {
  m_strPath = text;
  return *this;
}

COvFilePath& COvFilePath::operator=(const char* text) {
  m_strPath = text;
  return *this;
}

void COvFilePath::extractPath(TOvString<char>& path, TOvString<char>& name, TOvString<char>& ext) const {
  ovpath::Split(m_strPath, path, name, ext);
}

namespace {

struct PathParts {
  TOvString<char> path, name, ext;
};

PathParts PartsOf(const COvFilePath& filePath) {
  PathParts parts;
  filePath.extractPath(parts.path, parts.name, parts.ext);
  return parts;
}

}  // namespace

TOvString<char> COvFilePath::getFilePath() const { return PartsOf(*this).path; }

TOvString<char> COvFilePath::getFileName() const { return PartsOf(*this).name; }

TOvString<char> COvFilePath::getFileExt() const { return PartsOf(*this).ext; }

TOvString<char> COvFilePath::getFileNameExt() const {
  PathParts parts = PartsOf(*this);
  return parts.name + "." + parts.ext;
}

void COvFilePath::ConvertToNativePath(TOvString<char>& path) { ovpath::ToNative(path, kOvHostPathStyle); }

bool COvFilePath::IsAbsolute(const TOvString<char>& path) {
  return ovpath::IsAbsolute(path, kOvHostPathStyle);
}

void COvFilePath::ConvertToAbsolute(TOvString<char>& path, const TOvString<char>& base) {
  ovpath::MakeAbsolute(path, base, kOvHostPathStyle);
}
