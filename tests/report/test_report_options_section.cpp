// Layout of the "Analysis Options" lines: report options filtered out,
// terms one per line, long lines wrapped at 66.
#include <gtest/gtest.h>

#include "report/ReportOptionsSection.h"

using ReportOptionsSection::layoutSettingsLine;
using ReportOptionsSection::wrapSettingsLine;
using Lines = std::vector<U_String>;

namespace {
const U_String kIndent24(24, ' ');
const U_String kIndent25(25, ' ');
const U_String kPo = "-po                     ";  // "-", name padded to 23, one blank
}  // namespace

TEST(ReportOptionsSection, ReportOptionsAfterTheFirstValueAreDropped) {
  EXPECT_EQ(layoutSettingsLine(kPo + "chk::naming=strict,mxo::report_type=Template Usage Report"),
            (Lines{kPo + "chk::naming=strict"}));
  // The first term holds the option name, so a report option listed first
  // stays.
  EXPECT_EQ(layoutSettingsLine(kPo + "mxo::report_type=Template Usage Report,chk::naming=strict"),
            (Lines{kPo + "mxo::report_type=Template Usage Report,",
                   kIndent24 + "chk::naming=strict"}));
  EXPECT_EQ(layoutSettingsLine(kPo + "a::x=1, General Report::y=2,Template Usage Report::z,b::w"),
            (Lines{kPo + "a::x=1,", kIndent24 + "b::w"}));
  // Every spelling of the report option list is filtered; other options
  // keep report-like terms.
  EXPECT_EQ(layoutSettingsLine("-ko x::a,mxo::b"), (Lines{"-ko x::a"}));
  EXPECT_EQ(layoutSettingsLine("ktlppoption x::a,mxo::b"), (Lines{"ktlppoption x::a"}));
  EXPECT_EQ(layoutSettingsLine("-quiet x::a,mxo::b"), (Lines{"-quiet x::a,", kIndent24 + "mxo::b"}));
}

TEST(ReportOptionsSection, TermsAreLaidOutOnePerLine) {
  EXPECT_EQ(layoutSettingsLine("-opt a,b,c"),
            (Lines{"-opt a,", kIndent24 + "b,", kIndent24 + "c"}));
  // A quoted comma does not split, and the quotes go.
  EXPECT_EQ(layoutSettingsLine(kPo + "chk::paths=\"/inc,/src\",z::q"),
            (Lines{kPo + "chk::paths=/inc,/src,", kIndent24 + "z::q"}));
  // A second term of blanks only is not written.
  EXPECT_EQ(layoutSettingsLine("-opt a, "), (Lines{"-opt a"}));
  EXPECT_EQ(layoutSettingsLine("-format a,b,c"), (Lines{"-format a,b,c"}));
  EXPECT_EQ(layoutSettingsLine("-opt value"), (Lines{"-opt value"}));
  EXPECT_EQ(layoutSettingsLine(""), Lines{});
}

TEST(ReportOptionsSection, LongLinesWrapAfterTheLastSeparatorWithinTheWidth) {
  const U_String line = U_String(60, 'a') + " " + U_String(29, 'b') + " " + U_String(9, 'c');
  ASSERT_EQ(line.size(), 100u);
  const Lines wrapped = wrapSettingsLine(line);
  ASSERT_EQ(wrapped.size(), 2u);
  EXPECT_EQ(wrapped[0], line.substr(0, 61));
  EXPECT_EQ(wrapped[1], kIndent25 + line.substr(61));
  EXPECT_EQ(wrapped[1].size(), 25u + 39u);

  // Continuation lines are 41 wide; a separator within the indent's
  // length does not count, so the cut falls after the width.
  const U_String second = U_String(60, 'a') + " " + U_String(10, 'y') + " " + U_String(60, 'x');
  EXPECT_EQ(wrapSettingsLine(second),
            (Lines{U_String(60, 'a') + " ", kIndent25 + U_String(10, 'y') + " " + U_String(31, 'x'),
                   kIndent25 + U_String(29, 'x')}));
  // No separator at all: the line stays whole.
  EXPECT_EQ(wrapSettingsLine(U_String(80, 'q')), (Lines{U_String(80, 'q')}));
  // A first piece of blanks only is not written.
  EXPECT_EQ(wrapSettingsLine(U_String(70, ' ') + "x"), (Lines{kIndent25 + "   x"}));
  EXPECT_EQ(wrapSettingsLine("short"), (Lines{"short"}));
  EXPECT_EQ(wrapSettingsLine(""), Lines{});
}
