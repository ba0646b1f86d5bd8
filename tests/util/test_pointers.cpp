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
    EXPECT_FALSE(empty.isSet());
    empty.swap(a);
    EXPECT_TRUE(empty.isSet());
    EXPECT_FALSE(a.isSet());

    // A move hands the one reference over; moving into a handle releases
    // what it held, and a handle moved into itself keeps its object.
    U_BPtr<Counted> moved(std::move(empty));
    EXPECT_FALSE(empty.isSet());
    EXPECT_EQ(moved->refCount(), 1);
    U_BPtr<Counted> other(new Counted(&alive));
    other = std::move(moved);
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(other->refCount(), 1);
    U_BPtr<Counted>& same = other;
    other = std::move(same);
    EXPECT_EQ(alive, 1);
    EXPECT_TRUE(other.isSet());
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
    EXPECT_FALSE(b.isSet());
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
  U_XPtr<Plain> null(nullptr);
  EXPECT_FALSE(null.isSet());
}

}  // namespace
