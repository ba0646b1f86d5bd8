#include "scan/ClangView.h"

#include <algorithm>

#include <clang/AST/DeclTemplate.h>
#include <clang/AST/RecursiveASTVisitor.h>

#include "scan/NameText.h"

using namespace clang;

namespace kxdf_scan {

namespace {

bool instantiated(TemplateSpecializationKind kind) {
  return kind == TSK_ImplicitInstantiation || kind == TSK_ExplicitInstantiationDefinition;
}

// True when d is, or lies inside, something the compiler instantiated: what
// a user wrote is in the template, not in its instantiations.
bool insideInstantiation(const Decl* d) {
  for (const Decl* cur = d; cur; cur = cur->getDeclContext() ? cast<Decl>(cur->getDeclContext()) : nullptr) {
    if (auto* fd = dyn_cast<FunctionDecl>(cur)) {
      if (instantiated(fd->getTemplateSpecializationKind())) return true;
    } else if (auto* rd = dyn_cast<CXXRecordDecl>(cur)) {
      if (instantiated(rd->getTemplateSpecializationKind())) return true;
    }
  }
  return false;
}

// Which definition of its template a class specialisation comes from.
const char* definitionKind(const ClassTemplateSpecializationDecl* s) {
  if (s->getSpecializationKind() == TSK_ExplicitSpecialization) return "explicit";
  return s->getSpecializedTemplateOrPartial().is<ClassTemplatePartialSpecializationDecl*>() ? "partial" : "primary";
}

// The class template specialisation a member belongs to directly, if any.
const ClassTemplateSpecializationDecl* owningSpecialisation(const FunctionDecl* fd) {
  auto* s = dyn_cast<ClassTemplateSpecializationDecl>(fd->getDeclContext());
  return s && !isa<ClassTemplatePartialSpecializationDecl>(s) ? s : nullptr;
}

// True for a member function of a specialisation the unit has code for: an
// instantiated definition, or a definition written in an explicit specialisation.
bool memberWithCode(const FunctionDecl* fd, const ClassTemplateSpecializationDecl* s) {
  if (fd->isImplicit() || fd->isDeleted() || !fd->isThisDeclarationADefinition()) return false;
  if (instantiated(fd->getTemplateSpecializationKind())) return true;
  return s->getSpecializationKind() == TSK_ExplicitSpecialization &&
         fd->getTemplateSpecializationKind() == TSK_Undeclared;
}

// A function template a user wrote as one: a generic lambda's call operator
// is the lambda's business.
bool writtenFunctionTemplate(const FunctionTemplateDecl* t) {
  auto* rd = dyn_cast<CXXRecordDecl>(t->getDeclContext());
  return !(rd && rd->isLambda());
}

class ViewWalker : public RecursiveASTVisitor<ViewWalker> {
 public:
  ViewWalker(ASTContext& context, UnitFiles& files) : m_names(context), m_files(files) {}
  bool shouldVisitTemplateInstantiations() const { return true; }

  bool VisitClassTemplateSpecializationDecl(ClassTemplateSpecializationDecl* d) {
    if (instantiated(d->getSpecializationKind()) && d->isCompleteDefinition()) lines.push_back("class " + m_names.ident(d));
    if (d->getSpecializationKind() == TSK_ExplicitSpecialization && d->isThisDeclarationADefinition() &&
        !insideInstantiation(d))
      templateLine(isa<ClassTemplatePartialSpecializationDecl>(d) ? "partial" : "explicit", d, d);
    return true;
  }
  bool VisitClassTemplateDecl(ClassTemplateDecl* d) {
    const CXXRecordDecl* pattern = d->getTemplatedDecl();
    if (pattern->isThisDeclarationADefinition() && !pattern->isUnion() && !insideInstantiation(pattern) &&
        !d->getInstantiatedFromMemberTemplate())
      templateLine("class", pattern, pattern);
    return true;
  }
  bool VisitFunctionTemplateDecl(FunctionTemplateDecl* d) {
    const FunctionDecl* pattern = d->getTemplatedDecl();
    if (pattern->isThisDeclarationADefinition() && writtenFunctionTemplate(d) &&
        !d->getInstantiatedFromMemberTemplate() && !insideInstantiation(pattern))
      templateLine("function", pattern, pattern);
    return true;
  }
  bool VisitFunctionDecl(FunctionDecl* d) {
    if (d->getPrimaryTemplate() && instantiated(d->getTemplateSpecializationKind()) &&
        d->isThisDeclarationADefinition()) {
      lines.push_back("function " + m_names.ident(d));
      useLine(d);
    }
    if (const ClassTemplateSpecializationDecl* s = owningSpecialisation(d); s && memberWithCode(d, s)) memberLine(d, s);
    return true;
  }
  bool VisitVarDecl(VarDecl* d) {
    if (isa<ParmVarDecl>(d) || !d->getIdentifier() || d->isTemplated()) return true;
    const auto* record = d->getType()->getAsCXXRecordDecl();
    if (!record || !isa<ClassTemplateSpecializationDecl>(record)) return true;
    const FileFacts* facts = m_files.at(d->getLocation());
    if (!facts) return true;
    lines.push_back("variable " + m_names.ident(d) + " " + m_names.typeField(d) + at(d));
    instanceLine(d);
    return true;
  }
  bool VisitFieldDecl(FieldDecl* d) {
    if (d->getIdentifier() && !d->isTemplated()) instanceLine(d);
    return true;
  }

  void unitLine(const SourceManager& sm) {
    const FileFacts* facts = m_files.at(sm.getLocForStartOfFile(sm.getMainFileID()));
    if (facts) lines.push_back("unit \"" + facts->path + "\"");
  }

  std::vector<std::string> lines;

 private:
  // ` "FILE" LINE` of where d's name stands.
  std::string at(const NamedDecl* d) {
    return " \"" + m_files.at(d->getLocation())->path + "\" " + std::to_string(m_files.line(d->getLocation()));
  }
  bool recorded(const Decl* d) {
    const FileFacts* facts = m_files.at(d->getLocation());
    return facts && facts->recorded;
  }
  void templateLine(const char* kind, const NamedDecl* named, const NamedDecl* where) {
    if (recorded(where)) lines.push_back(std::string("template ") + kind + " " + m_names.ident(named) + at(where));
  }
  void instanceLine(const ValueDecl* d) {
    auto* s = dyn_cast_or_null<ClassTemplateSpecializationDecl>(d->getType()->getAsCXXRecordDecl());
    if (!s || !recorded(d) || insideInstantiation(d)) return;
    lines.push_back(std::string("instance ") + definitionKind(s) + " " +
                    m_names.ident(s->getSpecializedTemplate()->getTemplatedDecl()) + " " + m_names.ident(d) + at(d));
  }
  void memberLine(const FunctionDecl* d, const ClassTemplateSpecializationDecl* s) {
    const FunctionDecl* from = d->getInstantiatedFromMemberFunction();
    const FunctionDecl* where = from ? from : d->getTemplateInstantiationPattern();
    if (!where) where = d;
    if (!recorded(where)) return;
    lines.push_back(std::string("member ") + definitionKind(s) + " " +
                    m_names.ident(s->getSpecializedTemplate()->getTemplatedDecl()) + " " + m_names.ident(d) + at(where));
  }
  void useLine(const FunctionDecl* d) {
    const FunctionTemplateDecl* primary = d->getPrimaryTemplate();
    const FunctionDecl* where = d->getTemplateInstantiationPattern();
    if (!where) where = primary->getTemplatedDecl();
    if (!writtenFunctionTemplate(primary) || !recorded(where)) return;
    lines.push_back("use " + m_names.ident(where) + " " + m_names.ident(d) + at(where));
  }

  NameText m_names;
  UnitFiles& m_files;
};

}  // namespace

std::vector<std::string> describeUnit(ASTContext& context, UnitFiles& files) {
  ViewWalker walker(context, files);
  walker.unitLine(context.getSourceManager());
  walker.TraverseDecl(context.getTranslationUnitDecl());
  std::sort(walker.lines.begin(), walker.lines.end());
  walker.lines.erase(std::unique(walker.lines.begin(), walker.lines.end()), walker.lines.end());
  return walker.lines;
}

}  // namespace kxdf_scan
