// Check-interface functions of the record families this program does not
// read (literals, allocations, extern variables, control graphs).  Their
// containers are real but stay empty, so every loop is an empty range and
// every accessor answers 0 or null.
#include "model/PI_Guard.h"
#include "model/PI_Interface.h"
#include "model/PI_Iterators.h"
#include "model/P_UnreadRecords.h"

namespace {

using P_LiteralIter = P_IterEntry<P_LiteralCont::const_iterator>;
using P_ExternVarIter = P_IterEntry<P_ExternVarCont::const_iterator>;
using P_EdgeCont = std::vector<U_XPtr<P_ControlGraphEdge>>;
using P_ControlGraphEdgesIter = P_IterEntry<P_EdgeCont::const_iterator>;
using P_ControlGraphLinesIter = P_IterEntry<std::vector<int>::const_iterator>;

IterCont<P_LiteralCont, P_LiteralIter, P_Literal*>& literalIters() {
  static IterCont<P_LiteralCont, P_LiteralIter, P_Literal*> store;
  return store;
}
IterCont<P_ExternVarCont, P_ExternVarIter, P_ExternVar*>& externVarIters() {
  static IterCont<P_ExternVarCont, P_ExternVarIter, P_ExternVar*> store;
  return store;
}
IterCont<P_EdgeCont, P_ControlGraphEdgesIter, P_ControlGraphEdge*>& edgeIters() {
  static IterCont<P_EdgeCont, P_ControlGraphEdgesIter, P_ControlGraphEdge*> store;
  return store;
}
IterCont<std::vector<int>, P_ControlGraphLinesIter, int>& lineIters() {
  static IterCont<std::vector<int>, P_ControlGraphLinesIter, int> store;
  return store;
}

// A graph's containers; a null graph iterates an empty list.
const P_EdgeCont& edgesOf(P_ControlGraph* graph) {
  static const P_EdgeCont none;
  return graph ? graph->edges : none;
}
const std::vector<int>& linesOf(P_ControlGraph* graph) {
  static const std::vector<int> none;
  return graph ? graph->lines : none;
}

}  // namespace

// ---- Literals --------------------------------------------------------------

PI_LiteralIterHan PI_getFirstLiteral(void) {
  return P_guard(__func__, PI_LiteralIterHan{PI_kFailedLoopId}, [&]() -> PI_LiteralIterHan {
    const P_LiteralCont& cont = P_getLiteralCont();
    return PI_LiteralIterHan{literalIters().add(cont.begin(), cont.end())};
  });
}
int PI_isLiteralIterEnd(PI_LiteralIterHan h) { return PI_GUARDED(1, literalIters().isEnd(h.id)); }
P_Literal* PI_getLiteralIterData(PI_LiteralIterHan h) {
  return P_guard(__func__, nullptr, [&]() -> P_Literal* {
    return P_iterData(literalIters(), h.id, [](auto pos) { return P_derefHandle(pos); });
  });
}
int PI_getLiteralIterNext(PI_LiteralIterHan h) { return PI_GUARDED(1, literalIters().next(h.id)); }

char const* PI_getLiteral(P_Literal*) { return nullptr; }
char const* PI_getLiteralType(P_Literal*) { return nullptr; }
char const* PI_getLiteralFilename(P_Literal*) { return nullptr; }
int PI_getLiteralLine(P_Literal*) { return 0; }
int PI_getLiteralColumn(P_Literal*) { return 0; }
char const* PI_getLiteralSuffix(P_Literal* han) {
  return P_guard(__func__, nullptr, [&]() -> char const* {
    U_ASSERT(PI_hasLiteralSuffix (han) && "Only try to get a suffix if there was one");
    return nullptr;
  });
}
int PI_isLiteralInHeader(P_Literal*) { return 0; }
int PI_isLiteralDecimal(P_Literal*) { return 0; }
int PI_isLiteralBoolean(P_Literal*) { return 0; }
int PI_isLiteralHex(P_Literal*) { return 0; }
int PI_isLiteralOctal(P_Literal*) { return 0; }
int PI_isLiteralCharacter(P_Literal*) { return 0; }
int PI_isLiteralString(P_Literal*) { return 0; }
int PI_isLiteralFloating(P_Literal*) { return 0; }
int PI_isLiteralBinary(P_Literal*) { return 0; }
int PI_isLiteralEscaped(P_Literal*) { return 0; }
int PI_isLiteralWide(P_Literal*) { return 0; }
int PI_hasLiteralSign(P_Literal*) { return 0; }
int PI_isLiteralPositive(P_Literal*) { return 0; }
int PI_isLiteralNegative(P_Literal*) { return 0; }
int PI_hasLiteralSuffix(P_Literal*) { return 0; }
int PI_hasLiteralLongSuffix(P_Literal*) { return 0; }
int PI_hasLiteralLongLongSuffix(P_Literal*) { return 0; }
int PI_hasLiteralUnsignedSuffix(P_Literal*) { return 0; }
int PI_hasLiteralFloatingSuffix(P_Literal*) { return 0; }
int PI_hasLiteralBlockScope(P_Literal*) { return 0; }
int PI_hasLiteralClassScope(P_Literal*) { return 0; }
int PI_hasLiteralFileScope(P_Literal*) { return 0; }
int PI_hasLiteralNamespaceScope(P_Literal*) { return 0; }
int PI_hasLiteralPrototypeScope(P_Literal*) { return 0; }
int PI_hasLiteralTemplateScope(P_Literal*) { return 0; }
int PI_hasLiteralTemplateParameterScope(P_Literal*) { return 0; }
int PI_isLiteralContextMacro(P_Literal*) { return 0; }
int PI_isLiteralContextDefaultArg(P_Literal*) { return 0; }
int PI_isLiteralContextTemplateArg(P_Literal*) { return 0; }
int PI_isLiteralContextArrayDimension(P_Literal*) { return 0; }
int PI_isLiteralContextBitfield(P_Literal*) { return 0; }
int PI_isLiteralContextEnumerator(P_Literal*) { return 0; }
int PI_isLiteralContextScalarInitialiser(P_Literal*) { return 0; }
int PI_isLiteralContextArrayInitialiser(P_Literal*) { return 0; }
int PI_isLiteralContextStructInitialiser(P_Literal*) { return 0; }
int PI_isLiteralContextUnionInitialiser(P_Literal*) { return 0; }
int PI_isLiteralContextPreProcExpr(P_Literal*) { return 0; }
int PI_isLiteralContextCaseLabel(P_Literal*) { return 0; }
int PI_isLiteralContextOther(P_Literal*) { return 0; }

// ---- Allocations -----------------------------------------------------------

char const* PI_getAllocFilename(P_Alloc*) { return nullptr; }
int PI_getAllocLine(P_Alloc*) { return 0; }
int PI_getAllocColumn(P_Alloc*) { return 0; }
char const* PI_getAllocQualName(P_Alloc*) { return nullptr; }
P_Symbol* PI_getAllocObjectSymbol(P_Alloc*) { return nullptr; }
int PI_isAllocKindUnknown(P_Alloc*) { return 0; }
int PI_isAllocKindPlain(P_Alloc*) { return 0; }
int PI_isAllocKindOld(P_Alloc*) { return 0; }
int PI_isAllocKindArray(P_Alloc*) { return 0; }

// ---- Extern variables ------------------------------------------------------

PI_ExternVarIterHan PI_getFirstExternVar(void) {
  return P_guard(__func__, PI_ExternVarIterHan{PI_kFailedLoopId}, [&]() -> PI_ExternVarIterHan {
    const P_ExternVarCont& cont = P_getExternVarCont();
    return PI_ExternVarIterHan{externVarIters().add(cont.begin(), cont.end())};
  });
}
int PI_isExternVarIterEnd(PI_ExternVarIterHan h) {
  return PI_GUARDED(1, externVarIters().isEnd(h.id));
}
P_ExternVar* PI_getExternVarIterData(PI_ExternVarIterHan h) {
  return P_guard(__func__, nullptr, [&]() -> P_ExternVar* {
    return P_iterData(externVarIters(), h.id, [](auto pos) { return P_derefMappedHandle(pos); });
  });
}
int PI_getExternVarIterNext(PI_ExternVarIterHan h) {
  return PI_GUARDED(1, externVarIters().next(h.id));
}

char const* PI_getExternVarObject(P_ExternVar*) { return nullptr; }
char const* PI_getExternVarSubject(P_ExternVar*) { return nullptr; }
P_Symbol* PI_getExternVarObjectSymbol(P_ExternVar*) { return nullptr; }
P_Symbol* PI_getExternVarSubjectSymbol(P_ExternVar*) { return nullptr; }
int PI_getExternVarLine(P_ExternVar*) { return 0; }
int PI_hasExternVarSubject(char const* key) {
  return PI_GUARDED(0, static_cast<int>(P_getExternVarCont().count(key)));
}

// ---- Control graphs --------------------------------------------------------

char const* PI_getControlGraphQualName(P_ControlGraph*) { return nullptr; }
P_Symbol* PI_getControlGraphObjectSymbol(P_ControlGraph*) { return nullptr; }
int PI_getControlGraphExits(P_ControlGraph*) { return 0; }

PI_ControlGraphEdgesIterHan PI_getFirstControlGraphEdge(P_ControlGraph* graph) {
  return P_guard(__func__, PI_ControlGraphEdgesIterHan{PI_kFailedLoopId},
                 [&]() -> PI_ControlGraphEdgesIterHan {
                   const P_EdgeCont& edges = edgesOf(graph);
                   return PI_ControlGraphEdgesIterHan{edgeIters().add(edges.begin(), edges.end())};
                 });
}
int PI_isControlGraphEdgesIterEnd(PI_ControlGraphEdgesIterHan h) {
  return PI_GUARDED(1, edgeIters().isEnd(h.id));
}
P_ControlGraphEdge* PI_getControlGraphEdgesIterData(PI_ControlGraphEdgesIterHan h) {
  return P_guard(__func__, nullptr, [&]() -> P_ControlGraphEdge* {
    return P_iterData(edgeIters(), h.id, [](auto pos) { return P_derefHandle(pos); });
  });
}
int PI_getControlGraphEdgesIterNext(PI_ControlGraphEdgesIterHan h) {
  return PI_GUARDED(1, edgeIters().next(h.id));
}
int PI_getControlGraphEdgeStart(P_ControlGraphEdge*) { return 0; }
int PI_getControlGraphEdgeEnd(P_ControlGraphEdge*) { return 0; }

PI_ControlGraphLinesIterHan PI_getFirstControlGraphLine(P_ControlGraph* graph) {
  return P_guard(__func__, PI_ControlGraphLinesIterHan{PI_kFailedLoopId},
                 [&]() -> PI_ControlGraphLinesIterHan {
                   const std::vector<int>& lines = linesOf(graph);
                   return PI_ControlGraphLinesIterHan{lineIters().add(lines.begin(), lines.end())};
                 });
}
int PI_isControlGraphLinesIterEnd(PI_ControlGraphLinesIterHan h) {
  return PI_GUARDED(1, lineIters().isEnd(h.id));
}
int PI_getControlGraphLinesIterData(PI_ControlGraphLinesIterHan h) {
  return P_guard(__func__, 0, [&]() -> int {
    auto& it = lineIters().entry(h.id);
    return it.current == it.end ? 0 : *it.current;
  });
}
int PI_getControlGraphLinesIterNext(PI_ControlGraphLinesIterHan h) {
  return PI_GUARDED(1, lineIters().next(h.id));
}
