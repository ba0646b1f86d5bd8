// Define predicates and getters of the check interface; each forwards to
// the model function of the same name.
#include "model/PI_Guard.h"
#include "model/PI_Interface.h"
#include "model/P_Define.h"
#include "model/TemplateTable.h"

#define PI_DEFINE_PREDICATE(name) \
  int PI_##name(P_Define* d) { return PI_GUARDED(0, P_##name(d) ? 1 : 0); }
#define PI_DEFINE_NAME(name) \
  char const* PI_##name(P_Define* d) { return PI_GUARDED(nullptr, P_##name(d)); }

PI_DEFINE_PREDICATE(isDefineMain)
PI_DEFINE_PREDICATE(isDefineBitfield)
PI_DEFINE_PREDICATE(isDefineSetter)
PI_DEFINE_PREDICATE(isDefineGetter)
PI_DEFINE_PREDICATE(isDefineImplicitPrivate)
PI_DEFINE_PREDICATE(isDefineImplicitPublic)
PI_DEFINE_PREDICATE(isDefineExplicitPrivate)
PI_DEFINE_PREDICATE(isDefineExplicitProtected)
PI_DEFINE_PREDICATE(isDefineExplicitPublic)
PI_DEFINE_PREDICATE(isDefineVirtual)
PI_DEFINE_PREDICATE(isDefineFunctionParameter)
PI_DEFINE_PREDICATE(isDefinePureVirtual)
PI_DEFINE_PREDICATE(isDefinePOD)
PI_DEFINE_PREDICATE(isDefineObjectMacro)
PI_DEFINE_PREDICATE(isDefineInline)
PI_DEFINE_PREDICATE(isDefineFunctionMacro)
PI_DEFINE_PREDICATE(isDefineAggregate)
PI_DEFINE_PREDICATE(hasDefineStaticStorage)
PI_DEFINE_PREDICATE(hasDefineTemplateScope)
PI_DEFINE_PREDICATE(hasDefinePrototypeScope)
PI_DEFINE_PREDICATE(hasDefineNamespaceScope)
PI_DEFINE_PREDICATE(hasDefineFileScope)
PI_DEFINE_PREDICATE(hasDefineClassScope)
PI_DEFINE_PREDICATE(hasDefineBlockScope)
PI_DEFINE_PREDICATE(isDefineVariable)
PI_DEFINE_PREDICATE(isDefineTypedef)
PI_DEFINE_PREDICATE(isDefineTag)
PI_DEFINE_PREDICATE(isDefineMember)
PI_DEFINE_PREDICATE(isDefineLabel)
PI_DEFINE_PREDICATE(isDefineMacro)
PI_DEFINE_PREDICATE(isDefineFunction)
PI_DEFINE_PREDICATE(isDefineEnumerator)
PI_DEFINE_PREDICATE(isDefineUnion)
PI_DEFINE_PREDICATE(isDefineStruct)
PI_DEFINE_PREDICATE(isDefineClass)
PI_DEFINE_PREDICATE(hasDefineInternalLinkage)
PI_DEFINE_PREDICATE(hasDefineExternalLinkage)
PI_DEFINE_PREDICATE(isDefineAssignmentOperator)
PI_DEFINE_PREDICATE(isDefineCopyConstructor)
PI_DEFINE_PREDICATE(isDefineConstructor)
PI_DEFINE_PREDICATE(isDefineExplicitSpecialisation)
PI_DEFINE_PREDICATE(isDefinePartialSpecialisation)
PI_DEFINE_PREDICATE(isDefineDependent)
PI_DEFINE_PREDICATE(isDefineSpecialisation)
PI_DEFINE_PREDICATE(isDefineImplicit)
PI_DEFINE_PREDICATE(isDefineDefinition)
PI_DEFINE_PREDICATE(isDefineDeclaration)
PI_DEFINE_PREDICATE(isDefineInHeader)
PI_DEFINE_PREDICATE(isTemplateOrSpecialisation)

PI_DEFINE_NAME(getDefineFilename)
PI_DEFINE_NAME(getDefineQualName)
PI_DEFINE_NAME(getDefineUnqualName)
PI_DEFINE_NAME(getDefineOverloadFuncQualName)
PI_DEFINE_NAME(getDefineOverloadFuncUnqualName)
PI_DEFINE_NAME(getDefineIdentifier)
PI_DEFINE_NAME(getDefineSimpleIdentifier)
PI_DEFINE_NAME(getDefineScope)
PI_DEFINE_NAME(getDefineType)
PI_DEFINE_NAME(getDefineFunctionParameters)
PI_DEFINE_NAME(getDefineTemplateParameters)
PI_DEFINE_NAME(stripTemplateParams)

int PI_hasDefineSameLocation(P_Define* a, P_Define* b) {
  return PI_GUARDED(0, P_hasDefineSameLocation(a, b));
}
int PI_getDefineLine(P_Define* d) { return PI_GUARDED(0, P_getDefineLine(d)); }
P_Define* PI_getPrimaryTemplate(P_Define* d) {
  return PI_GUARDED(nullptr, P_getPrimaryTemplate(d));
}
P_Define* PI_getFirstPartial(P_Define* d) { return PI_GUARDED(nullptr, P_getFirstPartial(d)); }
