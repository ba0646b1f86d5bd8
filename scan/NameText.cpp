#include "scan/NameText.h"

#include <algorithm>

#include <clang/AST/DeclCXX.h>
#include <clang/AST/DeclTemplate.h>
#include <clang/AST/Expr.h>
#include <clang/AST/ExprCXX.h>
#include <clang/AST/PrettyPrinter.h>
#include <clang/AST/Type.h>
#include <clang/Basic/OperatorKinds.h>
#include <llvm/ADT/SmallString.h>
#include <llvm/Support/raw_ostream.h>

using namespace clang;

namespace kxdf_scan {

std::string withoutBlanks(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return text;
}

namespace {

// Drops template argument lists and scope qualifiers from a spelled type, so
// that a conversion to `std::shared_ptr<T>` is named by `shared_ptr`.
std::string bareTypeName(const std::string& spelled) {
  std::string flat;
  int depth = 0;
  for (char c : spelled) {
    if (c == '<') ++depth;
    else if (c == '>') --depth;
    else if (depth == 0) flat += c;
  }
  const size_t scope = flat.rfind("::");
  return scope == std::string::npos ? flat : flat.substr(scope + 2);
}

}  // namespace

// Prints non-type template parameters inside expressions as placeholders
// and substituted ones as their values.
class PlaceholderHelper : public PrinterHelper {
 public:
  PlaceholderHelper(NameText& names) : m_names(names) {}
  bool handledStmt(Stmt* s, raw_ostream& os) override {
    if (auto* ref = dyn_cast<DeclRefExpr>(s)) {
      if (auto* param = dyn_cast<NonTypeTemplateParmDecl>(ref->getDecl())) {
        os << m_names.placeholder(param->getDepth(), param->getIndex(), false);
        return true;
      }
    }
    if (auto* subst = dyn_cast<SubstNonTypeTemplateParmExpr>(s)) {
      os << m_names.expr(subst->getReplacement());
      return true;
    }
    // Names qualified by a dependent type (`std::is_integral<T>::value`)
    // and sizeof of a type: the types spelled as records spell them.
    if (auto* dependent = dyn_cast<DependentScopeDeclRefExpr>(s)) {
      os << m_names.qualifier(dependent->getQualifier()) << dependent->getDeclName().getAsString();
      if (dependent->hasExplicitTemplateArgs()) {
        std::vector<TemplateArgument> args;
        for (const TemplateArgumentLoc& arg : dependent->template_arguments()) args.push_back(arg.getArgument());
        os << "<" << m_names.templateArgs(args) << ">";
      }
      return true;
    }
    if (auto* trait = dyn_cast<UnaryExprOrTypeTraitExpr>(s); trait && trait->isArgumentType()) {
      const char* word = trait->getKind() == UETT_SizeOf ? "sizeof" : trait->getKind() == UETT_AlignOf ? "alignof" : nullptr;
      if (word) {
        os << word << "(" << m_names.type(trait->getArgumentType(), false) << ")";
        return true;
      }
    }
    return false;
  }

 private:
  NameText& m_names;
};

NameText::NameText(ASTContext& context) : m_context(context), m_policy(context.getPrintingPolicy()) {
  m_policy.SuppressTagKeyword = true;
  m_policy.SuppressScope = false;
  m_policy.Bool = true;
}

char NameText::tagLetter(const TagDecl* tag) {
  switch (tag->getTagKind()) {
    case TTK_Struct:
    case TTK_Interface: return 's';
    case TTK_Union: return 'u';
    case TTK_Enum: return 'e';
    case TTK_Class: return 'c';
  }
  return 'c';
}

NameText::Depths NameText::depthsOf(const Decl* d) const {
  Depths innerFirst;
  for (const Decl* cur = d; cur;) {
    if (auto* rd = dyn_cast<CXXRecordDecl>(cur)) {
      if (isa<ClassTemplatePartialSpecializationDecl>(rd) || rd->getDescribedClassTemplate())
        innerFirst.push_back(Owner::Class);
    } else if (auto* fd = dyn_cast<FunctionDecl>(cur)) {
      if (fd->getDescribedFunctionTemplate()) innerFirst.push_back(Owner::Function);
    }
    const DeclContext* dc = cur->getDeclContext();
    cur = dc ? cast<Decl>(dc) : nullptr;
  }
  return Depths(innerFirst.rbegin(), innerFirst.rend());
}

std::string NameText::placeholder(unsigned depth, unsigned index, bool pack) const {
  const bool function = depth < m_depths.size() && m_depths[depth] == Owner::Function;
  return std::string(function ? "@FuncTempParam" : "@ClassTempParam") + std::to_string(index + 1) +
         (pack ? "..." : "");
}

std::string NameText::ident(const NamedDecl* d) {
  m_depths = depthsOf(d);
  if (auto* fd = dyn_cast<FunctionDecl>(d)) return functionName(fd);
  if (auto* tag = dyn_cast<TagDecl>(d)) return tagName(tag);
  return scopePrefix(d->getDeclContext()) + d->getName().str();
}

std::string NameText::typeField(const NamedDecl* d) {
  m_depths = depthsOf(d);
  if (auto* tag = dyn_cast<TagDecl>(d)) return std::string("{") + tagLetter(tag) + tagName(tag) + "}";
  if (auto* fd = dyn_cast<FunctionDecl>(d)) {
    std::string text = "(" + paramList(fd) + ")";
    if (!isa<CXXConstructorDecl>(fd) && !isa<CXXDestructorDecl>(fd)) text += type(fd->getReturnType(), false);
    return text;
  }
  if (auto* td = dyn_cast<TypedefNameDecl>(d)) return type(td->getUnderlyingType(), true);
  if (auto* vd = dyn_cast<ValueDecl>(d)) return type(vd->getType(), true);
  return "-";
}

std::string NameText::unnamedNamespace(const NamespaceDecl* ns) {
  const NamespaceDecl* key = ns->getOriginalNamespace();
  auto found = m_unnamed.find(key);
  if (found == m_unnamed.end()) found = m_unnamed.emplace(key, static_cast<int>(m_unnamed.size()) + 1).first;
  return "@UN" + std::to_string(found->second);
}

std::string NameText::scopePrefix(const DeclContext* dc) {
  // Block-scope names are unqualified, whatever encloses the function.
  if (!dc || dc->isTranslationUnit() || dc->isFunctionOrMethod()) return "";
  const DeclContext* parent = dc->getParent();
  if (auto* ns = dyn_cast<NamespaceDecl>(dc)) {
    if (ns->isInline()) return scopePrefix(parent);
    if (ns->isAnonymousNamespace()) return scopePrefix(parent) + unnamedNamespace(ns) + "::";
    return scopePrefix(parent) + ns->getName().str() + "::";
  }
  if (auto* tag = dyn_cast<TagDecl>(dc)) {
    auto* rd = dyn_cast<RecordDecl>(tag);
    if (rd && rd->isAnonymousStructOrUnion()) return scopePrefix(parent);
    return tagName(tag) + "::";
  }
  return scopePrefix(parent);
}

std::string NameText::tagName(const TagDecl* tag) {
  std::string own;
  auto* rd = dyn_cast<CXXRecordDecl>(tag);
  if (rd && rd->isLambda()) own = "@lambda";
  else if (tag->getIdentifier()) own = tag->getName().str();
  else if (auto* td = tag->getTypedefNameForAnonDecl()) own = td->getName().str();
  else own = "@anon";
  if (auto* partial = dyn_cast<ClassTemplatePartialSpecializationDecl>(tag))
    own += "<" + templateArgs(partial->getTemplateArgs().asArray()) + ">";
  else if (auto* specialisation = dyn_cast<ClassTemplateSpecializationDecl>(tag))
    own += "<" + templateArgs(specialisation->getTemplateArgs().asArray()) + ">";
  else if (rd && rd->getDescribedClassTemplate())
    own += "<" + ownParams(rd->getDescribedClassTemplate()->getTemplateParameters(), Owner::Class) + ">";
  return scopePrefix(tag->getDeclContext()) + own;
}

std::string NameText::ownParams(const TemplateParameterList* params, Owner owner) {
  std::string text;
  for (unsigned i = 0; i < params->size(); ++i) {
    if (i) text += ",";
    text += owner == Owner::Function ? "@FuncTempParam" : "@ClassTempParam";
    text += std::to_string(i + 1);
    if (params->getParam(i)->isParameterPack()) text += "...";
  }
  return text;
}

std::string NameText::functionBase(const FunctionDecl* fd) {
  const DeclarationName name = fd->getDeclName();
  switch (name.getNameKind()) {
    case DeclarationName::CXXConstructorName: return "@constructor";
    case DeclarationName::CXXDestructorName: return "@destructor";
    case DeclarationName::CXXOperatorName: return std::string(getOperatorSpelling(fd->getOverloadedOperator())) + "@";
    case DeclarationName::CXXConversionFunctionName:
      return bareTypeName(type(name.getCXXNameType(), false)) + "@";
    case DeclarationName::CXXLiteralOperatorName:
      return "\"\"" + name.getCXXLiteralIdentifier()->getName().str() + "@";
    default: return withoutBlanks(name.getAsString());
  }
}

std::string NameText::functionName(const FunctionDecl* fd) {
  std::string text = scopePrefix(fd->getDeclContext()) + functionBase(fd);
  if (auto* tmpl = fd->getDescribedFunctionTemplate())
    text += "<" + ownParams(tmpl->getTemplateParameters(), Owner::Function) + ">";
  else if (auto* args = fd->getTemplateSpecializationArgs())
    text += "<" + templateArgs(args->asArray()) + ">";
  return text + "(" + paramList(fd) + ")";
}

std::string NameText::paramList(const FunctionDecl* fd) {
  const auto* proto = fd->getType()->getAs<FunctionProtoType>();
  if (!proto) return "void";
  std::string text;
  for (QualType param : proto->getParamTypes()) {
    if (!text.empty()) text += ",";
    text += type(param.getUnqualifiedType(), false);
  }
  if (proto->isVariadic()) text += text.empty() ? "..." : ",...";
  return text.empty() ? "void" : text;
}

std::string NameText::type(QualType t, bool braceTags) {
  if (t.isNull()) return "";
  const QualType canonical = t.getCanonicalType();
  std::string text = unqualifiedType(canonical.getTypePtr(), braceTags);
  const Qualifiers quals = canonical.getLocalQualifiers();
  if (quals.hasConst()) text += "const";
  if (quals.hasVolatile()) text += "volatile";
  return text;
}

std::string NameText::pointerLike(QualType pointee, const char* op, bool braceTags) {
  return type(pointee, braceTags) + op;
}

std::string NameText::unqualifiedType(const Type* t, bool braceTags) {
  switch (t->getTypeClass()) {
    case Type::Builtin: return withoutBlanks(cast<BuiltinType>(t)->getName(m_policy).str());
    case Type::Pointer: return pointerLike(cast<PointerType>(t)->getPointeeType(), "*", braceTags);
    case Type::LValueReference: return pointerLike(cast<ReferenceType>(t)->getPointeeType(), "&", braceTags);
    case Type::RValueReference: return pointerLike(cast<ReferenceType>(t)->getPointeeType(), "&&", braceTags);
    case Type::MemberPointer: {
      auto* mp = cast<MemberPointerType>(t);
      return type(mp->getPointeeType(), braceTags) + unqualifiedType(mp->getClass(), false) + "::*";
    }
    case Type::ConstantArray:
    case Type::IncompleteArray:
    case Type::DependentSizedArray:
    case Type::VariableArray: return arrayType(cast<ArrayType>(t), braceTags);
    case Type::Record:
    case Type::Enum: {
      auto* tag = cast<TagType>(t)->getDecl();
      return braced(tag, tagName(tag), braceTags);
    }
    case Type::FunctionProto:
    case Type::FunctionNoProto: return functionType(cast<FunctionType>(t));
    case Type::TemplateTypeParm: {
      auto* param = cast<TemplateTypeParmType>(t);
      return placeholder(param->getDepth(), param->getIndex(), false);
    }
    case Type::PackExpansion: return type(cast<PackExpansionType>(t)->getPattern(), braceTags) + "...";
    case Type::InjectedClassName:
    case Type::TemplateSpecialization:
    case Type::DependentName:
    case Type::DependentTemplateSpecialization: return dependentType(t, braceTags);
    case Type::Decltype: return "decltype(" + expr(cast<DecltypeType>(t)->getUnderlyingExpr()) + ")";
    case Type::Auto:
    case Type::DeducedTemplateSpecialization: {
      auto* deduced = cast<DeducedType>(t);
      return deduced->isDeduced() ? type(deduced->getDeducedType(), braceTags) : "auto";
    }
    default: return withoutBlanks(QualType(t, 0).getAsString(m_policy));
  }
}

std::string NameText::braced(const TagDecl* tag, const std::string& name, bool braceTags) const {
  return braceTags && tag ? std::string("{") + tagLetter(tag) + name + "}" : name;
}

std::string NameText::arrayType(const ArrayType* at, bool braceTags) {
  std::string bound;
  if (auto* constant = dyn_cast<ConstantArrayType>(at)) {
    llvm::SmallString<16> size;
    constant->getSize().toString(size, 10, false);
    bound = size.str().str();
  } else if (auto* dependent = dyn_cast<DependentSizedArrayType>(at)) {
    bound = expr(dependent->getSizeExpr());
  } else if (auto* variable = dyn_cast<VariableArrayType>(at)) {
    bound = expr(variable->getSizeExpr());
  }
  return type(at->getElementType(), braceTags) + "[" + bound + "]";
}

std::string NameText::functionType(const FunctionType* ft) {
  std::string params;
  if (auto* proto = dyn_cast<FunctionProtoType>(ft)) {
    for (QualType param : proto->getParamTypes()) params += (params.empty() ? "" : ",") + type(param, false);
    if (proto->isVariadic()) params += params.empty() ? "..." : ",...";
  }
  return "(" + (params.empty() ? std::string("void") : params) + ")" + type(ft->getReturnType(), false);
}

// Types that still depend on template parameters.
std::string NameText::dependentType(const Type* t, bool braceTags) {
  if (auto* injected = dyn_cast<InjectedClassNameType>(t))
    return braced(injected->getDecl(), unqualifiedType(injected->getInjectedSpecializationType().getTypePtr(), false),
                  braceTags);
  if (auto* specialisation = dyn_cast<TemplateSpecializationType>(t)) {
    const std::string name = templateName(specialisation->getTemplateName()) + "<" + templateArgs(specialisation->template_arguments()) + ">";
    const TagDecl* tag = nullptr;
    if (auto* ct = dyn_cast_or_null<ClassTemplateDecl>(specialisation->getTemplateName().getAsTemplateDecl()))
      tag = ct->getTemplatedDecl();
    return braced(tag, name, braceTags);
  }
  if (auto* dn = dyn_cast<DependentNameType>(t)) return qualifier(dn->getQualifier()) + dn->getIdentifier()->getName().str();
  auto* dt = cast<DependentTemplateSpecializationType>(t);
  return qualifier(dt->getQualifier()) + dt->getIdentifier()->getName().str() + "<" +
         templateArgs(dt->template_arguments()) + ">";
}

std::string NameText::templateArgs(llvm::ArrayRef<TemplateArgument> args) {
  std::string text;
  for (const TemplateArgument& arg : args) {
    std::string one = templateArg(arg);
    if (one.empty()) continue;
    if (!text.empty()) text += ",";
    text += one;
  }
  return text;
}

std::string NameText::templateArg(const TemplateArgument& arg) {
  switch (arg.getKind()) {
    case TemplateArgument::Type: return type(arg.getAsType(), false);
    case TemplateArgument::Integral: {
      if (arg.getIntegralType()->isBooleanType()) return arg.getAsIntegral().getBoolValue() ? "true" : "false";
      llvm::SmallString<16> value;
      arg.getAsIntegral().toString(value, 10);
      return value.str().str();
    }
    case TemplateArgument::Expression: return expr(arg.getAsExpr());
    case TemplateArgument::Template: return templateName(arg.getAsTemplate());
    case TemplateArgument::TemplateExpansion: return templateName(arg.getAsTemplateOrTemplatePattern()) + "...";
    case TemplateArgument::Pack: return templateArgs(arg.pack_elements());
    case TemplateArgument::NullPtr: return "nullptr";
    case TemplateArgument::Declaration: {
      const ValueDecl* d = arg.getAsDecl();
      return "&" + scopePrefix(d->getDeclContext()) + d->getName().str();
    }
    case TemplateArgument::Null: return "";
  }
  return "";
}

std::string NameText::templateName(TemplateName name) {
  if (TemplateDecl* td = name.getAsTemplateDecl()) {
    if (auto* param = dyn_cast<TemplateTemplateParmDecl>(td))
      return placeholder(param->getDepth(), param->getIndex(), false);
    return scopePrefix(td->getDeclContext()) + td->getName().str();
  }
  if (DependentTemplateName* dep = name.getAsDependentTemplateName()) {
    if (dep->isIdentifier()) return qualifier(dep->getQualifier()) + dep->getIdentifier()->getName().str();
  }
  std::string text;
  llvm::raw_string_ostream os(text);
  name.print(os, m_policy);
  return withoutBlanks(os.str());
}

std::string NameText::qualifier(const NestedNameSpecifier* nns) {
  if (!nns) return "";
  switch (nns->getKind()) {
    case NestedNameSpecifier::Identifier:
      return qualifier(nns->getPrefix()) + nns->getAsIdentifier()->getName().str() + "::";
    case NestedNameSpecifier::Namespace: return scopePrefix(nns->getAsNamespace());
    case NestedNameSpecifier::NamespaceAlias: return scopePrefix(nns->getAsNamespaceAlias()->getNamespace());
    case NestedNameSpecifier::TypeSpec:
    case NestedNameSpecifier::TypeSpecWithTemplate: return type(QualType(nns->getAsType(), 0), false) + "::";
    case NestedNameSpecifier::Global:
    case NestedNameSpecifier::Super: return "";
  }
  return "";
}

std::string NameText::expr(const Expr* e) {
  if (!e) return "";
  std::string text;
  llvm::raw_string_ostream os(text);
  PlaceholderHelper helper(*this);
  e->printPretty(os, &helper, m_policy);
  return withoutBlanks(os.str());
}

}  // namespace kxdf_scan
