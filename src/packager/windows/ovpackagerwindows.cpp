#include "packager/windows/ovpackagerwindows.h"

#include <cstdio>

#include "core/ovdirectory.h"
#include "core/ovfilereplace.h"
#include "core/ovfindprogram.h"
#include "core/ovprocess.h"
#include "core/platform/host.h"
#include "packager/distribution/ovdistribution.h"
#include "packager/ovtextfile.h"

namespace {

// The icon conversion: four square images of 16 to 64 pixels on a transparent background,
// the source dropped, no alpha, at most 256 colours.
const char kIconArguments[] =
    " -background transparent"
    " ( -clone 0 -resize 16x16 -extent 16x16 )"
    " ( -clone 0 -resize 32x32 -extent 32x32 )"
    " ( -clone 0 -resize 48x48 -extent 48x48 )"
    " ( -clone 0 -resize 64x64 -extent 64x64 )"
    " -delete 0 -alpha off -colors 256 ";

}  // namespace

bool COvPackagerWindows::Configure() {
  if (!CreateResourceScript()) {
    std::fprintf(stderr, "Failed to create .rc !\n");
    return false;
  }
  return distribution->PostConfigure();
}

bool COvPackagerWindows::Build() {
  if (!CopyAssets()) {
    std::fprintf(stderr, "Failed copying assets !\n");
    return false;
  }
  return distribution->PostBuild();
}

bool COvPackagerWindows::Clean() {
  OvRemoveDirectoryRecursively(buildDirectory, false);
  return distribution->PostClean();
}

bool COvPackagerWindows::Copy() { return CopyTarget(buildDirectory, targetPath); }

bool COvPackagerWindows::CopyTarget(const TOvString<char>& buildDirectory, const COvFilePath& targetPath) {
  OvCreateDirectory(buildDirectory);
  return OvCopyFile(targetPath.GetAsString(), buildDirectory + targetPath.getFileNameExt());
}

bool COvPackagerWindows::CopyAssets() {
  const char* const separator = ovhost::kNativeSeparatorText;
  const TOvString<char> directory = TOvString<char>("DX9") + separator;
  return CopyContent(directory, directory);
}

bool COvPackagerWindows::CreateResourceScript() {
  TOvString<char> rsc = platformTempDirectory + "rsc" + "\\";
  COvFilePath::ConvertToNativePath(rsc);
  OvCreateDirectory(rsc);

  COvFilePath image(iconPath);
  const TOvString<char> name = image.getFileName();
  if (name.IsEmpty()) {
    std::fprintf(stderr, "Warning : No icon !\n");
    return true;
  }
  const TOvString<char> ico = (rsc + name + ".ico").Replace("\\", "/");

  if (!OvWriteTextFile(rsc + "res.h", "#define GAME_ICON 110\n", "Error : Can't open %s file !\n",
                       "Error : Can't write %s file !\n", "Error : Can't close %s file !\n")) {
    return false;
  }
  const TOvString<char> script = TOvString<char>("#include \"res.h\"\n") + "GAME_ICON ICON \"" + ico + "\"\n";
  if (!OvWriteTextFile(rsc + "game.rc", script, "Error : Can't open .rc file !\n",
                       "Error : Can't write .rc file !\n", "Error : Can't close .rc file !\n")) {
    return false;
  }

  // As for every joined path, the separator after the tool directory (which ends with one) is
  // doubled; the program text is shown in the runner's line. convert writes a temporary icon
  // that replaces the previous one only once the conversion succeeded, so a failed or killed
  // conversion never leaves a partial icon under the name that game.rc uses.
  const char* const separator = ovhost::kNativeSeparatorText;
  const TOvString<char> temporaryIco = OvTemporarySibling(ico);
  COvProcess process;
  TOvString<char> out, err;
  process.RunProcessRetrieveOutput(OvFindProgram(toolPath.getFilePath() + separator, "convert"),
                                   iconPath + kIconArguments + temporaryIco, out, err);
  std::fprintf(stdout, "%s", out.GetBuffer());
  std::fprintf(stderr, "%s", err.GetBuffer());
  if (COvProcess::CheckForErrors()) {
    OvDeleteFile(temporaryIco);
    std::fprintf(stderr, "Error : Can't create .ico file !\n");
    return false;
  }
  if (!OvCommitTemporary(temporaryIco, ico)) {
    std::fprintf(stderr, "Error : Can't create .ico file !\n");
    return false;
  }
  return true;
}
