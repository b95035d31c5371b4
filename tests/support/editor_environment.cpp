#include "support/editor_environment.h"

#include <sys/stat.h>

namespace torvale::test {

EnvChanges IsolatedEditorEnvironment(const ScratchDir& root) {
  std::string runtime = root.MakeDir("runtime");
  ::chmod(runtime.c_str(), 0700);
  return {{"XDG_RUNTIME_DIR", runtime},
          {"XDG_CONFIG_DIRS", root.path() + "/xdg"},
          {"HOME", root.MakeDir("home")},
          {"XDG_CONFIG_HOME", std::nullopt},
          {"QT_QPA_PLATFORM", "offscreen"}};
}

void RecordInstallFolder(const ScratchDir& root, const std::string& folder) {
  root.MakeFile("xdg/Halvex/TORVALE.conf", "[General]\nINSTALL DIR=" + folder + "\n");
}

}  // namespace torvale::test
