#ifndef SCAN_NAMETEXT_H
#define SCAN_NAMETEXT_H

#include <map>
#include <string>
#include <vector>

#include <clang/AST/ASTContext.h>
#include <clang/AST/Decl.h>
#include <clang/AST/TemplateBase.h>

namespace kxdf_scan {

// Spells declarations and types the way record files name them: fully
// qualified, without blanks, cv-qualifiers after what they qualify, template
// parameters as positional placeholders, typedefs resolved.  One object per
// unit: it numbers the unit's unnamed namespaces in order of first use.
class NameText {
 public:
  explicit NameText(clang::ASTContext& context);

  // The IDENT field of d (a tag, function, variable, field or typedef).
  std::string ident(const clang::NamedDecl* d);
  // The TYPE field of d: `{kNAME}` for tags, `(PARAMS)RET` for functions,
  // the declared type (class types braced) for variables and fields.
  std::string typeField(const clang::NamedDecl* d);
  // The tag letter of a class, struct, union or enum: c, s, u or e.
  static char tagLetter(const clang::TagDecl* tag);

 private:
  // Which kind of template owns the parameters at each depth.
  enum class Owner { Class, Function };
  using Depths = std::vector<Owner>;

  Depths depthsOf(const clang::Decl* d) const;
  std::string scopePrefix(const clang::DeclContext* dc);
  std::string tagName(const clang::TagDecl* tag);
  std::string functionName(const clang::FunctionDecl* fd);
  std::string functionBase(const clang::FunctionDecl* fd);
  std::string paramList(const clang::FunctionDecl* fd);
  std::string ownParams(const clang::TemplateParameterList* params, Owner owner);
  std::string placeholder(unsigned depth, unsigned index, bool pack) const;
  std::string type(clang::QualType t, bool braceTags);
  std::string unqualifiedType(const clang::Type* t, bool braceTags);
  std::string pointerLike(clang::QualType pointee, const char* op, bool braceTags);
  std::string braced(const clang::TagDecl* tag, const std::string& name, bool braceTags) const;
  std::string arrayType(const clang::ArrayType* at, bool braceTags);
  std::string functionType(const clang::FunctionType* ft);
  std::string dependentType(const clang::Type* t, bool braceTags);
  std::string templateArgs(llvm::ArrayRef<clang::TemplateArgument> args);
  std::string templateArg(const clang::TemplateArgument& arg);
  std::string templateName(clang::TemplateName name);
  std::string qualifier(const clang::NestedNameSpecifier* nns);
  std::string expr(const clang::Expr* e);
  std::string unnamedNamespace(const clang::NamespaceDecl* ns);

  clang::ASTContext& m_context;
  clang::PrintingPolicy m_policy;
  Depths m_depths;  // of the declaration being spelled
  std::map<const clang::NamespaceDecl*, int> m_unnamed;

  friend class PlaceholderHelper;
};

// Removes every blank from text.
std::string withoutBlanks(std::string text);

}  // namespace kxdf_scan

#endif
