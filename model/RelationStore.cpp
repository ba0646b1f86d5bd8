#include <cstring>

#include "model/RelationHandler.h"
#include "util/U_Assert.h"

namespace {

// Keeps the first relation between two names: a relation is added under its
// key name unless one with the same other name is already filed there.
void storeUnique(char kind, const U_XPtr<P_Relation>& relation, const char* key,
                 const char* (P_Relation::*other)() const) {
  P_RelationCont& relations = P_getRelationAllCont()[kind];
  const char* otherName = (relation.pointer()->*other)();
  const auto range = relations.equal_range(key);
  for (auto it = range.first; it != range.second; ++it) {
    if ((it->second.pointer()->*other)() == otherName) return;
  }
  relations.emplace_hint(range.second, key, relation);
}

// Refers-to relations are looked up by the entity referred to.
void storeBySubject(char kind, U_XPtr<P_Relation> relation) {
  storeUnique(kind, relation, relation->getSubject(), &P_Relation::getObject);
}

void storeByObject(char kind, U_XPtr<P_Relation> relation) {
  storeUnique(kind, relation, relation->getObject(), &P_Relation::getSubject);
}

bool hasFlag(P_Relation* rel, uint32_t bit) {
  U_ASSERT(0 != rel && "Dont dereference 0.");
  return (rel->getFlags() & bit) != 0;
}

}  // namespace

void P_configureNeedRelation(char kind) {
  RelationHandler::configure(kind, kind == P_RelRefers ? &storeBySubject : &storeByObject);
}

P_RelationAllCont& P_getRelationAllCont() {
  static P_RelationAllCont relations;
  return relations;
}

const char* P_getRelationObject(P_Relation* rel) {
  U_ASSERT(0 != rel && "Dont dereference 0.");
  return rel->getObject();
}

const char* P_getRelationSubject(P_Relation* rel) {
  U_ASSERT(0 != rel && "Dont dereference 0.");
  return rel->getSubject();
}

P_Symbol* P_getRelationObjectSymbol(P_Relation* rel) {
  U_ASSERT(0 != rel && "Dont dereference 0.");
  return rel->getObjectSymbol();
}

P_Symbol* P_getRelationSubjectSymbol(P_Relation* rel) {
  U_ASSERT(0 != rel && "Dont dereference 0.");
  return rel->getSubjectSymbol();
}

int P_getRelationLine(P_Relation* rel) {
  U_ASSERT(0 != rel && "Dont dereference 0.");
  return rel->getLine();
}

bool P_isRelationRead(P_Relation* rel) { return hasFlag(rel, P_RelFlagRead); }
bool P_isRelationWrite(P_Relation* rel) { return hasFlag(rel, P_RelFlagWrite); }
bool P_isRelationVirtual(P_Relation* rel) { return hasFlag(rel, P_RelFlagVirtual); }
bool P_isRelationExplicitPublic(P_Relation* rel) { return hasFlag(rel, P_RelFlagExplicitPublic); }
bool P_isRelationImplicitPublic(P_Relation* rel) { return hasFlag(rel, P_RelFlagImplicitPublic); }
bool P_isRelationExplicitProtected(P_Relation* rel) {
  return hasFlag(rel, P_RelFlagExplicitProtected);
}
bool P_isRelationExplicitPrivate(P_Relation* rel) {
  return hasFlag(rel, P_RelFlagExplicitPrivate);
}
bool P_isRelationImplicitPrivate(P_Relation* rel) {
  return hasFlag(rel, P_RelFlagImplicitPrivate);
}
