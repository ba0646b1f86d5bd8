// Relations and includes of the check interface.  The six relation kinds
// share one iterator store, so a handle from any relation start function
// works with the end, data and next functions of every kind.
#include "model/IncludeHandler.h"
#include "model/PI_Guard.h"
#include "model/PI_Interface.h"
#include "model/PI_Iterators.h"
#include "model/P_Symbol.h"
#include "model/RelationHandler.h"

namespace {

using P_RelationIter = P_IterEntry<P_RelationCont::const_iterator>;
using P_RelationIncludeIter = P_IterEntry<P_RelationIncludeCont::const_iterator>;

IterCont<P_RelationCont, P_RelationIter, P_Relation*>& relationIters() {
  static IterCont<P_RelationCont, P_RelationIter, P_Relation*> store;
  return store;
}
IterCont<P_RelationIncludeCont, P_RelationIncludeIter, P_RelationInclude*>& includeIters() {
  static IterCont<P_RelationIncludeCont, P_RelationIncludeIter, P_RelationInclude*> store;
  return store;
}

// All relations of one kind; a kind nobody stored yet gets an empty map.
PI_RelationIterHan getFirstRelation(char kind) {
  const P_RelationCont& cont = P_getRelationAllCont()[kind];
  return PI_RelationIterHan{relationIters().add(cont.begin(), cont.end())};
}
int isRelationIterEnd(PI_RelationIterHan h) { return relationIters().isEnd(h.id); }
P_Relation* getRelationIterData(PI_RelationIterHan h) {
  return P_iterData(relationIters(), h.id, [](auto pos) { return P_derefMappedHandle(pos); });
}
int getRelationIterNext(PI_RelationIterHan h) { return relationIters().next(h.id); }

}  // namespace

PI_RelationIterHan PI_getFirstRelationBase(void) {
  return PI_GUARDED(PI_RelationIterHan{PI_kFailedLoopId}, getFirstRelation('B'));
}
PI_RelationIterHan PI_getFirstRelationCall(void) {
  return PI_GUARDED(PI_RelationIterHan{PI_kFailedLoopId}, getFirstRelation('C'));
}
PI_RelationIterHan PI_getFirstRelationClsMbr(void) {
  return PI_GUARDED(PI_RelationIterHan{PI_kFailedLoopId}, getFirstRelation('V'));
}
PI_RelationIterHan PI_getFirstRelationClsMbrPtr(void) {
  return PI_GUARDED(PI_RelationIterHan{PI_kFailedLoopId}, getFirstRelation('P'));
}
PI_RelationIterHan PI_getFirstRelationClsMbrRef(void) {
  return PI_GUARDED(PI_RelationIterHan{PI_kFailedLoopId}, getFirstRelation('R'));
}
PI_RelationIterHan PI_getFirstRelationRefer(void) {
  return PI_GUARDED(PI_RelationIterHan{PI_kFailedLoopId}, getFirstRelation('X'));
}

#define PI_RELATION_PROTOCOL(Kind)                                   \
  int PI_isRelation##Kind##IterEnd(PI_RelationIterHan h) {           \
    return PI_GUARDED(1, isRelationIterEnd(h));                      \
  }                                                                  \
  P_Relation* PI_getRelation##Kind##IterData(PI_RelationIterHan h) { \
    return PI_GUARDED(nullptr, getRelationIterData(h));              \
  }                                                                  \
  int PI_getRelation##Kind##IterNext(PI_RelationIterHan h) {         \
    return PI_GUARDED(1, getRelationIterNext(h));                    \
  }

PI_RELATION_PROTOCOL(Base)
PI_RELATION_PROTOCOL(Calls)
PI_RELATION_PROTOCOL(Refers)
PI_RELATION_PROTOCOL(ClsMbr)
PI_RELATION_PROTOCOL(ClsMbrPtr)
PI_RELATION_PROTOCOL(ClsMbrRef)

char const* PI_getRelationObject(P_Relation* rel) {
  return PI_GUARDED(nullptr, P_getRelationObject(rel));
}
char const* PI_getRelationSubject(P_Relation* rel) {
  return PI_GUARDED(nullptr, P_getRelationSubject(rel));
}
P_Symbol* PI_getRelationObjectSymbol(P_Relation* rel) {
  return PI_GUARDED(nullptr, P_getRelationObjectSymbol(rel));
}
P_Symbol* PI_getRelationSubjectSymbol(P_Relation* rel) {
  return PI_GUARDED(nullptr, P_getRelationSubjectSymbol(rel));
}
int PI_getRelationLine(P_Relation* rel) { return PI_GUARDED(0, P_getRelationLine(rel)); }
int PI_isRelationVirtual(P_Relation* rel) { return PI_GUARDED(0, P_isRelationVirtual(rel)); }
int PI_isRelationExplicitPublic(P_Relation* rel) {
  return PI_GUARDED(0, P_isRelationExplicitPublic(rel));
}
int PI_isRelationExplicitProtected(P_Relation* rel) {
  return PI_GUARDED(0, P_isRelationExplicitProtected(rel));
}
int PI_isRelationExplicitPrivate(P_Relation* rel) {
  return PI_GUARDED(0, P_isRelationExplicitPrivate(rel));
}
int PI_isRelationImplicitPublic(P_Relation* rel) {
  return PI_GUARDED(0, P_isRelationImplicitPublic(rel));
}
int PI_isRelationImplicitPrivate(P_Relation* rel) {
  return PI_GUARDED(0, P_isRelationImplicitPrivate(rel));
}
int PI_isRelationRefersRead(P_Relation* rel) { return PI_GUARDED(0, P_isRelationRead(rel)); }
int PI_isRelationRefersWrite(P_Relation* rel) { return PI_GUARDED(0, P_isRelationWrite(rel)); }

// Whether some refers-to relation keyed by the qualified name of the
// symbol's current define has the symbol as its subject.
int PI_hasRelationRefersSubject(P_Symbol* s) {
  return P_guard(__func__, 0, [&]() -> int {
    const P_RelationAllCont& all = P_getRelationAllCont();
    auto kind = all.find('X');
    if (kind == all.end() || kind->second.empty() || s == nullptr) return 0;
    P_Define* define = P_getSymbolCurrentDefine(s);
    if (define == nullptr) return 0;
    auto range = kind->second.equal_range(P_getDefineQualName(define));
    for (auto it = range.first; it != range.second; ++it) {
      if (it->second->getSubjectSymbol() == s) return 1;
    }
    return 0;
  });
}

// ---- Includes --------------------------------------------------------------

PI_RelationIncludeIterHan PI_getFirstRelationInclude(void) {
  return P_guard(__func__, PI_RelationIncludeIterHan{PI_kFailedLoopId},
                 [&]() -> PI_RelationIncludeIterHan {
                   const P_RelationIncludeCont& cont = P_getRelationIncludeCont();
                   return PI_RelationIncludeIterHan{includeIters().add(cont.begin(), cont.end())};
                 });
}
int PI_isRelationIncludeIterEnd(PI_RelationIncludeIterHan h) {
  return PI_GUARDED(1, includeIters().isEnd(h.id));
}
P_RelationInclude* PI_getRelationIncludeIterData(PI_RelationIncludeIterHan h) {
  return P_guard(__func__, nullptr, [&]() -> P_RelationInclude* {
    return P_iterData(includeIters(), h.id, [](auto pos) { return P_derefMappedHandle(pos); });
  });
}
int PI_getRelationIncludeIterNext(PI_RelationIncludeIterHan h) {
  return PI_GUARDED(1, includeIters().next(h.id));
}
char const* PI_getRelationIncludeSubject(P_RelationInclude* inc) {
  return PI_GUARDED(nullptr, P_getRelationIncludeSubject(inc));
}
char const* PI_getRelationIncludeObject(P_RelationInclude* inc) {
  return PI_GUARDED(nullptr, P_getRelationIncludeObject(inc));
}
int PI_getRelationIncludeLine(P_RelationInclude* inc) {
  return PI_GUARDED(0, P_getRelationIncludeLine(inc));
}
int PI_isRelationIncludeSystemHeader(P_RelationInclude* inc) {
  return PI_GUARDED(0, P_isRelationSystemHeader(inc));
}
