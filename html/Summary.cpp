#include "html/Summary.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "html/Fragment.h"

namespace kxdf_html {

namespace {

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool endsWithEither(const std::string& s, const std::string& singular) {
  return endsWith(s, " " + singular) || endsWith(s, " " + singular + "s");
}

// Walks the direct children of a template section, calling visit with the
// element, the current h3 ordinal and the kind of the latest h4/h5 heading.
template <typename Visit>
void walkEntries(const Node& section, Visit visit) {
  int entry = 0;
  HeadingKind kind = HeadingKind::Other;
  for (const Node& child : section.children) {
    if (child.isText) continue;
    if (child.name == "h2") {
      kind = HeadingKind::Other;
    } else if (child.name == "h3") {
      ++entry;
      kind = HeadingKind::Other;
    } else if (child.name == "h4" || child.name == "h5") {
      kind = headingKind(child.textContent());
    }
    visit(child, entry, kind);
  }
}

void countBlockLines(const std::string& text, SectionCounts& c) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    ++c.blockLines;
    if (line[0] == '-') ++c.options;
  }
}

}  // namespace

HeadingKind headingKind(const std::string& heading) {
  if (endsWith(heading, " Member(s) That Are Instantiated")) return HeadingKind::Members;
  if (endsWithEither(heading, "Partial Class Template Specialization")) return HeadingKind::Partial;
  if (endsWithEither(heading, "Explicit Class Template Specialization")) return HeadingKind::Explicit;
  if (endsWithEither(heading, "Primary Class Instantiation")) return HeadingKind::Instances;
  // Structural matching lists the instances of a specialisation under it.
  if (endsWith(heading, " Class Template Specialization Instance(s)")) return HeadingKind::Instances;
  if (endsWith(heading, " Function Template Instantiated In File(s)")) return HeadingKind::InstantiatedIn;
  return HeadingKind::Other;
}

std::string entryName(const std::string& heading) {
  for (const char* tail : {" Primary Class Template", " Overloaded Function Templates", " Function Template"}) {
    if (endsWith(heading, tail)) return heading.substr(0, heading.size() - std::string(tail).size());
  }
  return heading;
}

std::string entryAnchor(int n) { return "e" + std::to_string(n); }

bool isFragment(const Node& element) {
  if (element.isText) return false;
  if (element.name == "verbatim") return isNumberedFragment(element.textContent());
  if (element.name != "table") return false;
  for (const Node& row : element.children)
    for (const Node& cell : row.children)
      for (const Node& content : cell.children)
        if (content.name == "verbatim") return true;
  return false;
}

ClassSummary summariseClasses(const Node& section) {
  ClassSummary s;
  walkEntries(section, [&s](const Node& e, int entry, HeadingKind kind) {
    if (e.name == "h3") {
      ++s.templates;
      s.instancesPerTemplate.push_back({entryName(e.textContent()), 0, entry});
      return;
    }
    if (!isFragment(e) || entry == 0) return;
    switch (kind) {
      case HeadingKind::Partial: ++s.partialSpecs; break;
      case HeadingKind::Explicit: ++s.explicitSpecs; break;
      case HeadingKind::Members: ++s.members; break;
      case HeadingKind::Instances:
        ++s.instances;
        ++s.instancesPerTemplate.back().value;
        break;
      default: ++s.definitions;
    }
  });
  return s;
}

FunctionSummary summariseFunctions(const Node& section) {
  FunctionSummary s;
  std::set<std::string> files;
  walkEntries(section, [&](const Node& e, int entry, HeadingKind kind) {
    if (e.name == "h3") {
      ++s.templates;
      s.filesPerTemplate.push_back({entryName(e.textContent()), 0, entry});
    } else if (entry > 0 && kind == HeadingKind::InstantiatedIn && e.name == "filelink") {
      if (s.filesPerTemplate.back().value++ == 0) ++s.instantiated;
      files.insert(e.textContent());
    } else if (entry > 0 && kind == HeadingKind::Other && isFragment(e)) {
      ++s.declarations;
    }
  });
  s.files = static_cast<int>(files.size());
  return s;
}

SectionCounts countSection(const Node& section) {
  SectionCounts c;
  for (const Node& child : section.children) {
    if (child.isText) {
      if (child.text.find_first_not_of(" \t\r\n") != std::string::npos) c.placeholder = false;
      continue;
    }
    c.placeholder = false;
    if (child.name == "h3") ++c.entries;
    else if (child.name == "text") ++c.texts;
    else if (child.name == "filelink") ++c.fileLinks;
    else if (isFragment(child)) ++c.fragments;
    else if (child.name == "verbatim") countBlockLines(child.textContent(), c);
    else if (child.name == "file_list") {
      for (const Node& f : child.children)
        if (!f.isText && f.name == "filename") ++c.listedFiles;
    }
  }
  return c;
}

std::vector<EntryCount> topEntries(std::vector<EntryCount> entries, size_t limit) {
  std::erase_if(entries, [](const EntryCount& e) { return e.value <= 0; });
  std::stable_sort(entries.begin(), entries.end(), [](const EntryCount& a, const EntryCount& b) {
    return a.value != b.value ? a.value > b.value : a.name < b.name;
  });
  if (entries.size() > limit) entries.resize(limit);
  return entries;
}

}  // namespace kxdf_html
