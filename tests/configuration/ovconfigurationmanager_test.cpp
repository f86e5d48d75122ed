#include "configuration/ovconfigurationmanager.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "configuration_test_support.h"
#include "support/temp_dir.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

std::string Names(const COvArray<TOvString<char>>& names) {
  std::string text;
  for (const TOvString<char>& name : names) text += std::string(name.GetBuffer()) + ";";
  return text;
}

// An '&' that begins one of the five predefined entities or a character reference.
bool StartsReference(const std::string& text, size_t at) {
  for (const char* entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"}) {
    if (text.compare(at, std::strlen(entity), entity) == 0) return true;
  }
  size_t p = at + 1;
  if (p >= text.size() || text[p] != '#') return false;
  ++p;
  bool hex = p < text.size() && text[p] == 'x';
  if (hex) ++p;
  size_t digits = p;
  while (p < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[p]);
    if (!(hex ? std::isxdigit(c) : std::isdigit(c))) break;
    ++p;
  }
  return p > digits && p < text.size() && text[p] == ';';
}

// TinyXML accepts a raw '<' or a stray '&' inside an attribute value, which other XML readers
// reject, so attribute values are checked by hand on top of TinyXML's parse.
bool IsWellFormedXml(const std::string& text) {
  TiXmlDocument document;
  document.Parse(text.c_str());
  if (document.Error() || document.RootElement() == nullptr) return false;
  bool inValue = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"' && (inValue || (i > 0 && text[i - 1] == '='))) {
      inValue = !inValue;
    } else if (inValue && (c == '<' || (c == '&' && !StartsReference(text, i)))) {
      return false;
    }
  }
  return !inValue;
}

const char kThreeBuilds[] =
    "<configurations>\n"
    "    <buildconfigs>\n"
    "        <build name=\"A\" platform=\"Windows\"/>\n"
    "        <build name=\"B\" platform=\"Windows\"/>\n"
    "        <build name=\"C\" platform=\"Windows\"/>\n"
    "    </buildconfigs>\n"
    "</configurations>\n";

}  // namespace

TEST(ConfigurationManagerLoad, MissingFileIsCreatedEmptyWithoutMessage) {
  TempDir dir;
  std::string path = dir.Join("config.xml");
  COvConfigurationManager manager;
  CaptureStderr();
  manager.Initialize(path.c_str());
  EXPECT_EQ(GetCapturedStderr(), "");
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadFileBytes(path), "");
  EXPECT_STREQ(manager.GetBuildFilePath(), path.c_str());
  EXPECT_EQ(manager.GetBuild(COvIdentifier("Release")), nullptr);
  EXPECT_EQ(manager.GetListBuild().GetCount(), 0);
  EXPECT_EQ(manager.GetListDistrib().GetCount(), 0);
  ASSERT_NE(manager.GetProject(), nullptr);
  ASSERT_NE(manager.GetSourceControl(), nullptr);
  EXPECT_TRUE(manager.GetProject()->GetProjectFile().IsEmpty());
}

TEST(ConfigurationManagerLoad, FileInMissingDirectoryIsReported) {
  TempDir dir;
  std::string path = dir.Join("missing" + kSep + "config.xml");
  COvConfigurationManager manager;
  CaptureStderr();
  manager.Initialize(path.c_str());
  EXPECT_EQ(GetCapturedStderr(), "Cannot open file " + path + "\n");
  EXPECT_EQ(manager.GetBuild(COvIdentifier("Release")), nullptr);
  EXPECT_EQ(manager.GetProject(), nullptr);
  EXPECT_EQ(manager.GetSourceControl(), nullptr);

  // Nothing to save and nothing to reset, but no crash either.
  manager.AddBuild("Release");
  manager.ResetBuild(COvIdentifier("Release"));
  manager.SaveAll();
  manager.SaveCurrentBuild(COvIdentifier("Release"));
  EXPECT_FALSE(FileExists(path));
  EXPECT_NE(manager.GetBuild(COvIdentifier("Release")), nullptr);
}

TEST(ConfigurationManagerLoad, MalformedOrForeignFilesGiveAnEmptyConfiguration) {
  const std::string contents[] = {
      "<configurations><buildconfigs><build name=\"A\">",
      "this is not XML at all",
      std::string("\x00\x01\xFF\xFE<build name=\"A\"/>", 20),
      "\xEF\xBB\xBF",
      "<!-- only a comment -->",
      "<a></b>",
  };
  for (const std::string& content : contents) {
    SCOPED_TRACE(content);
    TempDir dir;
    std::string path = dir.WriteFile("config.xml", content);
    COvConfigurationManager manager;
    CaptureStderr();
    manager.Initialize(path.c_str());
    EXPECT_EQ(GetCapturedStderr(), "");
    EXPECT_EQ(manager.GetListBuild().GetCount(), 0);
    EXPECT_EQ(manager.GetListDistrib().GetCount(), 0);
    EXPECT_EQ(manager.GetBuild(COvIdentifier("A")), nullptr);
    ASSERT_NE(manager.GetProject(), nullptr);
    EXPECT_TRUE(manager.GetProject()->GetProjectFile().IsEmpty());
  }
}

TEST(ConfigurationManagerLoad, RootNameIsNotCheckedAndNamesMatchInAnyCase) {
  TempDir dir;
  std::string path = dir.WriteFile(
      "config.xml", "<Foo><buildconfigs><build Name=\"Release\" Platform=\"Windows\"/></buildconfigs></Foo>");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  COvConfigurationBuild* build = manager.GetBuild(COvIdentifier("release"));
  ASSERT_NE(build, nullptr);
  EXPECT_STREQ(build->GetPlatform(), "Windows");
  EXPECT_EQ(manager.GetBuild(COvIdentifier("RELEASE")), build);
}

TEST(ConfigurationManagerLoad, HandEditedFileWithCommentsAndUnknownElements) {
  TempDir dir;
  std::string path = dir.WriteFile(
      "config.xml",
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!-- edited by hand -->\n"
      "<CONFIGURATIONS Version=\"2\">\n"
      "  <Notes text=\"kept as it is\"/>\n"
      "  <projectCONFIG PROJECTFILE=\"Game.project\" projectcmakelists=\"CMakeLists.txt\" Owner=\"me\"/>\n"
      "  <ProjectConfig ProjectFile=\"ignored.project\"/>\n"
      "  <BUILDCONFIGS>\n"
      "    <!-- the release build -->\n"
      "    <Build NAME=\"Release\" PLATFORM=\"Android\" Api=\"OpenGLES2\" Colour=\"blue\">\n"
      "      <ARCHITECTURE Name=\"armeabi-v7a\"/>\n"
      "      <Unknown Name=\"mips\"/>\n"
      "      <architecture name=\"x86\"/>\n"
      "    </Build>\n"
      "    <Other name=\"Debug Build\" platform=\"Windows\"/>\n"
      "  </BUILDCONFIGS>\n"
      "  <distribConfigs><DISTRIB Name=\"Store\" Distribution=\"Steam\">"
      "<STEAMACCOUNT VALUE=\"build bot\"/></DISTRIB></distribConfigs>\n"
      "</CONFIGURATIONS>\n");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());

  EXPECT_STREQ(manager.GetProject()->GetProjectFile(), "Game.project");
  EXPECT_STREQ(manager.GetProject()->GetProjectCMakeLists(), "CMakeLists.txt");
  EXPECT_EQ(Names(manager.GetListBuild()), "Release;Debug_Build;");
  COvConfigurationBuild* release = manager.GetBuild(COvIdentifier("release"));
  ASSERT_NE(release, nullptr);
  EXPECT_STREQ(release->GetPlatform(), "Android");
  COvArray<TOvString<char>> architectures = release->GetArchitectures();
  ASSERT_EQ(architectures.GetCount(), 2);
  EXPECT_STREQ(architectures[0], "armeabi-v7a");
  EXPECT_STREQ(architectures[1], "x86");
  EXPECT_NE(manager.GetBuild(COvIdentifier("debug_build")), nullptr);
  EXPECT_EQ(manager.GetBuild(COvIdentifier("Debug Build")), nullptr);
  COvConfigurationDistribution* store = manager.GetDistrib(COvIdentifier("STORE"));
  ASSERT_NE(store, nullptr);
  EXPECT_STREQ(store->GetSteamAccount(), "build_bot");

  // Saving keeps the unknown parts in place, writes every name in lower case and appends the
  // missing source-control section after the ones that were there.
  manager.SaveAll();
  std::string saved = ReadTextFile(path);
  EXPECT_TRUE(IsWellFormedXml(saved)) << saved;
  EXPECT_EQ(saved.rfind("<configurations version=\"2\">\n", 0), 0u) << saved;
  size_t notes = saved.find("    <notes text=\"kept as it is\"/>\n");
  size_t project = saved.find(
      "    <projectconfig projectfile=\"Game.project\" projectcmakelists=\"CMakeLists.txt\" "
      "owner=\"me\"/>\n");
  size_t second = saved.find("    <projectconfig projectfile=\"ignored.project\"/>\n");
  size_t builds = saved.find("    <buildconfigs>\n");
  size_t distribs = saved.find("    <distribconfigs>\n");
  size_t control = saved.find("    <sourcecontrolconfig using=\"\" url=\"\" username=\"\" password=\"\"/>\n");
  for (size_t position : {notes, project, second, builds, distribs, control})
    ASSERT_NE(position, std::string::npos) << saved;
  EXPECT_LT(notes, project);
  EXPECT_LT(project, second);
  EXPECT_LT(second, builds);
  EXPECT_LT(builds, distribs);
  EXPECT_LT(distribs, control);
  EXPECT_EQ(saved.find("<!--"), std::string::npos);
  EXPECT_EQ(saved.find("mips"), std::string::npos);
  EXPECT_NE(saved.find("<build name=\"Debug_Build\" platform=\"Windows\""), std::string::npos);
}

TEST(ConfigurationManagerLoad, EveryChildOfTheBuildSectionCounts) {
  TempDir dir;
  std::string path = dir.WriteFile(
      "config.xml",
      "<c><BuildConfigs><!-- note --><first Name=\"One\"/>text<second Name=\"Two\"/></BuildConfigs></c>");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  // The text between the elements is a child too; it reads as a build without a name.
  EXPECT_EQ(Names(manager.GetListBuild()), "One;;Two;");
}

TEST(ConfigurationManagerLoad, ReloadReadsTheFileAgainKeepingTheEntryObjects) {
  TempDir dir;
  std::string path = dir.WriteFile(
      "config.xml",
      "<c><ProjectConfig ProjectFile=\"a.project\"/><BuildConfigs><build name=\"A\"/></BuildConfigs></c>");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  COvConfigurationProject* project = manager.GetProject();
  dir.WriteFile("config.xml",
                "<c><ProjectConfig ProjectFile=\"b.project\"/><BuildConfigs><build name=\"B\"/>"
                "<build name=\"C\"/></BuildConfigs></c>");
  manager.LoadConfig();
  EXPECT_EQ(manager.GetProject(), project);
  EXPECT_STREQ(project->GetProjectFile(), "b.project");
  EXPECT_EQ(Names(manager.GetListBuild()), "B;C;");
  EXPECT_EQ(manager.GetBuild(COvIdentifier("A")), nullptr);
}

TEST(ConfigurationManagerLookup, DuplicateNamesAnswerWithTheFirstAndRemoveOnlyIt) {
  TempDir dir;
  std::string path = dir.WriteFile("config.xml",
                                   "<c><BuildConfigs><build name=\"Same\" platform=\"Windows\"/>"
                                   "<build name=\"same\" platform=\"iOS\"/></BuildConfigs></c>");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  EXPECT_STREQ(manager.GetBuild(COvIdentifier("SAME"))->GetPlatform(), "Windows");
  manager.RemoveBuild(COvIdentifier("same"));
  ASSERT_EQ(manager.GetListBuild().GetCount(), 1);
  EXPECT_STREQ(manager.GetBuild(COvIdentifier("same"))->GetPlatform(), "iOS");
  manager.RemoveBuild(COvIdentifier("none"));
  EXPECT_EQ(manager.GetListBuild().GetCount(), 1);
}

TEST(ConfigurationManagerLookup, DistributionListsAndWarnings) {
  TempDir dir;
  std::string path = dir.WriteFile(
      "config.xml",
      "<c><DistribConfigs>"
      "<distrib name=\"Store\" distribution=\"Steam\"/>"
      "<distrib name=\"Archive\" distribution=\"Zip\"/>"
      "<distrib name=\"Beta\" distribution=\"Steam\"/>"
      "<distrib distribution=\"Steam\"/>"
      "</DistribConfigs><BuildConfigs>"
      "<build name=\"Full\" platform=\"Windows\" api=\"DX9\" headerpath=\"h\" librarypath=\"l\"/>"
      "<build name=\"Partial\" platform=\"Windows\"/>"
      "</BuildConfigs></c>");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  EXPECT_EQ(Names(manager.GetListDistrib()), "Store;Archive;Beta;;");
  EXPECT_EQ(Names(manager.GetListDistribForPlatform("Windows")), "Store;Beta;;");
  EXPECT_EQ(Names(manager.GetListDistribForPlatform("Android")), "");
  EXPECT_STREQ(manager.AllWellFormedDistrib(), "\"\" warnings : \n\tMissing Name !\n");
  EXPECT_STREQ(manager.AllWellFormedBuild(),
               "\"Partial\" warnings : \n\tMissing Api !\n\tMissing OVSDK Library Directory !\n"
               "\tMissing Headers Directory !\n");
  manager.RemoveDistrib("ARCHIVE");
  EXPECT_EQ(Names(manager.GetListDistrib()), "Store;Beta;;");
  EXPECT_EQ(manager.GetDistrib(COvIdentifier("Archive")), nullptr);
}

TEST(ConfigurationManagerEdit, AddAndResetEntries) {
  TempDir dir;
  std::string path =
      dir.WriteFile("config.xml",
                    "<c><BuildConfigs><build name=\"Release\" platform=\"Windows\" api=\"DX9\"/>"
                    "</BuildConfigs><DistribConfigs><distrib name=\"Store\" distribution=\"Steam\">"
                    "<appid value=\"1000\"/></distrib></DistribConfigs></c>");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());

  manager.AddBuild("My New Build");
  EXPECT_NE(manager.GetBuild(COvIdentifier("my_new_build")), nullptr);
  manager.AddDistrib("Zip Store");
  EXPECT_NE(manager.GetDistrib(COvIdentifier("Zip Store")), nullptr);

  COvConfigurationBuild* release = manager.GetBuild(COvIdentifier("Release"));
  release->SetApi("DX11");
  release->AddArchitecture("x86");
  manager.ResetBuild(COvIdentifier("RELEASE"));
  EXPECT_STREQ(release->GetApi(), "DX9");
  EXPECT_EQ(release->GetArchitectures().GetCount(), 0);

  COvConfigurationDistribution* store = manager.GetDistrib(COvIdentifier("Store"));
  store->SetAppID("2000");
  manager.ResetDistrib(COvIdentifier("store"));
  EXPECT_STREQ(store->GetAppID(), "1000");

  // An entry that is not in the file stays as it is.
  COvConfigurationBuild* added = manager.GetBuild(COvIdentifier("my_new_build"));
  added->SetApi("DX9");
  manager.ResetBuild(COvIdentifier("my_new_build"));
  EXPECT_STREQ(added->GetApi(), "DX9");
  manager.ResetBuild(COvIdentifier("none"));
  manager.ResetDistrib(COvIdentifier("none"));
}

TEST(ConfigurationManagerNames, GeneratedNamesAreUnusedAndNeverRepeat) {
  TempDir dir;
  std::string path = dir.WriteFile("config.xml", "<c/>");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  TOvString<char> first = manager.GenerateAutoNameBuild();
  TOvString<char> second = manager.GenerateAutoNameBuild();
  EXPECT_EQ(std::string(first).rfind("NewConfig_", 0), 0u);
  EXPECT_NE(first, second);
  EXPECT_LT(std::atoi(first.GetBuffer() + 10), std::atoi(second.GetBuffer() + 10));
  EXPECT_GE(first.GetLength(), 13);

  // A name taken by an entry is skipped.
  int next = std::atoi(second.GetBuffer() + 10) + 1;
  char taken[32];
  std::snprintf(taken, sizeof(taken), "NewConfig_%03d", next);
  manager.AddBuild(taken);
  TOvString<char> third = manager.GenerateAutoNameBuild();
  EXPECT_EQ(std::atoi(third.GetBuffer() + 10), next + 1);

  TOvString<char> distrib = manager.GenerateAutoNameDistrib();
  EXPECT_EQ(std::string(distrib).rfind("NewDistrib_", 0), 0u);
  EXPECT_NE(distrib, manager.GenerateAutoNameDistrib());
}

#if GTEST_HAS_DEATH_TEST
// The counters belong to the process, so a fresh one needs a fresh process: the check runs in
// a child that re-executes this test alone.
TEST(ConfigurationManagerNames, FreshCounterSkipsTheLoadedNames) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        bool ok;
        {
          TempDir dir;
          std::string path =
              dir.WriteFile("config.xml",
                            "<c><BuildConfigs><build name=\"NewConfig_001\"/><build name=\"NewConfig_002\"/>"
                            "</BuildConfigs><DistribConfigs><distrib name=\"NewDistrib_001\"/>"
                            "</DistribConfigs></c>");
          COvConfigurationManager manager;
          manager.Initialize(path.c_str());
          ok = manager.GenerateAutoNameBuild() == "NewConfig_003" &&
               manager.GenerateAutoNameBuild() == "NewConfig_004" &&
               manager.GenerateAutoNameDistrib() == "NewDistrib_002";
        }
        std::exit(ok ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}
#endif

TEST(ConfigurationManagerSave, ExampleFileIsWrittenExactly) {
  TempDir dir;
  std::string path = dir.Join("config.xml");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  manager.GetProject()->SetProjectFile("Game.project");
  manager.GetProject()->SetProjectCMakeLists("CMakeLists.txt");
  manager.GetSourceControl()->SetType("svn");
  manager.AddBuild("Release_Android");
  COvConfigurationBuild* build = manager.GetBuild(COvIdentifier("Release_Android"));
  build->SetPlatform("Android");
  build->SetApi("OpenGLES2");
  build->SetHeaderPath("sdk\\include");
  build->SetLibraryPath("sdk\\lib");
  build->SetArgs("-v");
  build->AddArchitecture("armeabi-v7a");
  build->AddArchitecture("x86");
  manager.AddDistrib("Store");
  COvConfigurationDistribution* store = manager.GetDistrib(COvIdentifier("Store"));
  store->SetDistribution("Steam");
  store->SetSteamBuildersPath("tools\\ContentBuilder");
  store->SetAppID("1000");
  store->SetDesc("Release");
  store->SetDepotID("1001");
  manager.SaveAll();
  EXPECT_EQ(
      ReadFileBytes(path),
      TextModeBytes(
          "<configurations>\n"
          "    <projectconfig projectfile=\"Game.project\" projectcmakelists=\"CMakeLists.txt\"/>\n"
          "    <sourcecontrolconfig using=\"svn\" url=\"\" username=\"\" password=\"\"/>\n"
          "    <buildconfigs>\n"
          "        <build name=\"Release_Android\" platform=\"Android\" distribution=\"\" api=\"OpenGLES2\" "
          "headerpath=\"sdk\\include\" librarypath=\"sdk\\lib\" args=\"-v\">\n"
          "            <architecture name=\"armeabi-v7a\"/>\n"
          "            <architecture name=\"x86\"/>\n"
          "        </build>\n"
          "    </buildconfigs>\n"
          "    <distribconfigs>\n"
          "        <distrib name=\"Store\" distribution=\"Steam\">\n"
          "            <steambuilderspath value=\"tools\\ContentBuilder\"/>\n"
          "            <steamaccount value=\"\"/>\n"
          "            <steampassword value=\"\"/>\n"
          "            <appid value=\"1000\"/>\n"
          "            <desc value=\"Release\"/>\n"
          "            <depotid value=\"1001\"/>\n"
          "        </distrib>\n"
          "    </distribconfigs>\n"
          "</configurations>\n"));
}

TEST(ConfigurationManagerSave, RootOnlyFileGetsTheFourSectionsInOrder) {
  TempDir dir;
  std::string path = dir.WriteFile("config.xml", "<Root/>");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  manager.SaveAll();
  EXPECT_EQ(ReadFileBytes(path),
            TextModeBytes("<root>\n"
                          "    <projectconfig projectfile=\"\" projectcmakelists=\"\"/>\n"
                          "    <sourcecontrolconfig using=\"\" url=\"\" username=\"\" password=\"\"/>\n"
                          "    <buildconfigs/>\n"
                          "    <distribconfigs/>\n"
                          "</root>\n"));
}

TEST(ConfigurationManagerSave, SavedFileLoadsBackIntoEqualEntries) {
  TempDir dir;
  std::string path = dir.Join("config.xml");
  const char* password = "p&ss\"<word>";
  const char* unicode = "D\xC3\xA9mo \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xAE";
  {
    COvConfigurationManager manager;
    manager.Initialize(path.c_str());
    manager.GetProject()->SetProjectFile("Games/D\xC3\xA9mo & <Co>.project");
    manager.GetProject()->SetProjectCMakeLists("CMakeLists.txt");
    manager.GetSourceControl()->SetType("svn");
    manager.GetSourceControl()->SetUrl("https://host/repo?a=1&b=2");
    manager.GetSourceControl()->SetUserId("me");
    manager.GetSourceControl()->SetUserPwd("x\"y'z&<>");
    manager.AddBuild("Release Win");
    COvConfigurationBuild* build = manager.GetBuild(COvIdentifier("Release_Win"));
    build->SetPlatform("Windows");
    build->SetDistribution("Store");
    build->SetApi("DX9");
    build->SetHeaderPath("C:\\Program Files\\sdk\\include");
    build->SetLibraryPath(unicode);
    build->SetArgs("-DNAME=\"a b\" -DQUOTE=\"\\\"\" -DX='y' && echo <1>");
    manager.AddBuild("Release_Android");
    manager.GetBuild(COvIdentifier("Release_Android"))->AddArchitecture("armeabi-v7a");
    manager.GetBuild(COvIdentifier("Release_Android"))->AddArchitecture("x86");
    manager.AddDistrib("Store");
    COvConfigurationDistribution* store = manager.GetDistrib(COvIdentifier("Store"));
    store->SetDistribution("Steam");
    store->SetSteamAccount("build bot");
    store->SetSteamPassword(password);
    store->SetDesc(unicode);
    manager.AddDistrib("Archive");
    manager.SaveAll();
  }
  std::string saved = ReadFileBytes(path);
  EXPECT_TRUE(IsWellFormedXml(saved)) << saved;
  EXPECT_NE(saved.find("<steampassword value=\"p&amp;ss&quot;&lt;word&gt;\"/>"), std::string::npos) << saved;
  EXPECT_NE(saved.find(" args=\"-DNAME=&quot;a b&quot; -DQUOTE=&quot;\\&quot;&quot; -DX='y' &amp;&amp; echo "
                       "&lt;1&gt;\""),
            std::string::npos)
      << saved;

  COvConfigurationManager loaded;
  CaptureStderr();
  loaded.Initialize(path.c_str());
  EXPECT_EQ(GetCapturedStderr(), "");
  EXPECT_STREQ(loaded.GetProject()->GetProjectFile(), "Games/D\xC3\xA9mo & <Co>.project");
  EXPECT_STREQ(loaded.GetSourceControl()->GetUrl(), "https://host/repo?a=1&b=2");
  EXPECT_STREQ(loaded.GetSourceControl()->GetUserPwd(), "x\"y'z&<>");
  EXPECT_EQ(Names(loaded.GetListBuild()), "Release_Win;Release_Android;");
  COvConfigurationBuild* build = loaded.GetBuild(COvIdentifier("release_win"));
  ASSERT_NE(build, nullptr);
  EXPECT_STREQ(build->GetPlatform(), "Windows");
  EXPECT_STREQ(build->GetDistribution(), "Store");
  EXPECT_STREQ(build->GetHeaderPath(), "C:\\Program Files\\sdk\\include");
  EXPECT_STREQ(build->GetLibraryPath(), unicode);
  EXPECT_STREQ(build->GetArgs(), "-DNAME=&quot;a b&quot; -DQUOTE=&quot;\\&quot;&quot; -DX='y' && echo <1>");
  EXPECT_EQ(loaded.GetBuild(COvIdentifier("Release_Android"))->GetArchitectures().GetCount(), 2);
  EXPECT_EQ(Names(loaded.GetListDistrib()), "Store;Archive;");
  COvConfigurationDistribution* store = loaded.GetDistrib(COvIdentifier("store"));
  ASSERT_NE(store, nullptr);
  EXPECT_STREQ(store->GetSteamAccount(), "build_bot");
  EXPECT_STREQ(store->GetSteamPassword(), password);
  EXPECT_STREQ(store->GetDesc(), unicode);

  // Saving the loaded configuration again writes the same file.
  loaded.SaveAll();
  EXPECT_EQ(ReadFileBytes(path), saved);
}

TEST(ConfigurationManagerSave, SaveCurrentBuildMovesItToTheEnd) {
  TempDir dir;
  std::string path = dir.WriteFile("config.xml", kThreeBuilds);
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  manager.GetBuild(COvIdentifier("A"))->SetApi("DX9");
  manager.SaveCurrentBuild(COvIdentifier("a"));
  std::string saved = ReadTextFile(path);
  size_t b = saved.find("<build name=\"B\"");
  size_t c = saved.find("<build name=\"C\"");
  size_t a = saved.find("<build name=\"A\" platform=\"Windows\" distribution=\"\" api=\"DX9\"");
  ASSERT_NE(a, std::string::npos) << saved;
  EXPECT_LT(b, c);
  EXPECT_LT(c, a);

  // An entry removed from the list disappears from the file.
  manager.RemoveBuild(COvIdentifier("B"));
  manager.SaveCurrentBuild(COvIdentifier("B"));
  EXPECT_EQ(ReadTextFile(path).find("name=\"B\""), std::string::npos);
}

TEST(ConfigurationManagerSave, SaveCurrentDistribAndSaveAllDistrib) {
  TempDir dir;
  std::string path = dir.WriteFile("config.xml",
                                   "<c><DistribConfigs><distrib name=\"One\" distribution=\"Zip\"/>"
                                   "<distrib name=\"Two\" distribution=\"Zip\"/></DistribConfigs></c>");
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  manager.GetDistrib(COvIdentifier("One"))->SetDesc("first");
  manager.SaveCurrentDistrib(COvIdentifier("one"));
  std::string saved = ReadTextFile(path);
  EXPECT_LT(saved.find("name=\"Two\""), saved.find("name=\"One\""));
  EXPECT_NE(saved.find("<desc value=\"first\"/>"), std::string::npos);

  manager.SaveAllDistrib();
  saved = ReadTextFile(path);
  EXPECT_LT(saved.find("name=\"One\""), saved.find("name=\"Two\""));
  EXPECT_TRUE(IsWellFormedXml(saved));
}

TEST(ConfigurationManagerSave, SaveAllBuildWritesTheListOrder) {
  TempDir dir;
  std::string path = dir.WriteFile("config.xml", kThreeBuilds);
  COvConfigurationManager manager;
  manager.Initialize(path.c_str());
  manager.RemoveBuild(COvIdentifier("A"));
  manager.AddBuild("D");
  manager.SaveAllBuild();
  COvConfigurationManager loaded;
  loaded.Initialize(path.c_str());
  EXPECT_EQ(Names(loaded.GetListBuild()), "B;C;D;");
}
