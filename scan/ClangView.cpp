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

class ViewWalker : public RecursiveASTVisitor<ViewWalker> {
 public:
  ViewWalker(ASTContext& context, UnitFiles& files) : m_names(context), m_files(files) {}
  bool shouldVisitTemplateInstantiations() const { return true; }
  bool VisitClassTemplateSpecializationDecl(ClassTemplateSpecializationDecl* d) {
    if (instantiated(d->getSpecializationKind()) && d->isCompleteDefinition()) lines.push_back("class " + m_names.ident(d));
    return true;
  }
  bool VisitFunctionDecl(FunctionDecl* d) {
    if (d->getPrimaryTemplate() && instantiated(d->getTemplateSpecializationKind()) &&
        d->isThisDeclarationADefinition())
      lines.push_back("function " + m_names.ident(d));
    return true;
  }
  bool VisitVarDecl(VarDecl* d) {
    if (isa<ParmVarDecl>(d) || !d->getIdentifier() || d->isTemplated()) return true;
    const auto* record = d->getType()->getAsCXXRecordDecl();
    if (!record || !isa<ClassTemplateSpecializationDecl>(record)) return true;
    const FileFacts* facts = m_files.at(d->getLocation());
    if (!facts) return true;
    lines.push_back("variable " + m_names.ident(d) + " " + m_names.typeField(d) + " \"" + facts->path + "\" " +
                    std::to_string(m_files.line(d->getLocation())));
    return true;
  }
  std::vector<std::string> lines;

 private:
  NameText m_names;
  UnitFiles& m_files;
};

}  // namespace

std::vector<std::string> describeUnit(ASTContext& context, UnitFiles& files) {
  ViewWalker walker(context, files);
  walker.TraverseDecl(context.getTranslationUnitDecl());
  std::sort(walker.lines.begin(), walker.lines.end());
  walker.lines.erase(std::unique(walker.lines.begin(), walker.lines.end()), walker.lines.end());
  return walker.lines;
}

}  // namespace kxdf_scan
