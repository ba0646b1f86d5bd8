// A record file that is a named pipe is read like a file (a directory in
// place of one: see CliEntry.CompleteRunReportsUnreadableRecordFiles).
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "CliRunner.h"

namespace {

// Waits until some process has `fifo` open for reading: only then does a
// non-blocking open for writing succeed.  Returns the writing end, or -1
// when nobody opened it within the time limit.
int waitForReader(const std::string& fifo) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) return writer;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return -1;
}

}  // namespace

// The run's own record file is a pipe nobody writes to: the run opens it
// and waits for records until it is stopped.
TEST(RecordFileKinds, RunBlockedReadingAPipeEndsOnSigterm) {
  CliSandbox box;
  box.writeFile("a.c", "int a;\n");
  std::filesystem::create_directories(box.workPath("out"));
  const std::string fifo = box.workPath("out/a.c.met");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

  const pid_t pid = box.start({"ktlpp", "-op", "out", "a.c"});
  const int writer = waitForReader(fifo);
  if (writer >= 0) ::kill(pid, SIGTERM);
  const CliResult r = box.finish(pid, 30);
  if (writer >= 0) ::close(writer);
  ASSERT_GE(writer, 0) << "the record file was never opened; status " << r.status << ", " << r.err;
  EXPECT_EQ(r.status, 19);
  EXPECT_EQ(r.err, "Caught signal: (SIGTERM)\nPlease contact Halcyra.\n");
}
