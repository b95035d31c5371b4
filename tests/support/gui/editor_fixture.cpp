#include "support/gui/editor_fixture.h"

#include <filesystem>

namespace torvale::test {

namespace fs = std::filesystem;

std::string SampleInstallFolder() { return std::string(TORVALE_BINARY_DIR) + "/install"; }

EditorFixture::EditorFixture() {
  install_ = scratch_.path() + "/install";
  fs::copy(SampleInstallFolder(), install_, fs::copy_options::recursive);
  // A run of the editor on the sample installation leaves its pristine archive there; every
  // test starts from the installation as generated.
  std::error_code ignored;
  fs::remove(install_ + "/database/default.zdb", ignored);
  home_ = std::make_unique<ScopedEnv>("HOME", scratch_.MakeDir("home").c_str());
  configHome_ = std::make_unique<ScopedEnv>("XDG_CONFIG_HOME", scratch_.MakeDir("config").c_str());
  workingDir_ = std::make_unique<ScopedWorkingDir>(install_);
  context_ = EditorContext::FromInstallFolder(install_);
}

EditorFixture::~EditorFixture() {
  // The worlds go before the folders they were read from.
  context_.reset();
}

std::string EditorFixture::DocumentsFolder() const { return scratch_.path() + "/home/Documents"; }

}  // namespace torvale::test
