#include "support/packager_sandbox.h"

#include <filesystem>

#include "core/platform/host.h"

namespace fs = std::filesystem;

PackagerSandbox::PackagerSandbox() : m_log(m_dir.Join("tools.log")), m_logEnv("OV_FAKE_TOOL_LOG", m_log) {
  fs::create_directories(ToolDir());
  fs::create_directories(GameDir());
  fs::copy_file(BuiltProgramPath("OvGamePackager"),
                Path(std::string("tools/OvGamePackager") + ovhost::kExecutableSuffix));
}

std::string PackagerSandbox::InstallFakeTool(const std::string& relative) const {
  std::string target = Path(relative + ovhost::kExecutableSuffix);
  fs::create_directories(fs::path(target).parent_path());
  fs::copy_file(FakeToolPath(), target, fs::copy_options::overwrite_existing);
  return target;
}

ProgramResult PackagerSandbox::Run(const std::vector<std::string>& arguments, int timeoutSeconds) const {
  return RunProgram(Path(std::string("tools/OvGamePackager") + ovhost::kExecutableSuffix), arguments,
                    m_dir.Path(), timeoutSeconds);
}

std::string ConfigurationXml(const std::string& projectFile, const std::string& builds,
                             const std::string& distributions) {
  // clang-format off
  return "<configurations>\n"
         "    <projectconfig projectfile=\"" + projectFile + "\" projectcmakelists=\"CMakeLists.txt\"/>\n"
         "    <sourcecontrolconfig using=\"svn\" url=\"\" username=\"\" password=\"\"/>\n"
         "    <buildconfigs>\n" + builds + "    </buildconfigs>\n"
         "    <distribconfigs>\n" + distributions + "    </distribconfigs>\n"
         "</configurations>\n";
  // clang-format on
}

std::string ProjectXml(const std::string& version, const std::string& generalSettings) {
  std::string root = version.empty() ? "<project>" : "<project project_version=\"" + version + "\">";
  return root + "\n    <project_settings>\n        <general>\n" + generalSettings +
         "        </general>\n    </project_settings>\n</project>\n";
}
