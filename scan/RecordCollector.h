#ifndef SCAN_RECORDCOLLECTOR_H
#define SCAN_RECORDCOLLECTOR_H

#include <map>
#include <set>
#include <string>
#include <vector>

#include <clang/AST/ASTContext.h>
#include <clang/AST/DeclCXX.h>
#include <clang/Lex/MacroInfo.h>

#include "scan/NameText.h"
#include "scan/UnitFiles.h"

namespace kxdf_scan {

// Gathers the records of one unit while it is parsed and walked, and puts
// them in record-file order at the end: includes, the DEFINE records in
// translation order, the implicit specialisations, the calls.
class RecordCollector {
 public:
  explicit RecordCollector(UnitFiles& files) : m_files(files) {}

  // An #include directive at hash naming includedPath.
  void addInclude(clang::SourceLocation hash, const std::string& includedPath, bool system);
  // A #define of a macro.
  void addMacro(clang::SourceLocation name, const std::string& macro, bool functionLike);
  // The compiler begins to instantiate d; implicit specialisations are
  // written in the order they were instantiated.
  void instantiating(const clang::Decl* d);

  // Walks the finished translation unit.
  void collect(clang::ASTContext& context);
  // The record file's lines.
  std::vector<std::string> lines() const;

  // Called by the walk (see RecordCollector.cpp).
  void tag(const clang::TagDecl* d);
  void function(const clang::FunctionDecl* d);
  void variable(const clang::VarDecl* d);
  void field(const clang::FieldDecl* d);
  void typedefName(const clang::TypedefNameDecl* d);
  void lambda(const clang::LambdaExpr* e);

 private:
  struct Positioned {
    clang::SourceLocation at;
    std::string text;
  };
  struct Ordered {
    unsigned order;  // when it was instantiated
    std::string text;
  };

  std::string define(const clang::NamedDecl* d, const clang::NamedDecl* at, const char* def,
                     const char* space, bool dependent);
  void addDefine(const clang::NamedDecl* d, const char* def, const char* space);
  void declarationRecords(const clang::NamedDecl* d, bool definition, bool seenBefore, const char* space);
  bool recorded(const clang::Decl* d);
  bool seenBefore(const clang::Decl* d);
  void classSpecialisation(const clang::CXXRecordDecl* specialisation, const clang::CXXRecordDecl* pattern);
  unsigned orderOf(const clang::Decl* d) const;
  void functionSpec(const clang::FunctionDecl* fd);
  void calls(const clang::FunctionDecl* fd);
  bool before(clang::SourceLocation a, clang::SourceLocation b) const;
  static bool byOrder(const Ordered& a, const Ordered& b);
  void emitSpecialisation(const clang::CXXRecordDecl* specialisation, std::vector<std::string>& out) const;

  UnitFiles& m_files;
  clang::ASTContext* m_context = nullptr;
  std::unique_ptr<NameText> m_names;
  std::vector<std::string> m_includes;
  std::vector<Positioned> m_defines;
  std::map<const clang::Decl*, unsigned> m_instantiationOrder;
  std::map<const clang::CXXRecordDecl*, Ordered> m_specialisations;
  std::vector<const clang::CXXRecordDecl*> m_specialisationOrder;
  std::map<const clang::CXXRecordDecl*, std::vector<Ordered>> m_specialisationMembers;
  std::vector<Ordered> m_functionSpecs;
  std::vector<std::string> m_calls;
  std::set<const clang::Decl*> m_done;
};

}  // namespace kxdf_scan

#endif
