#include <cstring>
#include <istream>
#include <unordered_map>
#include <vector>

#include "model/IdentifierFields.h"
#include "model/P_UniqueStr.h"

// The marking machine: one left-to-right pass over a token with a stack of
// states.  Only the template argument list and parameter list that open at
// the top level are marked; '@'-delimited special names lose their closing
// '@' and keep their brackets plain.

namespace {

enum State : unsigned char {
  Top = 0,         // top level of the identifier
  OneColon = 1,    // one ':' seen
  NameStart = 2,   // start of a name after "::"
  TemplList = 3,   // inside a template argument list
  Braces = 4,      // inside a brace-enclosed type name
  Nested = 5,      // inside nested parentheses
  ParamList = 6,   // inside the outermost parameter list
  Special = 7,     // inside an '@'-delimited special name
};

// Codes after '@' that introduce a name scanned as an ordinary name.
bool isKnownSpecialCode(char a, char b) {
  static const char* const kCodes[] = {"co", "de", "UN", "BL", "pr", "Fu", "Cl", "dp", "un"};
  for (const char* code : kCodes) {
    if (code[0] == a && code[1] == b) return true;
  }
  return false;
}

// Bytes some state of the machine reacts to: the brackets, ',' and ':' in
// every state, and 's' inside braces (the brace state turns it into 'c');
// and the bytes of a plain name (letters, digits, '_'), looked up rather
// than compared because names are most of every identifier.
constexpr unsigned char kStructural = 1;
constexpr unsigned char kBraceLetter = 2;
constexpr unsigned char kNameByte = 4;
// Input bytes that would read as a marker or as the escape byte: they are
// written escaped (P_IdMarker::Escape), so that no input byte is taken for
// structure.  They occur in EUC-JP text (0x8E and 0x8F lead its
// half-width katakana and supplementary characters) and in UTF-8.
constexpr unsigned char kEscaped = 8;
struct ByteClassTable {
  unsigned char bytes[256] = {};
  constexpr ByteClassTable() {
    for (char c : {':', '(', ')', '<', '>', '{', '}', ','}) bytes[static_cast<unsigned char>(c)] = kStructural;
    for (int c = P_IdMarker::kFirstEscaped; c <= P_IdMarker::kLastEscaped; ++c) bytes[c] = kEscaped;
    for (int c = 0; c < 256; ++c) {
      if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_') bytes[c] = kNameByte;
    }
    bytes[static_cast<unsigned char>('s')] = kBraceLetter | kNameByte;
  }
  unsigned char of(char c) const { return bytes[static_cast<unsigned char>(c)]; }
};
constexpr ByteClassTable kByteClass;

bool isNameChar(char c) { return (kByteClass.of(c) & kNameByte) != 0; }
bool needsEscape(char c) { return kByteClass.of(c) == kEscaped; }

class MarkingMachine {
 public:
  // Every character written consumes at least one of the token, and only
  // an escaped byte takes two, so the output never outgrows the token and
  // its escapes: it is written straight into a buffer of that size and cut
  // to length at the end.
  MarkingMachine(std::string_view token, U_String& out) : m_in(token), m_out(out) {
    std::size_t escapes = 0;
    for (char c : token) escapes += needsEscape(c) ? 1 : 0;
    m_out.resize(token.size() + escapes);
    m_dest = m_out.data();
    m_stack.clear();
    m_stack.push_back(Top);
  }

  void run() {
    while (m_pos < m_in.size()) {
      copyPlainRun();
      if (m_pos < m_in.size()) step(m_in[m_pos]);
    }
    m_out.resize(static_cast<std::size_t>(m_dest - m_out.data()));
  }

 private:
  // In the list, brace and top states every byte that is not one of the
  // few the states react to is copied as it is; names are mostly such
  // bytes, so they are copied in runs.
  void copyPlainRun() {
    unsigned char stops;
    switch (top()) {
      case Top:
      case TemplList:
      case Nested:
      case ParamList: stops = kStructural | kEscaped; break;
      case Braces: stops = kStructural | kBraceLetter | kEscaped; break;
      default: return;
    }
    std::size_t end = m_pos;
    while (end < m_in.size() && (kByteClass.of(m_in[end]) & stops) == 0) ++end;
    if (end == m_pos) return;
    std::memcpy(m_dest, m_in.data() + m_pos, end - m_pos);
    m_dest += end - m_pos;
    m_pos = end;
  }

  State top() const { return static_cast<State>(m_stack.back()); }
  void push(State s) { m_stack.push_back(s); }
  // State 0 at the bottom is never removed, so unbalanced closers stay
  // ordinary characters.
  void pop() {
    if (m_stack.size() > 1) m_stack.pop_back();
  }
  // Writes the input byte c (escaped when it needs it) for the current one.
  void emit(char c) {
    put(c);
    ++m_pos;
  }
  // Writes a marker byte for the current input byte.
  void emitMarker(char marker) {
    *m_dest++ = marker;
    ++m_pos;
  }
  void put(char c) {
    if (needsEscape(c)) {
      *m_dest++ = P_IdMarker::Escape;
      *m_dest++ = P_IdMarker::escapedForm(c);
    } else {
      *m_dest++ = c;
    }
  }

  void step(char c) {
    switch (top()) {
      case Top: return stepTop(c);
      case OneColon: return stepOneColon(c);
      case NameStart: return stepNameStart(c);
      case TemplList: return stepTemplList(c);
      case Braces: return stepBraces(c);
      case Nested: return stepNested(c);
      case ParamList: return stepParamList(c);
      case Special: return stepSpecial(c);
    }
  }

  void stepTop(char c) {
    if (c == ':') {
      push(OneColon);
      emit(c);
    } else if (c == '(') {
      push(ParamList);
      emitMarker(P_IdMarker::ParamOpen);
    } else if (c == '<') {
      push(TemplList);
      emitMarker(P_IdMarker::TemplateOpen);
    } else {
      if (c == '{') push(Braces);
      emit(c);
    }
  }

  void stepOneColon(char c) {
    pop();
    if (c == ':') {
      push(NameStart);
      emit(c);
    }
  }

  void stepNameStart(char c) {
    pop();
    if (c == '@') return specialName();
    scanName();
  }

  // Moves over a name (letters, digits, '_' and "[]"); when none starts
  // here, moves on to the next '@' of the token.
  void scanName() {
    std::size_t start = m_pos;
    while (m_pos < m_in.size()) {
      char c = m_in[m_pos];
      if (isNameChar(c)) {
        ++m_pos;
      } else if (c == '[' && m_pos + 1 < m_in.size() && m_in[m_pos + 1] == ']') {
        m_pos += 2;
      } else {
        break;
      }
    }
    if (m_pos == start) {
      while (m_pos < m_in.size() && m_in[m_pos] != '@') ++m_pos;
    }
    for (std::size_t i = start; i < m_pos; ++i) put(m_in[i]);
  }

  void specialName() {
    emit('@');
    bool known = m_pos + 1 < m_in.size() && isKnownSpecialCode(m_in[m_pos], m_in[m_pos + 1]);
    if (known) {
      scanName();
    } else {
      push(Special);
    }
  }

  void stepTemplList(char c) {
    switch (c) {
      case '<': push(TemplList); return emit(c);
      case '>':
        pop();
        return top() == Top ? emitMarker(P_IdMarker::TemplateClose) : emit(c);
      case '(': push(Nested); return emit(c);
      case ':': push(OneColon); return emit(c);
      case '{': push(Braces); return emit(c);
      default: return emit(c);
    }
  }

  void stepBraces(char c) {
    switch (c) {
      case 's': return emit('c');
      case '{': push(Braces); return emit(c);
      case '}': pop(); return emit(c);
      case ':': push(OneColon); return emit(c);
      case '<': push(TemplList); return emit(c);
      default: return emit(c);
    }
  }

  void stepNested(char c) {
    switch (c) {
      case ')': pop(); return emit(c);
      case '(': push(Nested); return emit(c);
      case ':': push(OneColon); return emit(c);
      case '{': push(Braces); return emit(c);
      default: return emit(c);
    }
  }

  void stepParamList(char c) {
    switch (c) {
      case ',': return emitMarker(P_IdMarker::ParamSep);
      case ')':
        pop();
        return top() == Top ? emitMarker(P_IdMarker::ParamClose) : emit(c);
      case '(': push(Nested); return emit(c);
      case ':': push(OneColon); return emit(c);
      case '{': push(Braces); return emit(c);
      default: return emit(c);
    }
  }

  void stepSpecial(char c) {
    if (c == '@') {
      ++m_pos;  // the closing '@' is dropped
      pop();
    } else if (c == '{') {
      push(Braces);
      emit(c);
    } else {
      push(NameStart);
    }
  }

  std::string_view m_in;
  U_String& m_out;
  char* m_dest = nullptr;
  std::size_t m_pos = 0;
  // Reused between tokens: the machine runs once per record field.
  static inline std::vector<unsigned char> m_stack;
};

const char* outputChar(char c) {
  switch (c) {
    case P_IdMarker::TemplateOpen: return "<";
    case P_IdMarker::TemplateClose: return ">";
    case P_IdMarker::ParamOpen: return "(";
    case P_IdMarker::ParamClose: return ")";
    case P_IdMarker::ParamSep: return ",";
    default: return nullptr;
  }
}

}  // namespace

void P_MetIdentifier::setString(std::string_view token) {
  MarkingMachine machine(token, m_str);
  machine.run();
}

U_String P_MetIdentifier::getOutputString(std::string_view internal) {
  U_String out;
  out.reserve(internal.size());
  for (std::size_t i = 0; i < internal.size(); ++i) {
    const char c = internal[i];
    if (c == P_IdMarker::Escape && i + 1 < internal.size()) {
      out.push_back(P_IdMarker::unescaped(internal[++i]));
      continue;
    }
    const char* replacement = outputChar(c);
    out.push_back(replacement ? *replacement : c);
  }
  return out;
}

const char* P_MetIdentifier::getOutputStrHan(const char* internal) {
  static auto* cache = new std::unordered_map<const char*, const char*>();
  const char* key = P_createUniqueStr(internal);
  auto it = cache->find(key);
  if (it != cache->end()) return it->second;
  const char* result = P_createUniqueStr(getOutputString(key));
  cache->emplace(key, result);
  return result;
}

std::istream& operator>>(std::istream& in, P_MetIdentifier& id) {
  U_String token;
  if (in >> token) id.setString(token);
  return in;
}
