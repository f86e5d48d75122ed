// Path texts as pure functions of a separator style, so that the Windows rules can be run and
// tested on any host. '/' and '\\' both count as separators when a path is read, in either
// style; the style decides which one is written and what makes a path absolute. Nothing here
// touches the file system.
#pragma once

#include "core/ovarray.h"
#include "core/ovstring.h"
#include "core/platform/host.h"

enum class EOvPathStyle { Windows, Posix };

constexpr EOvPathStyle kOvHostPathStyle = ovhost::kIsWindows ? EOvPathStyle::Windows : EOvPathStyle::Posix;

namespace ovpath {

// '\\' for Windows, '/' for POSIX.
char Separator(EOvPathStyle style);
bool IsSeparator(char c);
bool EndsWithSeparator(const TOvString<char>& path);

// Splits at the last separator of either kind, then the name at its last '.':
// "a/b.c/file.tar.gz" gives "a/b.c/", "file.tar", "gz". directory keeps its separator;
// extension is empty when the name holds no '.'.
void Split(const TOvString<char>& path, TOvString<char>& directory, TOvString<char>& name,
           TOvString<char>& extension);

// Every '/' and '\\' becomes the style's separator, in place.
void ToNative(TOvString<char>& path, EOvPathStyle style);

// Windows: an upper-case drive letter, ':' and '\\' ("C:\\x"; not "c:\\x", "C:/x" or "\\x").
// POSIX: a leading '/'.
bool IsAbsolute(const TOvString<char>& path, EOvPathStyle style);

// Converts path to native form; a relative path is then prefixed with base and a separator
// (unless base already ends with one). No "." or ".." folding. An empty base leaves a relative
// path relative, to the current directory.
void MakeAbsolute(TOvString<char>& path, const TOvString<char>& base, EOvPathStyle style);

// directory + separator + name, as listings name their entries: a directory that ends with a
// separator gives a doubled one.
TOvString<char> JoinEntry(const TOvString<char>& directory, const char* name, EOvPathStyle style);

// directory with the style's separator appended unless it already ends with a separator.
TOvString<char> WithTrailingSeparator(const TOvString<char>& directory, EOvPathStyle style);

// Prepares a path for directory-by-directory creation. path is rewritten in place: every
// separator becomes the style's, and one is appended unless present ("C:/a/./b" becomes
// "C:\\a\\.\\b\\"). directories receives, in order, each directory to create, ending with its
// separator: the first part (a drive, or the first directory below a leading separator) is
// never among them, "." parts are skipped and runs of separators count as one. An empty path
// stays empty and plans nothing (it would otherwise turn into the root).
void PlanCreatePath(TOvString<char>& path, COvArray<TOvString<char>>& directories, EOvPathStyle style);

}  // namespace ovpath
