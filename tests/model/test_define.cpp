#include <gtest/gtest.h>

#include <string>

#include "model/DefineHandler.h"
#include "model/DefineRecordParser.h"
#include "model/IdentifierFields.h"
#include "model/P_Define.h"
#include "model/P_UniqueStr.h"
#include "util/U_Exception.h"

namespace {

U_BPtr<P_Define> record(const std::string& line) { return DefineHandler::createRecord(line); }

std::string shown(const char* internal) { return IdentifierFields::getFullname(internal); }

}  // namespace

TEST(DefineRecord, DecodesEveryField) {
  U_BPtr<P_Define> d = record("<DEFINE> ns::C::f(int,char) \"src/a b.h\" 42 I DD OF C X (int,char)void FOIVPSDAR1235 7GTUzq");
  ASSERT_TRUE(d.isSet());
  EXPECT_EQ(shown(d->getName()), "ns::C::f(int,char)");
  EXPECT_EQ(d->getLine(), 42);
  EXPECT_EQ(d->getInc(), 0);
  EXPECT_EQ(d->getDef(), P_DefDefinition);
  EXPECT_EQ(d->getSpace(), P_SpaceFunction);
  EXPECT_EQ(d->getScope(), Scope::Class);
  EXPECT_EQ(d->getLinkage(), P_LinkageExternal);
  EXPECT_STREQ(d->getType(), "(int,char)void");
  // The flags field is the first token after the type; later tokens are ignored.
  EXPECT_EQ(d->getFlags(), 0x1fffu);
  std::string path = P_getDefineFilename(d.pointer());
  EXPECT_EQ(path.substr(path.size() - 9), "src/a b.h");
  EXPECT_EQ(path[0], '/');

  U_BPtr<P_Define> all = record("<DEFINE> v \"f.c\" 1 M DC OV F X int 7GTU");
  ASSERT_TRUE(all.isSet());
  EXPECT_EQ(all->getFlags(), 0x2000u | 0x4000u | 0x8000u | 0x10000u);
  EXPECT_EQ(all->getInc(), 1);
}

TEST(DefineRecord, MalformedRecordsAreRejected) {
  const char* bad[] = {
      "<DEFINE>",
      "<DEFINE> x",
      "<DEFINE> x \"f.c\" 1 M DC OV F X int",         // no flags field
      "<DEFINE> x \"f.c\" one M DC OV F X int -",     // line not a number
      "<DEFINE> x \"f.c\" 99999999999 M DC OV F X int -",
      "<DEFINE> x \"f.c 1 M DC OV F X int -",         // unterminated file
      "<DEFINE> x \"f.c\" 1 M DCC OV F X int -",      // def of three characters
      "<DEFINE> x \"f.c\" 1 M XC OV F X int -",       // def not starting with D
      "<DEFINE> x \"f.c\" 1 M DC O F X int -",        // space of one character
      "<DEFINE> x \"f.c\" 1 M DC TG F X int -",       // tag without "{k...}" type
      "<DEFINE> x \"f.c\" 1 M DC TG F X {c} -",       // tag type too short
      "<DEFINE> x \"\" 1 M DC OV F X int -",          // empty file name
      "<DEFINE> x \"f.c\" -1 M DC OV F X int -",      // negative line
      "<DEFINE> x \"f.c\" -2147483648 M DC OV F X int -",
      "<DEFINE> x \"f.c\" -2147483648 I DC OV F X int -",  // included: the cached path
  };
  for (const char* line : bad) EXPECT_FALSE(record(line).isSet()) << line;
  std::string longLine = "<DEFINE> " + std::string(1 << 20, 'a') + " \"f.c\" 1 M DC OV F X int -";
  EXPECT_TRUE(record(longLine).isSet());
  std::string withNul = "<DEFINE> aXb \"f.c\" 1 M DC OV F X int -";
  withNul[10] = '\0';
  EXPECT_TRUE(record(withNul).isSet());
  EXPECT_TRUE(record("<DEFINE> x \"f.c\" 1 M DC OV F X int -\r").isSet());
  EXPECT_TRUE(record("<DEFINE> x \"f.c\" 2147483647 M DC OV F X int -").isSet());
  // A tag type is kept as a C string: a NUL byte in "{k" NAME "}" cuts it
  // short, and the kind tests would then refuse it with an assertion.
  std::string nulInTagType = "<DEFINE> x \"f.c\" 1 M DC TG F X {cABC} -";
  nulInTagType[nulInTagType.find('{') + 1] = '\0';
  EXPECT_FALSE(record(nulInTagType).isSet());
}

TEST(DefinePredicates, KindsScopesAndFlags) {
  auto is = [](const std::string& rest, bool (*pred)(const P_Define*)) {
    U_BPtr<P_Define> d = record("<DEFINE> " + rest);
    EXPECT_TRUE(d.isSet()) << rest;
    return d.isSet() && pred(d.pointer());
  };
  EXPECT_TRUE(is("C \"f.h\" 1 I DC TG S X {cC} -", P_isDefineClass));
  EXPECT_FALSE(is("C \"f.h\" 1 I DC TG S X {sC} -", P_isDefineClass));
  EXPECT_TRUE(is("C \"f.h\" 1 I DC TG S X {sC} -", P_isDefineStruct));
  EXPECT_TRUE(is("C \"f.h\" 1 I DC TG S X {eC} -", P_isDefineEnum));
  EXPECT_FALSE(is("C \"f.h\" 1 I DC OV S X {eC} -", P_isDefineEnum));
  EXPECT_TRUE(is("b \"f.h\" 1 M DC MB C X ub -", P_isDefineBitfield));
  EXPECT_FALSE(is("b \"f.h\" 1 M DC MB C X ubx -", P_isDefineBitfield));
  EXPECT_TRUE(is("p \"f.h\" 1 M DC OV B N int R", P_isDefineFunctionParameter));
  EXPECT_FALSE(is("p \"f.h\" 1 M DC OV B N int -", P_isDefineFunctionParameter));
  EXPECT_TRUE(is("main(void) \"m.c\" 3 M DD OF F X (void)int -", P_isDefineMain));
  EXPECT_FALSE(is("ns::main(void) \"m.c\" 3 M DD OF S X (void)int -", P_isDefineMain));
  EXPECT_FALSE(is("main \"m.c\" 3 M DD OV F X int -", P_isDefineMain));
  EXPECT_TRUE(is("C::@constructor(int) \"f.h\" 1 I DC OF C X (int) -", P_isDefineConstructor));
  EXPECT_FALSE(is("C::@constructor(int) \"f.h\" 1 I DC OF C X (int) -", P_isDefineCopyConstructor));
  EXPECT_TRUE(is("n::C::@constructor(n::Cconst&) \"f.h\" 1 I DC OF C X (n::Cconst&) -", P_isDefineCopyConstructor));
  EXPECT_TRUE(is("B<int>::@constructor(B<int>&) \"f.h\" 1 I DC OF C X (B<int>&) -", P_isDefineCopyConstructor));
  EXPECT_FALSE(is("C::@constructor(C&&) \"f.h\" 1 I DC OF C X (C&&) -", P_isDefineCopyConstructor));
  EXPECT_FALSE(is("C::@constructor(C&,int) \"f.h\" 1 I DC OF C X (C&,int) -", P_isDefineCopyConstructor));
  EXPECT_TRUE(is("C::=@(Cconst&) \"f.h\" 1 I DC OF C X (Cconst&)C& -", P_isDefineAssignmentOperator));
  EXPECT_FALSE(is("C::==@(Cconst&) \"f.h\" 1 I DC OF C X (Cconst&)bool -", P_isDefineAssignmentOperator));
}

TEST(DefinePredicates, NullAndBadTypeAreAssertions) {
  EXPECT_THROW(P_isDefineDefinition(nullptr), U_AssertException);
  EXPECT_THROW(P_getDefineQualName(nullptr), U_AssertException);
  // A tag built by hand with a malformed type: the kind tests refuse it.
  P_Define bad(P_createUniqueStr("T"), U_BPtr<FilenameProxy>(), 1, 1, P_DefDeclaration, P_SpaceTag, Scope::File,
               P_LinkageExternal, P_createUniqueStr("int"), 0);
  EXPECT_THROW(P_isDefineClass(&bad), U_AssertException);
  EXPECT_STREQ(P_getDefineFilename(&bad), "");
}

// A member renamed to its scope takes the flags of that name.
TEST(DefineTemplateFlags, RenamedDefineTakesTheFlagsOfItsNewName) {
  U_BPtr<P_Define> member = record("<DEFINE> B<int>::f(void) \"b.h\" 9 I DX OF C X (void) -");
  P_Define renamed(*member, IdentifierFields::getScope(member->getName()));
  EXPECT_EQ(renamed.getTemplateFlags(), P_TmplList);
  EXPECT_EQ(renamed.getLine(), 9);
  EXPECT_EQ(renamed.getFile(), member->getFile());
}

TEST(DefineFiles, OneProxyPerFile) {
  std::string dir = TUK_TEST_DATA_DIR "/model";
  U_BPtr<P_Define> a = record("<DEFINE> x \"" + dir + "/ex1_main.cpp.met\" 1 M DC OV F X int -");
  U_BPtr<P_Define> c = record("<DEFINE> z \"" + dir + "/ex1_main.cpp.met\" 3 M DC OV F X int -");
  ASSERT_TRUE(a.isSet() && c.isSet());
  EXPECT_EQ(a->getFile(), c->getFile());
  EXPECT_EQ(FilenameProxy::create(a->getFile()->getFilename()), a->getFile());
  EXPECT_TRUE(P_hasDefineSameLocation(a.pointer(), a.pointer()));
  EXPECT_FALSE(P_hasDefineSameLocation(a.pointer(), c.pointer()));
}
