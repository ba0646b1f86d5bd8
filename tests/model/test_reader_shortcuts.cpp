// The shortcuts the record reader takes for speed must give exactly what
// the plain way gives: fields split eight bytes at a time, names marked in
// runs, facts cached beside interned names, file names resolved once per
// text, and one block buffer passed from record file to record file.

#include <gtest/gtest.h>

#include <unistd.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "model/DefineRecordCache.h"
#include "model/DefineRecordParser.h"
#include "model/FilenameProxy.h"
#include "model/IdentifierFields.h"
#include "model/M_RecordFile.h"
#include "model/P_RecordCursor.h"
#include "model/P_UniqueStr.h"
#include "reader_test_util.h"

namespace {

// The fields of a line split one byte at a time.
std::vector<std::string> splitByteByByte(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && P_RecordCursor::isBlank(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !P_RecordCursor::isBlank(line[i])) ++i;
    if (i > start) words.emplace_back(line.substr(start, i - start));
  }
  return words;
}

std::vector<std::string> splitWithCursor(std::string_view line) {
  std::vector<std::string> words;
  P_RecordCursor cursor(line);
  std::string_view word;
  while (cursor.word(word)) words.emplace_back(word);
  return words;
}

std::string mark(std::string_view token) {
  P_MetIdentifier id;
  id.setString(token);
  return id.str();
}

// Whether two defines hold the same fields, the def bits only when asked.
bool sameFields(const P_Define& a, const P_Define& b, bool withDef = true) {
  return a.getName() == b.getName() && a.getFile().pointer() == b.getFile().pointer() &&
         a.getLine() == b.getLine() && a.getType() == b.getType() && a.getFlags() == b.getFlags() &&
         a.getInc() == b.getInc() && (!withDef || a.getDef() == b.getDef()) && a.getSpace() == b.getSpace() &&
         a.getScope() == b.getScope() && a.getLinkage() == b.getLinkage();
}

}  // namespace

TEST(ReaderShortcuts, FieldsSplitLikeByteByByte) {
  // Blanks of every kind, bytes that stop the eight-byte screen without
  // being blanks (DEL, high bytes, controls), at every offset in a word.
  const std::string alphabet = std::string("abcXYZ09<>(),:@{}\"_") + ' ' + '\t' + '\r' + '\v' + '\f' + '\x7F' +
                               '\x80' + '\xA4' + '\xFF' + '\x01' + '\x1F' + '!' + '~';
  std::mt19937 random(7);
  for (int n = 0; n < 3000; ++n) {
    std::string line;
    const int length = static_cast<int>(random() % 70);
    for (int i = 0; i < length; ++i) {
      // Mostly name bytes, so that long words cross eight-byte edges.
      line += random() % 4 != 0 ? "abcdefgh"[random() % 8] : alphabet[random() % alphabet.size()];
    }
    ASSERT_EQ(splitWithCursor(line), splitByteByByte(line)) << "line: " << line;
  }
  // A record as the analyser writes it.
  const std::string record =
      "<DEFINE> lib::Box<@ClassTempParam1>::size(void) \"src/box.h\" 12 I DC OF C X (void)@ClassTempParam1 U";
  EXPECT_EQ(splitWithCursor(record), (std::vector<std::string>{"<DEFINE>", "lib::Box<@ClassTempParam1>::size(void)",
                                                               "\"src/box.h\"", "12", "I", "DC", "OF", "C", "X",
                                                               "(void)@ClassTempParam1", "U"}));
}

TEST(ReaderShortcuts, MarkingCopiesRunsButKeepsEveryStateRule) {
  // A long run before each byte a state reacts to.
  const std::string run = "averyLongName_0123456789";
  EXPECT_EQ(mark(run + "::" + run + "<" + run + "," + run + ">::" + run + "(" + run + "," + run + ")"),
            run + "::" + run + P_IdMarker::TemplateOpen + run + "," + run + P_IdMarker::TemplateClose + "::" + run +
                P_IdMarker::ParamOpen + run + P_IdMarker::ParamSep + run + P_IdMarker::ParamClose);
  // Inside braces every 's' the brace state sees becomes 'c', also within a run.
  EXPECT_EQ(mark("{spass}"), "{cpacc}");
  EXPECT_EQ(mark("f(" + run + "{sclass_s}," + run + ")"),
            "f" + std::string(1, P_IdMarker::ParamOpen) + run + "{cclacc_c}" + P_IdMarker::ParamSep + run +
                P_IdMarker::ParamClose);
  // Outside braces an 's' is an ordinary byte.
  EXPECT_EQ(mark("sss::s<s>"), "sss::s" + std::string(1, P_IdMarker::TemplateOpen) + "s" + P_IdMarker::TemplateClose);
}

TEST(ReaderShortcuts, TemplateFlagsFromTheCachedShapeFollowEachDefine) {
  const auto flagsOf = [](const std::string& name, const char* dependent) {
    const std::string line = "<DEFINE> " + name + " \"src/s.h\" 3 I DC OF C X (void)int " + dependent;
    U_BPtr<P_Define> d = DefineRecordParser::parse(line);
    EXPECT_TRUE(d.isSet()) << line;
    if (!d.isSet()) return uint8_t{0};
    EXPECT_EQ(d->getTemplateFlags(), P_Define::getTemplateFlags(d->getName(), d->getType(), d->getFlags()));
    return d->getTemplateFlags();
  };
  // The same name twice, dependent and not: the cached shape is shared,
  // the dependent flag is each define's own.
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(flagsOf("sc::Box<@ClassTempParam1>", "U"), P_TmplDependentList);
    EXPECT_EQ(flagsOf("sc::Box<@ClassTempParam1>", "-"), P_TmplList);
    EXPECT_EQ(flagsOf("sc::Box<int>::size(void)", "-"), P_TmplInTemplateScope);
    EXPECT_EQ(flagsOf("sc::Box<int>::size(void)", "U"), P_TmplDependentNoList);
    EXPECT_EQ(flagsOf("sc::plain(int)", "-"), P_TmplNone);
    // A template argument list inside a parameter list is no list of the name.
    EXPECT_EQ(flagsOf("sc::take(sc::Box<int>)", "-"), P_TmplNone);
  }
}

TEST(ReaderShortcuts, TemplateShapeFromOneSplitMatchesTheNameQueries) {
  // Flags of a name as the identifier queries on the whole name give them.
  const auto byQueries = [](const std::string& internal) {
    if (IdentifierFields::hasTemplateParams(internal)) return P_TmplList;
    if (IdentifierFields::isTemplateScope(internal)) return P_TmplInTemplateScope;
    return P_TmplNone;
  };
  for (const char* token :
       {"a::b<int>::c<long>", "a<int>::b", "a:::b<int>", "a::::b", "::x<int>", "x<int>::", "a<b::c<d>>::e(f<g>)",
        "a::b(c::d<e>)::f", "a)::b<c>", "a>::b<c>", "a<b::<c", "{cs::T<int>}::x<y>", "@constructor(void)", "",
        "a::@operator<@(int)"}) {
    const std::string internal = mark(token);
    EXPECT_EQ(P_Define::getTemplateFlags(internal.c_str(), nullptr, 0), byQueries(internal)) << token;
  }
}

TEST(ReaderShortcuts, FileTextsResolveOnceToTheSharedProxy) {
  const std::string dir = readerTestMakeDir();
  writeBytes(dir + "/real.h", "int x;\n");
  ASSERT_EQ(symlink((dir + "/real.h").c_str(), (dir + "/link.h").c_str()), 0);
  const U_BPtr<FilenameProxy> real = FilenameProxy::createFromText(dir + "/real.h");
  // Other texts naming the same file, and the same text again.
  EXPECT_EQ(FilenameProxy::createFromText(dir + "/link.h").pointer(), real.pointer());
  EXPECT_EQ(FilenameProxy::createFromText(dir + "/.//real.h").pointer(), real.pointer());
  EXPECT_EQ(FilenameProxy::createFromText(dir + "/real.h").pointer(), real.pointer());
  EXPECT_NE(std::string(real->getAbsPath()).find("/real.h"), std::string::npos);
  EXPECT_NE(FilenameProxy::createFromText(dir + "/other.h").pointer(), real.pointer());
}

TEST(ReaderShortcuts, BlockBufferPassesFromFileToFileWithoutStaleBytes) {
  const std::string dir = readerTestMakeDir();
  const std::string longLine(3 << 20, 'L');  // grows the buffer past one block
  writeBytes(dir + "/long.met", "<A> first\n" + longLine + "\n<A> last");
  writeBytes(dir + "/short.met", "x\ny");
  writeBytes(dir + "/empty.met", "");

  EXPECT_EQ(readLines(dir + "/long.met"), (std::vector<std::string>{"<A> first", longLine, "<A> last"}));
  // The next files get the used buffer: nothing of the last file shows.
  EXPECT_EQ(readLines(dir + "/short.met"), (std::vector<std::string>{"x", "y"}));
  EXPECT_TRUE(readLines(dir + "/empty.met").empty());

  // Two files open at once each read their own lines.
  M_RecordFile one(text(dir + "/short.met"), eceEUC), two(text(dir + "/long.met"), eceEUC);
  std::vector<std::string> lines;
  for (U_String a, b; one.getline(a) && two.getline(b);) lines.insert(lines.end(), {a, b});
  EXPECT_EQ(lines, (std::vector<std::string>{"x", "<A> first", "y", longLine}));
}

TEST(ReaderShortcuts, RepeatedRecordsGiveFreshDefinesWithTheSameFields) {
  // Records of included files (I) and of the main file (M), enough of them
  // to make any store behind the parser grow.
  std::vector<std::string> lines;
  for (int i = 0; i < 3000; ++i) {
    lines.push_back("<DEFINE> rep::Box" + std::to_string(i) + "<@ClassTempParam1>::get(int,{srep::S}) \"src/r" +
                    std::to_string(i % 7) + ".h\" " + std::to_string(i) + (i % 3 ? " I" : " M") +
                    " DC OF C X (int)@ClassTempParam1 U");
  }
  std::vector<U_BPtr<P_Define>> first;
  for (const std::string& line : lines) {
    first.push_back(DefineRecordParser::parse(line));
    ASSERT_TRUE(first.back().isSet()) << line;
    first.back()->addDef(P_DefDefinition);  // as the symbol table may do
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    U_BPtr<P_Define> again = DefineRecordParser::parse(lines[i]);
    ASSERT_TRUE(again.isSet());
    EXPECT_NE(again.pointer(), first[i].pointer());
    EXPECT_EQ(again->getDef(), P_DefDeclaration) << "a change to an earlier define leaks into a later one";
    first[i]->setDef(P_DefDeclaration);
    EXPECT_TRUE(sameFields(*again, *first[i])) << lines[i];
  }
  EXPECT_STREQ(IdentifierFields::getFullname(first[5]->getName()), "rep::Box5<@ClassTempParam1>::get(int,{crep::S})");
  // A malformed record stays malformed when it comes again.
  const std::string broken = "<DEFINE> rep::x \"src/r.h\" 1 I DC TG S X notatag -";
  EXPECT_FALSE(DefineRecordParser::parse(broken).isSet());
  EXPECT_FALSE(DefineRecordParser::parse(broken).isSet());
}

// A record that repeats the declaration record before it but for the def
// field takes the declaration's fields; anything else differing, or a def
// field that is no longer two letters, is read on its own.
TEST(ReaderShortcuts, SecondRecordOfAPairDiffersInItsDefBitsAlone) {
  for (const char* inc : {"M", "I"}) {
    const std::string head = std::string("<DEFINE> pair::f(int) \"src/pair.h\" 7 ") + inc + " D";
    const std::string tail = " OF S X (int)void I";
    U_BPtr<P_Define> declaration = DefineRecordParser::parse(head + "C" + tail);
    ASSERT_TRUE(declaration.isSet());
    for (const char letter : {'D', 'X', 'S', 'C'}) {
      U_BPtr<P_Define> second = DefineRecordParser::parse(head + letter + tail);
      ASSERT_TRUE(second.isSet()) << letter;
      EXPECT_NE(second.pointer(), declaration.pointer());
      EXPECT_EQ(second->getDef(), DefineRecordParser::defBits(letter)) << letter;
      EXPECT_TRUE(sameFields(*second, *declaration, false)) << letter;
      EXPECT_EQ(second->getLine(), 7);
    }
    // The def field cut to one letter shifts every later field: malformed.
    EXPECT_FALSE(DefineRecordParser::parse(head + " " + tail).isSet());
    // Another flag letter is another record.
    U_BPtr<P_Define> other = DefineRecordParser::parse(head + "D" + " OF S X (int)void V");
    ASSERT_TRUE(other.isSet());
    EXPECT_NE(other->getFlags(), declaration->getFlags());
  }
}

TEST(ReaderShortcuts, RecordCacheFindsRecordsInTheirOrderAndOutOfIt) {
  DefineRecordCache cache;
  std::vector<std::string> texts;
  for (int i = 0; i < 5000; ++i) texts.push_back("<DEFINE> cached" + std::to_string(i) + " \"a.h\" 1 I DC OV S X int -");
  const auto find = [&cache](const std::string& t) { return cache.find(t, DefineRecordCache::hashOf(t)); };
  const auto lineOf = [](const DefineRecordFields* found) { return found ? found->line : -1; };
  for (int i = 0; i < 5000; ++i) {
    ASSERT_EQ(cache.findNext(texts[i]), nullptr);
    DefineRecordFields fields;
    fields.line = i;
    cache.add(texts[i], DefineRecordCache::hashOf(texts[i]), fields);  // the index grows meanwhile
  }
  EXPECT_EQ(cache.findNext(texts[0]), nullptr) << "nothing follows the last text added";

  // In order after one found by its hash; a repeat, a skip or an unknown
  // text breaks the run, and the search resumes it.
  EXPECT_EQ(lineOf(find(texts[10])), 10);
  for (int i = 11; i < 20; ++i) EXPECT_EQ(lineOf(cache.findNext(texts[i])), i);
  EXPECT_EQ(cache.findNext(texts[19]), nullptr);
  EXPECT_EQ(cache.findNext(texts[21]), nullptr);
  EXPECT_EQ(cache.findNext("<DEFINE> cached20"), nullptr) << "a prefix is not the text";
  EXPECT_EQ(find("<DEFINE> other"), nullptr);
  EXPECT_EQ(lineOf(cache.findNext(texts[20])), 20);
  for (int i = 4999; i >= 0; i -= 7) EXPECT_EQ(lineOf(find(texts[i])), i);
  EXPECT_EQ(cache.size(), 5000u);
}
