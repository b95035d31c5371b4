#include "support/child_process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

extern char** environ;

namespace torvale::test {

namespace {

std::vector<std::string> BuildEnvironment(const EnvChanges& changes) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    std::string entry(*e);
    std::string name = entry.substr(0, entry.find('='));
    if (!changes.count(name)) env.push_back(entry);
  }
  for (const auto& [name, value] : changes)
    if (value) env.push_back(name + "=" + *value);
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (auto& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// Forks and execs; the child's stdout/stderr go to the given descriptors (-1: /dev/null).
int Spawn(const std::string& program, const std::vector<std::string>& args, const EnvChanges& env,
          const std::string& working_dir, int out_fd, int err_fd) {
  std::vector<std::string> argv_strings{program};
  argv_strings.insert(argv_strings.end(), args.begin(), args.end());
  std::vector<std::string> env_strings = BuildEnvironment(env);
  std::vector<char*> argv = Pointers(argv_strings);
  std::vector<char*> envp = Pointers(env_strings);
  pid_t pid = ::fork();
  if (pid != 0) return pid;
  int null_fd = ::open("/dev/null", O_RDWR);
  ::dup2(null_fd, 0);
  ::dup2(out_fd >= 0 ? out_fd : null_fd, 1);
  ::dup2(err_fd >= 0 ? err_fd : null_fd, 2);
  if (!working_dir.empty() && ::chdir(working_dir.c_str()) != 0) ::_exit(126);
  ::execve(program.c_str(), argv.data(), envp.data());
  ::_exit(127);
}

int StatusOf(int wait_status) { return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1; }

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args, const EnvChanges& env,
                         const std::string& working_dir, std::chrono::milliseconds timeout) {
  ProcessResult result;
  int out_pipe[2], err_pipe[2];
  if (::pipe2(out_pipe, O_CLOEXEC) != 0) return result;
  if (::pipe2(err_pipe, O_CLOEXEC) != 0) {
    ::close(out_pipe[0]);
    ::close(out_pipe[1]);
    return result;
  }
  pid_t pid = Spawn(program, args, env, working_dir, out_pipe[1], err_pipe[1]);
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  auto deadline = std::chrono::steady_clock::now() + timeout;
  pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open_streams = 2;
  bool timed_out = false;
  while (open_streams > 0) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      timed_out = true;
      break;
    }
    if (::poll(fds, 2, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buffer[4096];
      ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(n));
      } else {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open_streams;
      }
    }
  }
  for (auto& fd : fds)
    if (fd.fd >= 0) ::close(fd.fd);
  if (timed_out && pid > 0) ::kill(pid, SIGKILL);
  int status = 0;
  if (pid > 0 && ::waitpid(pid, &status, 0) == pid) result.exit_status = timed_out ? -1 : StatusOf(status);
  return result;
}

BackgroundProcess::BackgroundProcess(const std::string& program, const std::vector<std::string>& args,
                                     const EnvChanges& env, const std::string& working_dir)
    : pid_(Spawn(program, args, env, working_dir, -1, -1)) {}

BackgroundProcess::~BackgroundProcess() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  int status = 0;
  ::waitpid(pid_, &status, 0);
}

bool BackgroundProcess::IsRunning() {
  if (pid_ <= 0) return false;
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) == 0) return true;
  pid_ = -1;  // reaped: the number may soon belong to another process
  return false;
}

}  // namespace torvale::test
