#include "configuration/ovconfigurationmanager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "configuration_test_support.h"
#include "support/temp_dir.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

class ConfigurationManagerTest : public testing::Test {
 protected:
  void Load(const std::string& content) {
    path = dir.WriteFile("config.xml", content);
    manager.Initialize(path.c_str());
  }
  TempDir dir;
  std::string path;
  COvConfigurationManager manager;
};

}  // namespace

TEST(ConfigurationManagerLoad, MissingMalformedOrForeignFilesGiveAnEmptyConfigurationWithoutMessage) {
  // "<missing>": no file, which is then created empty. Which texts fail to parse is the XML
  // serializer's; here one cut file and a byte-order mark alone.
  for (const std::string& content :
       {std::string("<missing>"), std::string("<configurations><buildconfigs><build name=\"A\">"),
        std::string("\xEF\xBB\xBF")}) {
    SCOPED_TRACE(content);
    TempDir dir;
    std::string path = content == "<missing>" ? dir.Join("config.xml") : dir.WriteFile("config.xml", content);
    COvConfigurationManager manager;
    CaptureStderr();
    manager.Initialize(path.c_str());
    EXPECT_EQ(GetCapturedStderr(), "");
    EXPECT_EQ(manager.GetListBuild().GetCount(), 0);
    EXPECT_TRUE(manager.GetProject() != nullptr && manager.GetSourceControl() != nullptr);
    EXPECT_TRUE(content != "<missing>" || (FileExists(path) && ReadFileBytes(path).empty()));
  }
}

TEST_F(ConfigurationManagerTest, FileInMissingDirectoryIsReported) {
  path = dir.Join("missing" + kSep + "config.xml");
  CaptureStderr();
  manager.Initialize(path.c_str());
  EXPECT_EQ(GetCapturedStderr(), "Cannot open file " + path + "\n");
  EXPECT_TRUE(manager.GetBuild("Release") == nullptr && manager.GetProject() == nullptr &&
              manager.GetSourceControl() == nullptr);
  // Nothing to save and nothing to reset, but no crash either.
  manager.AddBuild("Release");
  manager.ResetBuild("Release");
  manager.SaveAll();
  manager.SaveCurrentBuild("Release");
  EXPECT_FALSE(FileExists(path));
  EXPECT_NE(manager.GetBuild("Release"), nullptr);
}

// Comments and the declaration are the XML serializer's to skip (a comment among the builds is
// the reload case's).
TEST_F(ConfigurationManagerTest, LoadHandEditedFileWithUnknownElements) {
  Load(
      "<Root Version=\"2\">\n"
      "  <Notes text=\"kept as it is\"/>\n"
      "  <projectCONFIG PROJECTFILE=\"Game.project\" projectcmakelists=\"CMakeLists.txt\" Owner=\"me\"/>\n"
      "  <ProjectConfig ProjectFile=\"ignored.project\"/>\n"
      "  <BUILDCONFIGS>\n"
      "    <Build NAME=\"Release\" PLATFORM=\"Android\" Api=\"OpenGLES2\" Colour=\"blue\">\n"
      "      <ARCHITECTURE Name=\"armeabi-v7a\"/>\n"
      "      <Unknown Name=\"mips\"/>\n"
      "      <architecture name=\"x86\"/>\n"
      "    </Build>\n"
      "    <Other name=\"Debug Build\" platform=\"Windows\"/>\n"
      "  </BUILDCONFIGS>\n"
      "</Root>\n");

  // Names are looked up without regard to case, after blanks became underscores.
  EXPECT_EQ(Names(manager.GetListBuild()), "Release;Debug_Build;");
  EXPECT_EQ(manager.GetBuild("Debug Build"), nullptr);
  // Saving keeps the root and the unknown parts in place, writes every name in lower case and
  // appends the missing sections after the ones that were there.
  manager.SaveAll();
  const char* expected =
      "<root version=\"2\">\n"
      "    <notes text=\"kept as it is\"/>\n"
      "    <projectconfig projectfile=\"Game.project\" projectcmakelists=\"CMakeLists.txt\" owner=\"me\"/>\n"
      "    <projectconfig projectfile=\"ignored.project\"/>\n"
      "    <buildconfigs>\n"
      "        <build name=\"Release\" platform=\"Android\" distribution=\"\" api=\"OpenGLES2\" "
      "headerpath=\"\" librarypath=\"\" args=\"\">\n"
      "            <architecture name=\"armeabi-v7a\"/>\n"
      "            <architecture name=\"x86\"/>\n"
      "        </build>\n"
      "        <build name=\"Debug_Build\" platform=\"Windows\" distribution=\"\" api=\"\" headerpath=\"\" "
      "librarypath=\"\" args=\"\"/>\n"
      "    </buildconfigs>\n"
      "    <sourcecontrolconfig using=\"\" url=\"\" username=\"\" password=\"\"/>\n"
      "    <distribconfigs/>\n"
      "</root>\n";
  EXPECT_EQ(ReadFileBytes(path), TextModeBytes(expected));
}

TEST_F(ConfigurationManagerTest, ReloadReadsTheFileAgainKeepingTheEntryObjects) {
  Load(
      "<c><ProjectConfig ProjectFile=\"a.project\"/><BuildConfigs><!-- note --><first Name=\"One\"/>text"
      "<second Name=\"Two\"/></BuildConfigs></c>");
  // Every child of the build section counts: the text between the elements reads as a build without a name.
  EXPECT_EQ(Names(manager.GetListBuild()), "One;;Two;");
  COvConfigurationProject* project = manager.GetProject();
  dir.WriteFile("config.xml",
                "<c><ProjectConfig ProjectFile=\"b.project\"/><BuildConfigs><build name=\"B\"/>"
                "<build name=\"C\"/></BuildConfigs></c>");
  manager.LoadConfig();
  EXPECT_EQ(manager.GetProject(), project);
  EXPECT_STREQ(project->GetProjectFile(), "b.project");
  EXPECT_EQ(Names(manager.GetListBuild()), "B;C;");
}

TEST_F(ConfigurationManagerTest, LookupListsWarningsAndDuplicateNamesAnsweredWithTheFirst) {
  Load(
      "<c><DistribConfigs>"
      "<distrib name=\"Store\" distribution=\"Steam\"/>"
      "<distrib name=\"Archive\" distribution=\"Zip\"/>"
      "<distrib name=\"Beta\" distribution=\"Steam\"/>"
      "<distrib distribution=\"Steam\"/>"
      "</DistribConfigs><BuildConfigs>"
      "<build name=\"Full\" platform=\"Windows\" api=\"DX9\" headerpath=\"h\" librarypath=\"l\"/>"
      "<build name=\"Partial\" platform=\"Windows\"/>"
      "<build name=\"Same\" platform=\"Windows\" api=\"DX9\" headerpath=\"h\" librarypath=\"l\"/>"
      "<build name=\"same\" platform=\"iOS\" api=\"DX9\" headerpath=\"h\" librarypath=\"l\"/>"
      "</BuildConfigs></c>");
  EXPECT_EQ(Names(manager.GetListDistrib()), "Store;Archive;Beta;;");
  EXPECT_EQ(Names(manager.GetListDistribForPlatform("Windows")), "Store;Beta;;");
  EXPECT_EQ(Names(manager.GetListDistribForPlatform("Android")), "");
  EXPECT_STREQ(manager.AllWellFormedDistrib(), "\"\" warnings : \n\tMissing Name !\n");
  EXPECT_STREQ(manager.AllWellFormedBuild(),
               "\"Partial\" warnings : \n\tMissing Api !\n\tMissing OVSDK Library Directory !\n"
               "\tMissing Headers Directory !\n");
  manager.RemoveDistrib("ARCHIVE");
  EXPECT_EQ(Names(manager.GetListDistrib()), "Store;Beta;;");
  EXPECT_STREQ(manager.GetBuild("SAME")->GetPlatform(), "Windows");
  manager.RemoveBuild("same");
  EXPECT_EQ(Names(manager.GetListBuild()), "Full;Partial;same;");
  EXPECT_STREQ(manager.GetBuild("same")->GetPlatform(), "iOS");
}

TEST_F(ConfigurationManagerTest, EditAddAndResetEntries) {
  Load(
      "<c><BuildConfigs><build name=\"Release\" platform=\"Windows\" api=\"DX9\"/>"
      "</BuildConfigs><DistribConfigs><distrib name=\"Store\" distribution=\"Steam\">"
      "<appid value=\"1000\"/></distrib></DistribConfigs></c>");

  manager.AddBuild("My New Build");

  COvConfigurationBuild* release = manager.GetBuild("Release");
  COvConfigurationDistribution* store = manager.GetDistrib("Store");
  release->SetApi("DX11");
  release->AddArchitecture("x86");
  store->SetAppID("2000");
  manager.ResetBuild("RELEASE");
  manager.ResetDistrib("store");
  EXPECT_TRUE(release->GetApi() == "DX9" && release->GetArchitectures().GetCount() == 0);
  EXPECT_STREQ(store->GetAppID(), "1000");

  // An entry that is not in the file stays as it is.
  manager.GetBuild("my_new_build")->SetApi("DX9");
  manager.ResetBuild("my_new_build");
  EXPECT_STREQ(manager.GetBuild("my_new_build")->GetApi(), "DX9");
}

TEST_F(ConfigurationManagerTest, NamesGeneratedNamesAreUnusedAndNeverRepeat) {
  Load("<c/>");
  TOvString<char> first = manager.GenerateAutoNameBuild();
  EXPECT_EQ(std::string(first).rfind("NewConfig_", 0), 0u);

  // A name taken by an entry is skipped.
  int next = std::atoi(first.GetBuffer() + 10) + 1;
  char taken[32];
  std::snprintf(taken, sizeof(taken), "NewConfig_%03d", next);
  manager.AddBuild(taken);
  TOvString<char> third = manager.GenerateAutoNameBuild();
  EXPECT_EQ(std::atoi(third.GetBuffer() + 10), next + 1);

  TOvString<char> distrib = manager.GenerateAutoNameDistrib();
  EXPECT_EQ(std::string(distrib).rfind("NewDistrib_", 0), 0u);
  EXPECT_NE(distrib, manager.GenerateAutoNameDistrib());
}

// A build's architectures are written as in the hand-edited file above.
TEST_F(ConfigurationManagerTest, ExampleFileIsWrittenExactlyAndLoadsBackIntoEqualEntries) {
  path = dir.Join("config.xml");
  const char* project = "Games/D\xC3\xA9mo & <Co>.project";
  const char* args = "-DNAME=\"a b\" -DQUOTE=\"\\\"\" -DX='y' && echo <1>";
  manager.Initialize(path.c_str());
  manager.GetProject()->SetProjectFile(project);
  manager.GetProject()->SetProjectCMakeLists("CMakeLists.txt");
  manager.GetSourceControl()->SetType("svn");
  manager.GetSourceControl()->SetUserPwd("x\"y'z&<>");
  manager.AddBuild("Release Android");
  COvConfigurationBuild* build = manager.GetBuild("Release_Android");
  build->SetPlatform("Android");
  build->SetApi("OpenGLES2");
  build->SetHeaderPath("sdk\\include");
  build->SetLibraryPath("D\xC3\xA9mo \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xAE");
  build->SetArgs(args);
  manager.AddDistrib("Store");
  COvConfigurationDistribution* store = manager.GetDistrib("Store");
  store->SetDistribution("Steam");
  store->SetSteamBuildersPath("tools\\ContentBuilder");
  store->SetSteamPassword("p&ss\"<word>");
  store->SetAppID("1000");
  store->SetDesc("Release");
  store->SetDepotID("1001");
  manager.SaveAll();
  const std::string saved = ReadFileBytes(path);
  EXPECT_EQ(
      saved,
      TextModeBytes(
          "<configurations>\n"
          "    <projectconfig projectfile=\"Games/D\xC3\xA9mo &amp; &lt;Co&gt;.project\" "
          "projectcmakelists=\"CMakeLists.txt\"/>\n"
          "    <sourcecontrolconfig using=\"svn\" url=\"\" username=\"\" "
          "password=\"x&quot;y'z&amp;&lt;&gt;\"/>\n"
          "    <buildconfigs>\n"
          "        <build name=\"Release_Android\" platform=\"Android\" distribution=\"\" api=\"OpenGLES2\" "
          "headerpath=\"sdk\\include\" librarypath=\"D\xC3\xA9mo \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xAE\" "
          "args=\"-DNAME=&quot;a b&quot; -DQUOTE=&quot;\\&quot;&quot; -DX='y' &amp;&amp; echo &lt;1&gt;\"/>\n"
          "    </buildconfigs>\n"
          "    <distribconfigs>\n"
          "        <distrib name=\"Store\" distribution=\"Steam\">\n"
          "            <steambuilderspath value=\"tools\\ContentBuilder\"/>\n"
          "            <steamaccount value=\"\"/>\n"
          "            <steampassword value=\"p&amp;ss&quot;&lt;word&gt;\"/>\n"
          "            <appid value=\"1000\"/>\n"
          "            <desc value=\"Release\"/>\n"
          "            <depotid value=\"1001\"/>\n"
          "        </distrib>\n"
          "    </distribconfigs>\n"
          "</configurations>\n"));

  COvConfigurationManager loaded;
  loaded.Initialize(path.c_str());
  EXPECT_STREQ(loaded.GetProject()->GetProjectFile(), project);
  build = loaded.GetBuild("release_android");
  ASSERT_NE(build, nullptr);
  // Args are held with their quotes as entities, so those come back in that form.
  EXPECT_STREQ(build->GetArgs(), "-DNAME=&quot;a b&quot; -DQUOTE=&quot;\\&quot;&quot; -DX='y' && echo <1>");
  // Saving the loaded configuration again writes the same file.
  loaded.SaveAll();
  EXPECT_EQ(ReadFileBytes(path), saved);
}

TEST_F(ConfigurationManagerTest, SaveCurrentEntryMovesItToTheEndAndSaveAllRestoresTheOrder) {
  Load(
      "<c><buildconfigs><build name=\"A\" platform=\"Windows\"/>"
      "<build name=\"B\" platform=\"Windows\"/><build name=\"C\" platform=\"Windows\"/></buildconfigs></c>");
  manager.GetBuild("A")->SetApi("DX9");
  manager.SaveCurrentBuild("a");
  std::string saved = ReadFileBytes(path);
  size_t a = saved.find("<build name=\"A\" platform=\"Windows\" distribution=\"\" api=\"DX9\"");
  ASSERT_NE(a, std::string::npos) << saved;
  EXPECT_TRUE(saved.find("name=\"B\"") < saved.find("name=\"C\"") && saved.find("name=\"C\"") < a) << saved;

  // An entry removed from the list disappears from the file.
  manager.RemoveBuild("B");
  manager.SaveCurrentBuild("B");
  EXPECT_EQ(ReadFileBytes(path).find("name=\"B\""), std::string::npos);

  manager.AddBuild("D");
  manager.SaveAllBuild();
  manager.LoadConfig();
  EXPECT_EQ(Names(manager.GetListBuild()), "A;C;D;");

  manager.AddDistrib("One");
  manager.AddDistrib("Two");
  manager.SaveAllDistrib();
  manager.SaveCurrentDistrib("one");
  saved = ReadFileBytes(path);
  EXPECT_LT(saved.find("name=\"Two\""), saved.find("name=\"One\""));
}
