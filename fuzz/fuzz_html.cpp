// The HTML view's readers of outside input: the input is parsed both as a
// report document and as a numbered source copy, and whatever parses is
// rendered into every page.  Every page must be valid UTF-8, hold only the
// one script element the view writes itself, and link only to its own
// pages: no text of a document or copy may reach a page as markup.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "html/Document.h"
#include "html/Escape.h"
#include "html/IndexPage.h"
#include "html/ReportSet.h"
#include "html/SectionPage.h"
#include "html/SourceCopies.h"
#include "html/SourcePage.h"

namespace {

size_t countOf(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Every link target is a page name, an anchor or the empty icon.
bool linksStayInTheSite(const std::string& page) {
  const std::string key = "href=\"";
  for (size_t at = page.find(key); at != std::string::npos; at = page.find(key, at + 1)) {
    const size_t start = at + key.size(), end = page.find('"', start);
    if (end == std::string::npos) return false;
    const std::string target = page.substr(start, end - start);
    if (target == "data:,") continue;
    for (char c : target) {
      const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                        c == '_' || c == '-' || c == '#';
      if (!safe) return false;
    }
  }
  return true;
}

void checkPage(const std::string& page) {
  FUZZ_CHECK(kxdf_html::validUtf8(page) == page);
  FUZZ_CHECK(countOf(page, "<script") == 1);
  FUZZ_CHECK(countOf(page, "</script>") == 1);
  FUZZ_CHECK(linksStayInTheSite(page));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kxdf_html;
  const std::string text(fuzz::asText(data, size));
  SourceCopies copies;
  copies.add({"src/box.h", "box.h.txt", "", {"// box", "template <typename T>", "struct Box {", "};"}});
  if (std::optional<SourceCopy> copy = parseSourceCopy(text)) {
    copy->copyName = "fuzz.txt";
    copies.add(std::move(*copy));
  }
  std::vector<Section> sections = sectionTable();
  const LoadedDocument doc = parseDocument(text, "fuzz.xml");
  if (doc.ok) {
    // The one document stands for every section, so each is summarised.
    for (Section& s : sections) s.root = doc.root;
    for (const Section& s : sections) checkPage(renderSectionPage(s, sections, copies));
  }
  checkPage(renderIndexPage(sections, copies));
  for (const SourceCopy* c : copies.all()) checkPage(renderSourcePage(*c, sections));
  return 0;
}
