// COvPackager::CopyContent: copies the compiled game content that a shipped game needs from
// the platform's temporary directory into the build directory, one platform copy per file.
#include <cstdio>
#include <vector>

#include "core/ovcopyfiles.h"
#include "core/ovdirectory.h"
#include "core/platform/host.h"
#include "packager/ovpackager.h"

namespace {

enum EFilter { eFilterNone, eFilterBigFiles, eFilterMp3, eFilterWav };

struct Section {
  const char* message;
  const char* directory;  // below the source and target roots; separators written as '/'
  EFilter filter;
  bool androidOnly;    // also announced before its target directory is made
  const char* parent;  // made before the announcement, when the target is one level deeper
};

const Section kSections[] = {
    {"#Info: Start copying Big Files\n", "", eFilterBigFiles, false, nullptr},
    {"#Info: Start copying Game directory\n", "Game", eFilterNone, false, nullptr},
    {"#Info: Start copying Settings directory\n", "Settings", eFilterNone, false, nullptr},
    {"#Info: Start copying Videos directory\n", "Videos", eFilterNone, false, nullptr},
    {"#Info: Start copying String Tables directory\n", "Resources/String", eFilterNone, false, "Resources"},
    {"#Info: Start copying Audio Stream directory\n", "Resources/AudioStreams", eFilterMp3, true, nullptr},
    {"#Info: Start copying Sounds directory\n", "Resources/Sounds", eFilterWav, true, nullptr},
};

TOvString<char> Native(const char* text) {
  TOvString<char> path(text);
  COvFilePath::ConvertToNativePath(path);
  return path;
}

bool PassesFilter(const TOvString<char>& path, EFilter filter, int platform) {
  switch (filter) {
    case eFilterNone: return true;
    case eFilterMp3: return path.EndsWith(".mp3");
    case eFilterWav: return path.EndsWith(".wav");
    case eFilterBigFiles:
      if (!path.EndsWith(".bf") || path.EndsWith("BF-string-table.bf")) return false;
      if (path.EndsWith("BF-audiostreams.bf") || path.EndsWith("BF-wav.bf")) return platform == ePlatformWindows;
      return true;
  }
  return false;
}

}  // namespace

bool COvPackager::CopyContent(TOvString<char> sourceSubdirectory, TOvString<char> targetSubdirectory) {
  const TOvString<char> sourceRoot = platformTempDirectory + sourceSubdirectory;
  const TOvString<char> targetRoot = buildDirectory + targetSubdirectory;
  OvCreateDirectory(targetRoot);
  bool allCopied = true;

  for (const Section& section : kSections) {
    if (section.androidOnly && platform != ePlatformAndroid) continue;
    const TOvString<char> source = sourceRoot + Native(section.directory);
    const TOvString<char> target = targetRoot + Native(section.directory);
    if (section.parent) OvCreateDirectory(targetRoot + section.parent);
    if (section.androidOnly || section.parent) {
      std::fprintf(stdout, "%s", section.message);
      OvCreateDirectory(target);
    } else {
      OvCreateDirectory(target);
      std::fprintf(stdout, "%s", section.message);
    }

    COvArray<OvFindFile> files;
    OvEnumerateDirectory(source, files);
    std::vector<OvCopyJob> jobs;
    for (const OvFindFile& file : files) {
      if (!PassesFilter(file.name, section.filter, platform)) continue;
      TOvString<char> destination = target + file.name.Mid(source.GetLength());
      if (section.filter == eFilterWav) destination += "e";
      jobs.push_back({file.name, destination});
    }
    // A few threads copy; the lines still come one per file in listing order.
    OvCopyFilesInOrder(
        jobs, [&](size_t i) { std::fprintf(stdout, "Copying %s\n", jobs[i].source.GetBuffer()); },
        [&](size_t i, bool copied) {
          if (copied) return;
          std::fprintf(stderr, "Error : Can't copy %s !\n", jobs[i].source.GetBuffer());
          allCopied = false;
        });
  }
  return allCopied;
}
