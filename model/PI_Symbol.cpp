// Loops over symbols, defines and templates, and the symbol and template
// helpers of the check interface.
#include "model/PI_Guard.h"
#include "model/PI_Interface.h"
#include "model/PI_Iterators.h"
#include "model/P_Symbol.h"
#include "model/SymbolTable.h"
#include "model/TemplateTable.h"

namespace {

using P_SymbolCont = std::vector<U_BPtr<P_Symbol>>;
using P_SymbolIter = P_IterEntry<P_SymbolCont::const_iterator>;
using P_DefineIter = P_IterEntry<P_DefineSet::const_iterator>;
using P_TemplateCont = std::vector<U_BPtr<P_Template>>;
using P_TemplateIter = P_IterEntry<P_TemplateCont::const_iterator>;

IterCont<P_SymbolCont, P_SymbolIter, P_Symbol*>& symbolIters() {
  static IterCont<P_SymbolCont, P_SymbolIter, P_Symbol*> store;
  return store;
}
IterCont<P_DefineSet, P_DefineIter, P_Define*>& defineIters() {
  static IterCont<P_DefineSet, P_DefineIter, P_Define*> store;
  return store;
}
IterCont<P_TemplateCont, P_TemplateIter, P_Template*>& templateIters() {
  static IterCont<P_TemplateCont, P_TemplateIter, P_Template*> store;
  return store;
}

PI_SymbolIterHan startSymbols(const P_SymbolCont& cont) {
  return PI_SymbolIterHan{symbolIters().add(cont.begin(), cont.end())};
}
PI_DefineIterHan startDefines(const P_DefineSet& cont) {
  return PI_DefineIterHan{defineIters().add(cont.begin(), cont.end())};
}
PI_TemplateIterHan startTemplates(const P_TemplateCont& cont) {
  return PI_TemplateIterHan{templateIters().add(cont.begin(), cont.end())};
}

}  // namespace

// ---- Symbols ---------------------------------------------------------------

PI_SymbolIterHan PI_getFirstSymbol(void) {
  return PI_GUARDED(PI_SymbolIterHan{PI_kFailedLoopId},
                    startSymbols(P_getSymbolTable().getSymbols()));
}
PI_SymbolIterHan PI_getTemplateFirstExplicitSpec(P_Template* tmpl) {
  return P_guard(__func__, PI_SymbolIterHan{PI_kFailedLoopId}, [&]() -> PI_SymbolIterHan {
    U_ASSERT(0 != tmpl && "Dont dereference 0.");
    return startSymbols(tmpl->getExplicitSpecs());
  });
}
PI_SymbolIterHan PI_getTemplateFirstImplicictSpec(P_Template* tmpl) {
  return P_guard(__func__, PI_SymbolIterHan{PI_kFailedLoopId}, [&]() -> PI_SymbolIterHan {
    U_ASSERT(0 != tmpl && "Dont dereference 0.");
    return startSymbols(tmpl->getImplicitSpecs());
  });
}
int PI_isSymbolIterEnd(PI_SymbolIterHan h) { return PI_GUARDED(1, symbolIters().isEnd(h.id)); }
P_Symbol* PI_getSymbolIterData(PI_SymbolIterHan h) {
  return P_guard(__func__, nullptr, [&]() -> P_Symbol* {
    return P_iterData(symbolIters(), h.id, [](auto pos) { return P_derefHandle(pos); });
  });
}
int PI_getSymbolIterNext(PI_SymbolIterHan h) { return PI_GUARDED(1, symbolIters().next(h.id)); }

// ---- Defines ---------------------------------------------------------------

PI_DefineIterHan PI_getSymbolFirstDefine(P_Symbol* symbol) {
  return PI_GUARDED(PI_DefineIterHan{PI_kFailedLoopId},
                    startDefines(P_getSymbolDefineList(symbol)));
}
PI_DefineIterHan PI_getSymbolDefineFirstRedecl(P_Symbol* symbol, P_Define* define) {
  return PI_GUARDED(PI_DefineIterHan{PI_kFailedLoopId},
                    startDefines(P_getSymbolDefineRedeclList(symbol, define)));
}
int PI_isDefineIterEnd(PI_DefineIterHan h) { return PI_GUARDED(1, defineIters().isEnd(h.id)); }
P_Define* PI_getDefineIterData(PI_DefineIterHan h) {
  return P_guard(__func__, nullptr, [&]() -> P_Define* {
    return P_iterData(defineIters(), h.id, [](auto pos) { return P_derefHandle(pos); });
  });
}
int PI_getDefineIterNext(PI_DefineIterHan h) { return PI_GUARDED(1, defineIters().next(h.id)); }
int PI_hasSymbolDefineRedeclList(P_Symbol* symbol, P_Define* define) {
  return PI_GUARDED(0, P_hasSymbolDefineRedeclList(symbol, define));
}
P_Define* PI_getSymbolCurrentDefine(P_Symbol* symbol) {
  return PI_GUARDED(nullptr, P_getSymbolCurrentDefine(symbol));
}

// ---- Templates -------------------------------------------------------------

PI_TemplateIterHan PI_getFirstTemplate(void) {
  return PI_GUARDED(PI_TemplateIterHan{PI_kFailedLoopId},
                    startTemplates(getTemplateTable().getTemplates()));
}
PI_TemplateIterHan PI_getFirstUnrecordedTemplate(void) {
  return PI_GUARDED(PI_TemplateIterHan{PI_kFailedLoopId},
                    startTemplates(getTemplateTable().getUnrecordedTemplates()));
}
int PI_isDefineUnrecordedPrimary(P_Define* d) {
  return PI_GUARDED(0, d != nullptr && getTemplateTable().isUnrecordedPrimary(d) ? 1 : 0);
}
PI_TemplateIterHan PI_getTemplateFirstPartialSpec(P_Template* tmpl) {
  return P_guard(__func__, PI_TemplateIterHan{PI_kFailedLoopId}, [&]() -> PI_TemplateIterHan {
    U_ASSERT(0 != tmpl && "Dont dereference 0.");
    return startTemplates(tmpl->getPartialSpecs());
  });
}
int PI_isTemplateIterEnd(PI_TemplateIterHan h) {
  return PI_GUARDED(1, templateIters().isEnd(h.id));
}
P_Template* PI_getTemplateIterData(PI_TemplateIterHan h) {
  return P_guard(__func__, nullptr, [&]() -> P_Template* {
    return P_iterData(templateIters(), h.id, [](auto pos) { return P_derefHandle(pos); });
  });
}
int PI_getTemplateIterNext(PI_TemplateIterHan h) {
  return PI_GUARDED(1, templateIters().next(h.id));
}
P_Symbol* PI_getTemplatePrimaryTemplate(P_Template* tmpl) {
  return P_guard(__func__, nullptr, [&]() -> P_Symbol* {
    U_ASSERT(0 != tmpl && "Dont dereference 0.");
    return tmpl->getPrimaryTemplate();
  });
}
