// The trace writer, the version switches and the banner.
#include <filesystem>
#include <regex>

#include <gtest/gtest.h>

#include "app/Trace.h"
#include "app/Version.h"
#include "ChildRun.h"

TEST(Trace, LinesReachTheFileOnlyWhileTracingIsOn) {
  TempDir dir;
  InDirectory here(dir.path());
  const std::string file = dir.file(Trace::fileName());
  Trace trace;

  trace.writeln("before");
  EXPECT_FALSE(std::filesystem::exists(file));

  trace.set_trace_on();
  EXPECT_TRUE(trace.isOn());
  EXPECT_EQ(readBytes(file), "");
  trace.writeln("Calling one");
  trace.writeln("Opening: two");
  EXPECT_EQ(readBytes(file), "Calling one\nOpening: two\n");  // flushed per line

  trace.set_trace_on();  // already on: the file is kept
  trace.writeln("Finished");
  trace.set_trace_off();
  trace.writeln("after");
  EXPECT_EQ(readBytes(file), "Calling one\nOpening: two\nFinished\n");

  trace.set_trace_on();  // on again from off: a new, empty file
  EXPECT_EQ(readBytes(file), "");
  trace.set_trace_off();
  EXPECT_FALSE(trace.isOn());
}

TEST(Trace, UnwritableTraceFileLosesLinesSilently) {
  TempDir dir;
  // A directory in the way of the trace file makes the open fail.
  std::filesystem::create_directory(dir.file(Trace::fileName()));
  InDirectory here(dir.path());
  Trace trace;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_NO_THROW({
    trace.set_trace_on();
    trace.writeln("lost");
    trace.set_trace_off();
  });
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_TRUE(std::filesystem::is_empty(dir.file(Trace::fileName())));
}

TEST(Version, BuildDateTakesTheBannerForm) {
  EXPECT_EQ(QL_formatBuildDate("Nov  9 2012"), "Nov  9 2012");
  EXPECT_EQ(QL_formatBuildDate("Nov 9 2012"), "Nov  9 2012");
  // Not a date: kept as given rather than mangled.
  EXPECT_EQ(QL_formatBuildDate("unknown"), "unknown");
  EXPECT_EQ(QL_formatBuildDate("Nov 9 2012 extra"), "Nov 9 2012 extra");
  EXPECT_EQ(QL_formatBuildDate(nullptr), "");
}

TEST(Version, BannerIsTwoLinesWithTheBuildDate) {
  const std::string& banner = PAL_versionBanner();
  EXPECT_TRUE(std::regex_match(banner, std::regex("Template Usage KXDF Generator 1\\.0 "
                                                  "[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} for Unix\n"
                                                  "[^\n]*Halcyra[^\n]*\n")))
      << banner;
  EXPECT_EQ(QL_formatBuildDate(__DATE__), banner.substr(34, 11));
}

TEST(Version, BannerIsPrintedAtMostOncePerRun) {
  // Each body runs in its own process: the printed flag is process-wide.
  ChildRun requests = runInChild([] {
    const char* noVersion[] = {"ktlpp", "a.c", "-ve", "x-ver"};
    VersionRequest(4, noVersion, "B\n");
    const char* productOnly[] = {"-ver"};  // the first word is never looked at
    VersionRequest(1, productOnly, "B\n");
    VersionRequest(0, nullptr, "B\n");
    if (QL_isVersionPrinted()) return 1;
    const char* twice[] = {"ktlpp", "-VERSION", "-ver"};
    VersionRequest(3, twice, "B\n");
    PrintVersion("C\n");
    return QL_isVersionPrinted() ? 0 : 2;
  });
  EXPECT_EQ(requests.status, 0);
  EXPECT_EQ(requests.out, "B\n");
}
