// COvPackager::CopyContent in-process: which compiled content files reach the build directory on
// Windows and Android, how each is announced, and how a file that cannot be copied is reported.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "packager/ovpackager.h"
#include "packager/packager_fixture.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using namespace packagertest;

namespace {

const char kBigFilesStart[] = "#Info: Start copying Big Files\n";
const char kGameStart[] = "#Info: Start copying Game directory\n";
const char kSettingsStart[] = "#Info: Start copying Settings directory\n";
const char kVideosStart[] = "#Info: Start copying Videos directory\n";
const char kStringsStart[] = "#Info: Start copying String Tables directory\n";
const char kAudioStart[] = "#Info: Start copying Audio Stream directory\n";
const char kSoundsStart[] = "#Info: Start copying Sounds directory\n";

// Holds the directories that Initialize would have computed; only CopyContent is used.
class ContentPackager : public COvPackager {
 public:
  ContentPackager(const std::string& temporary, const std::string& build, int platformIndex) {
    platformTempDirectory = temporary.c_str();
    buildDirectory = build.c_str();
    platform = platformIndex;
  }
  bool Configure() override { return true; }
  bool Build() override { return true; }
  bool Clean() override { return true; }
  bool Copy() override { return true; }
};

class CopyContentTest : public ::testing::Test {
 protected:
  // <dir>/tmp/<platform>/, as Initialize computes it, with a trailing separator.
  std::string Temporary(const std::string& platformName) const {
    return dir.Join("tmp") + kSep + platformName + kSep;
  }
  // The build directory with its doubled separator; created, as the tool chain does.
  std::string BuildDirectory(const std::string& platformName) const {
    std::string build = Temporary(platformName) + kSep + "Release" + kSep;
    fs::create_directories(build);
    return build;
  }
  // A source file below tmp/<platform>/<api>/ holding its own relative name.
  void Source(const std::string& platformName, const std::string& api, const std::string& relative) const {
    dir.WriteFile("tmp/" + platformName + "/" + api + "/" + relative, relative);
  }

  // CopyContent's result; what it wrote goes to out and err.
  bool Run(int platform, const std::string& platformName, const std::string& source,
           const std::string& target) {
    ContentPackager packager(Temporary(platformName), BuildDirectory(platformName), platform);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const bool copied = packager.CopyContent((source + kSep).c_str(), (target + kSep).c_str());
    out = WithoutCarriageReturns(testing::internal::GetCapturedStdout());
    err = WithoutCarriageReturns(testing::internal::GetCapturedStderr());
    return copied;
  }

  TempDir dir;
  std::string out, err;
};

TEST_F(CopyContentTest, EachPlatformCopiesItsSelectionOfTheContent) {
  // Big files by their case-sensitive suffix, and of each section only the files directly in it;
  // Android takes loose audio instead of the audio big files, its sounds renamed to .wave.
  // clang-format off
  const std::vector<const char*> sources = {
      "BF-main.bf", "BF-string-table.bf", "BF-audiostreams.bf", "BF-wav.bf", "notes.txt", "BF-extra.BF",
      "Game/intro.lvl", "Game/Levels/one.lvl", "Settings/input.cfg", "Settings/Old/input.cfg",
      "Resources/String/en.st", "Resources/String/Draft/en.st", "Resources/AudioStreams/music.mp3",
      "Resources/AudioStreams/music.ogg", "Resources/Sounds/hit.wav", "Resources/Sounds/hit.ogg"};
  const std::set<std::string> sections = {
      "", "Game/", "Game/intro.lvl", "Settings/", "Settings/input.cfg", "Videos/", "Resources/",
      "Resources/String/", "Resources/String/en.st"};
  const std::set<std::string> audio = {
      "Resources/AudioStreams/", "Resources/AudioStreams/music.mp3", "Resources/Sounds/",
      "Resources/Sounds/hit.wave"};
  // clang-format on
  const struct {
    int platform;
    const char *name, *api, *target;
    std::set<std::string> bigFiles;
  } rows[] = {{ePlatformWindows, "Windows", "DX9", "DX9", {"BF-main.bf", "BF-audiostreams.bf", "BF-wav.bf"}},
              {ePlatformAndroid, "Android", "OpenGLES2", "assets", {"BF-main.bf"}}};
  for (const auto& row : rows) {
    const bool android = row.platform == ePlatformAndroid;
    std::set<std::string> tree, directories;
    for (const auto* part : {&sections, &row.bigFiles, android ? &audio : &sections}) {
      for (const std::string& entry : *part) tree.insert(row.target + ("/" + entry));
    }
    for (const std::string& entry : tree) {
      if (entry.back() == '/') directories.insert(entry);
    }
    // First without even the API directory: nothing to copy, nothing failed, every target made.
    for (bool withSources : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (withSources ? "" : " without sources"));
      if (withSources) {
        for (const char* name : sources) Source(row.name, row.api, name);
      }
      EXPECT_TRUE(Run(row.platform, row.name, row.api, row.target));
      const std::string root = Temporary(row.name) + row.api + kSep, resources = root + "Resources" + kSep;
      std::string expected = kBigFilesStart + CopyingLines(root, row.bigFiles) + kGameStart +
                             CopyingLines(root + "Game", {"intro.lvl"}) + kSettingsStart +
                             CopyingLines(root + "Settings", {"input.cfg"}) + kVideosStart + kStringsStart +
                             CopyingLines(resources + "String", {"en.st"});
      if (android) {
        expected += kAudioStart + CopyingLines(resources + "AudioStreams", {"music.mp3"}) + kSoundsStart +
                    CopyingLines(resources + "Sounds", {"hit.wav"});
      }
      EXPECT_EQ("", err);
      EXPECT_EQ(expected, out);
      // Listing paths end in directory + separator + name, so the copies are announced with two
      // separators before the name.
      EXPECT_EQ(withSources, bool(Contains(out, "Copying " + root + kSep + "BF-main.bf\n")));
      EXPECT_EQ(withSources ? tree : directories, Tree(BuildDirectory(row.name)));
    }
    // Each copy holds its source's relative name; a renamed sound its old one.
    for (const std::string& entry : tree) {
      if (entry.back() == '/') continue;
      std::string source = entry.substr(entry.find('/') + 1);
      if (EndsWith(source, ".wave")) source.pop_back();
      EXPECT_EQ(source, ReadFileBytes(BuildDirectory(row.name) + fs::path(entry).make_preferred().string()));
    }
  }
}

TEST_F(CopyContentTest, FilesThatCannotBeCopiedAreReportedAfterEveryFileWasTried) {
  const std::vector<std::string> names = {"BF-a.bf", "BF-b.bf", "BF-c.bf", "Game/intro.lvl",
                                          "Game/outro.lvl"};
  for (const std::string& name : names) Source("Windows", "DX9", name);
  const std::string root = Temporary("Windows") + "DX9" + kSep, game = root + "Game";
  const std::string target = BuildDirectory("Windows") + "DX9" + kSep;
  // A directory where the copy of the first listed file of each section would go.
  const std::string blockedBigFile = Listing(root).front(), blockedGameFile = Listing(game).front();
  const std::set<std::string> blocked{fs::path(blockedBigFile).filename().string(),
                                      fs::path(blockedGameFile).filename().string()};
  fs::create_directories(target + fs::path(blockedBigFile).filename().string());
  fs::create_directories(target + "Game" + kSep + fs::path(blockedGameFile).filename().string());

  EXPECT_FALSE(Run(ePlatformWindows, "Windows", "DX9", "DX9"));
  EXPECT_EQ("Error : Can't copy " + blockedBigFile + " !\nError : Can't copy " + blockedGameFile + " !\n",
            err);
  // Every file was still announced and every other file copied.
  EXPECT_EQ(kBigFilesStart + CopyingLines(root, {"BF-a.bf", "BF-b.bf", "BF-c.bf"}) + kGameStart +
                CopyingLines(game, {"intro.lvl", "outro.lvl"}) + kSettingsStart + kVideosStart +
                kStringsStart,
            out);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    fs::path copy = fs::path(target) / fs::path(name).make_preferred();
    const bool isBlocked = blocked.count(copy.filename().string()) == 1;
    EXPECT_EQ(isBlocked, fs::is_directory(copy));
    EXPECT_EQ(isBlocked ? "" : name, ReadFileBytes(copy.string()));
  }
}

}  // namespace
