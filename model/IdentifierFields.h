#ifndef MODEL_IDENTIFIERFIELDS_H
#define MODEL_IDENTIFIERFIELDS_H

#include <iosfwd>
#include <string_view>

#include "util/U_String.h"

// Marker bytes of the internal identifier form.  They stand for the brackets
// and commas of the outermost template argument list and parameter list of a
// name, so that structure can be told from operator names such as "<@".
namespace P_IdMarker {
constexpr char TemplateOpen = '\x8C';   // '<'
constexpr char TemplateClose = '\x8D';  // '>'
constexpr char ParamOpen = '\x8E';      // '('
constexpr char ParamClose = '\x8F';     // ')'
constexpr char ParamSep = '\x90';       // ','
// An input byte from kFirstEscaped to kLastEscaped (the escape byte and the
// markers) is held as Escape followed by escapedForm(byte), a byte that is
// neither a marker nor ASCII; the output form restores it.
constexpr char Escape = '\x8B';
constexpr int kFirstEscaped = 0x8B;
constexpr int kLastEscaped = 0x90;
constexpr char escapedForm(char c) { return static_cast<char>(static_cast<unsigned char>(c) + 0x20); }
constexpr char unescaped(char c) { return static_cast<char>(static_cast<unsigned char>(c) - 0x20); }
}  // namespace P_IdMarker

// One identifier token of a record, held in the internal form.
class P_MetIdentifier {
 public:
  P_MetIdentifier() = default;

  // Runs the marking machine over an identifier token.
  void setString(std::string_view token);
  const U_String& str() const { return m_str; }

  // The internal string with every marker byte turned back into its character.
  static U_String getOutputString(std::string_view internal);
  // As getOutputString, interned and cached per internal string.
  static const char* getOutputStrHan(const char* internal);

 private:
  U_String m_str;
};

// Reads one whitespace-delimited token and marks it.
std::istream& operator>>(std::istream& in, P_MetIdentifier& id);

// Parts of a name in the internal form.  Every getter taking a name returns
// an interned string in the internal form (pass it through getFullname for
// display); a null name counts as the empty name.
//
// The last term of a name is the text after its last top-level "::"; the
// scope is the text before it ("" for an unqualified name).  A "::" inside a
// marked list or inside braces does not separate scopes.
class IdentifierFields {
 public:
  // Internal form of a token, interned.
  static const char* getParsedString(const char* token);
  // Output (display) form of an internal name, interned.
  static const char* getFullname(const char* internal);

  // True when the name ends with a marked parameter list.
  static bool isIdFunc(const char* name);
  // True when the name holds a class or function template parameter placeholder.
  static bool isDpdtName(const char* name);
  // True when a marked template list stands before the last top-level "::".
  static bool isTemplateScope(const char* name);

  // Symbol key: for a function name the first element of its parameter list
  // is replaced by one blank; any other name is its own key.
  static const char* getOverloadFuncName(const char* name);
  // Scope part ("" when unqualified).
  static const char* getScope(const char* name);
  // Last term, with its template list and parameter list.
  static const char* getName(const char* name);
  // Same as getName (the unqualified signature of a function).
  static const char* getSignature(const char* name);
  // Last term without its template list and parameter list: "size", "@constructor", "==@".
  static const char* getIdentifier(const char* name);
  // getIdentifier without the '@' marks of constructors, destructors and operators.
  static const char* getSimpleIdentifier(const char* name);
  // Marked template list of the last term, brackets included; "" when none.
  // A parameter list is ignored.
  static const char* getTemplateParams(const char* name);
  // Marked parameter list of the last term, brackets included; "" when none.
  static const char* getFunctionParams(const char* name);
  // The name without any of its top-level template lists.
  static const char* stripTemplateParams(const char* name);
  // Number of parameters of the last term's parameter list (0 without one).
  static int getFunctionParamCount(const char* name);
  // Skeleton used to match specialisations to their template: the output form
  // without parenthesised parts and with every template list emptied
  // ("lib::maxOf<int>(int,int)" gives "lib::maxOf<>").
  static const char* getSkeleton(const char* name);

  // True when the last term has a marked template list (getTemplateParams
  // not empty), without interning anything.
  static bool hasTemplateParams(std::string_view name);
  static bool isTemplateScope(std::string_view name);

  // Splits a name at its last top-level "::" (both parts are views into name).
  static void splitLastTerm(std::string_view name, std::string_view& scope, std::string_view& last);
};

#endif
