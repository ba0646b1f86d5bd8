// Rendering of the analyser's qualified names for display.
#include "report/Util.h"

#include "source/Qgen.h"

namespace Util {

U_String trim_function_arg_list(const U_String& s) {
  U_String out;
  int depth = 0;
  for (char c : s) {
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      --depth;
    } else if (depth <= 0) {
      out += c;
    }
  }
  return out;
}

U_String strip(const U_String& s) {
  U_String out;
  int depth = 0;
  for (char c : s) {
    if (c == '<') {
      if (++depth == 1) out += c;
    } else if (c == '>') {
      if (--depth <= 0) out += c;
    } else if (depth <= 0) {
      out += c;
    }
  }
  return out;
}

void get_last_term(const U_String& name, U_String& last, U_String& head) {
  int paren = 0, brace = 0, angle = 0, square = 0;
  for (size_t p = name.size(); p-- > 0;) {
    switch (name[p]) {
      case ')': ++paren; break;
      case '(': --paren; break;
      case '}': ++brace; break;
      case '{': --brace; break;
      case '>': ++angle; break;
      case '<': --angle; break;
      case ']': ++square; break;
      case '[': --square; break;
      default: break;
    }
    if (p >= 1 && paren <= 0 && brace <= 0 && angle <= 0 && square <= 0 &&
        name[p] == ':' && name[p - 1] == ':') {
      last = name.substr(p - 1);
      head = name.substr(0, p - 1);
      return;
    }
  }
  last = name;
  head.clear();
}

void get_last_term_of_member(const U_String& name, U_String& last, U_String& head) {
  static const char kSymbol[] = "+-*/%^&|~!=<>,()[]";
  // The last "::" that an operator symbol and its "@" follow.
  for (size_t p = name.rfind("::"); p != U_String::npos && p > 0; p = name.rfind("::", p - 1)) {
    const size_t end = name.find_first_not_of(kSymbol, p + 2);
    if (end != U_String::npos && end > p + 2 && name[end] == '@' &&
        name.find('>', p + 2) < end) {
      last = name.substr(p);
      head = name.substr(0, p);
      return;
    }
  }
  get_last_term(name, last, head);
}

namespace {

// Cuts a trailing template argument list: ns::Box<T> -> ns::Box.
void cut_trailing_template_args(U_String& s) {
  int depth = 0;
  for (size_t p = s.size(); p-- > 0;) {
    if (s[p] == '>') {
      ++depth;
    } else if (s[p] == '<' && --depth == 0) {
      s.erase(p);
      return;
    }
  }
}

// The analyser writes an operator as its symbol followed by "@" (or "@=");
// the report shows it as "operator" and the symbol.
void render_operator(U_String& s) {
  size_t n = s.size();
  s.erase(n >= 2 && s.compare(n - 2, 2, "@=") == 0 ? n - 2 : n - 1);
  size_t p = s.rfind("::");
  if (p != U_String::npos) s = strip(s.substr(0, p)) + "::operator" + s.substr(p + 2);
}

// "::@UNn::" becomes "::unnamed namespace::"; a marker with no scope
// after it is left as it is.
void render_unnamed_namespaces(U_String& s) {
  static const U_String kMarker = "::@UN";
  for (size_t i = s.find(kMarker); i != U_String::npos; i = s.find(kMarker, i + 1)) {
    size_t j = s.find("::", i + 1);
    if (j != U_String::npos) s = s.substr(0, i + 2) + "unnamed namespace" + s.substr(j);
  }
}

}  // namespace

U_String rendered_name_of(const U_String& qualName) {
  U_String s = trim_function_arg_list(qualName);
  size_t marker = s.find("::@constructor");
  if (marker == U_String::npos) marker = s.find("::@destructor");
  if (marker != U_String::npos) s.erase(marker);
  if (s.empty()) return s;
  if (s.back() == '>') cut_trailing_template_args(s);
  if (!s.empty() && s.back() == '@') {
    render_operator(s);
  } else {
    if (!s.empty() && s.back() == '=') s.pop_back();
    s = strip(s);
  }
  Qgen::Global_Replace(s, "<>", "");
  render_unnamed_namespaces(s);
  return s;
}

U_String object_name_of(const U_String& renderedName) {
  size_t p = renderedName.rfind("::");
  return p == U_String::npos ? renderedName : renderedName.substr(p + 2);
}

}  // namespace Util
