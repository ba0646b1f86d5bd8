// Record files that are not plain files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "messages/P_FileOpenException.h"
#include "model/M_MetricIterator.h"
#include "model/MetricFileReader.h"
#include "model/SymbolTable.h"
#include "reader_test_util.h"

namespace {

QL_String text(const std::string& s) { return QL_String::create(s, eceEUC); }

// Writes `bytes` into the pipe once a reader has opened it; gives up after
// a few seconds so that a reader that never comes does not hang the test.
void feedPipe(const std::string& fifo, const std::string& bytes) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (std::chrono::steady_clock::now() < deadline) {
    const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd < 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      continue;
    }
    ::fcntl(fd, F_SETFL, 0);  // blocking writes from here on
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    ::close(fd);
    EXPECT_EQ(written, static_cast<ssize_t>(bytes.size()));
    return;
  }
}

}  // namespace

TEST(ReaderFileKinds, NamedPipeIsReadLikeAFile) {
  const std::string fifo = readerTestMakeDir() + "/piped.met";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer(feedPipe, fifo, "<A> one\nnot a record\n<B> two");

  std::vector<std::string> lines;
  M_MetricIterator it;
  if (it.open(text(fifo))) {
    for (; !it.atEnd(); ++it) lines.push_back(it->lineText());
  }
  writer.join();
  EXPECT_EQ(lines, (std::vector<std::string>{"<A> one", "<B> two"}));
  EXPECT_FALSE(it.hasReadError());
}

TEST(ReaderFileKinds, DirectoryDoesNotOpenAndIsReportedAsUnopened) {
  const std::string dir = readerTestMakeDir();
  ASSERT_EQ(::mkdir((dir + "/unit.cpp.met").c_str(), 0700), 0);
  M_MetricIterator it;
  EXPECT_FALSE(it.open(text(dir + "/unit.cpp.met")));
  EXPECT_TRUE(it.atEnd());

  try {
    MetricFileReader::processFile(readerTestFilename(dir), readerTestFilename("/src/unit.cpp"),
                                  P_getSymbolTable());
    FAIL() << "a directory in place of a record file must throw";
  } catch (const P_FileOpenException& e) {
    EXPECT_EQ(e.getFilename(), readerTestFilename(dir + "/unit.cpp.met"));
  }
}
