// The model's lookup stores: interned texts, pointer maps and pools.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/P_BigBlock.h"
#include "model/P_Pool.h"
#include "model/P_PtrMap.h"
#include "model/P_UniqueStr.h"

TEST(ModelStores, InternedTextsAreSharedExactlyWhenEqual) {
  // Enough texts to make the index grow several times; every text must keep
  // its pointer and its bytes across the growth.
  std::vector<const char*> first;
  for (int i = 0; i < 200000; ++i) first.push_back(P_createUniqueStr("store::name" + std::to_string(i)));
  std::set<const char*> distinct(first.begin(), first.end());
  EXPECT_EQ(distinct.size(), first.size());
  for (int i = 0; i < 200000; i += 997) {
    const std::string text = "store::name" + std::to_string(i);
    EXPECT_EQ(P_createUniqueStr(text), first[i]);
    EXPECT_EQ(text, first[i]);
  }
  // Texts differing only after a NUL byte, or by length, are distinct.
  const char* withNul = P_createUniqueStr(std::string_view("ab\0c", 4));
  EXPECT_NE(withNul, P_createUniqueStr(std::string_view("ab\0d", 4)));
  EXPECT_NE(withNul, P_createUniqueStr("ab"));
  EXPECT_EQ(withNul, P_createUniqueStr(std::string_view("ab\0c", 4)));
  EXPECT_STREQ(P_createUniqueStr(""), "");
  // A text larger than a block is stored whole.
  const std::string big(3 << 20, 'x');
  const char* stored = P_createUniqueStr(big);
  EXPECT_EQ(std::string(stored), big);
  EXPECT_EQ(stored, P_createUniqueStr(std::string(big)));

  // Length, tag and link live beside the text and leave each other alone.
  EXPECT_EQ(P_getUniqueStrLength(withNul), 4u);
  EXPECT_EQ(P_getUniqueStrLink(withNul), nullptr);
  P_setUniqueStrTag(withNul, 0xA5);
  P_setUniqueStrLink(withNul, first[7]);
  EXPECT_EQ(P_getUniqueStrLink(withNul), first[7]);
  EXPECT_EQ(P_getUniqueStrTag(withNul), 0xA5);
  EXPECT_EQ(P_getUniqueStrLength(withNul), 4u);
  EXPECT_EQ(std::string_view(withNul, 4), std::string_view("ab\0c", 4));
  EXPECT_EQ(P_getUniqueStrLink(first[8]), nullptr);
}

TEST(ModelStores, PointerMapKeepsFirstValueAndClears) {
  P_PtrMap<int> map;
  std::vector<std::string> keys(5000);
  for (std::size_t i = 0; i < keys.size(); ++i)
    EXPECT_TRUE(map.emplace((keys[i] = std::to_string(i)).c_str(), static_cast<int>(i)).second);
  EXPECT_FALSE(map.emplace(keys[7].c_str(), -1).second);
  EXPECT_EQ(map.size(), keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i)
    ASSERT_TRUE(map.find(keys[i].c_str()) && *map.find(keys[i].c_str()) == static_cast<int>(i)) << i;
  // Keys compare by pointer, not by text.
  const std::string sameText = keys[3];
  EXPECT_EQ(map.find(sameText.c_str()), nullptr);
  // A null key is a key like any other.
  EXPECT_EQ(map.find(nullptr), nullptr);
  EXPECT_TRUE(map.emplace(nullptr, 42).second);
  EXPECT_EQ(*map.find(nullptr), 42);

  map.clear();
  EXPECT_EQ(map.size(), 0u);
  EXPECT_FALSE(map.contains(keys[0].c_str()));
  EXPECT_FALSE(map.contains(nullptr));
  EXPECT_TRUE(map.emplace(keys[0].c_str(), 9).second);
  EXPECT_EQ(*map.find(keys[0].c_str()), 9);
}

namespace {
struct Pooled {
  long a = 1;
  long b = 2;
  P_POOLED_ALLOCATION(Pooled)
};
struct Bigger : Pooled {
  long c = 3;
};
}  // namespace

TEST(ModelStores, PoolReusesFreedObjectsAndLeavesOtherSizesAlone) {
  Pooled* one = new Pooled();
  Pooled* two = new Pooled();
  EXPECT_NE(one, two);
  delete one;
  Pooled* again = new Pooled();
  EXPECT_EQ(again, one);
  EXPECT_EQ(again->a + again->b, 3);
  // A derived class of another size is not cut from the pool.
  Bigger* bigger = new Bigger();
  EXPECT_EQ(bigger->c, 3);
  delete static_cast<Bigger*>(bigger);
  delete again;
  delete two;
}

// Past the first few blocks a helper prepares them ahead; every block must
// still be a whole, aligned block of its own, and big requests stay whole.
TEST(ModelStores, BigBlocksAreAlignedAndSeparateWhoeverPreparedThem) {
  P_enableLargeModelMemory();  // as the generator does: the helper takes part
  std::vector<char*> blocks;
  for (int i = 0; i < 24; ++i) {
    char* block = static_cast<char*>(P_allocateBigBlock(i % 2 ? 1 : P_kBigBlockSize));
    ASSERT_EQ(reinterpret_cast<uintptr_t>(block) % P_kBigBlockSize, 0u);
    std::memset(block, i, P_kBigBlockSize);
    blocks.push_back(block);
  }
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(blocks[i][0], i);
    EXPECT_EQ(blocks[i][P_kBigBlockSize - 1], i);
  }
  char* big = static_cast<char*>(P_allocateBigBlock(3 * P_kBigBlockSize + 1));
  std::memset(big, 1, 4 * P_kBigBlockSize);
  for (char* block : blocks) P_freeBigBlock(block);
  P_freeBigBlock(big);
}

namespace {

// The "VmFlags" of the mapping that holds `address`, from /proc/self/smaps;
// empty when there is none.
std::string mappingFlags(const void* address) {
  const auto at = reinterpret_cast<uintptr_t>(address);
  std::ifstream smaps("/proc/self/smaps");
  std::string line;
  bool inside = false;
  while (std::getline(smaps, line)) {
    uintptr_t start = 0, end = 0;
    char dash = 0;
    std::istringstream range(line);
    if (range >> std::hex >> start >> dash >> end && dash == '-') {
      inside = start <= at && at < end;
    } else if (inside && line.rfind("VmFlags:", 0) == 0) {
      return line + " ";
    }
  }
  return "";
}

}  // namespace

// With the large-model set-up, once the model takes blocks, the general
// heap serves large tables itself (not from mappings of their own), and
// what it adds carries the huge-page advice the blocks have.
TEST(ModelStores, HeapGrowthForTheModelIsAdvisedForHugePages) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the sanitizer's allocator keeps no heap of its own";
#endif
  P_enableLargeModelMemory();
  P_freeBigBlock(P_allocateBigBlock(1));
  // Larger than anything the earlier tests left free, under the heap's limit.
  std::vector<char> table(24 << 20, 'x');
  P_freeBigBlock(P_allocateBigBlock(1));
  // The table may begin in memory the heap had before; its end is new.
  const std::string flags = mappingFlags(&table.back());
  ASSERT_FALSE(flags.empty());
  EXPECT_NE(flags.find(" hg "), std::string::npos) << flags;
}
