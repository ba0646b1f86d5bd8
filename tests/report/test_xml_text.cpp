// Document text: UTF-8 that XML 1.0 accepts, whatever bytes the input held.
// That every writer operation passes its text through this is shown by the
// end-to-end report encoding tests.
#include <gtest/gtest.h>

#include "intl/QL_LocalEncoding.h"
#include "report/XMLEscape.h"
#include "report/XMLText.h"

namespace {

const std::string kFFFD = "\xEF\xBF\xBD";

// Sets the run's local encoding for one test.
class LocalEncoding {
 public:
  explicit LocalEncoding(ExtendedCharEncoding e) : m_saved(QL_getLocalEncoding()) { QL_setLocalEncoding(e); }
  ~LocalEncoding() { QL_setLocalEncoding(m_saved); }

 private:
  ExtendedCharEncoding m_saved;
};

TEST(XmlText, InvalidBytesAndForbiddenCharactersBecomeReplacementCharacters) {
  EXPECT_EQ(xmlSafeUtf8("plain\ttext\r\n"), "plain\ttext\r\n");
  EXPECT_EQ(xmlSafeUtf8("\xC3\xA9t\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x98\x80"), "\xC3\xA9t\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x98\x80");
  EXPECT_EQ(xmlSafeUtf8("a\fb"), "a" + kFFFD + "b");                        // form feed
  EXPECT_EQ(xmlSafeUtf8(std::string("a\0b\x01\x1F", 5)), "a" + kFFFD + "b" + kFFFD + kFFFD);
  EXPECT_EQ(xmlSafeUtf8("caf\xE9!"), "caf" + kFFFD + "!");                  // Latin-1
  EXPECT_EQ(xmlSafeUtf8("\xC0\x80"), kFFFD + kFFFD);                        // overlong NUL
  EXPECT_EQ(xmlSafeUtf8("\xED\xA0\x80"), kFFFD + kFFFD + kFFFD);            // surrogate
  EXPECT_EQ(xmlSafeUtf8("\xEF\xBF\xBE\xEF\xBF\xBF"), kFFFD + kFFFD);        // U+FFFE, U+FFFF
  EXPECT_EQ(xmlSafeUtf8("\xF4\x90\x80\x80"), kFFFD + kFFFD + kFFFD + kFFFD);  // above U+10FFFF
  EXPECT_EQ(xmlSafeUtf8("x\xE6\x97"), "x" + kFFFD + kFFFD);                 // cut short
  EXPECT_EQ(xmlSafeUtf8("\x7F\xC2\x85"), "\x7F\xC2\x85");                   // allowed, if discouraged
}

// Escaping is linear: a million characters that all need an entity.
TEST(XmlText, EscapesAMillionBracketsInOnePass) {
  const std::size_t n = 1000000;
  const U_String escaped = escapeXmlText("<" + U_String(n, '>') + "&");
  ASSERT_EQ(escaped.size(), 4 + n * 4 + 5);
  EXPECT_EQ(escaped.compare(0, 4, "&lt;"), 0);
  EXPECT_EQ(escaped.compare(escaped.size() - 5, 5, "&amp;"), 0);
  for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(escaped.compare(4 + 4 * i, 4, "&gt;"), 0) << i;
}

TEST(XmlText, InternalTextIsConvertedFromEucUnlessTheRunHasNoEncoding) {
  const std::string eucDay = "\xC6\xFC", utf8Day = "\xE6\x97\xA5";
  {
    LocalEncoding utf(eceUTF);
    EXPECT_EQ(xmlDocumentText("Box" + eucDay), "Box" + utf8Day);
    EXPECT_EQ(xmlDocumentFilename("/src/" + utf8Day + ".h"), "/src/" + utf8Day + ".h");
    EXPECT_EQ(xmlDocumentText("a\fb"), "a" + kFFFD + "b");
  }
  {
    LocalEncoding euc(eceEUC);
    EXPECT_EQ(xmlDocumentFilename("/src/" + eucDay + ".h"), "/src/" + utf8Day + ".h");
  }
  LocalEncoding none(eceNone);
  EXPECT_EQ(xmlDocumentText("Box" + utf8Day), "Box" + utf8Day);
  EXPECT_EQ(xmlDocumentText("Box" + eucDay), "Box" + kFFFD + kFFFD);
}

}  // namespace
