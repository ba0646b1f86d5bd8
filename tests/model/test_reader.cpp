// Record files: framing, dispatch to handlers, blocks, encodings and files
// that are not plain files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "intl/EncodingConverter.h"
#include "messages/P_FileOpenException.h"
#include "model/M_MetricIterator.h"
#include "model/MetricFileReader.h"
#include "model/SymbolTable.h"
#include "reader_test_util.h"

namespace {

// Tag and whole line of each record.
using Records = std::vector<std::pair<std::string, std::string>>;

Records readAll(const std::string& path) {
  Records records;
  M_MetricIterator it;
  if (!it.open(text(path))) return records;
  for (; !it.atEnd(); ++it) records.emplace_back(it->tagText(), it->lineText());
  return records;
}

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
    EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    return;
  }
}

// Handlers record what they were called with, per handler.
std::vector<std::string> g_firstSeen;
std::vector<std::string> g_secondSeen;
void firstHandler(const U_String& line) { g_firstSeen.push_back(line); }
void secondHandler(const U_String& line) { g_secondSeen.push_back(line); }

}  // namespace

TEST(ReaderFilename, RecordFileNameKeepsSourceExtension) {
  EXPECT_EQ(M_formMetFilename(text("/out"), text("/src/main.c")).get(), "/out/main.c.met");
  EXPECT_EQ(M_formMetFilename(text("/out/"), text("main.cpp")).get(), "/out/main.cpp.met");
  // A name already ending in a dot gets no second dot.
  EXPECT_EQ(M_formMetFilename(text("/out"), text("/src/odd.")).get(), "/out/odd.met");
}

TEST(ReaderIterator, FramingSkipsNonRecordsAndKeepsWholeLines) {
  const std::string path = readerTestMakeDir() + "/framing.met";
  writeBytes(path, "<>\n<DEFINE\n <DEFINE> leading blank\nno tag at all\n\n<R>C a b 3 ->x\n<DEFINE> crlf\r\n"
                   "<LAST> no final newline");
  EXPECT_EQ(readAll(path), (Records{{"", "<>"},
                                    {"R", "<R>C a b 3 ->x"},
                                    {"DEFINE", "<DEFINE> crlf\r"},
                                    {"LAST", "<LAST> no final newline"}}));
}

TEST(ReaderIterator, EndStatesAndHostileContent) {
  M_MetricIterator unopened;
  EXPECT_TRUE(unopened.atEnd());
  M_MetricIterator other;
  EXPECT_TRUE(unopened == other);  // both at end

  // NUL bytes, a 1 MB record and an empty file must all read cleanly.
  const std::string dir = readerTestMakeDir();
  std::string bytes("<A>\0x\n", 6);
  bytes += "<BIG>" + std::string(1 << 20, 'y') + "\n";
  bytes += std::string("\0\0<C>\n", 6);
  writeBytes(dir + "/hostile.met", bytes);
  EXPECT_EQ(readAll(dir + "/hostile.met"),
            (Records{{"A", std::string("<A>\0x", 5)}, {"BIG", "<BIG>" + std::string(1 << 20, 'y')}}));

  writeBytes(dir + "/empty.met", "");
  M_MetricIterator empty;
  EXPECT_TRUE(empty.open(text(dir + "/empty.met")));
  EXPECT_TRUE(empty.atEnd());
  EXPECT_FALSE(empty != other);
}

TEST(MetricFileReader, DispatchesByTagOncePerHandlerAndReportsMissingFiles) {
  MetricFileReader::configure("TSTREAD", &firstHandler);
  MetricFileReader::configure("TSTREAD", &firstHandler);  // stored once
  MetricFileReader::configure("TSTREAD2", &firstHandler);
  MetricFileReader::configure("TSTREAD2", &secondHandler);
  EXPECT_TRUE(MetricFileReader::isTagRead("TSTREAD"));
  EXPECT_FALSE(MetricFileReader::isTagRead("TSTNOBODY"));

  const std::string dir = readerTestMakeDir();
  writeBytes(dir + "/unit.cpp.met", "<TSTREAD> one\n<TSTNOBODY> skipped\n<TSTREAD2> two\n<TSTREAD>\n");
  g_firstSeen.clear();
  g_secondSeen.clear();
  MetricFileReader::processFile(readerTestFilename(dir), readerTestFilename("/src/unit.cpp"), P_getSymbolTable());
  EXPECT_EQ(g_firstSeen, (std::vector<std::string>{"<TSTREAD> one", "<TSTREAD2> two", "<TSTREAD>"}));
  EXPECT_EQ(g_secondSeen, (std::vector<std::string>{"<TSTREAD2> two"}));

  // A missing record file, and a directory in its place, are reported as unopened.
  ASSERT_EQ(::mkdir((dir + "/dir.cpp.met").c_str(), 0700), 0);
  for (const char* unit : {"absent.cpp", "dir.cpp"}) {
    try {
      MetricFileReader::processFile(readerTestFilename(dir), readerTestFilename(std::string("/src/") + unit),
                                    P_getSymbolTable());
      ADD_FAILURE() << unit << ": an unopened record file must throw";
    } catch (const P_FileOpenException& e) {
      EXPECT_EQ(e.getFilename(), readerTestFilename(dir + "/" + unit + ".met"));
      EXPECT_STREQ(e.what(), "PostAnalysis FileOpenException");
    }
    M_MetricIterator it;
    EXPECT_FALSE(it.open(text(dir + "/" + unit + ".met"))) << unit;
    EXPECT_TRUE(it.atEnd());
  }
}

namespace {
std::vector<std::string> g_lateSeen;
void lateHandler(const U_String& line) { g_lateSeen.push_back(line); }
// Registers a handler for another tag while a file is being read.
void registeringHandler(const U_String&) { MetricFileReader::configure("TSTLATE2", &lateHandler); }
}  // namespace

TEST(MetricFileReader, HandlersRegisteredLaterSeeTheFollowingRecords) {
  const std::string dir = readerTestMakeDir();
  writeBytes(dir + "/late.cpp.met", "<TSTLATE> a\n<TSTLATE> b\n<TSTLATE2> c\n<TSTREGISTER>\n<TSTLATE2> d\n");
  g_lateSeen.clear();
  MetricFileReader::processFile(readerTestFilename(dir), readerTestFilename("/src/late.cpp"), P_getSymbolTable());
  EXPECT_TRUE(g_lateSeen.empty());

  // Between files, and in the middle of one.
  MetricFileReader::configure("TSTLATE", &lateHandler);
  MetricFileReader::configure("TSTREGISTER", &registeringHandler);
  MetricFileReader::processFile(readerTestFilename(dir), readerTestFilename("/src/late.cpp"), P_getSymbolTable());
  EXPECT_EQ(g_lateSeen, (std::vector<std::string>{"<TSTLATE> a", "<TSTLATE> b", "<TSTLATE2> d"}));
}

TEST(ReaderRecordFile, LinesAcrossBlocksAndEncodedLines) {
  const std::string dir = readerTestMakeDir();
  // Lines of varying length so that many of them straddle a block edge.
  std::vector<std::string> lines;
  std::string bytes;
  for (int i = 0; i < 60000; ++i) {
    lines.push_back("<L> " + std::to_string(i) + std::string(i % 53, 'x'));
    bytes += lines.back() + "\n";
  }
  writeBytes(dir + "/blocks.met", bytes);
  EXPECT_EQ(readLines(dir + "/blocks.met", eceNone), lines);

  // A UTF-8 file: the 7-bit line passes unchanged, the other one is
  // converted to the internal encoding; without conversion both stay.
  const std::string accented = "<A> caf\xC3\xA9 \xE6\x97\xA5";
  writeBytes(dir + "/utf8.met", "<P> plain text\n" + accented + "\n");
  EXPECT_EQ(readLines(dir + "/utf8.met", eceUTF),
            (std::vector<std::string>{"<P> plain text", QL_convertToInternal(accented, eceUTF)}));
  EXPECT_NE(QL_convertToInternal(accented, eceUTF), accented);
  EXPECT_EQ(readLines(dir + "/utf8.met", eceEUC), (std::vector<std::string>{"<P> plain text", accented}));

  U_String line;
  M_RecordFile directory(text(dir), eceNone);  // opens, but cannot be read
  EXPECT_FALSE(directory.getline(line));
  EXPECT_TRUE(directory.hasReadError());
}

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
