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

struct CopyOutcome {
  bool result = false;
  std::string out;
  std::string err;
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

  CopyOutcome Run(int platform, const std::string& platformName, const std::string& source,
                  const std::string& target) {
    ContentPackager packager(Temporary(platformName), BuildDirectory(platformName), platform);
    CopyOutcome outcome;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    outcome.result = packager.CopyContent((source + kSep).c_str(), (target + kSep).c_str());
    outcome.out = WithoutCarriageReturns(testing::internal::GetCapturedStdout());
    outcome.err = WithoutCarriageReturns(testing::internal::GetCapturedStderr());
    return outcome;
  }

  TempDir dir;
};

TEST_F(CopyContentTest, WindowsCopiesEveryBigFileButTheStringTableAndTheSectionFiles) {
  // Big files by their case-sensitive suffix; of each section only the files directly in it.
  for (const char* name :
       {"BF-main.bf", "BF-string-table.bf", "BF-audiostreams.bf", "BF-wav.bf", "notes.txt", "BF-extra.BF",
        "Game/intro.lvl", "Game/Levels/one.lvl", "Settings/input.cfg", "Settings/Old/input.cfg",
        "Resources/String/en.st", "Resources/String/Draft/en.st"}) {
    Source("Windows", "DX9", name);
  }
  CopyOutcome outcome = Run(ePlatformWindows, "Windows", "DX9", "DX9");
  const std::string root = Temporary("Windows") + "DX9" + kSep;
  EXPECT_TRUE(outcome.result);
  EXPECT_EQ("", outcome.err);
  EXPECT_EQ(kBigFilesStart + CopyingLines(root, {"BF-main.bf", "BF-audiostreams.bf", "BF-wav.bf"}) +
                kGameStart + CopyingLines(root + "Game", {"intro.lvl"}) + kSettingsStart +
                CopyingLines(root + "Settings", {"input.cfg"}) + kVideosStart + kStringsStart +
                CopyingLines(root + "Resources" + kSep + "String", {"en.st"}),
            outcome.out);
  // Listing paths end in directory + separator + name, so the copies are announced with two
  // separators before the name.
  EXPECT_NE(std::string::npos, outcome.out.find("Copying " + root + kSep + "BF-main.bf\n"));
  const std::string build = BuildDirectory("Windows");
  EXPECT_EQ(
      (std::set<std::string>{"DX9/", "DX9/BF-main.bf", "DX9/BF-audiostreams.bf", "DX9/BF-wav.bf", "DX9/Game/",
                             "DX9/Game/intro.lvl", "DX9/Settings/", "DX9/Settings/input.cfg", "DX9/Videos/",
                             "DX9/Resources/", "DX9/Resources/String/", "DX9/Resources/String/en.st"}),
      Tree(build));
  EXPECT_EQ("BF-wav.bf", ReadFileBytes(build + "DX9" + kSep + "BF-wav.bf"));
}

TEST_F(CopyContentTest, AndroidGetsLooseAudioInsteadOfItsBigFiles) {
  for (const char* name :
       {"BF-main.bf", "BF-string-table.bf", "BF-audiostreams.bf", "BF-wav.bf",
        "Resources/AudioStreams/music.mp3", "Resources/AudioStreams/music.ogg", "Resources/Sounds/hit.wav",
        "Resources/Sounds/hit.ogg", "Resources/String/en.st"}) {
    Source("Android", "OpenGLES2", name);
  }
  CopyOutcome outcome = Run(ePlatformAndroid, "Android", "OpenGLES2", "assets");

  const std::string root = Temporary("Android") + "OpenGLES2" + kSep;
  const std::string resources = root + "Resources" + kSep;
  EXPECT_TRUE(outcome.result);
  EXPECT_EQ("", outcome.err);
  EXPECT_EQ(kBigFilesStart + CopyingLines(root, {"BF-main.bf"}) + kGameStart + kSettingsStart + kVideosStart +
                kStringsStart + CopyingLines(resources + "String", {"en.st"}) + kAudioStart +
                CopyingLines(resources + "AudioStreams", {"music.mp3"}) + kSoundsStart +
                CopyingLines(resources + "Sounds", {"hit.wav"}),
            outcome.out);

  const std::string build = BuildDirectory("Android");
  EXPECT_EQ((std::set<std::string>{"assets/", "assets/BF-main.bf", "assets/Game/", "assets/Settings/",
                                   "assets/Videos/", "assets/Resources/", "assets/Resources/String/",
                                   "assets/Resources/String/en.st", "assets/Resources/AudioStreams/",
                                   "assets/Resources/AudioStreams/music.mp3", "assets/Resources/Sounds/",
                                   "assets/Resources/Sounds/hit.wave"}),
            Tree(build));
  EXPECT_EQ("Resources/Sounds/hit.wav",
            ReadFileBytes(build + "assets" + kSep + "Resources" + kSep + "Sounds" + kSep + "hit.wave"));
}

TEST_F(CopyContentTest, MissingSourceDirectoriesStillGetTheirTargetAndMessage) {
  // No Videos, no Resources and not even the API directory: nothing to copy, nothing failed.
  const std::string sections =
      std::string(kBigFilesStart) + kGameStart + kSettingsStart + kVideosStart + kStringsStart;
  const struct {
    int platform;
    const char *name, *api, *target;
    std::string out, made;
  } rows[] = {{ePlatformWindows, "Windows", "DX9", "DX9", sections, "Videos"},
              {ePlatformAndroid, "Android", "OpenGLES2", "assets", sections + kAudioStart + kSoundsStart,
               "Resources" + kSep + "Sounds"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fs::create_directories(Temporary(row.name));
    CopyOutcome outcome = Run(row.platform, row.name, row.api, row.target);
    EXPECT_TRUE(outcome.result);
    EXPECT_EQ("", outcome.err);
    EXPECT_EQ(row.out, outcome.out);
    EXPECT_TRUE(fs::is_directory(BuildDirectory(row.name) + row.target + kSep + row.made));
  }
}

TEST_F(CopyContentTest, FilesThatCannotBeCopiedAreReportedAfterEveryFileWasTried) {
  for (const char* name : {"BF-a.bf", "BF-b.bf", "BF-c.bf", "Game/intro.lvl", "Game/outro.lvl"}) {
    Source("Windows", "DX9", name);
  }
  const std::string root = Temporary("Windows") + "DX9" + kSep;
  const std::string game = root + "Game";
  // A directory where the copy of the first listed file of each section would go.
  const std::string blockedBigFile = Listing(root).front();
  const std::string blockedGameFile = Listing(game).front();
  const std::string target = BuildDirectory("Windows") + "DX9" + kSep;
  fs::create_directories(target + fs::path(blockedBigFile).filename().string());
  fs::create_directories(target + "Game" + kSep + fs::path(blockedGameFile).filename().string());

  CopyOutcome outcome = Run(ePlatformWindows, "Windows", "DX9", "DX9");

  EXPECT_FALSE(outcome.result);
  EXPECT_EQ("Error : Can't copy " + blockedBigFile + " !\nError : Can't copy " + blockedGameFile + " !\n",
            outcome.err);
  // Every file was still announced and every other file copied.
  EXPECT_EQ(kBigFilesStart + CopyingLines(root, {"BF-a.bf", "BF-b.bf", "BF-c.bf"}) + kGameStart +
                CopyingLines(game, {"intro.lvl", "outro.lvl"}) + kSettingsStart + kVideosStart +
                kStringsStart,
            outcome.out);
  const std::set<std::string> blocked{fs::path(blockedBigFile).filename().string(),
                                      fs::path(blockedGameFile).filename().string()};
  for (const char* name : {"BF-a.bf", "BF-b.bf", "BF-c.bf", "Game/intro.lvl", "Game/outro.lvl"}) {
    SCOPED_TRACE(name);
    fs::path copy = fs::path(target) / fs::path(name).make_preferred();
    if (blocked.count(copy.filename().string())) {
      EXPECT_TRUE(fs::is_directory(copy));
    } else {
      EXPECT_EQ(name, ReadFileBytes(copy.string()));
    }
  }
}

}  // namespace
