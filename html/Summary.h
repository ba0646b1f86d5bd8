#ifndef HTML_SUMMARY_H
#define HTML_SUMMARY_H

#include <string>
#include <vector>

#include "html/Document.h"

namespace kxdf_html {

// What a heading of a template section introduces.
enum class HeadingKind { Other, Partial, Explicit, Instances, Members, InstantiatedIn };

// Classifies an h4 or h5 heading of the template sections by its ending.
HeadingKind headingKind(const std::string& heading);

// The template's name in an h3 heading, without the ending that says what
// kind of template it is.
std::string entryName(const std::string& heading);

// The anchor of the n-th h3 entry (from 1) of a section page.
std::string entryAnchor(int n);

// Whether an element is a framed code fragment, or a bare verbatim block
// whose lines are all numbered.
bool isFragment(const Node& element);

// A count attached to one h3 entry of a section.
struct EntryCount {
  std::string name;
  int value = 0;
  int entry = 0;  // ordinal of the h3 heading, for entryAnchor
};

// What the class template section holds.
struct ClassSummary {
  int templates = 0, definitions = 0, partialSpecs = 0, explicitSpecs = 0, instances = 0, members = 0;
  std::vector<EntryCount> instancesPerTemplate;
};

// What the function template section holds.
struct FunctionSummary {
  int templates = 0, declarations = 0, instantiated = 0, files = 0;
  std::vector<EntryCount> filesPerTemplate;
};

// Plain counts of any section.
struct SectionCounts {
  bool placeholder = true;  // no content at all: the section was not written
  int entries = 0, texts = 0, fragments = 0, fileLinks = 0, listedFiles = 0;
  int blockLines = 0;  // non-empty lines of preformatted blocks that are not fragments
  int options = 0;     // those of them that start with "-"
};

// Counts the fragments under each heading of the class template section.
ClassSummary summariseClasses(const Node& section);
// Counts declarations and instantiating files of the function templates.
FunctionSummary summariseFunctions(const Node& section);
// Counts the elements of any section.
SectionCounts countSection(const Node& section);

// The entries with the largest positive values, largest first, equal
// values by name; at most limit of them.
std::vector<EntryCount> topEntries(std::vector<EntryCount> entries, size_t limit);

}  // namespace kxdf_html

#endif
