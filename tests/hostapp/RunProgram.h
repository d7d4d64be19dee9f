#pragma once
// Runs the real orvelline program as a user would and captures what it says.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct ProgramRun {
  int exitCode = -1;  // -signal when killed
  std::string out;
  std::string err;
};

class Program {
 public:
  /// Starts the program; `environment` entries replace (or, when empty, remove) variables.
  Program(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment = {}) {
    int outPipe[2], errPipe[2];
    if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0) std::abort();
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(outPipe[1], 1);
      ::dup2(errPipe[1], 2);
      ::close(outPipe[0]);
      ::close(errPipe[0]);
      for (const auto& [name, value] : environment) {
        if (value.empty())
          ::unsetenv(name.c_str());
        else
          ::setenv(name.c_str(), value.c_str(), 1);
      }
      std::vector<char*> argv;
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    out_ = outPipe[0];
    err_ = errPipe[0];
  }

  /// Reads output until `text` appears on stderr (true) or the program ends (false).
  bool WaitForError(const std::string& text) {
    while (run_.err.find(text) == std::string::npos)
      if (!Pump(-1)) return false;
    return true;
  }

  void Signal(int signal) { ::kill(pid_, signal); }

  ProgramRun Finish() {
    while (Pump(-1)) {
    }
    int status = 0;
    ::waitpid(pid_, &status, 0);
    run_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return run_;
  }

 private:
  // One read from whichever pipe has data; false once both are closed.
  bool Pump(int timeoutMs) {
    pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
    int open = 0;
    for (auto& f : fds) open += f.fd >= 0;
    if (open == 0) return false;
    if (::poll(fds, 2, timeoutMs) <= 0) return true;
    char buffer[4096];
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      int& fd = i == 0 ? out_ : err_;
      if (n <= 0) {
        ::close(fd);
        fd = -1;
      } else {
        (i == 0 ? run_.out : run_.err).append(buffer, static_cast<size_t>(n));
      }
    }
    return true;
  }

  pid_t pid_ = -1;
  int out_ = -1, err_ = -1;
  ProgramRun run_;
};

inline std::string OrvellinePath() { return std::string(ORV_BINARY_DIR) + "/bin/orvelline"; }

inline ProgramRun RunOrvelline(std::vector<std::string> args, const std::map<std::string, std::string>& env = {}) {
  args.insert(args.begin(), OrvellinePath());
  return Program(args, env).Finish();
}
