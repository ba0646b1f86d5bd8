#ifndef REPORT_NAME_PARSE_H
#define REPORT_NAME_PARSE_H

#include <optional>
#include <vector>

#include "util/U_String.h"

// Names and template argument lists parsed into their structure, so that
// names are compared argument by argument instead of character by
// character: nested lists, qualified names inside arguments, ">>" closing
// two lists, packs ("Ts..."), non-type arguments and function types
// ("void(int)") all keep their shape.
namespace Name_Parse {

struct Node;

// A run of text, or one bracketed list with its comma-separated entries.
struct Piece {
  U_String text;            // the text; empty for a list
  char open = 0;            // '<', '(', '[' or '{' for a list, 0 for text
  std::vector<Node> items;  // the list's entries
};

// A name or one list entry: text and lists in their order.
struct Node {
  std::vector<Piece> pieces;
};

// Parses a name; none when its brackets do not balance.  Blanks next to
// brackets and commas are dropped, other runs of blanks become one.
// Operator names ("operator<<", the analyser's "<<@") stay text.
std::optional<Node> parse(const U_String& name);

// The node written back in canonical form.
U_String render(const Node& node);

// The text outside all lists, each list shown by its brackets only
// ("conf::Setting<>"); "%" outside lists sets `wild`.
U_String skeleton(const Node& node, bool& wild);

// The name that overloads of one function template share: parameter lists
// left out, template argument lists emptied ("<>"), an operator's symbol
// kept whole, so "operator<" and "operator<<" differ.  Empty when the name
// does not parse.
U_String overload_key(const U_String& qualName);

// Whether two parsed names match: an entry that is "%" alone matches any
// one entry, a "%" inside text any run of text; lists match when their
// brackets and number of entries agree and every entry matches, except
// that a last entry "%..." (a parameter pack) takes any number of entries.
bool matches(const Node& a, const Node& b);

// The same on texts; names that do not parse match only when equal.
bool matches(const U_String& a, const U_String& b);

}  // namespace Name_Parse

#endif
