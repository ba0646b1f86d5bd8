// Error files under faults: a run stopped right after creating one, an
// empty file left by such a run, a symbolic link in its place, and a file
// that cannot take what is written.
#include <gtest/gtest.h>

#include <filesystem>

#include "MessagesTestSupport.h"
#include "intl/QL_String.h"
#include "messages/M_ErrorFileExceptions.h"
#include "messages/M_Output.h"
#include "messages/M_OutputTessel.h"
#include "ChildRun.h"

using namespace messages_test;

namespace {

QL_String ql(const std::string& text) { return QL_String::create(text, eceEUC); }

class ErrorFileFaults : public testing::Test {
 protected:
  void SetUp() override { resetGlobalOptions(); }
  void TearDown() override {
    try {
      M_Output::close();
    } catch (const M_ErrorFileException&) {
    }
    resetGlobalOptions();
  }
};

}  // namespace

// The header and the session record reach the file when it is created, not
// when it is closed: a run killed then leaves a readable file.
TEST_F(ErrorFileFaults, NewFileHoldsItsHeaderAtOnce) {
  TempDir dir;
  for (bool older : {false, true}) {
    const std::string err = dir.file(older ? "old.err" : "new.err");
    std::unique_ptr<M_ErrFileSink> sink(older ? static_cast<M_ErrFileSink*>(new M_OutputTessel) : new M_OutputTessel2);
    sink->open_errfile(err);
    EXPECT_EQ(readBytes(err).size(), older ? 8u : 13u) << err;
    EXPECT_EQ(readBytes(err).substr(0, 4), be32(older ? 0x7900 : 0x9300));
    sink->close();
  }
}

// An empty file is made anew (CliFaults.EmptyErrorFileIsMadeAnew); one cut
// inside its header is damaged, not empty, and still refused.
TEST_F(ErrorFileFaults, FileCutInsideItsHeaderIsRefused) {
  TempDir dir;
  dir.write("b.cpp.err", std::string("\0\0", 2));
  EXPECT_THROW(M_Output::append(ql("b.cpp"), ql(dir.path()), M_IOFormat::Tessel2),
               M_BadTextReadException);
}

TEST_F(ErrorFileFaults, LinkInPlaceOfTheFileIsRefused) {
  TempDir dir;
  const std::string victim = dir.write("victim", "keep");
  std::filesystem::create_symlink(victim, dir.file("a.cpp.err"));
  std::filesystem::create_symlink(dir.file("nowhere"), dir.file("b.cpp.err"));
  for (const char* source : {"a.cpp", "b.cpp"})
    EXPECT_THROW(M_Output::append(ql(source), ql(dir.path()), M_IOFormat::Tessel2), M_BadFileOpenException)
        << source;
  EXPECT_EQ(readBytes(victim), "keep");
  EXPECT_FALSE(dir.exists("nowhere"));
}

// A file that cannot take the header or a diagnostic fails with the
// error-file message, at the latest when the output is closed.
TEST_F(ErrorFileFaults, FullDiskIsReported) {
  TempDir dir;
  for (int diagnostics : {0, 20}) {
    const auto run = [&] {
      try {
        M_Output::append(ql("a.cpp"), ql(dir.path()), M_IOFormat::Tessel2);
        for (int i = 0; i < diagnostics; ++i) M_outputDiagnostic(diag(1, loc("/src/a.cpp", i + 1, 0)));
        M_Output::close();
      } catch (const M_BadFileOpenException&) {
        return 3;
      }
      return 0;
    };
    EXPECT_EQ(runInChild(run, diagnostics ? 40 : 8).status, 3) << diagnostics << " diagnostics";
    std::filesystem::remove(dir.file("a.cpp.err"));
  }
}
