#include "model/IdentifierFields.h"

#include <cstring>

#include "model/P_UniqueStr.h"

namespace {

std::string_view view(const char* name) { return name ? std::string_view(name) : std::string_view(); }

bool opensLevel(char c) { return c == P_IdMarker::TemplateOpen || c == P_IdMarker::ParamOpen || c == '{'; }
bool closesLevel(char c) { return c == P_IdMarker::TemplateClose || c == P_IdMarker::ParamClose || c == '}'; }

std::string_view lastTerm(const char* name) {
  std::string_view scope, last;
  IdentifierFields::splitLastTerm(view(name), scope, last);
  return last;
}

// Bytes splitLastTerm has to look at: level openers and closers and ':'.
enum class TermByte : unsigned char { Plain, Special };
struct TermByteTable {
  TermByte bytes[256] = {};
  constexpr TermByteTable() {
    for (char c : {P_IdMarker::TemplateOpen, P_IdMarker::ParamOpen, '{', P_IdMarker::TemplateClose,
                   P_IdMarker::ParamClose, '}', ':'}) {
      bytes[static_cast<unsigned char>(c)] = TermByte::Special;
    }
  }
  TermByte of(char c) const { return bytes[static_cast<unsigned char>(c)]; }
};
constexpr TermByteTable kTermBytes;

// The marked list opened by `open` in term, brackets included, skipping the
// parameter list when looking for a template list.
std::string_view markedList(std::string_view term, char open, char close) {
  bool inParams = false;
  for (std::size_t i = 0; i < term.size(); ++i) {
    char c = term[i];
    if (c == open && !(inParams && open == P_IdMarker::TemplateOpen)) {
      std::size_t end = term.find(close, i + 1);
      return term.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i + 1);
    }
    if (c == P_IdMarker::ParamOpen) inParams = true;
    if (c == P_IdMarker::ParamClose) inParams = false;
  }
  return {};
}

// The term up to its first marked list.
std::string_view identifierOf(std::string_view term) {
  std::size_t end = term.size();
  for (std::size_t i = 0; i < term.size(); ++i) {
    if (term[i] == P_IdMarker::TemplateOpen || term[i] == P_IdMarker::ParamOpen) {
      end = i;
      break;
    }
  }
  return term.substr(0, end);
}

// The display character of a byte of the internal form.
char displayChar(char c) {
  switch (c) {
    case P_IdMarker::TemplateOpen: return '<';
    case P_IdMarker::TemplateClose: return '>';
    case P_IdMarker::ParamOpen: return '(';
    case P_IdMarker::ParamClose: return ')';
    case P_IdMarker::ParamSep: return ',';
    default: return c;
  }
}

// The skeleton of a name, in one pass over its internal form: each byte is
// taken in its display form; every parenthesised part (nested ones
// included) is dropped, and of the rest every template argument list is
// emptied, keeping its outermost brackets.
void buildSkeleton(std::string_view internal, U_String& out) {
  out.clear();
  int parens = 0;
  int angles = 0;
  for (std::size_t i = 0; i < internal.size(); ++i) {
    if (internal[i] == P_IdMarker::Escape && i + 1 < internal.size()) {
      // An escaped input byte is plain text, never structure.
      if (parens <= 0 && angles <= 0) out.push_back(P_IdMarker::unescaped(internal[++i]));
      else ++i;
      continue;
    }
    const char c = displayChar(internal[i]);
    if (c == '(') {
      ++parens;
    } else if (c == ')') {
      --parens;
    } else if (parens > 0) {
      continue;
    } else if (c == '<') {
      if (++angles == 1) out.push_back(c);
    } else if (c == '>') {
      if (--angles <= 0) out.push_back(c);
    } else if (angles <= 0) {
      out.push_back(c);
    }
  }
}

}  // namespace

void IdentifierFields::splitLastTerm(std::string_view name, std::string_view& scope, std::string_view& last) {
  int depth = 0;
  std::size_t sep = std::string_view::npos;
  const std::size_t size = name.size();
  for (std::size_t i = 0; i < size; ++i) {
    // Most bytes of a name are letters: skip them without classifying.
    while (i < size && kTermBytes.of(name[i]) == TermByte::Plain) ++i;
    if (i == size) break;
    const char c = name[i];
    if (opensLevel(c)) {
      ++depth;
    } else if (closesLevel(c)) {
      if (depth > 0) --depth;
    } else if (depth == 0 && c == ':' && i + 1 < size && name[i + 1] == ':') {
      sep = i;
      ++i;
    }
  }
  if (sep == std::string_view::npos) {
    scope = std::string_view();
    last = name;
  } else {
    scope = name.substr(0, sep);
    last = name.substr(sep + 2);
  }
}

const char* IdentifierFields::getParsedString(const char* token) {
  static P_MetIdentifier* scratch = new P_MetIdentifier();
  scratch->setString(view(token));
  return P_createUniqueStr(scratch->str());
}

const char* IdentifierFields::getFullname(const char* internal) {
  return P_MetIdentifier::getOutputStrHan(internal ? internal : "");
}

bool IdentifierFields::isIdFunc(const char* name) {
  std::string_view n = view(name);
  return !n.empty() && n.back() == P_IdMarker::ParamClose;
}

bool IdentifierFields::isDpdtName(const char* name) {
  return name && (std::strstr(name, "@ClassTempParam") || std::strstr(name, "@FuncTempParam"));
}

bool IdentifierFields::isTemplateScope(const char* name) { return isTemplateScope(view(name)); }

bool IdentifierFields::isTemplateScope(std::string_view name) {
  std::string_view scope, last;
  splitLastTerm(name, scope, last);
  return scope.find(P_IdMarker::TemplateOpen) != std::string_view::npos;
}

bool IdentifierFields::hasTemplateParams(std::string_view name) {
  std::string_view scope, last;
  splitLastTerm(name, scope, last);
  return !markedList(last, P_IdMarker::TemplateOpen, P_IdMarker::TemplateClose).empty();
}

const char* IdentifierFields::getOverloadFuncName(const char* name) {
  std::string_view n = view(name);
  if (!isIdFunc(name)) return P_createUniqueStr(n);
  std::size_t open = n.rfind(P_IdMarker::ParamOpen);
  if (open == std::string_view::npos) return P_createUniqueStr(n);
  std::size_t sep = n.find(P_IdMarker::ParamSep, open + 1);
  std::size_t rest = sep != std::string_view::npos ? sep : n.size() - 1;
  static U_String* scratch = new U_String();
  scratch->assign(n.substr(0, open + 1));
  scratch->push_back(' ');
  scratch->append(n.substr(rest));
  return P_createUniqueStr(*scratch);
}

const char* IdentifierFields::getScope(const char* name) {
  std::string_view scope, last;
  splitLastTerm(view(name), scope, last);
  return P_createUniqueStr(scope);
}

const char* IdentifierFields::getName(const char* name) { return P_createUniqueStr(lastTerm(name)); }

const char* IdentifierFields::getSignature(const char* name) { return getName(name); }

const char* IdentifierFields::getIdentifier(const char* name) {
  return P_createUniqueStr(identifierOf(lastTerm(name)));
}

const char* IdentifierFields::getSimpleIdentifier(const char* name) {
  U_String out;
  for (char c : identifierOf(lastTerm(name))) {
    if (c != '@') out.push_back(c);
  }
  return P_createUniqueStr(out);
}

const char* IdentifierFields::getTemplateParams(const char* name) {
  return P_createUniqueStr(markedList(lastTerm(name), P_IdMarker::TemplateOpen, P_IdMarker::TemplateClose));
}

const char* IdentifierFields::getFunctionParams(const char* name) {
  return P_createUniqueStr(markedList(lastTerm(name), P_IdMarker::ParamOpen, P_IdMarker::ParamClose));
}

const char* IdentifierFields::stripTemplateParams(const char* name) {
  U_String out;
  bool inList = false;
  for (char c : view(name)) {
    if (c == P_IdMarker::TemplateOpen) {
      inList = true;
    } else if (c == P_IdMarker::TemplateClose) {
      inList = false;
    } else if (!inList) {
      out.push_back(c);
    }
  }
  return P_createUniqueStr(out);
}

int IdentifierFields::getFunctionParamCount(const char* name) {
  std::string_view params = markedList(lastTerm(name), P_IdMarker::ParamOpen, P_IdMarker::ParamClose);
  if (params.empty()) return 0;
  int count = 1;
  for (char c : params) {
    if (c == P_IdMarker::ParamSep) ++count;
  }
  return count;
}

const char* IdentifierFields::getSkeleton(const char* name) {
  static U_String* scratch = new U_String();  // keeps its buffer between calls
  buildSkeleton(view(name), *scratch);
  return P_createUniqueStr(*scratch);
}
