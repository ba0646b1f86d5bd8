#include "model/RelationHandler.h"

#include <iostream>
#include <iterator>
#include <set>

#include "model/IdentifierFields.h"
#include "model/IncludeHandler.h"
#include "model/MetricFileReader.h"
#include "util/U_NotifyClients.h"
#include "model/P_DebugKeywords.h"
#include "model/P_RecordCursor.h"
#include "model/SymbolTable.h"
#include "util/U_Assert.h"

namespace {

using ClientSet = std::set<RelationHandler::Client>;

std::map<char, ClientSet>& relationClients() {
  static std::map<char, ClientSet> clients;
  return clients;
}

// Bit value of one relation flag character; 0 for the placeholder '-' and
// for characters that are no flag (`known` tells the two apart).
uint32_t relationFlagBit(char c, bool& known) {
  known = true;
  switch (c) {
    case 'R': return P_RelFlagRead;
    case 'W': return P_RelFlagWrite;
    case 'V': return P_RelFlagVirtual;
    case '1': return P_RelFlagExplicitPublic;
    case '5': return P_RelFlagImplicitPublic;
    case '2': return P_RelFlagExplicitProtected;
    case '3': return P_RelFlagExplicitPrivate;
    case '7': return P_RelFlagImplicitPrivate;
    case '-': return 0;
    default: known = false; return 0;
  }
}

uint32_t interpretRelationFlags(std::string_view text) {
  uint32_t flags = 0;
  for (char c : text) {
    if (P_RecordCursor::isBlank(c)) continue;
    bool known = false;
    flags |= relationFlagBit(c, known);
    if (!known && RelationHandler::showRelationErrors()) {
      std::cout << "Undefined flag for relation record: " << c << "\n";
    }
  }
  return flags;
}

void reportDropped(const char* why, const U_String& line) {
  if (RelationHandler::showRelationErrors()) std::cout << why << line << "\n";
}

}  // namespace

P_Relation::P_Relation(const char* object, const char* subject, int32_t line,
                       P_Symbol* objectSym, P_Symbol* subjectSym, uint32_t flags)
    : m_object(object),
      m_subject(subject),
      m_line(line),
      m_objectSym(objectSym),
      m_subjectSym(subjectSym),
      m_flags(flags) {
  U_ASSERT(0 != object && "Null string for object.");
  U_ASSERT(0 != subject && "Null string for subject.");
  U_ASSERT(0 != objectSym && "No define record for object.");
  U_ASSERT(0 != subjectSym && "No define record for subject.");
}

void RelationHandler::configure(char kind, Client client) {
  MetricFileReader::configure("R", &RelationHandler::handleLine);
  if (client != nullptr) relationClients()[kind].insert(client);
}

bool RelationHandler::isKindRead(char kind) {
  const auto entry = relationClients().find(kind);
  return entry != relationClients().end() && !entry->second.empty();
}

bool RelationHandler::showRelationErrors() { return P_showRelationErrors(); }

uint32_t RelationHandler::interpretFlags(std::istream& in) {
  const U_String rest{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return interpretRelationFlags(rest);
}

// "<R>K OBJECT SUBJECT LINE FLAGS": the relation of kind K from OBJECT to
// SUBJECT.  A record that is cut short, names an entity the symbol table
// does not know, or whose kind nobody asked for is dropped.
void RelationHandler::handleLine(const U_String& line) {
  P_RecordCursor cursor(line);
  std::string_view first;
  if (!cursor.word(first)) return;
  const std::string_view kindText = first.size() > 3 ? first.substr(3) : std::string_view();
  if (kindText == "I") {
    RelationIncludeHandler::handleLine(line);
    return;
  }
  if (kindText.size() != 1) {
    reportDropped("Malformed relation record: ", line);
    return;
  }
  const char kind = kindText[0];
  const auto registered = relationClients().find(kind);
  const bool wanted = registered != relationClients().end() && !registered->second.empty();
  if (!wanted && !showRelationErrors()) return;  // nothing would see it

  std::string_view objectToken, subjectToken;
  int32_t lineNumber = 0;
  if (!cursor.word(objectToken) || !cursor.word(subjectToken) || !cursor.number(lineNumber)) {
    reportDropped("Malformed relation record: ", line);
    return;
  }
  const char* object = IdentifierFields::getParsedString(U_String(objectToken).c_str());
  const char* subject = IdentifierFields::getParsedString(U_String(subjectToken).c_str());
  P_Symbol* objectSym = P_getUniqueStrSymbol(object);
  P_Symbol* subjectSym = P_getUniqueStrSymbol(subject);
  const uint32_t flags = interpretRelationFlags(cursor.rest());

  if (objectSym == nullptr || subjectSym == nullptr) {
    reportDropped("Undefined symbol for relation record: ", line);
    return;
  }
  if (!wanted) return;
  U_XPtr<P_Relation> relation(new P_Relation(object, subject, lineNumber, objectSym, subjectSym, flags));
  U_callClients(registered->second, kind, relation);
}
