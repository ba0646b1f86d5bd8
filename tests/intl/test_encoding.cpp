#include <gtest/gtest.h>

#include <cstdio>

#include "TempDir.h"
#include "intl/EncodingConverter.h"
#include "intl/InputFileTranslator.h"
#include "intl/QL_FileStat.h"
#include "intl/QL_Filename.h"
#include "intl/QL_LocalEncoding.h"
#include "intl/QL_String.h"

namespace {

// "日本語 ok" in each encoding.
const U_String kEuc = "\xC6\xFC\xCB\xDC\xB8\xEC ok";
const U_String kSjis = "\x93\xFA\x96\x7B\x8C\xEA ok";
const U_String kUtf = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E ok";
const U_String kJis = "\x1B$B\x46\x7C\x4B\x5C\x38\x6C\x1B(B ok";

TEST(Encodings, JapaneseTextRoundTripsThroughQLString) {
  EXPECT_EQ(QL_String::create(kSjis, eceSJIS).get(), kEuc);
  EXPECT_EQ(QL_String::create(kUtf, eceUTF).get(), kEuc);
  EXPECT_EQ(QL_String::create(kJis, eceNewJIS).get(), kEuc);
  EXPECT_EQ(QL_String::create(kJis, eceOldJIS).get(), kEuc);

  QL_String s = QL_String::create(kEuc, eceEUC);
  EXPECT_EQ(s.get(eceSJIS), kSjis);
  EXPECT_EQ(s.get(eceUTF), kUtf);
  EXPECT_EQ(s.get(eceNewJIS), kJis);
  EXPECT_EQ(s.get(eceNone), kEuc);
  // eceNone stores bytes unchanged, whatever they are.
  EXPECT_EQ(QL_String::create(kUtf, eceNone).get(), kUtf);
}

TEST(Encodings, InvalidBytesBecomeQuestionMarks) {
  // A lone lead byte and a stray continuation byte in UTF-8.
  EXPECT_EQ(QL_String::create("a\xE6" "b\x80" "c", eceUTF).get(), "a?b?c");
  // A Shift_JIS double-byte character cut at the end keeps the text before it.
  EXPECT_EQ(QL_String::create("x\x93", eceSJIS).get().substr(0, 1), "x");
  // Plain text is never touched.
  EXPECT_EQ(QL_convertToInternal("int main(void)", eceUTF), "int main(void)");
}

TEST(Encodings, OrderingComparesUnsignedBytesThenLength) {
  const auto less = [](const char* a, const char* b) {
    return QL_String::create(a, eceNone) < QL_String::create(b, eceNone);
  };
  EXPECT_TRUE(less("abc", "abd") && less("ab", "abc") && less("abc", "\xC6"));
  EXPECT_FALSE(less("abc", "ab"));
}

TEST(LocalEncoding, DerivedFromLocaleNamesAndOptionValues) {
  EXPECT_EQ(QL_encodingFromLang(nullptr), eceNone);
  EXPECT_EQ(QL_encodingFromLang("POSIX"), eceNone);
  EXPECT_EQ(QL_encodingFromLang("C.utf8"), eceUTF);
  EXPECT_EQ(QL_encodingFromLang("ja_JP.eucJP"), eceEUC);
  EXPECT_EQ(QL_encodingFromLang("ja_JP.shiftjis"), eceSJIS);
  EXPECT_EQ(QL_encodingFromLang("de_DE.ISO-8859-15@euro"), eceNone);
  EXPECT_EQ(QL_encodingFromName("utf-8"), eceUTF);
  EXPECT_EQ(QL_encodingFromName("klingon"), eceInvalid);

  ExtendedCharEncoding before = QL_getLocalEncoding();
  QL_setLocalEncoding(eceSJIS);
  EXPECT_EQ(QL_String::create(kSjis).get(), kEuc);
  QL_setLocalEncoding(before);
}

TEST(InputFileTranslator, DeliversLinesAndCharactersInTheInternalEncoding) {
  TempDir dir;
  const std::string path = dir.write("sjis.txt", kSjis + "\r\nsecond\n\nlast-no-newline");
  InputFileTranslator in(QL_String::create(path, eceNone), eceSJIS);
  ASSERT_TRUE(in.isOpen());
  const auto next = [&in] {
    U_String line;
    return in.getline(line) ? line : U_String("<end>");
  };
  EXPECT_EQ(next(), kEuc + "\r");
  EXPECT_EQ(in.getChar(), 's');
  EXPECT_EQ(in.peekChar(), 'e');
  std::string rest;
  for (int i = 0; i < 4; ++i) rest += next() + "|";
  EXPECT_EQ(rest, "econd||last-no-newline|<end>|");
  EXPECT_EQ(in.getChar(), EOF);
  EXPECT_TRUE(in.atEnd());

  // Missing files and folders are not open and give no line.
  EXPECT_FALSE(InputFileTranslator(QL_String::create("/nonexistent/x", eceNone), eceNone).isOpen());
  InputFileTranslator folder(QL_String::create(dir.path(), eceNone), eceNone);
  U_String line;
  EXPECT_FALSE(folder.isOpen() || folder.getline(line));
}

TEST(QLFilename, DifferentSpellingsOfOneFileAreEqual) {
  TempDir dir;
  const std::string path = dir.write("x.h", "x");
  QL_Filename a = QL_Filename::create(QL_String::create(path, eceNone));
  QL_Filename b = QL_Filename::create(QL_String::create(dir.path() + "/./sub/../x.h", eceNone));
  EXPECT_TRUE(a == b);
  EXPECT_EQ(a.str(), path);
  EXPECT_FALSE(QL_Filename().isSet());
  EXPECT_EQ(QL_FileStat::getBasename(QL_String::create("/x/ktlpp", eceNone)).get(), "ktlpp");
}

}  // namespace
