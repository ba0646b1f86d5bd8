#include "html/SectionPage.h"

#include "html/Escape.h"
#include "html/Page.h"
#include "html/Summary.h"

namespace kxdf_html {

std::string renderFragment(const std::vector<FragmentLine>& lines, const SourceCopy* copy,
                           const std::string& fileName) {
  const auto [first, last] = fragmentRange(lines);
  const int available = copy ? static_cast<int>(copy->lines.size()) : 0;
  std::string out = "<figure class=\"fragment\">";
  if (first > 0 && last <= available) {
    const std::string target = first == last ? "#L" + std::to_string(first)
                                             : "#L" + std::to_string(first) + "-L" + std::to_string(last);
    const size_t slash = fileName.find_last_of('/');
    const std::string shortName = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    out += "<figcaption><a href=\"" + copy->pageName + target + "\">" + escapeHtml(shortName) +
           (first == last ? ", line " + std::to_string(first)
                          : ", lines " + std::to_string(first) + "–" + std::to_string(last)) +
           "</a></figcaption>";
  }
  out += "<div class=\"code\">";
  for (const FragmentLine& line : lines) {
    out += "<div class=\"line\">";
    const std::string n = line.number > 0 ? std::to_string(line.number) : "";
    if (line.number > 0 && line.number <= available)
      out += "<a class=\"ln\" href=\"" + copy->pageName + "#L" + n + "\">" + n + "</a>";
    else
      out += "<span class=\"ln\">" + n + "</span>";
    out += "<code>" + escapeCode(line.text) + "</code></div>";
  }
  return out + "</div></figure>\n";
}

namespace {

// Turns the flat element sequence of a section into nested entries.
class BodyWriter {
 public:
  explicit BodyWriter(const SourceCopies& copies) : m_copies(copies) {}

  std::string write(const Node& section) {
    for (const Node& child : section.children) element(child);
    closeTo(2);
    return m_out;
  }

 private:
  void element(const Node& e) {
    if (e.isText) {
      if (e.text.find_first_not_of(" \t\r\n") != std::string::npos) block("<p class=\"text\">" + escapeHtml(e.text) + "</p>");
      return;
    }
    if (e.name == "eoln") {
      if (++m_eolns >= 2) m_out += "<div class=\"gap\"></div>\n";
    } else if (e.name == "h2") {
      closeTo(2);
      block("<h2>" + escapeHtml(e.textContent()) + "</h2>");
    } else if (e.name == "h3" || e.name == "h4" || e.name == "h5") {
      heading(e.name[1] - '0', e.textContent());
    } else if (e.name == "text") {
      const std::string t = escapeHtml(e.textContent());
      block("<p class=\"text\">" + (e.attr("bold") == "1" ? "<strong>" + t + "</strong>" : t) + "</p>");
    } else if (e.name == "filelink") {
      fileLink(e);
    } else if (e.name == "verbatim" && !isNumberedFragment(e.textContent())) {
      verbatim(e.textContent());
    } else if (isFragment(e)) {
      const std::string text = e.name == "verbatim" ? e.textContent() : fragmentText(e);
      block(renderFragment(parseFragment(text), m_copy, m_fileName));
    } else if (e.name == "file_list") {
      fileList(e);
    } else if (e.name == "separator") {
      block("<hr>");
    } else if (e.name == "divider") {
      block("<p class=\"divider\"><strong>" + escapeHtml(e.textContent()) + "</strong></p>");
    } else if (e.name == "nbsp") {
      m_out += "&nbsp;";
    } else {
      block("<p class=\"text\">" + escapeHtml(e.textContent()) + "</p>");
    }
  }

  // A block of preformatted text, such as the option listing.
  void verbatim(std::string text) {
    if (!text.empty() && text.front() == '\n') text.erase(0, 1);
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
      block("<p class=\"note\">(none)</p>");
      return;
    }
    block("<pre class=\"verbatim\">" + escapeHtml(text) + "</pre>");
  }

  static std::string fragmentText(const Node& table) {
    for (const Node& row : table.children)
      for (const Node& cell : row.children)
        for (const Node& content : cell.children)
          if (content.name == "verbatim") return content.textContent();
    return "";
  }

  void block(const std::string& html) {
    m_out += html;
    if (html.back() != '\n') m_out += '\n';
    m_eolns = 0;
  }

  void heading(int level, const std::string& text) {
    closeTo(level);
    m_copy = nullptr;  // a fragment belongs to the file linked under its own heading
    m_fileName.clear();
    std::string open = "<details open";
    if (level == 3) open += " class=\"entry\" id=\"" + entryAnchor(++m_entries) + "\" data-filter";
    else open += " class=\"l" + std::to_string(level) + "\"";
    const std::string tag = "h" + std::to_string(level);
    block(open + "><summary><" + tag + ">" + escapeHtml(text) + "</" + tag + "></summary><div class=\"body\">");
    m_open.push_back(level);
  }

  // Closes every open entry of the given level or deeper.
  void closeTo(int level) {
    while (!m_open.empty() && m_open.back() >= level) {
      m_out += "</div></details>\n";
      m_open.pop_back();
    }
  }

  void fileLink(const Node& e) {
    m_fileName = e.textContent();
    m_copy = m_copies.find(m_fileName, e.attr("href"));
    block("<p class=\"filelink\">" + fileReference(m_fileName, m_copy) + "</p>");
  }

  static std::string fileReference(const std::string& name, const SourceCopy* copy) {
    if (!copy) return "<span>" + escapeHtml(name) + "</span>";
    return "<a href=\"" + copy->pageName + "\">" + escapeHtml(name) + "</a>";
  }

  void fileList(const Node& list) {
    std::string html = "<ul class=\"files\">\n";
    for (const Node& f : list.children) {
      if (f.isText || f.name != "filename") continue;
      const std::string name = f.textContent();
      html += "<li data-filter>" + fileReference(name, m_copies.find(name)) + "</li>\n";
    }
    block(html + "</ul>");
  }

  const SourceCopies& m_copies;
  std::string m_out;
  std::vector<int> m_open;  // levels of the open entries
  int m_entries = 0;
  int m_eolns = 0;          // line breaks since the last block
  const SourceCopy* m_copy = nullptr;
  std::string m_fileName;
};

}  // namespace

std::string renderSectionBody(const Node& section, const SourceCopies& copies) {
  if (countSection(section).placeholder)
    return "<p class=\"note\">This section is empty: the run that wrote the report did not fill it in.</p>\n";
  return BodyWriter(copies).write(section);
}

std::string renderSectionPage(const Section& section, const std::vector<Section>& all,
                              const SourceCopies& copies) {
  std::string out = pageStart(section.title, all, section.pageName);
  const SectionCounts counts = countSection(section.root);
  if (counts.entries > 0) out += filterBox("Filter entries by name, file or code", true);
  else if (counts.listedFiles > 0) out += filterBox("Filter files", false);
  out += renderSectionBody(section.root, copies);
  return out + pageEnd();
}

}  // namespace kxdf_html
