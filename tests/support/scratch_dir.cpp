#include "support/scratch_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace torvale::test {

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
  std::string pattern = (fs::temp_directory_path() / "torvale-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string ScratchDir::MakeFile(std::string_view relative, std::string_view content) const {
  fs::path file = fs::path(path_) / relative;
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
  return file.string();
}

std::string ScratchDir::MakeDir(std::string_view relative) const {
  fs::path folder = fs::path(path_) / relative;
  fs::create_directories(folder);
  return folder.string();
}

ScopedEnv::ScopedEnv(std::string name, const char* value) : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) {
    had_value_ = true;
    old_value_ = old;
  }
  if (value) ::setenv(name_.c_str(), value, 1);
  else ::unsetenv(name_.c_str());
}

ScopedEnv::~ScopedEnv() {
  if (had_value_) ::setenv(name_.c_str(), old_value_.c_str(), 1);
  else ::unsetenv(name_.c_str());
}

ScopedWorkingDir::ScopedWorkingDir(const std::string& folder) : previous_(fs::current_path().string()) {
  fs::current_path(folder);
}

ScopedWorkingDir::~ScopedWorkingDir() {
  std::error_code ec;
  fs::current_path(previous_, ec);
}

}  // namespace torvale::test
