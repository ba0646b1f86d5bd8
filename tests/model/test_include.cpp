#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "intl/QL_LocalEncoding.h"
#include "util/U_Exception.h"
#include "model/IncludeHandler.h"
#include "model/MetricFileReader.h"
#include "model/SymbolTable.h"
#include "reader_test_util.h"

namespace {

const char* absPath(const char* recordText) {
  return FilenameProxy::createFromText(recordText)->getAbsPath();
}

std::vector<P_RelationInclude*> includedBy(const char* recordText) {
  std::vector<P_RelationInclude*> out;
  const auto range = P_getRelationIncludeCont().equal_range(FilenameProxy::createFromText(recordText));
  for (auto it = range.first; it != range.second; ++it) out.push_back(it->second.pointer());
  return out;
}

// "FILE:LINE:COLUMN" of a location and of each include location above it,
// joined by " < "; empty for an unset location.
std::string chain(U_Location l) {
  std::string s;
  for (; l.isSet(); l = l.hasInclLocation() ? l.getInclLocation() : U_Location())
    s += (s.empty() ? "" : " < ") + l.getFilename().str() + ":" + std::to_string(l.getLine()) + ":" +
         std::to_string(l.getColumn());
  return s;
}

}  // namespace

TEST(Include, RecordsBuildTheTreeAndTheStore) {
  P_configureNeedRelationInclude();
  MetricFileReader::processFile(readerTestFilename(TUK_TEST_DATA_DIR "/modelreader/out"),
                                readerTestFilename("/anywhere/app.cpp"), P_getSymbolTable());

  // Stored under the including file, in record order; broken records are not.
  const auto fromApp = includedBy("inc/app.cpp");
  ASSERT_EQ(fromApp.size(), 3u);
  EXPECT_STREQ(P_getRelationIncludeSubject(fromApp[0]), absPath("inc/shapes.h"));
  EXPECT_STREQ(P_getRelationIncludeObject(fromApp[0]), absPath("inc/app.cpp"));
  EXPECT_EQ(P_getRelationIncludeLine(fromApp[1]), 2);
  EXPECT_EQ(P_getRelationIncludeLine(fromApp[2]), 9);
  const auto fromShapes = includedBy("inc/shapes.h");
  ASSERT_EQ(fromShapes.size(), 2u);
  EXPECT_TRUE(P_isRelationSystemHeader(fromShapes[0]));
  EXPECT_FALSE(P_isRelationSystemHeader(fromShapes[1]));

  const P_IncludeTreeCont& tree = P_getIncludeTreeCont();
  EXPECT_EQ(tree.count(absPath("inc/broken.h")), 0u);
  EXPECT_FALSE(P_getIncludeTree(tree, absPath("inc/app.cpp")).isSet());
  // A header included directly by the main file, and one two levels down
  // whose second include (app.cpp line 9) does not count.
  const std::string app = absPath("inc/app.cpp");
  const char* shapes = absPath("inc/shapes.h");
  EXPECT_EQ(chain(P_getIncludeTree(tree, shapes)), app + ":1:0");
  const U_Location store = P_getIncludeTree(tree, absPath("inc/detail/store.h"));
  EXPECT_EQ(chain(store), shapes + std::string(":5:0 < ") + app + ":1:0");
  EXPECT_EQ(chain(U_getMainSourceLocation(store)), app + ":1:0");

  const U_Location viaName =
      P_getIncludeLocation(FilenameProxy::createFromText("inc/detail/store.h")->getFilename().getHandle());
  EXPECT_TRUE(U_isLocationEqual(viaName, store));
  EXPECT_FALSE(P_getIncludeLocation(U_Filename()).isSet());
}

// Record text is in the internal encoding: a file name with non-7-bit bytes
// names the same file whatever the run's local encoding is.
TEST(Include, RecordFileNamesAreNotConvertedFromTheLocalEncoding) {
  const ExtendedCharEncoding saved = QL_getLocalEncoding();
  QL_setLocalEncoding(eceSJIS);
  // Two hiragana in the internal encoding; the file name itself is held in
  // the local one.
  const std::string text = "/t/\xA4\xA2\xA4\xA4.h";
  const auto proxy = FilenameProxy::createFromText(text);
  const auto expected = FilenameProxy::create(QL_Filename::create(QL_String::create(text, eceEUC)));
  const std::string shown = proxy->getFilename().str();
  QL_setLocalEncoding(saved);
  EXPECT_EQ(proxy.pointer(), expected.pointer());
  EXPECT_EQ(shown, "/t/\x82\xA0\x82\xA2.h");
}

TEST(Include, FlagsAreRead) {
  std::istringstream sys(" - S");
  EXPECT_EQ(RelationIncludeHandler::interpretFlags(sys), 256u);
  std::istringstream plain("- q");
  EXPECT_EQ(RelationIncludeHandler::interpretFlags(plain), 0u);
  EXPECT_THROW(P_getRelationIncludeLine(nullptr), U_AssertException);
}

// Includes of several files arrive interleaved, and the store is looked at
// between them: each file's entries still come in record order.
TEST(Include, StoreKeepsRecordOrderPerFileAcrossLookups) {
  P_configureNeedRelationInclude();
  const auto lines = [](const char* including) {
    std::vector<int> out;
    for (P_RelationInclude* include : includedBy(including)) out.push_back(P_getRelationIncludeLine(include));
    return out;
  };
  RelationIncludeHandler::handleLine("<R>I \"/order/b.cpp\" \"/order/x.h\" 1 -");
  RelationIncludeHandler::handleLine("<R>I \"/order/a.cpp\" \"/order/x.h\" 2 -");
  RelationIncludeHandler::handleLine("<R>I \"/order/b.cpp\" \"/order/y.h\" 3 -");
  EXPECT_EQ(lines("/order/b.cpp"), (std::vector<int>{1, 3}));
  RelationIncludeHandler::handleLine("<R>I \"/order/a.cpp\" \"/order/y.h\" 4 -");
  RelationIncludeHandler::handleLine("<R>I \"/order/b.cpp\" \"/order/z.h\" 5 -");
  RelationIncludeHandler::handleLine("<R>I \"/order/c.cpp\" \"/order/z.h\" 6 -");
  RelationIncludeHandler::handleLine("<R>I \"/order/b.cpp\" \"/order/x.h\" 7 -");
  EXPECT_EQ(lines("/order/a.cpp"), (std::vector<int>{2, 4}));
  EXPECT_EQ(lines("/order/b.cpp"), (std::vector<int>{1, 3, 5, 7}));
  EXPECT_EQ(lines("/order/c.cpp"), (std::vector<int>{6}));
}
