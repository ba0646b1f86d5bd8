// The bundled example's report as HTML, loaded in headless Chromium: every
// page loads without console messages, every link of the rendered pages
// (as the browser's DOM has them) reaches an existing page and anchor, a
// fragment's link lights up the fragment's lines on the source page, and
// the index is captured as a screenshot in the build directory.
#include <libxml/HTMLparser.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include <gtest/gtest.h>

#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string quote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Runs a shell command; its exit status, or -1.
int shell(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// An element of a dumped DOM: its name and attributes.
struct Element {
  std::string name;
  std::map<std::string, std::string> attrs;
  std::string text;
};

// Every element of an HTML text, in document order.
std::vector<Element> elements(const std::string& html) {
  std::vector<Element> out;
  htmlDocPtr doc = htmlReadMemory(html.data(), static_cast<int>(html.size()), "page.html", "UTF-8",
                                  HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
  if (!doc) return out;
  std::vector<xmlNode*> stack{xmlDocGetRootElement(doc)};
  while (!stack.empty()) {
    xmlNode* n = stack.back();
    stack.pop_back();
    if (!n) continue;
    for (xmlNode* c = n->last; c; c = c->prev) stack.push_back(c);
    if (n->type != XML_ELEMENT_NODE) continue;
    Element e;
    e.name = reinterpret_cast<const char*>(n->name);
    for (xmlAttr* a = n->properties; a; a = a->next) {
      xmlChar* v = xmlNodeListGetString(doc, a->children, 1);
      e.attrs[reinterpret_cast<const char*>(a->name)] = v ? reinterpret_cast<const char*>(v) : "";
      xmlFree(v);
    }
    xmlChar* t = xmlNodeGetContent(n);
    e.text = t ? reinterpret_cast<const char*>(t) : "";
    xmlFree(t);
    out.push_back(std::move(e));
  }
  xmlFreeDoc(doc);
  return out;
}

class HtmlBrowser : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_work = new TempDir;
    for (const char* path : {"/usr/bin/chromium-browser", "/usr/bin/chromium"})
      if (fs::exists(path)) s_chromium = path;
    s_siteOk = writeSite();
    if (!s_siteOk || s_chromium.empty()) return;
    for (const auto& entry : fs::directory_iterator(site()))
      if (entry.path().extension() == ".html") loadPage(entry.path().filename().string());
  }
  static void TearDownTestSuite() { delete s_work; }

  void SetUp() override {
    if (s_chromium.empty()) GTEST_SKIP() << "chromium is not installed (scripts/deps.sh installs it)";
    ASSERT_TRUE(s_siteOk) << "the example's report or site could not be written";
  }

  static std::string site() { return s_work->file("report/html"); }

  // The example's report, written by its run.sh, then its site.
  static bool writeSite() {
    const std::string report = s_work->file("report");
    return shell("KTLPPBIN=" + quote(TUK_PRODUCT_CONFIG_DIR) + " bash " + quote(TUK_EXAMPLE_DIR "/run.sh") + " " +
                 quote(report) + " " + quote(TUK_PROGRAM) + " >/dev/null 2>&1") == 0 &&
           shell(quote(KXDF_HTML_PROGRAM) + " " + quote(report) + " >/dev/null") == 0;
  }

  // Runs Chromium on a page of the site with extra arguments; returns
  // standard output, with standard error in err.
  static std::string chromium(const std::string& url, const std::string& args, std::string& err) {
    static int runs = 0;
    const std::string profile = s_work->file("profile" + std::to_string(++runs));
    const std::string out = s_work->file("chromium.out"), errFile = s_work->file("chromium.err");
    shell("timeout 60 " + quote(s_chromium) +
          " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking"
          " --disable-component-update --disable-sync --user-data-dir=" + quote(profile) + " " + args + " " +
          quote(url) + " >" + quote(out) + " 2>" + quote(errFile));
    err = readBytes(errFile);
    std::error_code ignored;
    fs::remove_all(profile, ignored);
    return readBytes(out);
  }

  static std::string url(const std::string& page) { return "file://" + site() + "/" + page; }

  static void loadPage(const std::string& page) {
    std::string err;
    s_dom[page] = chromium(url(page), "--enable-logging=stderr --v=0 --dump-dom", err);
    std::regex console("CONSOLE[^\n]*");
    for (std::sregex_iterator it(err.begin(), err.end(), console), end; it != end; ++it)
      s_console[page] += it->str() + "\n";
  }

  static inline TempDir* s_work = nullptr;
  static inline std::string s_chromium;
  static inline bool s_siteOk = false;
  static inline std::map<std::string, std::string> s_dom;      // page name to dumped DOM
  static inline std::map<std::string, std::string> s_console;  // page name to its console lines
};

// The ids of a page's elements.
std::set<std::string> ids(const std::string& dom) {
  std::set<std::string> out;
  for (const Element& e : elements(dom))
    if (e.attrs.count("id")) out.insert(e.attrs.at("id"));
  return out;
}

}  // namespace

TEST_F(HtmlBrowser, EveryPageLoadsWithoutConsoleMessages) {
  // index, seven sections, the style-independent source pages of the example.
  EXPECT_GE(s_dom.size(), 12u);
  for (const auto& [page, dom] : s_dom) {
    EXPECT_NE(dom.find("</main>"), std::string::npos) << page << " did not render";
    EXPECT_EQ(s_console[page], "") << page;
  }
}

TEST_F(HtmlBrowser, EveryLinkReachesAnExistingPageAndAnchor) {
  size_t links = 0;
  const std::regex range("L(\\d+)-L(\\d+)");
  for (const auto& [page, dom] : s_dom) {
    for (const Element& e : elements(dom)) {
      for (const char* attr : {"href", "src"}) {
        if (!e.attrs.count(attr) || e.attrs.at(attr).rfind("data:", 0) == 0) continue;
        const std::string link = e.attrs.at(attr);
        ++links;
        const size_t hash = link.find('#');
        const std::string file = hash == 0 ? page : link.substr(0, hash);
        const std::string anchor = hash == std::string::npos ? "" : link.substr(hash + 1);
        ASSERT_EQ(file.find(':'), std::string::npos) << page << " links outside the site: " << link;
        ASSERT_TRUE(fs::exists(site() + "/" + file)) << page << " links to a missing file: " << link;
        if (anchor.empty()) continue;
        ASSERT_TRUE(s_dom.count(file)) << page << ": " << link;
        const std::set<std::string> targets = ids(s_dom.at(file));
        std::smatch m;
        if (std::regex_match(anchor, m, range)) {
          EXPECT_TRUE(targets.count("L" + m[1].str()) && targets.count("L" + m[2].str())) << page << ": " << link;
        } else {
          EXPECT_TRUE(targets.count(anchor)) << page << ": " << link;
        }
      }
    }
  }
  EXPECT_GT(links, 100u);
}

TEST_F(HtmlBrowser, FragmentLinkHighlightsTheFragmentLinesOnTheSourcePage) {
  const std::string classes = "template_usage_class_templates.html";
  ASSERT_TRUE(s_dom.count(classes));
  // The first multi-line fragment: its caption link and its code lines.
  const std::vector<Element> all = elements(s_dom.at(classes));
  std::string link;
  std::vector<std::string> code;
  for (size_t i = 0; i < all.size() && code.empty(); ++i) {
    if (all[i].name != "figcaption" || all[i].text.find(", lines ") == std::string::npos) continue;
    if (i + 1 < all.size() && all[i + 1].attrs.count("href")) link = all[i + 1].attrs.at("href");
    for (size_t j = i + 1; j < all.size() && all[j].name != "figure"; ++j)
      if (all[j].name == "code") code.push_back(all[j].text);
  }
  std::smatch m;
  ASSERT_TRUE(std::regex_match(link, m, std::regex("(src_[^#]+)#L(\\d+)-L(\\d+)"))) << link;
  const int from = std::stoi(m[2].str()), to = std::stoi(m[3].str());
  ASSERT_EQ(code.size(), static_cast<size_t>(to - from + 1));

  std::string err;
  const std::string dom = chromium(url(link), "--dump-dom", err);
  std::vector<std::string> lit;
  for (const Element& e : elements(dom))
    if (e.attrs.count("class") && e.attrs.at("class") == "line hl") lit.push_back(e.attrs.at("id") + " " + e.text);
  ASSERT_EQ(lit.size(), code.size()) << link;
  for (size_t i = 0; i < lit.size(); ++i) {
    const std::string n = std::to_string(from + static_cast<int>(i));
    EXPECT_EQ(lit[i], "L" + n + " " + n + code[i]);
  }
}

TEST_F(HtmlBrowser, IndexScreenshotIsWritten) {
  std::error_code ignored;
  fs::remove(HTML_SCREENSHOT, ignored);
  std::string err;
  chromium(url("index.html"), "--hide-scrollbars --window-size=1280,1100 --screenshot=" + quote(HTML_SCREENSHOT), err);
  const std::string png = readBytes(HTML_SCREENSHOT);
  ASSERT_GT(png.size(), 10000u) << err;
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
}
