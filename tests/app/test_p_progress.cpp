// The progress line of a run on a terminal, drawn into a string stream.
#include <sstream>

#include <gtest/gtest.h>

#include "app/P_Progress.h"

namespace {

const std::string kClear = "\r\033[K";

}  // namespace

TEST(Progress, ReadingTextEstimatesTheRestOnlyMidway) {
  EXPECT_EQ(P_Progress::readingText(0, 10, 0.2), "[0/10] record files read, 0s elapsed");
  EXPECT_EQ(P_Progress::readingText(5, 10, 12.4), "[5/10] record files read, 12s elapsed, about 12s left");
  EXPECT_EQ(P_Progress::readingText(1, 4, 2.0), "[1/4] record files read, 2s elapsed, about 6s left");
  EXPECT_EQ(P_Progress::readingText(4, 4, 7.6), "[4/4] record files read, 8s elapsed");
}

TEST(Progress, OtherOutputClearsTheLineFirstAndTheEndRemovesIt) {
  std::ostringstream terminal;
  std::streambuf* own = terminal.rdbuf();
  {
    P_Progress progress(terminal, 3, true, 0.0);
    progress.fileStarted(1);
    terminal << "cannot open file x.c\n";
    progress.fileStarted(2);  // the line comes back after the message
    progress.writingReport();
    terminal << "end" << std::flush;
  }
  EXPECT_EQ(terminal.rdbuf(), own);
  EXPECT_EQ(terminal.str(), kClear + "[0/3] record files read, 0s elapsed" + kClear + "cannot open file x.c\n" +
                                kClear + "[1/3] record files read, 0s elapsed, about 0s left" + kClear +
                                "[3/3] record files read, 0s elapsed; writing the report" + kClear + "end");
  terminal << "after";
  EXPECT_EQ(terminal.str().substr(terminal.str().size() - 8), "endafter");
}

TEST(Progress, DisabledOrShortRunsWriteNothingOfTheirOwn) {
  for (const bool enabled : {false, true}) {
    std::ostringstream terminal;
    {
      P_Progress progress(terminal, 2, enabled);  // a second passes before the first drawing
      progress.fileStarted(1);
      terminal << "message\n";
      progress.fileStarted(2);
      progress.writingReport();
    }
    EXPECT_EQ(terminal.str(), "message\n") << enabled;
  }
}
