#pragma once
// Runs programs the way a user's shell would, for tests of whole processes: the editor
// itself, a second copy beside a first, master mode with its output.

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace torvale::test {

struct ProcessResult {
  int exit_status = -1;  // -1 when the process did not end normally (signal, timeout)
  std::string out;
  std::string err;
};

// Environment changes on top of the test's own environment; a null value removes a name.
using EnvChanges = std::map<std::string, std::optional<std::string>>;

// Runs to completion (killed after `timeout`) and collects both output streams.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const EnvChanges& env = {}, const std::string& working_dir = {},
                         std::chrono::milliseconds timeout = std::chrono::seconds(30));

// A process left running while the test does other things; killed and reaped when destroyed.
class BackgroundProcess {
 public:
  BackgroundProcess(const std::string& program, const std::vector<std::string>& args,
                    const EnvChanges& env = {}, const std::string& working_dir = {});
  BackgroundProcess(const BackgroundProcess&) = delete;
  BackgroundProcess& operator=(const BackgroundProcess&) = delete;
  ~BackgroundProcess();

  bool IsRunning();
  int pid() const { return pid_; }

 private:
  int pid_ = -1;
};

}  // namespace torvale::test
