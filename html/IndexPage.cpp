#include "html/IndexPage.h"

#include "html/Escape.h"
#include "html/Page.h"
#include "html/Summary.h"
#include "html/SvgChart.h"

namespace kxdf_html {

namespace {

std::string count(int n, const std::string& singular, const std::string& plural) {
  return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

const Section* find(const std::vector<Section>& sections, SectionKind kind) {
  for (const Section& s : sections)
    if (s.kind == kind) return &s;
  return nullptr;
}

std::string card(int n, const std::string& what) {
  return "<div class=\"card\"><div class=\"num\">" + std::to_string(n) + "</div><div class=\"what\">" +
         escapeHtml(what) + "</div></div>\n";
}

// What one section holds, in words.
std::string describe(const Section& s) {
  const SectionCounts c = countSection(s.root);
  if (c.placeholder) return "empty (not filled in by the run)";
  if (s.kind == SectionKind::ClassTemplates) {
    const ClassSummary k = summariseClasses(s.root);
    return count(k.templates, "class template", "class templates") + " (" +
           count(k.definitions, "definition", "definitions") + "), " +
           count(k.partialSpecs, "partial specialisation", "partial specialisations") + ", " +
           count(k.explicitSpecs, "explicit specialisation", "explicit specialisations") + ", " +
           count(k.instances, "variable", "variables") + " declared with an instance, " +
           count(k.members, "instantiated member", "instantiated members");
  }
  if (s.kind == SectionKind::FunctionTemplates) {
    const FunctionSummary f = summariseFunctions(s.root);
    return count(f.templates, "function template", "function templates") + " (" +
           count(f.declarations, "declaration", "declarations") + "), " + std::to_string(f.instantiated) +
           " instantiated, in " + count(f.files, "file", "files");
  }
  if (s.kind == SectionKind::FileList) return count(c.listedFiles, "file", "files");
  if (s.kind == SectionKind::Options) return count(c.options, "option", "options");
  if (s.kind == SectionKind::Settings)
    return c.blockLines + c.texts == 0 ? "no settings" : count(c.blockLines + c.texts, "line", "lines");
  if (s.kind == SectionKind::Generator) {
    for (const Node& child : s.root.children)
      if (child.name == "text") return child.textContent();
  }
  return count(c.texts, "line of text", "lines of text");
}

// The directory all names share ("" when they share none), ending in "/".
std::string commonDirectory(const std::vector<const SourceCopy*>& copies) {
  if (copies.empty()) return "";
  std::string common = copies.front()->sourceName;
  for (const SourceCopy* c : copies) {
    size_t n = 0;
    while (n < common.size() && n < c->sourceName.size() && common[n] == c->sourceName[n]) ++n;
    common.resize(n);
  }
  const size_t slash = common.find_last_of('/');
  return slash == std::string::npos ? "" : common.substr(0, slash + 1);
}

std::string sourceList(const SourceCopies& copies) {
  const auto all = copies.all();
  if (all.empty()) return "<p class=\"note\">The report directory holds no numbered source copies.</p>\n";
  const std::string common = commonDirectory(all);
  std::string out;
  if (!common.empty()) out += "<p class=\"note\">In " + escapeHtml(common) + "</p>\n";
  out += "<ul class=\"files\">\n";
  for (const SourceCopy* c : all)
    out += "<li><a href=\"" + c->pageName + "\" title=\"" + escapeHtml(c->sourceName) + "\">" +
           escapeHtml(c->sourceName.substr(common.size())) + "</a></li>\n";
  return out + "</ul>\n";
}

std::string chart(const std::string& caption, const std::vector<EntryCount>& entries, const Section* s,
                  const std::string& none) {
  std::string out = "<figure><figcaption>" + escapeHtml(caption) + "</figcaption>\n";
  const std::vector<EntryCount> top = topEntries(entries, kChartBars);
  if (top.empty()) return out + "<p class=\"note\">" + escapeHtml(none) + "</p></figure>\n";
  std::vector<Bar> bars;
  for (const EntryCount& e : top) bars.push_back({e.name, e.value, s->pageName + "#" + entryAnchor(e.entry)});
  return out + barChartSvg(caption, bars) + "</figure>\n";
}

std::string charts(const std::vector<Section>& sections) {
  std::string out = "<h2>Charts</h2>\n<div class=\"charts\">\n";
  if (const Section* c = find(sections, SectionKind::ClassTemplates))
    out += chart("Class templates with the most instances", summariseClasses(c->root).instancesPerTemplate, c,
                 "No variable is declared with an instance of a class template.");
  if (const Section* f = find(sections, SectionKind::FunctionTemplates))
    out += chart("Function templates instantiated in the most files", summariseFunctions(f->root).filesPerTemplate,
                 f, "No function template is instantiated.");
  return out + "</div>\n";
}

std::string glance(const std::vector<Section>& sections, const SourceCopies& copies) {
  std::string out = "<div class=\"cards\">\n";
  if (const Section* c = find(sections, SectionKind::ClassTemplates))
    out += card(summariseClasses(c->root).templates, "class templates");
  if (const Section* f = find(sections, SectionKind::FunctionTemplates))
    out += card(summariseFunctions(f->root).templates, "function templates");
  if (const Section* l = find(sections, SectionKind::FileList))
    out += card(countSection(l->root).listedFiles, "analysed files");
  out += card(static_cast<int>(copies.all().size()), "source pages");
  return out + "</div>\n";
}

}  // namespace

std::string renderIndexPage(const std::vector<Section>& sections, const SourceCopies& copies) {
  std::string out = pageStart("Template Usage Report", sections, "index.html");
  out += glance(sections, copies);
  out += "<h2>Sections</h2>\n<table class=\"summary\">\n<tr><th>Section</th><th>What it holds</th></tr>\n";
  for (const Section& s : sections) {
    out += "<tr><td><a href=\"" + s.pageName + "\">" + escapeHtml(s.title) + "</a></td><td>" +
           escapeHtml(describe(s)) + "</td></tr>\n";
  }
  out += "</table>\n" + charts(sections);
  return out + "<h2>Source files</h2>\n" + sourceList(copies) + pageEnd();
}

}  // namespace kxdf_html
