#include "scan/RecordCollector.h"

#include <algorithm>

#include <clang/AST/DeclTemplate.h>
#include <clang/AST/ExprCXX.h>
#include <clang/AST/RecursiveASTVisitor.h>

using namespace clang;

namespace kxdf_scan {

namespace {

bool isInstantiation(TemplateSpecializationKind kind) {
  return kind == TSK_ImplicitInstantiation || kind == TSK_ExplicitInstantiationDefinition;
}

const Decl* parentDecl(const Decl* d) {
  const DeclContext* dc = d->getDeclContext();
  return dc ? cast<Decl>(dc) : nullptr;
}

// True when d is, or lies inside, something the compiler instantiated: those
// are recorded as implicit specialisations, not as declarations.
bool inInstantiation(const Decl* d) {
  for (const Decl* cur = d; cur; cur = parentDecl(cur)) {
    if (auto* fd = dyn_cast<FunctionDecl>(cur)) {
      if (isTemplateInstantiation(fd->getTemplateSpecializationKind())) return true;
    } else if (auto* specialisation = dyn_cast<ClassTemplateSpecializationDecl>(cur)) {
      if (!isa<ClassTemplatePartialSpecializationDecl>(specialisation) &&
          specialisation->getSpecializationKind() != TSK_ExplicitSpecialization)
        return true;
    } else if (auto* rd = dyn_cast<CXXRecordDecl>(cur)) {
      if (isTemplateInstantiation(rd->getTemplateSpecializationKind())) return true;
    }
  }
  return false;
}

// Block-scope declarations inside templates are not recorded.
bool inTemplatedFunction(const Decl* d) {
  const DeclContext* fn = d->getParentFunctionOrMethod();
  return fn && cast<Decl>(fn)->isTemplated();
}

bool isFriendDeclarationOnly(const Decl* d, bool definition) {
  return d->getFriendObjectKind() != Decl::FOK_None && !definition;
}

char scopeLetter(const Decl* d) {
  const DeclContext* dc = d->getDeclContext();
  while (dc) {
    auto* rd = dyn_cast<RecordDecl>(dc);
    if (isa<LinkageSpecDecl>(dc) || isa<ExportDecl>(dc) || (rd && rd->isAnonymousStructOrUnion())) {
      dc = dc->getParent();
      continue;
    }
    break;
  }
  if (!dc || dc->isTranslationUnit()) return 'F';
  if (dc->isNamespace()) return 'S';
  if (dc->isRecord()) return 'C';
  if (dc->isFunctionOrMethod()) return 'B';
  return 'F';
}

char linkageLetter(const NamedDecl* d, char scope) {
  if (scope == 'B') return 'N';
  for (const DeclContext* dc = d->getDeclContext(); dc; dc = dc->getParent())
    if (auto* ns = dyn_cast<NamespaceDecl>(dc); ns && ns->isAnonymousNamespace()) return 'I';
  if ((scope == 'F' || scope == 'S') && (isa<FunctionDecl>(d) || isa<VarDecl>(d)) &&
      d->getFormalLinkage() == InternalLinkage)
    return 'I';
  return 'X';
}

// Walks the unit; declarations in files that get no records are skipped
// whole, so the standard library costs no more than parsing it.
class Walker : public RecursiveASTVisitor<Walker> {
 public:
  Walker(RecordCollector& records, UnitFiles& files) : m_records(records), m_files(files) {}
  bool shouldVisitTemplateInstantiations() const { return true; }
  bool TraverseDecl(Decl* d) {
    if (d && !isa<TranslationUnitDecl>(d)) {
      const FileFacts* facts = m_files.at(d->getLocation());
      if (!facts || !facts->recorded) return true;
    }
    return RecursiveASTVisitor<Walker>::TraverseDecl(d);
  }
  bool VisitTagDecl(TagDecl* d) { m_records.tag(d); return true; }
  bool VisitFunctionDecl(FunctionDecl* d) { m_records.function(d); return true; }
  bool VisitVarDecl(VarDecl* d) { m_records.variable(d); return true; }
  bool VisitFieldDecl(FieldDecl* d) { m_records.field(d); return true; }
  bool VisitTypedefNameDecl(TypedefNameDecl* d) { m_records.typedefName(d); return true; }
  bool VisitLambdaExpr(LambdaExpr* e) { m_records.lambda(e); return true; }

 private:
  RecordCollector& m_records;
  UnitFiles& m_files;
};

// The calls of one function body to functions outside any class.
class CallWalker : public RecursiveASTVisitor<CallWalker> {
 public:
  std::vector<std::pair<const FunctionDecl*, SourceLocation>> calls;
  bool VisitCallExpr(CallExpr* call) {
    if (isa<CXXOperatorCallExpr>(call) || isa<CXXMemberCallExpr>(call)) return true;
    const FunctionDecl* callee = call->getDirectCallee();
    if (callee && !isa<CXXMethodDecl>(callee) && !callee->getBuiltinID())
      calls.emplace_back(callee, call->getBeginLoc());
    return true;
  }
};

}  // namespace

void RecordCollector::addInclude(SourceLocation hash, const std::string& includedPath, bool system) {
  const FileFacts* from = m_files.at(hash);
  if (!from) return;
  m_includes.push_back("<R>I \"" + from->path + "\" \"" + m_files.absolute(includedPath) + "\" " +
                       std::to_string(m_files.line(hash)) + (system ? " S" : " -"));
}

void RecordCollector::addMacro(SourceLocation name, const std::string& macro, bool functionLike) {
  const FileFacts* facts = m_files.at(name);
  if (!facts || !facts->recorded) return;
  m_defines.push_back({name, "<DEFINE> " + macro + " \"" + facts->path + "\" " + std::to_string(m_files.line(name)) +
                                 (facts->main ? " M" : " I") + " DD OM F - - " + (functionLike ? "F" : "O")});
}

void RecordCollector::collect(ASTContext& context) {
  m_context = &context;
  m_names = std::make_unique<NameText>(context);
  Walker(*this, m_files).TraverseDecl(context.getTranslationUnitDecl());
}

bool RecordCollector::recorded(const Decl* d) {
  const FileFacts* facts = m_files.at(d->getLocation());
  return facts && facts->recorded;
}

bool RecordCollector::seenBefore(const Decl* d) {
  for (const Decl* prev = d->getPreviousDecl(); prev; prev = prev->getPreviousDecl()) {
    bool definition = false;
    if (auto* fd = dyn_cast<FunctionDecl>(prev)) definition = fd->isThisDeclarationADefinition();
    else if (auto* td = dyn_cast<TagDecl>(prev)) definition = td->isThisDeclarationADefinition();
    if (recorded(prev) && !isFriendDeclarationOnly(prev, definition)) return true;
  }
  return false;
}

std::string RecordCollector::define(const NamedDecl* d, const NamedDecl* at, const char* def, const char* space,
                                    bool dependent) {
  const FileFacts* facts = m_files.at(at->getLocation());
  const char scope = scopeLetter(d);
  std::string text = "<DEFINE> " + m_names->ident(d);
  text += " \"" + facts->path + "\" " + std::to_string(m_files.line(at->getLocation()));
  text += std::string(facts->main ? " M " : " I ") + def + " " + space + " " + scope + " " + linkageLetter(d, scope);
  text += " " + m_names->typeField(d) + (dependent ? " U" : " -");
  return text;
}

void RecordCollector::addDefine(const NamedDecl* d, const char* def, const char* space) {
  const bool dependent = d->isTemplated() || isa<ClassTemplatePartialSpecializationDecl>(d);
  m_defines.push_back({d->getLocation(), define(d, d, def, space, dependent)});
}

void RecordCollector::declarationRecords(const NamedDecl* d, bool definition, bool seen, const char* space) {
  if (!seen) {
    addDefine(d, "DC", space);
    if (definition) addDefine(d, "DD", space);
  } else {
    addDefine(d, definition ? "DD" : "DR", space);
  }
}

void RecordCollector::tag(const TagDecl* d) {
  if (d->isImplicit() || !m_done.insert(d).second || !recorded(d)) return;
  auto* rd = dyn_cast<CXXRecordDecl>(d);
  if (rd && (rd->isLambda() || rd->isAnonymousStructOrUnion())) return;
  const bool recordHere = d->isThisDeclarationADefinition() || (!d->getDefinition() && d->isFirstDecl());
  // A specialisation in a recorded file is recorded even when its template
  // is not (`std::hash<lib::Key>` in a project header): it is the
  // project's own code.
  if (auto* partial = dyn_cast<ClassTemplatePartialSpecializationDecl>(d)) {
    if (recordHere) addDefine(partial, "DP", "TG");
    return;
  }
  if (auto* specialisation = dyn_cast<ClassTemplateSpecializationDecl>(d)) {
    if (specialisation->getSpecializationKind() == TSK_ExplicitSpecialization) {
      if (recordHere) addDefine(specialisation, "DX", "TG");
    } else if (isInstantiation(specialisation->getSpecializationKind()) && specialisation->isCompleteDefinition()) {
      classSpecialisation(specialisation, specialisation->getTemplateInstantiationPattern());
    }
    return;
  }
  if (rd && isInstantiation(rd->getTemplateSpecializationKind())) {
    if (rd->isCompleteDefinition() && rd->getMemberSpecializationInfo())
      classSpecialisation(rd, rd->getTemplateInstantiationPattern());
    return;
  }
  if (inInstantiation(d) || inTemplatedFunction(d)) return;
  const bool definition = d->isThisDeclarationADefinition();
  if (isFriendDeclarationOnly(d, definition)) return;
  declarationRecords(d, definition, seenBefore(d), "TG");
}

void RecordCollector::function(const FunctionDecl* fd) {
  if (fd->isImplicit() || isa<CXXDeductionGuideDecl>(fd) || !m_done.insert(fd).second) return;
  if (auto* md = dyn_cast<CXXMethodDecl>(fd); md && md->getParent()->isLambda()) return;
  const TemplateSpecializationKind kind = fd->getTemplateSpecializationKind();
  if (isInstantiation(kind)) {
    if (fd->isThisDeclarationADefinition()) functionSpec(fd);
    return;
  }
  if (kind == TSK_ExplicitInstantiationDeclaration) return;
  if (!recorded(fd) || inInstantiation(fd) || inTemplatedFunction(fd)) return;
  const bool definition = fd->isThisDeclarationADefinition();
  if (isFriendDeclarationOnly(fd, definition)) return;
  if (kind == TSK_ExplicitSpecialization) {
    const FunctionTemplateDecl* primary = fd->getPrimaryTemplate();
    if ((definition || (!fd->isDefined() && fd->isFirstDecl())) && (!primary || recorded(primary)))
      addDefine(fd, "DX", "OF");
    return;
  }
  declarationRecords(fd, definition, seenBefore(fd), "OF");
  const FileFacts* facts = m_files.at(fd->getLocation());
  if (definition && !fd->isTemplated() && facts->main) calls(fd);
}

void RecordCollector::functionSpec(const FunctionDecl* fd) {
  const FunctionDecl* pattern = fd->getTemplateInstantiationPattern();
  auto* parent = dyn_cast<CXXRecordDecl>(fd->getDeclContext());
  if (auto* primary = fd->getPrimaryTemplate(); primary && !parent) {
    const FunctionDecl* at = pattern ? pattern : primary->getTemplatedDecl();
    if (recorded(at)) m_functionSpecs.push_back({orderOf(fd), define(fd, at, "DS", "OF", false)});
    return;
  }
  // A member, also a member function template's specialisation: DS and DD,
  // filed under its class.
  const FunctionDecl* from = fd->getInstantiatedFromMemberFunction();
  const FunctionDecl* at = from ? from : pattern;
  if (!at || !parent || !recorded(at)) return;
  m_specialisationMembers[parent].push_back(
      {orderOf(fd), define(fd, at, "DS", "OF", false) + "\n" + define(fd, at, "DD", "OF", false)});
}

void RecordCollector::instantiating(const Decl* d) {
  m_instantiationOrder.emplace(d, static_cast<unsigned>(m_instantiationOrder.size()));
}

unsigned RecordCollector::orderOf(const Decl* d) const {
  auto found = m_instantiationOrder.find(d);
  return found == m_instantiationOrder.end() ? ~0u : found->second;
}

void RecordCollector::classSpecialisation(const CXXRecordDecl* specialisation, const CXXRecordDecl* pattern) {
  if (!pattern || !recorded(pattern) || m_specialisations.count(specialisation)) return;
  m_specialisations[specialisation] = Ordered{orderOf(specialisation), define(specialisation, pattern, "DS", "TG", false)};
  m_specialisationOrder.push_back(specialisation);
}

void RecordCollector::variable(const VarDecl* vd) {
  if (isa<ParmVarDecl>(vd) || isa<DecompositionDecl>(vd) || isa<VarTemplateSpecializationDecl>(vd)) return;
  if (vd->getDescribedVarTemplate() || vd->isImplicit() || !vd->getIdentifier()) return;
  if (!m_done.insert(vd).second || !recorded(vd) || inInstantiation(vd) || inTemplatedFunction(vd)) return;
  const bool definition = vd->isThisDeclarationADefinition() != VarDecl::DeclarationOnly;
  declarationRecords(vd, definition, seenBefore(vd), vd->isStaticDataMember() ? "MB" : "OV");
}

void RecordCollector::field(const FieldDecl* f) {
  if (!f->getIdentifier() || !m_done.insert(f).second) return;
  if (!recorded(f) || inInstantiation(f) || inTemplatedFunction(f)) return;
  addDefine(f, "DC", "MB");
}

void RecordCollector::typedefName(const TypedefNameDecl* td) {
  if (td->isImplicit() || !m_done.insert(td).second) return;
  if (auto* alias = dyn_cast<TypeAliasDecl>(td); alias && alias->getDescribedAliasTemplate()) return;
  if (!recorded(td) || inInstantiation(td) || td->isTemplated()) return;
  addDefine(td, "DC", "OT");
}

void RecordCollector::lambda(const LambdaExpr* e) {
  const CXXRecordDecl* closure = e->getLambdaClass();
  if (!closure || !m_done.insert(closure).second) return;
  if (!recorded(closure) || inInstantiation(closure) || closure->isTemplated() || inTemplatedFunction(closure)) return;
  addDefine(closure, "DC", "TG");
  addDefine(closure, "DD", "TG");
  const CXXMethodDecl* call = e->getCallOperator();
  addDefine(call, "DC", "OF");
  addDefine(call, "DD", "OF");
}

void RecordCollector::calls(const FunctionDecl* fd) {
  CallWalker walker;
  walker.TraverseStmt(fd->getBody());
  const std::string caller = m_names->ident(fd);
  for (const auto& [callee, at] : walker.calls)
    m_calls.push_back("<R>C " + caller + " " + m_names->ident(callee) + " " + std::to_string(m_files.line(at)) + " -");
}

bool RecordCollector::before(SourceLocation a, SourceLocation b) const {
  if (a.isInvalid()) return false;
  if (b.isInvalid()) return true;
  const SourceManager& sm = m_context->getSourceManager();
  return sm.isBeforeInTranslationUnit(sm.getExpansionLoc(a), sm.getExpansionLoc(b));
}

bool RecordCollector::byOrder(const Ordered& a, const Ordered& b) { return a.order < b.order; }

void RecordCollector::emitSpecialisation(const CXXRecordDecl* specialisation, std::vector<std::string>& out) const {
  out.push_back(m_specialisations.at(specialisation).text);
  auto members = m_specialisationMembers.find(specialisation);
  if (members != m_specialisationMembers.end()) {
    std::vector<Ordered> sorted = members->second;
    std::stable_sort(sorted.begin(), sorted.end(), byOrder);
    for (const Ordered& member : sorted) {
      const size_t split = member.text.find('\n');
      out.push_back(member.text.substr(0, split));
      out.push_back(member.text.substr(split + 1));
    }
  }
  std::vector<const CXXRecordDecl*> nested;
  for (const CXXRecordDecl* candidate : m_specialisationOrder)
    if (candidate->getDeclContext() == specialisation) nested.push_back(candidate);
  std::stable_sort(nested.begin(), nested.end(), [this](const CXXRecordDecl* a, const CXXRecordDecl* b) {
    return m_specialisations.at(a).order < m_specialisations.at(b).order;
  });
  for (const CXXRecordDecl* inner : nested) emitSpecialisation(inner, out);
}

std::vector<std::string> RecordCollector::lines() const {
  std::vector<std::string> out = m_includes;
  if (!m_context) return out;
  std::vector<Positioned> defines = m_defines;
  std::stable_sort(defines.begin(), defines.end(),
                   [this](const Positioned& a, const Positioned& b) { return before(a.at, b.at); });
  for (const Positioned& d : defines) out.push_back(d.text);

  // Class specialisations grouped by their primary template, the groups in
  // the order their first specialisation was instantiated.
  // Specialisations of member templates are written with their enclosing
  // class when that is an implicit specialisation too.
  std::vector<const ClassTemplateSpecializationDecl*> tops;
  for (const CXXRecordDecl* specialisation : m_specialisationOrder) {
    auto* top = dyn_cast<ClassTemplateSpecializationDecl>(specialisation);
    auto* parent = dyn_cast<CXXRecordDecl>(specialisation->getDeclContext());
    if (top && !(parent && m_specialisations.count(parent))) tops.push_back(top);
  }
  std::stable_sort(tops.begin(), tops.end(),
                   [this](auto* a, auto* b) { return m_specialisations.at(a).order < m_specialisations.at(b).order; });
  std::vector<const Decl*> groups;
  for (auto* specialisation : tops) {
    const Decl* primary = specialisation->getSpecializedTemplate()->getCanonicalDecl();
    if (std::find(groups.begin(), groups.end(), primary) == groups.end()) groups.push_back(primary);
  }
  for (const Decl* primary : groups)
    for (auto* specialisation : tops)
      if (specialisation->getSpecializedTemplate()->getCanonicalDecl() == primary) emitSpecialisation(specialisation, out);

  // Members instantiated in classes that are no implicit specialisations
  // (member templates of ordinary classes).
  std::vector<Ordered> orphans;
  for (const auto& [parent, members] : m_specialisationMembers)
    if (!m_specialisations.count(parent))
      for (const Ordered& member : members) orphans.push_back(member);
  std::stable_sort(orphans.begin(), orphans.end(), byOrder);
  for (const Ordered& member : orphans) {
    const size_t split = member.text.find('\n');
    out.push_back(member.text.substr(0, split));
    out.push_back(member.text.substr(split + 1));
  }

  std::vector<Ordered> functions = m_functionSpecs;
  std::stable_sort(functions.begin(), functions.end(), byOrder);
  for (const Ordered& f : functions) out.push_back(f.text);
  out.insert(out.end(), m_calls.begin(), m_calls.end());
  return out;
}

}  // namespace kxdf_scan
