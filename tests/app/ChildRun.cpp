#include "ChildRun.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

ChildRun runInChild(const std::function<int()>& body) {
  TempDir dir;
  const std::string outFile = dir.file("out");
  const std::string errFile = dir.file("err");
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  ChildRun result;
  pid_t pid = ::fork();
  if (pid == 0) {
    int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0) ::_exit(126);
    ::dup2(out, 1);
    ::dup2(err, 2);
    int status = body();
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
