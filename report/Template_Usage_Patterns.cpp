// Name patterns of the template analysis.  A template parameter
// placeholder of the analyser ("@Func..." or "@Class...") becomes "%", which
// matches any argument up to the next delimiter, so that a specialisation
// or instance name finds the template it comes from.
#include <list>
#include <vector>

#include "report/ReportOptions.h"
#include "report/Template_Usage_Generate.h"
#include "report/Util.h"

namespace {

bool is_delimiter(char c) {
  static const U_String kDelimiters = "<>(){}[],:";
  return kDelimiters.find(c) != U_String::npos;
}

// Whether a placeholder starts at i: the marker and at least one more
// character.
bool placeholder_at(const U_String& s, size_t i) {
  return (s.compare(i, 5, "@Func") == 0 && s.size() > i + 5) ||
         (s.compare(i, 6, "@Class") == 0 && s.size() > i + 6);
}

}  // namespace

U_String Template_Usage_Generate::normalise_term(const U_String& s) {
  // Structural matching keeps a parameter pack's "...", so that "%..."
  // can stand for any number of arguments.
  const bool keepPacks = ReportOptions::getOptions().getIsStructuralMatch();
  U_String out;
  for (size_t i = 0; i < s.size();) {
    if (s[i] == '@' && placeholder_at(s, i)) {
      out += '%';
      const size_t start = i;
      while (i < s.size() && !is_delimiter(s[i])) ++i;
      if (keepPacks && i - start > 3 && s.compare(i - 3, 3, "...") == 0) out += "...";
    } else {
      out += s[i++];
    }
  }
  return out;
}

U_String Template_Usage_Generate::norm(const U_String& s) {
  std::list<U_String> terms;
  U_String rest = s, last, head;
  while (!rest.empty()) {
    Util::get_last_term(rest, last, head);
    terms.push_front(normalise_term(last));
    rest = head;
  }
  U_String out;
  for (const U_String& t : terms) out += t;
  return out;
}

bool Template_Usage_Generate::match_template_parameters(const U_String& a,
                                                        const U_String& b) {
  if (a.empty() || b.empty()) return false;
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (a[i] == '%') {
      ++i;
      while (j < b.size() && !is_delimiter(b[j])) ++j;
    } else if (b[j] == '%') {
      ++j;
      while (i < a.size() && !is_delimiter(a[i])) ++i;
    } else if (a[i] == b[j]) {
      ++i;
      ++j;
    } else {
      break;
    }
  }
  return i == a.size() && j == b.size();
}

U_String Template_Usage_Generate::template_name_singular(Member_Type type) {
  switch (type) {
    case 0: return "Explicit Class Template Specialization";
    case 1: return "Partial Class Template Specialization";
    default: return "Primary Class Instantiation";
  }
}

U_String Template_Usage_Generate::template_name_plural(Member_Type type) {
  return template_name_singular(type) + "s";
}

U_String Template_Usage_Generate::template_name_computed(Member_Type type, size_t count) {
  return count == 1 ? template_name_singular(type) : template_name_plural(type);
}
