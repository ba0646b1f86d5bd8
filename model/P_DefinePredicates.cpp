#include <cstring>

#include "model/IdentifierFields.h"
#include "model/P_Define.h"
#include "util/U_Assert.h"

namespace {

const P_Define& checked(const P_Define* def) {
  U_ASSERT(0 != def && "Dont dereference 0.");
  return *def;
}

bool hasDef(const P_Define* def, uint8_t bits) { return checked(def).hasDef(bits); }
bool spaceIs(const P_Define* def, uint8_t space) { return checked(def).getSpace() == space; }
bool scopeIs(const P_Define* def, uint8_t scope) { return checked(def).getScope() == scope; }
bool flagSet(const P_Define* def, uint32_t flag) { return checked(def).hasFlag(flag); }

// Kind character of a tag's type ("{c...}", "{s...}", "{u...}", "{e...}").
bool tagKindIs(const P_Define* def, char kind, bool otherKind) {
  if (!spaceIs(def, P_SpaceTag)) return false;
  const char* type = def->getType();
  U_ASSERT('{' == *type && "We must have a value type name here");
  U_ASSERT(std::strlen(type) >= 4 && "We must have a value type name here");
  char c = type[1];
  if (otherKind) return c != 's' && c != 'u' && c != 'e';
  return c == kind;
}

bool startsWith(const char* text, const char* prefix) {
  return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// Strips one suffix or prefix word from a parameter type.
void stripWord(std::string_view& s, std::string_view word) {
  if (s.size() > word.size() && s.substr(s.size() - word.size()) == word) s.remove_suffix(word.size());
  if (s.size() > word.size() && s.substr(0, word.size()) == word) s.remove_prefix(word.size());
}

}  // namespace

bool P_isDefineDeclaration(const P_Define* d) { return hasDef(d, P_DefDeclaration); }
bool P_isDefineDefinition(const P_Define* d) { return hasDef(d, P_DefDefinition); }
bool P_isDefineRedeclaration(const P_Define* d) { return hasDef(d, P_DefRedeclaration); }
bool P_isDefineImplicitSpecialisation(const P_Define* d) { return hasDef(d, P_DefImplicitSpecialisation); }
bool P_isDefineImplicit(const P_Define* d) { return hasDef(d, P_DefImplicit); }
bool P_isDefineExplicitSpecialisation(const P_Define* d) { return hasDef(d, P_DefExplicitSpecialisation); }
bool P_isDefinePartialSpecialisation(const P_Define* d) { return hasDef(d, P_DefPartialSpecialisation); }
bool P_isDefineSpecialisation(const P_Define* d) {
  return hasDef(d, P_DefImplicitSpecialisation | P_DefExplicitSpecialisation | P_DefPartialSpecialisation);
}
bool P_isDefineInHeader(const P_Define* d) { return checked(d).getInc() == 0; }

bool P_isDefineLabel(const P_Define* d) { return spaceIs(d, P_SpaceLabel); }
bool P_isDefineTag(const P_Define* d) { return spaceIs(d, P_SpaceTag); }
bool P_isDefineTypedef(const P_Define* d) { return spaceIs(d, P_SpaceTypedef); }
bool P_isDefineFunction(const P_Define* d) { return spaceIs(d, P_SpaceFunction); }
bool P_isDefineEnumerator(const P_Define* d) { return spaceIs(d, P_SpaceEnumerator); }
bool P_isDefineMacro(const P_Define* d) { return spaceIs(d, P_SpaceMacro); }
bool P_isDefineVariable(const P_Define* d) { return spaceIs(d, P_SpaceVariable) || spaceIs(d, P_SpaceMember); }
bool P_isDefineMember(const P_Define* d) { return spaceIs(d, P_SpaceMember) || scopeIs(d, Scope::Class); }
bool P_isDefineFunctionParameter(const P_Define* d) {
  return flagSet(d, P_FlagParameter) || scopeIs(d, Scope::Prototype);
}

bool P_hasDefineFileScope(const P_Define* d) { return scopeIs(d, Scope::File); }
bool P_hasDefineBlockScope(const P_Define* d) { return scopeIs(d, Scope::Block); }
bool P_hasDefinePrototypeScope(const P_Define* d) { return scopeIs(d, Scope::Prototype); }
bool P_hasDefineClassScope(const P_Define* d) { return scopeIs(d, Scope::Class); }
bool P_hasDefineTemplateScope(const P_Define* d) { return scopeIs(d, Scope::Template); }
bool P_hasDefineNamespaceScope(const P_Define* d) { return scopeIs(d, Scope::Namespace); }
bool P_hasDefineInternalLinkage(const P_Define* d) { return checked(d).getLinkage() == P_LinkageInternal; }
bool P_hasDefineExternalLinkage(const P_Define* d) { return checked(d).getLinkage() == P_LinkageExternal; }

bool P_isDefineClass(const P_Define* d) { return tagKindIs(d, 'c', true); }
bool P_isDefineStruct(const P_Define* d) { return tagKindIs(d, 's', false); }
bool P_isDefineUnion(const P_Define* d) { return tagKindIs(d, 'u', false); }
bool P_isDefineEnum(const P_Define* d) { return tagKindIs(d, 'e', false); }
bool P_isDefineBitfield(const P_Define* d) {
  const char* type = checked(d).getType();
  return std::strlen(type) == 2 && type[1] == 'b' && (type[0] == 'n' || type[0] == 'u');
}

bool P_isDefineFunctionMacro(const P_Define* d) { return flagSet(d, P_FlagFunctionMacro); }
bool P_isDefineObjectMacro(const P_Define* d) { return flagSet(d, P_FlagObjectMacro); }
bool P_isDefineInline(const P_Define* d) { return flagSet(d, P_FlagInline); }
bool P_isDefineVirtual(const P_Define* d) { return flagSet(d, P_FlagVirtual); }
bool P_isDefinePureVirtual(const P_Define* d) { return flagSet(d, P_FlagPureVirtual); }
bool P_hasDefineStaticStorage(const P_Define* d) { return flagSet(d, P_FlagStaticStorage); }
bool P_isDefinePOD(const P_Define* d) { return flagSet(d, P_FlagPOD); }
bool P_isDefineAggregate(const P_Define* d) { return flagSet(d, P_FlagAggregate); }
bool P_isDefineExplicitPublic(const P_Define* d) { return flagSet(d, P_FlagExplicitPublic); }
bool P_isDefineExplicitProtected(const P_Define* d) { return flagSet(d, P_FlagExplicitProtected); }
bool P_isDefineExplicitPrivate(const P_Define* d) { return flagSet(d, P_FlagExplicitPrivate); }
bool P_isDefineImplicitPublic(const P_Define* d) { return flagSet(d, P_FlagImplicitPublic); }
bool P_isDefineImplicitPrivate(const P_Define* d) { return flagSet(d, P_FlagImplicitPrivate); }
bool P_isDefineGetter(const P_Define* d) { return flagSet(d, P_FlagGetter); }
bool P_isDefineSetter(const P_Define* d) { return flagSet(d, P_FlagSetter); }
bool P_isDefineDependent(const P_Define* d) { return flagSet(d, P_FlagDependent); }

bool P_hasDefineSameLocation(const P_Define* a, const P_Define* b) {
  return checked(a).getFile() == checked(b).getFile() && a->getLine() == b->getLine();
}

bool P_isDefineConstructor(const P_Define* d) {
  return startsWith(P_getOutputString(P_getDefineUnqualName(d)), "@constructor");
}

// A constructor whose one parameter is a reference to its own class, written
// with or without the class's scope: C(const C&), C(C&), C(volatile C&).
bool P_isDefineCopyConstructor(const P_Define* d) {
  std::string_view unqual = P_getOutputString(P_getDefineUnqualName(d));
  std::string_view prefix = "@constructor(";
  if (unqual.substr(0, prefix.size()) != prefix || unqual.back() != ')') return false;
  std::string_view param = unqual.substr(prefix.size(), unqual.size() - prefix.size() - 1);
  if (param.find(',') != std::string_view::npos || param.size() < 2) return false;
  if (param.back() != '&' || param[param.size() - 2] == '&') return false;
  param.remove_suffix(1);
  stripWord(param, "const");
  stripWord(param, "volatile");
  std::string_view scope = P_getOutputString(P_getDefineScope(d));
  std::string_view scopeDummy, classTerm;
  IdentifierFields::splitLastTerm(scope, scopeDummy, classTerm);
  return !param.empty() && (param == scope || param == classTerm);
}

bool P_isDefineAssignmentOperator(const P_Define* d) {
  return startsWith(P_getOutputString(P_getDefineUnqualName(d)), "=@(");
}

bool P_isDefineMain(const P_Define* d) {
  return spaceIs(d, P_SpaceFunction) && scopeIs(d, Scope::File) &&
         std::strcmp(P_getDefineIdentifier(d), "main") == 0 && *P_getDefineScope(d) == '\0';
}

const char* P_getDefineQualName(const P_Define* d) { return checked(d).getName(); }
const char* P_getDefineType(const P_Define* d) { return checked(d).getType(); }
int P_getDefineLine(const P_Define* d) { return checked(d).getLine(); }
const char* P_getDefineFilename(const P_Define* d) {
  const U_BPtr<FilenameProxy>& file = checked(d).getFile();
  return file.isSet() ? file->getAbsPath() : "";
}
const char* P_getDefineUnqualName(const P_Define* d) { return IdentifierFields::getName(checked(d).getName()); }
const char* P_getDefineIdentifier(const P_Define* d) { return IdentifierFields::getIdentifier(checked(d).getName()); }
const char* P_getDefineSimpleIdentifier(const P_Define* d) {
  return IdentifierFields::getSimpleIdentifier(checked(d).getName());
}
const char* P_getDefineScope(const P_Define* d) { return IdentifierFields::getScope(checked(d).getName()); }
const char* P_getDefineFunctionParameters(const P_Define* d) {
  return IdentifierFields::getFunctionParams(checked(d).getName());
}
const char* P_getDefineTemplateParameters(const P_Define* d) {
  return IdentifierFields::getTemplateParams(checked(d).getName());
}
const char* P_getDefineUniqueName(const P_Define* d) { return IdentifierFields::getFullname(checked(d).getName()); }
const char* P_getDefineOverloadFuncQualName(const P_Define* d) {
  return IdentifierFields::getOverloadFuncName(checked(d).getName());
}
const char* P_getDefineOverloadFuncUnqualName(const P_Define* d) {
  return IdentifierFields::getName(P_getDefineOverloadFuncQualName(d));
}
const char* P_stripTemplateParams(const P_Define* d) {
  return IdentifierFields::stripTemplateParams(checked(d).getName());
}

const char* P_parseString(const char* text) { return IdentifierFields::getParsedString(text); }
const char* P_getOutputString(const char* internal) { return IdentifierFields::getFullname(internal); }
