#include <gtest/gtest.h>

#include "util/U_Assert.h"
#include "util/U_Exception.h"

namespace {

TEST(Assert, WarningLineFormatAndEscapes) {
  testing::internal::CaptureStderr();
  U_DoWarning("a.cpp", 12, "Warning", "first<NL>second<TB>x");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Warning at a.cpp:12: Assertion 'first\nsecond\tx' failed.\n");
}

TEST(Assert, AssertThrowsAfterReporting) {
  testing::internal::CaptureStderr();
  const void* def = nullptr;
  EXPECT_THROW(U_ASSERT(0 != def && "Dont dereference 0."), U_AssertException);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Assertion at "), std::string::npos);
  EXPECT_NE(err.find(": Assertion '0 != def && \"Dont dereference 0.\"' failed.\n"),
            std::string::npos);

  // The exception carries the line, for callers far from standard error.
  testing::internal::CaptureStderr();
  try {
    U_DoAssert("f.cpp", 2, "0 != p && \"Null\"");
    ADD_FAILURE() << "no exception";
  } catch (const U_AssertException& e) {
    EXPECT_STREQ(e.what(), "Assertion at f.cpp:2: Assertion '0 != p && \"Null\"' failed.");
  }
  testing::internal::GetCapturedStderr();

  testing::internal::CaptureStderr();
  U_DoAssert("f.cpp", 3, "x", false);  // reports and returns
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Assertion at f.cpp:3: Assertion 'x' failed.\n");
}

TEST(Assert, AbortingFormRaisesSigabrt) {
  EXPECT_DEATH(
      {
        U_DoAssert("f.cpp", 5, "y", true);
      },
      "Assertion at f.cpp:5");
}

}  // namespace
