#include <gtest/gtest.h>

#include <utility>

#include "util/U_BPtr.h"
#include "util/U_XPtr.h"

namespace {

struct Counted : U_Ref {
  explicit Counted(int* alive) : alive(alive) { ++*alive; }
  ~Counted() override { --*alive; }
  int* alive;
};

TEST(BPtr, SharesAndDestroysWithLastOwner) {
  int alive = 0;
  {
    U_BPtr<Counted> a(new Counted(&alive));
    EXPECT_EQ(a->refCount(), 1);
    {
      U_BPtr<Counted> b = a;
      EXPECT_EQ(a->refCount(), 2);
    }
    EXPECT_EQ(a->refCount(), 1);
    a = a;  // self-assignment keeps the object
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(a->refCount(), 1);
    a = new Counted(&alive);  // replacing releases the old object
    EXPECT_EQ(alive, 1);
    U_BPtr<Counted> empty;
    empty.swap(a);
    EXPECT_TRUE(empty.isSet() && !a.isSet());

    // A move hands the one reference over; moving into a handle releases
    // what it held, and a handle moved into itself keeps its object.
    U_BPtr<Counted> moved(std::move(empty));
    EXPECT_FALSE(empty.isSet());
    U_BPtr<Counted> other(new Counted(&alive));
    other = std::move(moved);
    U_BPtr<Counted>& same = other;
    other = std::move(same);
    EXPECT_EQ(alive, 1);
    ASSERT_TRUE(other.isSet());
    EXPECT_EQ(other->refCount(), 1);
  }
  EXPECT_EQ(alive, 0);
}

struct Plain {
  explicit Plain(int* alive) : alive(alive) { ++*alive; }
  ~Plain() { --*alive; }
  int* alive;
};

TEST(XPtr, CopiesShareOneCellAndDeleteOnce) {
  int alive = 0;
  {
    U_XPtr<Plain> a(new Plain(&alive));
    U_XPtr<Plain> b;
    b = a;
    EXPECT_TRUE(a == b);
    EXPECT_EQ(a.useCount(), 2);
    U_XPtr<Plain> c(new Plain(&alive));
    EXPECT_TRUE(a != c);
    c = a;  // the second object goes away
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(a.useCount(), 3);
  }
  EXPECT_EQ(alive, 0);
  EXPECT_FALSE(U_XPtr<Plain>(nullptr).isSet());
}

}  // namespace
