// Text reaches the pages escaped, in valid UTF-8, and page names stay
// inside the output directory.
#include <gtest/gtest.h>

#include "html/Escape.h"

using namespace kxdf_html;

TEST(HtmlEscape, MarkupCharactersBecomeReferencesAndUtf8PassesUnchanged) {
  EXPECT_EQ(escapeHtml("a<b && c>d"), "a&lt;b &amp;&amp; c&gt;d");
  EXPECT_EQ(escapeHtml("say \"hi\" 'x'"), "say &quot;hi&quot; &#39;x&#39;");
  EXPECT_EQ(escapeHtml("&amp;"), "&amp;amp;");  // already escaped text is shown as written
  EXPECT_EQ(escapeHtml("Größe<日本>"), "Größe&lt;日本&gt;");
  EXPECT_EQ(escapeHtml(""), "");
  // Control characters a browser would drop or break the line at are shown.
  EXPECT_EQ(escapeHtml(std::string("a\0b\x1B[1m\rc\x7F\td\n", 13)), "a\u2400b\u241B[1m\u240Dc\u2421\td\n");
  // In code, as editors show them, marked so they are told from the text.
  EXPECT_EQ(escapeCode(std::string("<\0\x1B[1m\r\x7F\t>", 10)),
            "&lt;<span class=\"ctl\" title=\"U+0000\">^@</span><span class=\"ctl\" title=\"U+001B\">^[</span>[1m"
            "<span class=\"ctl\" title=\"U+000D\">^M</span><span class=\"ctl\" title=\"U+007F\">^?</span>\t&gt;");
}

TEST(HtmlEscape, InvalidUtf8BytesAreReplacedOneByOne) {
  const std::string fffd = "\xEF\xBF\xBD";
  EXPECT_EQ(validUtf8("ok \xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x98\x80"), "ok \xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x98\x80");
  EXPECT_EQ(validUtf8("a\xFF" "b"), "a" + fffd + "b");
  EXPECT_EQ(validUtf8("\xC0\xAF"), fffd + fffd);             // overlong '/'
  EXPECT_EQ(validUtf8("\xED\xA0\x80"), fffd + fffd + fffd);  // surrogate
  EXPECT_EQ(validUtf8("x\xE6\x97"), "x" + fffd + fffd);      // cut at the end
  EXPECT_EQ(validUtf8("\xA4\xA2"), fffd + fffd);             // EUC-JP bytes
}

TEST(HtmlEscape, FileStemsKeepToSafeCharacters) {
  EXPECT_EQ(safeFileStem("src/evq/queue.h"), "src_evq_queue.h");
  EXPECT_EQ(safeFileStem("../../etc/passwd"), ".._.._etc_passwd");
  EXPECT_EQ(safeFileStem("a b<c>&\"d'\xC3\xA9.cpp"), "a_b_c___d___.cpp");
}

TEST(HtmlEscape, ShorteningCountsCodePoints) {
  EXPECT_EQ(shortenUtf8("abcdef", 6), "abcdef");
  EXPECT_EQ(shortenUtf8("abcdef", 4), "abcd\xE2\x80\xA6");
  EXPECT_EQ(shortenUtf8("日本語です", 2), "日本\xE2\x80\xA6");
}
