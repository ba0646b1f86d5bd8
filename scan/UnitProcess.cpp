#include "scan/UnitProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "scan/OutputFile.h"
#include "scan/UnitMessage.h"

extern char** environ;

namespace kxdf_scan {

namespace {

bool readAll(int fd, std::string& out) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    out.append(buffer, static_cast<size_t>(n));
  }
}

// The three pipes of a child: its standard input, output and error.
struct ChildPipes {
  int in[2] = {-1, -1}, out[2] = {-1, -1}, err[2] = {-1, -1};
  bool open() {
    // Close-on-exec from the start: a unit started at the same time on
    // another thread must not hold these open.
    return pipe2(in, O_CLOEXEC) == 0 && pipe2(out, O_CLOEXEC) == 0 && pipe2(err, O_CLOEXEC) == 0;
  }
  static void close(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
  ~ChildPipes() {
    for (int* fd : {&in[0], &in[1], &out[0], &out[1], &err[0], &err[1]}) close(*fd);
  }
};

pid_t spawnWorker(ChildPipes& pipes) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipes.in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, pipes.out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipes.err[1], 2);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);  // ignored by the parent only
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  char name[] = "kxdf.scan";
  std::string flag = kUnitWorkerFlag;
  char* argv[] = {name, flag.data(), nullptr};
  pid_t pid = -1;
  const int error = posix_spawn(&pid, "/proc/self/exe", &actions, &attributes, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (error == 0) return pid;
  errno = error;
  return -1;
}

// Reads the child's output and error until both end, the time is up or stop
// is set; returns how it ended.
UnitEnd collect(ChildPipes& pipes, int timeoutSeconds, const std::atomic<bool>& stop, std::string& out,
                std::string& err) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
  char buffer[65536];
  while (pipes.out[0] >= 0 || pipes.err[0] >= 0) {
    if (stop) return UnitEnd::Stopped;
    if (timeoutSeconds > 0 && Clock::now() >= deadline) return UnitEnd::TimedOut;
    pollfd fds[2] = {{pipes.out[0], POLLIN, 0}, {pipes.err[0], POLLIN, 0}};
    if (poll(fds, 2, 200) < 0 && errno != EINTR) break;
    for (int k = 0; k < 2; ++k) {
      if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      const ssize_t n = read(fds[k].fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) ChildPipes::close(k == 0 ? pipes.out[0] : pipes.err[0]);
      else (k == 0 ? out : err).append(buffer, static_cast<size_t>(n));
    }
  }
  return UnitEnd::Finished;
}

int waitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

// Why a child that gave no result gave none.
std::string endText(UnitEnd end, int status, int timeoutSeconds) {
  if (end == UnitEnd::TimedOut)
    return "not scanned within " + std::to_string(timeoutSeconds) + " s (--timeout); stopped";
  if (end == UnitEnd::Stopped) return "interrupted";
  if (WIFSIGNALED(status))
    return std::string("clang crashed on it (") + strsignal(WTERMSIG(status)) + ")";
  if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
    return "its scanning process ended with status " + std::to_string(WEXITSTATUS(status));
  return "its scanning process gave no complete result";
}

}  // namespace

int runUnitWorker() {
  std::string bytes;
  UnitJob job;
  ScanSettings settings;
  if (!readAll(0, bytes) || !decodeJob(bytes, job, settings)) return 3;
  // Anything clang prints on its own (such as a --help in the command) goes
  // to standard error; standard output carries the result alone.
  const int resultFd = dup(1);
  if (resultFd < 0 || dup2(2, 1) < 0) return 3;
  const UnitResult result = scanUnit(job, settings);
  return writeAll(resultFd, encodeResult(result)) ? 0 : 3;
}

UnitResult scanUnitInChild(const UnitJob& job, const ScanSettings& settings, int timeoutSeconds,
                           const std::atomic<bool>& stop, UnitEnd& end) {
  UnitResult result;
  ChildPipes pipes;
  const pid_t pid = pipes.open() ? spawnWorker(pipes) : -1;
  if (pid < 0) {
    result.failure = std::string("cannot start a process to scan it: ") + std::strerror(errno);
    end = UnitEnd::Finished;
    return result;
  }
  ChildPipes::close(pipes.in[0]);
  ChildPipes::close(pipes.out[1]);
  ChildPipes::close(pipes.err[1]);
  // The child reads its whole job before it writes anything, so this write
  // cannot wait on a full output pipe; a child that died early gives EPIPE.
  writeAll(pipes.in[1], encodeJob(job, settings));
  ChildPipes::close(pipes.in[1]);
  std::string out, err;
  end = collect(pipes, timeoutSeconds, stop, out, err);
  if (end != UnitEnd::Finished) kill(pid, SIGKILL);
  const int status = waitFor(pid);
  const bool complete = end == UnitEnd::Finished && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                        decodeResult(out, result);
  // A terminal's interrupt reaches the child as well: its end is the run's.
  if (!complete && stop) end = UnitEnd::Stopped;
  if (!complete) {
    result = UnitResult{};
    result.failure = endText(end, status, timeoutSeconds);
  }
  result.diagnostics = err + result.diagnostics;
  return result;
}

}  // namespace kxdf_scan
