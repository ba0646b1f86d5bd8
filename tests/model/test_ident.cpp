#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/IdentifierFields.h"
#include "model/P_UniqueStr.h"

namespace {

std::string mark(const std::string& token) {
  P_MetIdentifier id;
  id.setString(token);
  return id.str();
}

// The internal form of a name spelled with plain '<' '>' '(' ')' ',' for
// the markers.
std::string marked(std::string readable) {
  static const std::string plain = "<>(),";
  static const std::string markers = {P_IdMarker::TemplateOpen, P_IdMarker::TemplateClose, P_IdMarker::ParamOpen,
                                      P_IdMarker::ParamClose, P_IdMarker::ParamSep};
  for (char& c : readable)
    if (plain.find(c) != std::string::npos) c = markers[plain.find(c)];
  return readable;
}

const char* parsed(const char* token) { return IdentifierFields::getParsedString(token); }
std::string full(const char* internal) { return IdentifierFields::getFullname(internal); }

}  // namespace

TEST(IdentMarking, MarksOnlyOutermostListsAndRoundTrips) {
  // Only the outer template list is marked; the inner pair stays plain.
  EXPECT_EQ(mark("A<B<int>>::g"), marked("A<") + "B<int>" + marked(">::g"));
  // Nested parentheses and commas inside a template list stay plain.
  EXPECT_EQ(mark("f(g(a,b),c)"), marked("f(") + "g(a,b)" + marked(",c)"));
  for (const char* token : {"ns::f(int,char)", "A<B<int>>::g", "lib::maxOf<int>(int,int)", "x::y"}) {
    EXPECT_EQ(P_MetIdentifier::getOutputString(mark(token)), token);
  }
}

TEST(IdentMarking, SpecialNamesAndBraces) {
  // Unknown code: everything up to the closing '@' is one special name with
  // plain brackets, and the closing '@' is dropped.
  EXPECT_EQ(mark("X::@operator<@"), "X::@operator<");
  EXPECT_EQ(mark("X::@op(a,b)@::f(int)"), "X::@op(a,b)::f" + marked("(int)"));
  // Known codes pass as ordinary names, '@' included.
  EXPECT_EQ(mark("C::@constructor(int)"), "C::@constructor" + marked("(int)"));
  EXPECT_EQ(mark("lib::@UN1::Helper<@ClassTempParam1>"), "lib::@UN1::Helper" + marked("<@ClassTempParam1>"));
  // Operators written as symbol and '@' keep their plain characters.
  EXPECT_EQ(mark("C::<@(C)"), "C::<@" + marked("(C)"));
  EXPECT_EQ(mark("lib::Box<int>::==@(lib::Box<int>const&)"),
            marked("lib::Box<int>::==@(") + "lib::Box<int>const&" + P_IdMarker::ParamClose);
  // Inside braces an 's' examined by the brace state becomes 'c'; a name
  // scanned after "::" keeps its letters.
  EXPECT_EQ(mark("{sfoo::sbar}"), "{cfoo::sbar}");
}

TEST(IdentMarking, UnbalancedTokensAreKeptWithoutCrash) {
  EXPECT_EQ(mark("a>b)"), "a>b)");
  EXPECT_EQ(mark("f(int"), marked("f(int"));
  EXPECT_EQ(mark("A<B"), marked("A<B"));
  EXPECT_EQ(mark("x::@"), "x::@");
  EXPECT_EQ(mark("x::@a"), "x::@a");
  for (const char* token : {")))", "<<<>>>>>", "{{{", "}}}", "::::", ":", "@", "@@", "x::@ab(c", "(<{[", ""}) {
    std::string result = mark(token);
    EXPECT_LE(result.size(), std::string(token).size()) << token;
  }
  std::string huge(1 << 20, '<');
  EXPECT_EQ(mark(huge).size(), huge.size());
}

TEST(IdentMarking, InterningAndOutputCache) {
  const char* a = parsed("lib::Box<int>::size(void)");
  std::string copy = "lib::Box<int>::size(void)";
  EXPECT_EQ(a, parsed(copy.c_str()));
  EXPECT_EQ(a, P_createUniqueStr(marked("lib::Box<int>::size(void)")));
  EXPECT_NE(a, parsed("lib::Box<int>::size(int)"));
  const char* shown = IdentifierFields::getFullname(a);
  EXPECT_STREQ(shown, "lib::Box<int>::size(void)");
  EXPECT_EQ(shown, P_MetIdentifier::getOutputStrHan(a));
  EXPECT_EQ(P_createUniqueStr(static_cast<const char*>(nullptr)), P_createUniqueStr(""));
}

// EUC-JP text holds bytes 0x8E and 0x8F (half-width katakana, JIS X 0212)
// and UTF-8 text holds 0x8B-0x90: none of them may be taken for a marker.
TEST(IdentMarking, InputBytesInTheMarkerRangeAreKeptIntact) {
  const std::string kana = "\x8E\xB1";          // half-width katakana A in EUC-JP
  const std::string umlaut = "\x8F\xAB\xA4";    // a-umlaut in EUC-JP
  const std::string utf8 = "\xC4\x8B\xC4\x90";  // two UTF-8 letters holding 0x8B and 0x90
  const std::string all = "\x8B\x8C\x8D\x8E\x8F\x90";
  for (const std::string& text : {kana, umlaut, utf8, all}) {
    // Marked exactly as the same name with a plain letter there.
    const std::string token = "ns::K" + text + "<int>::f(" + text + ",char)";
    std::string internal = mark(token);
    EXPECT_EQ(P_MetIdentifier::getOutputString(internal), token);
    const std::string plain = mark("ns::Kq<int>::f(q,char)");
    for (char c : {P_IdMarker::TemplateOpen, P_IdMarker::TemplateClose, P_IdMarker::ParamOpen,
                   P_IdMarker::ParamClose, P_IdMarker::ParamSep}) {
      EXPECT_EQ(std::count(internal.begin(), internal.end(), c), std::count(plain.begin(), plain.end(), c));
    }
    // In special names, braces and after "::" the bytes are kept too.
    EXPECT_EQ(P_MetIdentifier::getOutputString(mark("X::@op" + text + "(a,b)@::g")), "X::@op" + text + "(a,b)::g");
    EXPECT_EQ(P_MetIdentifier::getOutputString(mark("f({s" + text + "})")), "f({c" + text + "})");
    EXPECT_EQ(P_MetIdentifier::getOutputString(mark("a::" + text + "::b")), "a::" + text + "::b");
  }
  // The structure of a name is unchanged by such bytes in it.
  const char* member = parsed(("lib::Box" + kana + "<int>::size" + umlaut + "(" + kana + ")").c_str());
  EXPECT_EQ(full(IdentifierFields::getScope(member)), "lib::Box" + kana + "<int>");
  EXPECT_EQ(full(IdentifierFields::getIdentifier(member)), "size" + umlaut);
  EXPECT_EQ(full(IdentifierFields::getFunctionParams(member)), "(" + kana + ")");
  EXPECT_EQ(IdentifierFields::getFunctionParamCount(member), 1);
  EXPECT_STREQ(IdentifierFields::getSkeleton(member), ("lib::Box" + kana + "<>::size" + umlaut).c_str());
  EXPECT_TRUE(IdentifierFields::isIdFunc(member));
  EXPECT_FALSE(IdentifierFields::isIdFunc(parsed(("f" + umlaut).c_str())));
}

TEST(IdentFields, ScopeAndTermParts) {
  // Scope, identifier, parameters and skeleton: see the marker-range test.
  const char* member = parsed("lib::Box<int>::size(void)");
  EXPECT_EQ(full(IdentifierFields::getName(member)), "size(void)");
  EXPECT_STREQ(IdentifierFields::getTemplateParams(member), "");
  EXPECT_TRUE(IdentifierFields::isTemplateScope(member));

  // A "::" inside a parameter list does not separate scopes.
  const char* fn = parsed("f(a::b,c)");
  EXPECT_STREQ(IdentifierFields::getScope(fn), "");
  EXPECT_FALSE(IdentifierFields::isTemplateScope(fn));
  EXPECT_EQ(IdentifierFields::getFunctionParamCount(fn), 2);

  const char* tmpl = parsed("lib::maxOf<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1)");
  EXPECT_EQ(full(IdentifierFields::getTemplateParams(tmpl)), "<@FuncTempParam1>");
  EXPECT_EQ(full(IdentifierFields::stripTemplateParams(tmpl)), "lib::maxOf(@FuncTempParam1,@FuncTempParam1)");
  EXPECT_STREQ(IdentifierFields::getSkeleton(tmpl), "lib::maxOf<>");
  EXPECT_STREQ(IdentifierFields::getSkeleton(parsed("lib::maxOf<int>(int,int)")), "lib::maxOf<>");
  EXPECT_EQ(IdentifierFields::getFunctionParamCount(parsed("lib::Box<int>")), 0);

  const char* ctor = parsed("lib::Box<int>::@constructor(int)");
  EXPECT_STREQ(IdentifierFields::getIdentifier(ctor), "@constructor");
  EXPECT_STREQ(IdentifierFields::getSimpleIdentifier(ctor), "constructor");
  EXPECT_STREQ(IdentifierFields::getIdentifier(parsed("lib::Box<int>::==@(int)")), "==@");
}

TEST(IdentFields, OverloadKeyReplacesOnlyTheFirstParameter) {
  auto key = [](const char* token) { return IdentifierFields::getOverloadFuncName(parsed(token)); };
  EXPECT_EQ(key("f(a,x)"), key("f(b,x)"));
  EXPECT_EQ(full(key("f(a,y)")), "f( ,y)");
  EXPECT_EQ(full(key("ns::g(int)")), "ns::g( )");
  EXPECT_EQ(key("ns::v"), parsed("ns::v"));
}
