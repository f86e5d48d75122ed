// Pure path-text functions; see ovpathtext.h.
#include "core/ovpathtext.h"

namespace ovpath {

char Separator(EOvPathStyle style) { return style == EOvPathStyle::Windows ? '\\' : '/'; }

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool EndsWithSeparator(const TOvString<char>& path) {
  int length = path.GetLength();
  return length > 0 && IsSeparator(path.GetBuffer()[length - 1]);
}

void Split(const TOvString<char>& path, TOvString<char>& directory, TOvString<char>& name,
           TOvString<char>& extension) {
  const char* text = path.GetBuffer();
  int length = path.GetLength();
  int lastSeparator = -1;
  for (int i = 0; i < length; ++i) {
    if (IsSeparator(text[i])) lastSeparator = i;
  }
  int nameStart = lastSeparator + 1;
  int lastDot = -1;
  for (int i = nameStart; i < length; ++i) {
    if (text[i] == '.') lastDot = i;
  }
  // Results may alias path: build them all before assigning.
  TOvString<char> newDirectory(text, nameStart);
  TOvString<char> newName, newExtension;
  if (lastDot < 0) {
    newName = TOvString<char>(text + nameStart);
  } else {
    newName = TOvString<char>(text + nameStart, lastDot - nameStart);
    newExtension = TOvString<char>(text + lastDot + 1);
  }
  directory = static_cast<TOvString<char>&&>(newDirectory);
  name = static_cast<TOvString<char>&&>(newName);
  extension = static_cast<TOvString<char>&&>(newExtension);
}

void ToNative(TOvString<char>& path, EOvPathStyle style) {
  char* text = path.GetRawBuffer();
  if (!text) return;
  char separator = Separator(style);
  for (; *text; ++text) {
    if (IsSeparator(*text)) *text = separator;
  }
}

bool IsAbsolute(const TOvString<char>& path, EOvPathStyle style) {
  const char* text = path.GetBuffer();
  if (style == EOvPathStyle::Posix) return text[0] == '/';
  return text[0] >= 'A' && text[0] <= 'Z' && text[1] == ':' && text[2] == '\\';
}

void MakeAbsolute(TOvString<char>& path, const TOvString<char>& base, EOvPathStyle style) {
  ToNative(path, style);
  if (IsAbsolute(path, style) || base.IsEmpty()) return;
  TOvString<char> result(base);
  if (!EndsWithSeparator(result)) result += "/";
  ToNative(result, style);
  result += path;
  path = static_cast<TOvString<char>&&>(result);
}

TOvString<char> JoinEntry(const TOvString<char>& directory, const char* name, EOvPathStyle style) {
  char separator[2] = {Separator(style), 0};
  TOvString<char> result(directory);
  result.Append(separator, 1);
  result += name;
  return result;
}

TOvString<char> WithTrailingSeparator(const TOvString<char>& directory, EOvPathStyle style) {
  TOvString<char> result(directory);
  if (!EndsWithSeparator(result)) {
    char separator[2] = {Separator(style), 0};
    result.Append(separator, 1);
  }
  return result;
}

void PlanCreatePath(TOvString<char>& path, COvArray<TOvString<char>>& directories, EOvPathStyle style) {
  if (path.IsEmpty()) return;
  char separator[2] = {Separator(style), 0};
  ToNative(path, style);
  if (!EndsWithSeparator(path)) path.Append(separator, 1);

  const char* text = path.GetBuffer();
  int leading = 0;
  while (text[leading] == separator[0]) ++leading;
  COvArray<TOvString<char>> parts;
  path.Split(separator, parts);
  if (parts.GetCount() == 0) return;

  // The leading separators stay, so an absolute path is never turned into a relative one.
  TOvString<char> current(text, leading);
  current += parts[0];
  current.Append(separator, 1);
  for (int i = 1; i < parts.GetCount(); ++i) {
    if (parts[i] == ".") continue;
    current += parts[i];
    current.Append(separator, 1);
    directories.Add(current);
  }
}

}  // namespace ovpath
