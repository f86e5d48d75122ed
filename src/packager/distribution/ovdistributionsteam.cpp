#include "packager/distribution/ovdistributionsteam.h"

#include <cstdio>

#include "configuration/ovconfigurationdistribution.h"
#include "core/ovcommandlinesplit.h"
#include "core/ovdirectory.h"
#include "core/ovfilepath.h"
#include "core/ovprocess.h"
#include "core/platform/host.h"
#include "packager/ovtextfile.h"

namespace {

// A command-line word that reaches the program as one argument whatever it holds (blanks,
// quotes, backslashes before them). An empty text stays empty, so an empty password gives no
// argument at all (steamcmd then logs in with its cached credentials).
TOvString<char> CommandLineWord(const TOvString<char>& text) {
  return text.IsEmpty() ? text : OvQuoteCommandLineArgument(text);
}

bool WriteScript(const TOvString<char>& path, const TOvString<char>& text) {
  return OvWriteTextFile(path, text, "Error : Can't open %s !\n", "Error : Can't write %s !\n",
                         "Error : Can't close %s !\n");
}

}  // namespace

bool COvDistributionSteam::Initialize(TOvString<char>& buildDirectory,
                                      COvConfigurationDistribution* distribution, COvConfigurationBuild*) {
  const TOvString<char> separator(ovhost::kNativeSeparatorText);
  COvFilePath::ConvertToNativePath(buildDirectory);
  appBuildFile = buildDirectory + "app_build.vdf";
  depotBuildFile = buildDirectory + "depot_build.vdf";
  buildOutput = "." + separator + "output" + separator;
  contentDirectory = "." + separator + "content" + separator;
  OvCreateDirectory(buildDirectory + buildOutput);
  buildDirectory = buildDirectory + contentDirectory;
  contentRoot = buildDirectory;
  if (!contentRoot.EndsWith(separator)) contentRoot += separator;
  OvCreateDirectory(contentRoot);

  if (distribution) {
    steamBuildersPath = distribution->GetSteamBuildersPath();
    appID = distribution->GetAppID();
    desc = distribution->GetDesc();
    depotID = distribution->GetDepotID();
    steamAccount = distribution->GetSteamAccount();
    steamPassword = distribution->GetSteamPassword();
  }
  return true;
}

bool COvDistributionSteam::PostConfigure() {
  if (!WriteAppBuildFile()) {
    std::fprintf(stderr, "Error : Failed creating app build file !\n");
    return false;
  }
  if (!WriteDepotBuildFile()) {
    std::fprintf(stderr, "Error : Failed creating depot build file !\n");
    return false;
  }
  return true;
}

bool COvDistributionSteam::PostBuild() {
  if (!RunSteamUpload()) {
    std::fprintf(stderr, "Error : Failed executing steam command line !\n");
    return false;
  }
  return true;
}

bool COvDistributionSteam::WriteAppBuildFile() {
  TOvString<char> text;
  text += "\"appbuild\"\n";
  text += "{\n";
  text += "\t\"appid\" \"" + appID + "\"\n";
  text += "\t\"desc\" \"" + desc + "\"\n";
  text += "\t\"buildoutput\" \"" + buildOutput + "\"\n";
  text += "\t\"contentroot\" \"" + contentDirectory + "\"\n";
  text += "\t\"setlive\" \"\"\n";
  text += "\t\"preview\" \"0\"\n";
  text += "\t\"local\" \"\"\n";
  text += "\t\"depots\"\n";
  text += "\t{\n";
  text += "\t\t\"" + depotID + "\" \"" + depotBuildFile + "\"\n";
  text += "\t}\n";
  text += "}\n";
  return WriteScript(appBuildFile, text);
}

bool COvDistributionSteam::WriteDepotBuildFile() {
  TOvString<char> text;
  text += "\"DepotBuildConfig\"\n";
  text += "{\n";
  text += "\t\"DepotID\" \"" + depotID + "\"\n";
  text += "\t\"ContentRoot\" \"" + contentRoot + "\"\n";
  text += "\t\"FileMapping\"\n";
  text += "\t{\n";
  text += "\t\t\"LocalPath\" \"*\"\n";
  text += "\t\t\"DepotPath\" \".\"\n";
  text += "\t\t\"recursive\" \"1\"\n";
  text += "\t}\n";
  text += "\t\"FileExclusion\" \"*.pdb\"\n";
  text += "}\n";
  return WriteScript(depotBuildFile, text);
}

bool COvDistributionSteam::RunSteamUpload() {
  const TOvString<char> separator(ovhost::kNativeSeparatorText);
  const TOvString<char> program =
      ovhost::kIsWindows ? steamBuildersPath + separator + "builder" + separator + "steamcmd.exe"
                         : steamBuildersPath + separator + "builder_linux" + separator + "steamcmd.sh";
  const TOvString<char> password = CommandLineWord(steamPassword);
  const TOvString<char> arguments = "+login " + CommandLineWord(steamAccount) + " " + password +
                                    " +run_app_build_http " + CommandLineWord(appBuildFile) + " +quit";
  COvProcess process;
  process.SetSecret(password);
  // The quoted word differs from the password that steamcmd's own messages may repeat.
  process.AddSecret(steamPassword);
  TOvString<char> out, err;
  process.RunProcessRetrieveOutput(program, arguments, out, err);
  // steamcmd may echo its command line; the password is shown nowhere.
  std::fprintf(stderr, "%s", COvProcess::MaskSecret(out, steamPassword).GetBuffer());
  std::fprintf(stderr, "%s", COvProcess::MaskSecret(err, steamPassword).GetBuffer());
  if (COvProcess::CheckForErrors()) {
    std::fprintf(stderr, "Error : Failed Steam Packaging !\n");
    return false;
  }
  return true;
}
