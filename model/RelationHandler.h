#ifndef MODEL_RELATIONHANDLER_H
#define MODEL_RELATIONHANDLER_H

#include <cstdint>
#include <istream>
#include <functional>
#include <map>

#include "model/P_Pool.h"
#include "util/U_String.h"
#include "util/U_XPtr.h"

class P_Symbol;

// Relation kinds: the letter that follows the "<R>" tag.
enum P_RelationKind : char {
  P_RelIncludes = 'I',
  P_RelBase = 'B',
  P_RelClsMbrRef = 'R',
  P_RelClsMbrPtr = 'P',
  P_RelClsMbr = 'V',
  P_RelUses = 'U',
  P_RelCalls = 'C',
  P_RelRefers = 'X'
};

// Flag bits of a relation record.
enum P_RelationFlag : uint32_t {
  P_RelFlagRead = 1,
  P_RelFlagWrite = 2,
  P_RelFlagVirtual = 4,
  P_RelFlagExplicitPublic = 8,
  P_RelFlagImplicitPublic = 16,
  P_RelFlagExplicitProtected = 32,
  P_RelFlagExplicitPrivate = 64,
  P_RelFlagImplicitPrivate = 128
};

// One relation record: `object` relates to `subject` (caller to callee,
// derived to base, class to member type, ...) at `line`.  Names are
// interned; both symbols are known.
class P_Relation {
 public:
  P_Relation(const char* object, const char* subject, int32_t line, P_Symbol* objectSym,
             P_Symbol* subjectSym, uint32_t flags);

  const char* getObject() const { return m_object; }
  const char* getSubject() const { return m_subject; }
  int32_t getLine() const { return m_line; }
  P_Symbol* getObjectSymbol() const { return m_objectSym; }
  P_Symbol* getSubjectSymbol() const { return m_subjectSym; }
  uint32_t getFlags() const { return m_flags; }

 private:
  const char* m_object;
  const char* m_subject;
  int32_t m_line;
  P_Symbol* m_objectSym;
  P_Symbol* m_subjectSym;
  uint32_t m_flags;
};

// Relations of one kind, keyed by an interned name (compared by pointer).
using P_RelationCont = std::multimap<const char*, U_XPtr<P_Relation>, std::less<const char*>,
                                     P_PoolAllocator<std::pair<const char* const, U_XPtr<P_Relation>>>>;
// All stored relations, by kind letter.
using P_RelationAllCont = std::map<char, P_RelationCont>;

// Reads the relation records of the "R" tag and hands each to the clients
// registered for its kind.  Include records ('I') go to the include handler.
class RelationHandler {
 public:
  using Client = void (*)(char kind, U_XPtr<P_Relation> relation);

  // Switches on the "R" records and adds `client` for `kind`.
  static void configure(char kind, Client client);
  // One "<R>..." record line.
  static void handleLine(const U_String& line);
  // ORs the bits of the flag characters remaining in `in`.
  static uint32_t interpretFlags(std::istream& in);
  // Whether any client is registered for `kind`.
  static bool isKindRead(char kind);
  // Debug keyword "show-relation-errors", looked up once.
  static bool showRelationErrors();
};

// Stores relations of `kind` for the query interface.  Relations of kind
// 'X' (refers-to) are keyed by subject, all others by object; a second
// record linking the same two names is dropped.
void P_configureNeedRelation(char kind);

P_RelationAllCont& P_getRelationAllCont();

const char* P_getRelationObject(P_Relation* rel);
const char* P_getRelationSubject(P_Relation* rel);
P_Symbol* P_getRelationObjectSymbol(P_Relation* rel);
P_Symbol* P_getRelationSubjectSymbol(P_Relation* rel);
int P_getRelationLine(P_Relation* rel);
bool P_isRelationRead(P_Relation* rel);
bool P_isRelationWrite(P_Relation* rel);
bool P_isRelationVirtual(P_Relation* rel);
bool P_isRelationExplicitPublic(P_Relation* rel);
bool P_isRelationImplicitPublic(P_Relation* rel);
bool P_isRelationExplicitProtected(P_Relation* rel);
bool P_isRelationExplicitPrivate(P_Relation* rel);
bool P_isRelationImplicitPrivate(P_Relation* rel);

#endif
