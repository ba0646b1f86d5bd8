#include "model/DefineRecordParser.h"

#include <cstring>
#include <string>

#include "model/DefineRecordCache.h"
#include "model/IdentifierFields.h"
#include "model/P_RecordCursor.h"
#include "model/P_UniqueStr.h"

namespace {

struct LetterValue {
  char letter;
  uint32_t value;
};

// Second character of the def field; any other character is a definition.
constexpr LetterValue kDefLetters[] = {
    {'C', P_DefDeclaration},          {'R', P_DefRedeclaration},        {'S', P_DefImplicitSpecialisation},
    {'I', P_DefImplicit},             {'X', P_DefExplicitSpecialisation}, {'P', P_DefPartialSpecialisation},
};

// Second character of the space field; any other character is a tag.  'B'
// is a label after 'L' and a data member otherwise (handled in space()).
constexpr LetterValue kSpaceLetters[] = {
    {'-', P_SpaceNone},      {'E', P_SpaceEnumerator}, {'F', P_SpaceFunction},
    {'M', P_SpaceMacro},     {'T', P_SpaceTypedef},    {'V', P_SpaceVariable},
};

// Scope character; any other character (such as 'F') is file scope.
constexpr LetterValue kScopeLetters[] = {
    {'N', Scope::N},         {'B', Scope::Block},     {'P', Scope::Prototype}, {'C', Scope::Class},
    {'T', Scope::Template},  {'R', Scope::R},         {'S', Scope::Namespace}, {'-', Scope::None},
};

// Linkage character; any other character is internal linkage.
constexpr LetterValue kLinkageLetters[] = {
    {'X', P_LinkageExternal}, {'N', P_LinkageNone}, {'-', P_LinkageUnset},
};

// Letters of the flags field; letters not listed are ignored.
constexpr LetterValue kFlagLetters[] = {
    {'F', P_FlagFunctionMacro},    {'O', P_FlagObjectMacro},       {'I', P_FlagInline},
    {'V', P_FlagVirtual},          {'P', P_FlagPureVirtual},       {'S', P_FlagStaticStorage},
    {'D', P_FlagPOD},              {'A', P_FlagAggregate},         {'R', P_FlagParameter},
    {'1', P_FlagExplicitPublic},   {'2', P_FlagExplicitProtected}, {'3', P_FlagExplicitPrivate},
    {'5', P_FlagImplicitPublic},   {'7', P_FlagImplicitPrivate},   {'G', P_FlagGetter},
    {'T', P_FlagSetter},           {'U', P_FlagDependent},
};

template <std::size_t N>
uint32_t lookupLetter(const LetterValue (&table)[N], char c, uint32_t otherwise) {
  for (const LetterValue& entry : table) {
    if (entry.letter == c) return entry.value;
  }
  return otherwise;
}

// Records of one file name are usually adjacent, so the proxy of the last
// file text is remembered (FilenameProxy keeps all the others by text).
U_BPtr<FilenameProxy> proxyOf(std::string_view text) {
  static std::string* lastText = new std::string();
  static U_BPtr<FilenameProxy>* lastProxy = new U_BPtr<FilenameProxy>();
  if (lastProxy->isSet() && *lastText == text) return *lastProxy;
  *lastProxy = FilenameProxy::createFromText(text);
  lastText->assign(text);
  return *lastProxy;
}

// "{k" NAME "}".  The type is kept as a C string, so only the text before
// a NUL byte counts.
bool isTagType(std::string_view type) {
  type = type.substr(0, type.find('\0'));
  return type.size() >= 4 && type[0] == '{';
}

}  // namespace

uint8_t DefineRecordParser::defBits(char c) {
  return static_cast<uint8_t>(lookupLetter(kDefLetters, c, P_DefDefinition));
}

uint8_t DefineRecordParser::space(char first, char second) {
  if (second == 'B') return first == 'L' ? P_SpaceLabel : P_SpaceMember;
  return static_cast<uint8_t>(lookupLetter(kSpaceLetters, second, P_SpaceTag));
}

uint8_t DefineRecordParser::scope(char c) { return static_cast<uint8_t>(lookupLetter(kScopeLetters, c, Scope::File)); }

uint8_t DefineRecordParser::linkage(char c) {
  return static_cast<uint8_t>(lookupLetter(kLinkageLetters, c, P_LinkageInternal));
}

uint32_t DefineRecordParser::flags(std::string_view letters) {
  uint32_t bits = 0;
  for (char c : letters) bits |= lookupLetter(kFlagLetters, c, 0);
  return bits;
}

namespace {

// The blank-separated fields of a record line, not yet interpreted.
struct RecordWords {
  std::string_view ident, file, inc, def, space, scope, linkage, type, flags;
  int32_t line = 0;
};

// A record the analyser wrote twice, differing in the def field alone: a
// definition comes as a declaration record ("DC") followed by a definition
// record ("DD") of the same entity at the same place.  The last
// declaration record read is kept with its fields, and a line equal to it
// but for the def field's second letter takes its fields with that letter's
// def bits, without being split, marked or interned again.
class DeclarationRecord {
 public:
  const DefineRecordFields* sameButDef(std::string_view line) {
    if (!m_set || line.size() != m_text.size()) return nullptr;
    const std::size_t at = m_fields.defAt + 1;  // the letter after 'D'
    const char letter = line[at];
    // A blank there would end the def field early and shift the others.
    if (P_RecordCursor::isBlank(letter)) return nullptr;
    if (std::memcmp(line.data(), m_text.data(), at) != 0 ||
        std::memcmp(line.data() + at + 1, m_text.data() + at + 1, line.size() - at - 1) != 0) {
      return nullptr;
    }
    m_other = m_fields;
    m_other.def = DefineRecordParser::defBits(letter);
    return &m_other;
  }
  // Keeps a successfully read record when it is a declaration.
  void note(std::string_view line, const DefineRecordFields& fields) {
    if (line[fields.defAt + 1] != 'C') return;
    m_text.assign(line);
    m_fields = fields;
    m_set = true;
  }

 private:
  std::string m_text;
  DefineRecordFields m_fields;
  DefineRecordFields m_other;  // the fields handed out last
  bool m_set = false;
};

// Splits a record line into its fields; false when one is missing.
bool splitFields(std::string_view line, RecordWords& w) {
  P_RecordCursor cursor(line);
  std::string_view tag;
  return cursor.word(tag) && cursor.word(w.ident) && cursor.quoted(w.file) && cursor.number(w.line) &&
         cursor.word(w.inc) && cursor.word(w.def) && cursor.word(w.space) && cursor.word(w.scope) &&
         cursor.word(w.linkage) && cursor.word(w.type) && cursor.word(w.flags) && !w.file.empty();
}

// Checks the fields and turns them into a define's values, interning its
// texts; false when the record is malformed.
bool interpretFields(const RecordWords& w, DefineRecordFields& out) {
  if (w.def.size() != 2 || w.def[0] != 'D' || w.space.size() != 2) return false;
  // A line is never negative; such a record is as malformed as a missing field.
  if (w.line < 0) return false;
  uint8_t spaceValue = DefineRecordParser::space(w.space[0], w.space[1]);
  if (spaceValue == P_SpaceTag && !isTagType(w.type)) return false;

  // Both texts are interned; their index slots are fetched ahead, so that
  // marking the identifier and looking up the file hide the memory waits.
  P_prefetchUniqueStr(w.type);
  static P_MetIdentifier* identifier = new P_MetIdentifier();  // keeps its buffer between records
  identifier->setString(w.ident);
  P_prefetchUniqueStr(identifier->str());
  out.type = P_createUniqueStr(w.type);
  out.file = proxyOf(w.file);
  out.name = P_createUniqueStr(identifier->str());
  out.line = w.line;
  out.inc = w.inc[0] == 'I' ? 0 : 1;
  out.def = DefineRecordParser::defBits(w.def[1]);
  out.space = spaceValue;
  out.scope = DefineRecordParser::scope(w.scope[0]);
  out.linkage = DefineRecordParser::linkage(w.linkage[0]);
  out.flags = DefineRecordParser::flags(w.flags);
  return true;
}

U_BPtr<P_Define> makeDefine(const DefineRecordFields& f) {
  return U_BPtr<P_Define>(
      new P_Define(f.name, f.file, f.line, f.inc, f.def, f.space, f.scope, f.linkage, f.type, f.flags));
}

}  // namespace

// Every record gets a define of its own (the symbol table changes them).
// Records of included files are parsed once and then made from the cache;
// the unit's own records are never seen again, so they are neither looked
// up nor kept.
U_BPtr<P_Define> DefineRecordParser::parse(std::string_view line) {
  static auto* cache = new DefineRecordCache();  // kept for the run
  static auto* declaration = new DeclarationRecord();
  if (const DefineRecordFields* pair = declaration->sameButDef(line)) return makeDefine(*pair);
  if (const DefineRecordFields* next = cache->findNext(line)) {
    declaration->note(line, *next);
    return makeDefine(*next);
  }
  RecordWords words;
  if (!splitFields(line, words)) return U_BPtr<P_Define>();
  const bool included = words.inc[0] == 'I';
  uint64_t hash = 0;
  if (included) {
    hash = DefineRecordCache::hashOf(line);
    if (const DefineRecordFields* known = cache->find(line, hash)) {
      declaration->note(line, *known);
      return makeDefine(*known);
    }
  }
  DefineRecordFields fields;
  if (!interpretFields(words, fields)) return U_BPtr<P_Define>();
  fields.defAt = static_cast<uint32_t>(words.def.data() - line.data());
  if (included) cache->add(line, hash, fields);
  declaration->note(line, fields);
  return makeDefine(fields);
}
