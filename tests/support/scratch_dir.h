#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.

#include <string>
#include <string_view>

namespace torvale::test {

class ScratchDir {
 public:
  ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  ~ScratchDir();

  const std::string& path() const { return path_; }
  // `relative` below the folder (parents are made); writes `content` when it is a file.
  std::string MakeFile(std::string_view relative, std::string_view content = {}) const;
  std::string MakeDir(std::string_view relative) const;

 private:
  std::string path_;
};

// Sets an environment variable for the lifetime of the object, then restores it.
class ScopedEnv {
 public:
  ScopedEnv(std::string name, const char* value);  // null value: unset
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;
  ~ScopedEnv();

 private:
  std::string name_;
  std::string old_value_;
  bool had_value_ = false;
};

// Enters `folder` for the lifetime of the object, then returns to the previous one.
class ScopedWorkingDir {
 public:
  explicit ScopedWorkingDir(const std::string& folder);
  ScopedWorkingDir(const ScopedWorkingDir&) = delete;
  ScopedWorkingDir& operator=(const ScopedWorkingDir&) = delete;
  ~ScopedWorkingDir();

 private:
  std::string previous_;
};

}  // namespace torvale::test
