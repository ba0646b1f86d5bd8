// The id scheme of the iterator stores.
#include <gtest/gtest.h>

#include <vector>

#include "model/PI_IterCont.h"
#include "test_pi_support.h"

namespace {

using Cont = std::vector<int>;
using Entry = P_IterEntry<Cont::const_iterator>;
using Store = IterCont<Cont, Entry, int>;

TEST(PiIterCont, FinishedLoopsReleaseTheirIdsLastFreedFirst) {
  Store store;
  const Cont two{1, 2}, one{7};
  int32_t a = store.add(two.begin(), two.end());
  int32_t b = store.add(one.begin(), one.end());
  EXPECT_EQ(0, a);
  EXPECT_EQ(1, b);
  EXPECT_FALSE(store.next(a));
  EXPECT_TRUE(store.next(a));  // a freed first
  EXPECT_TRUE(store.next(b));  // then b
  EXPECT_EQ(b, store.add(two.begin(), two.end()));
  EXPECT_EQ(a, store.add(two.begin(), two.end()));
  EXPECT_EQ(2, store.add(two.begin(), two.end()));
  EXPECT_EQ(3u, store.size());  // no id is given to two live loops
}

TEST(PiIterCont, EmptyAndAbandonedLoopsKeepTheirIds) {
  Store store;
  const Cont none, three{1, 2, 3};
  int32_t empty = store.add(none.begin(), none.end());
  EXPECT_TRUE(store.isEnd(empty));
  int32_t abandoned = store.add(three.begin(), three.end());
  store.next(abandoned);
  int32_t fresh = store.add(three.begin(), three.end());
  EXPECT_NE(empty, fresh);
  EXPECT_NE(abandoned, fresh);
  EXPECT_EQ(2, fresh);
  // The abandoned loop is still where it was left.
  EXPECT_EQ(2, *store.entry(abandoned).current);
}

TEST(PiIterCont, IdsOutsideTheStoreAreAssertions) {
  Store store;
  const Cont c{1};
  store.add(c.begin(), c.end());
  for (int32_t bad : {1, 5, -1}) {
    for (const std::string& text : {piStderrOf([&] { store.isEnd(bad); }, true),
                                    piStderrOf([&] { store.next(bad); }, true)})
      EXPECT_NE(std::string::npos, text.find("Iterator Id is out of range.")) << text;
  }
  std::string text = piStderrOf([&] { store.isEnd(3); }, true);
  EXPECT_NE(std::string::npos, text.find("Assertion 'key < nextId && \"Iterator Id is out of range.\"' failed."))
      << text;
}

}  // namespace
