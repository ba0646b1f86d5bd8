#ifndef TESTS_SUPPORT_CHILDRUN_H
#define TESTS_SUPPORT_CHILDRUN_H

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>

#include "TempDir.h"

// What a child run left: its exit status (-1 when it was killed), the
// signal that killed it, and its standard output and error.
struct ChildRun {
  int status = -1;
  int termSignal = 0;
  std::string out;
  std::string err;
};

// Runs body in a forked child whose standard output and error go to files,
// so that process-wide state (the version flag, signal handlers, readers'
// registries) and exits stay out of the test process.  The child exits with
// body's result.  A `fileSizeLimit` of 0 or more bytes caps the files the
// child may write (its output included), as a full disk would.
inline ChildRun runInChild(const std::function<int()>& body, long fileSizeLimit = -1) {
  TempDir dir;
  const std::string outFile = dir.file("out"), errFile = dir.file("err");
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  ChildRun result;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0) ::_exit(126);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (fileSizeLimit >= 0) {
      const rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
      std::signal(SIGXFSZ, SIG_IGN);
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    const int status = body();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    ::_exit(status);
  }
  if (pid < 0) return result;
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.termSignal = WTERMSIG(status);
  result.out = readBytes(outFile);
  result.err = readBytes(errFile);
  return result;
}

#endif
