#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/U_Exception.h"
#include "model/FilenameProxy.h"
#include "model/P_OutputFile.h"
#include "model/SourceFileReader.h"
#include "reader_test_util.h"

namespace {

std::vector<int> g_seenCounts;
bool countingClient(P_Source* src) {
  g_seenCounts.push_back(src->getFileCnt());
  return false;  // the result must not stop anything
}

}  // namespace

TEST(ReaderSources, SourcesAreKeptOnlyOnceAClientIsRegistered) {
  SourceFileReader::reset();  // no clients yet, whatever ran before
  SourceFileReader::processFile(1, 2, readerTestFilename("/src/first.cpp"));
  EXPECT_TRUE(SourceFileReader::getSources().empty());

  P_configureOnSource(&countingClient);
  P_configureOnSource(&countingClient);
  g_seenCounts.clear();
  SourceFileReader::processFile(2, 2, readerTestFilename("/src/second.cpp"));
  ASSERT_EQ(SourceFileReader::getSources().size(), 1u);
  EXPECT_EQ(g_seenCounts, std::vector<int>{2}) << "a client registered twice is called once";

  P_Source* src = SourceFileReader::getSources().back().pointer();
  EXPECT_EQ(src->getFileTotal(), 2);
  EXPECT_STREQ(P_getSourceFilename(src), "/src/second.cpp");

  const QL_Filename runSource = P_OutputFile::getSource();
  P_OutputFile::getSource() = readerTestFilename("/src/second.cpp");
  EXPECT_TRUE(P_isSourceCrossModuleFilename(src));
  P_OutputFile::getSource() = readerTestFilename("/src/project.cma");
  EXPECT_FALSE(P_isSourceCrossModuleFilename(src));
  EXPECT_STREQ(P_getPALCrossModuleFilename(eceEUC), "/src/project.cma");
  P_OutputFile::getSource() = runSource;
  SourceFileReader::reset();
  EXPECT_THROW(P_getSourceFilename(nullptr), U_AssertException);
  EXPECT_THROW(P_isSourceCrossModuleFilename(nullptr), U_AssertException);
}

TEST(ReaderSources, SourceLogWritesCountTotalAndPath) {
  const std::string dir = readerTestMakeDir();
  const std::string logPath = dir + "/sources.log";
  {
    DebugKeywords keywords({"log", "log-file=" + logPath, "log-file=/never/used"});
    SourceFileReader::setup();
    SourceFileReader::processFile(1, 3, readerTestFilename("/src/a.cpp"));
    SourceFileReader::processFile(3, 3, readerTestFilename("/src/c.cpp"));
    SourceFileReader::cleanup();
  }
  EXPECT_EQ(readBytes(logPath), "File: 1/3 Name: /src/a.cpp\nFile: 3/3 Name: /src/c.cpp\n");

  // Without "log" the log file is not touched.
  const std::string quietPath = dir + "/quiet.log";
  {
    DebugKeywords keywords({"log-file=" + quietPath});
    SourceFileReader::setup();
    SourceFileReader::processFile(1, 1, readerTestFilename("/src/a.cpp"));
    SourceFileReader::cleanup();
  }
  EXPECT_FALSE(std::filesystem::exists(quietPath));
}
