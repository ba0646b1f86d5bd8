#include <gtest/gtest.h>

#include "util/U_Location.h"

namespace {

U_Filename file(const char* name) { return U_Filename::getString(name); }

TEST(Location, QueriesAndDerivationsLeaveTheOriginalAlone) {
  U_Location incl(file("/p/main.cpp"), 3, 1);
  U_Location loc(file("/p/box.h"), 10, 5, U_BPtr<U_MacroHistory>(), incl);
  EXPECT_FALSE(loc.isFromMacro());
  EXPECT_FALSE(loc.isFromHashLine());

  U_Location hashed = loc.addHashLine(file("/p/gen.y"), 77);
  EXPECT_TRUE(hashed.isFromHashLine());
  EXPECT_FALSE(loc.isFromHashLine());
  EXPECT_FALSE(hashed.isSameMemory(loc));
  EXPECT_TRUE(hashed.isSameFilename(loc));

  U_Location inst = loc.instantiateLocation(incl, "<int>");
  EXPECT_TRUE(inst.isFromInstantiation());
  EXPECT_EQ(inst.getInstDepth(), 1);
  EXPECT_EQ(inst.instantiateLocation(inst, "<long>").getInstDepth(), 2);

  U_Location called = loc.addCalledFromLocation(incl);
  EXPECT_TRUE(called.isFromFnCall());

  EXPECT_EQ(U_getMainSourceLocation(loc).getFilename().str(), "/p/main.cpp");
  EXPECT_TRUE(U_Location().isSameFilename(U_Location()));
}

// A million nested includes, then a shared middle link: releasing the
// chain neither exhausts the stack nor takes context from a location that
// is still held.
TEST(Location, DeepContextChainsAreReleasedWithoutRecursion) {
  U_Location middle;
  {
    U_Location chain(file("/p/0.h"), 1, 0);
    for (int i = 1; i < 1000000; ++i) {
      chain = U_Location(file("/p/n.h"), i, 0, U_BPtr<U_MacroHistory>(), chain);
      if (i == 10) middle = chain;
    }
    chain = chain.instantiateLocation(chain, "<int>").addCalledFromLocation(chain);
  }
  ASSERT_TRUE(middle.isSet());
  EXPECT_EQ(middle.getLine(), 10);
  int depth = 0;
  for (U_Location l = middle; l.hasInclLocation(); l = l.getInclLocation()) ++depth;
  EXPECT_EQ(depth, 10);
  EXPECT_EQ(U_getMainSourceLocation(middle).getFilename().str(), "/p/0.h");
}

TEST(Location, Orderings) {
  U_BPtr<U_MacroHistory> macro(new U_MacroHistory());
  U_Location a(file("/p/a.h"), 4, 2);
  U_Location b(file("/p/a.h"), 4, 9);
  U_Location fromMacro(file("/p/a.h"), 4, 2, macro);
  U_Location later(file("/p/a.h"), 5, 1);
  EXPECT_EQ(U_orderLocationByTopLevelOnly(a, b), -1);
  EXPECT_EQ(U_orderLocationByTopLevelOnly(b, a), 1);
  EXPECT_EQ(U_orderLocationByTopLevelOnly(a, fromMacro), 0);
  EXPECT_TRUE(U_isLocationEqual(a, fromMacro));
  EXPECT_EQ(U_compareLocation(later, a), 1);

  // Different files: by the text of their names for U_compareLocation.
  U_Location z(file("/p/z.h"), 1, 1);
  U_Location longer(file("/p/a.hpp"), 1, 1);
  EXPECT_EQ(U_compareLocation(a, z), -1);
  EXPECT_EQ(U_compareLocation(z, a), 1);
  EXPECT_EQ(U_compareLocation(a, longer), -1);
  int fast = U_orderLocationByTopLevelOnly(a, z);
  EXPECT_NE(fast, 0);
  EXPECT_EQ(U_orderLocationByTopLevelOnly(z, a), -fast);
}

}  // namespace
