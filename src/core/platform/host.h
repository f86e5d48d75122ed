// Facts about the host operating system that portable code needs: the native path separator,
// the separator of PATH-style lists and the suffix of executables. The only place outside the
// platform implementation files that knows which OS it is built for.
#pragma once

namespace ovhost {

#ifdef _WIN32
constexpr bool kIsWindows = true;
constexpr char kNativeSeparator = '\\';
constexpr const char* kNativeSeparatorText = "\\";
constexpr char kPathListSeparator = ';';
constexpr const char* kExecutableSuffix = ".exe";
#else
constexpr bool kIsWindows = false;
constexpr char kNativeSeparator = '/';
constexpr const char* kNativeSeparatorText = "/";
constexpr char kPathListSeparator = ':';
constexpr const char* kExecutableSuffix = "";
#endif

}  // namespace ovhost
