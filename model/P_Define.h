#ifndef MODEL_P_DEFINE_H
#define MODEL_P_DEFINE_H

#include <cstdint>

#include "model/FilenameProxy.h"
#include "model/P_Pool.h"
#include "util/U_BPtr.h"
#include "util/U_Ref.h"

// Bits of a define's Def set.
enum P_DefBits : uint8_t {
  P_DefDeclaration = 1,
  P_DefDefinition = 2,
  P_DefRedeclaration = 4,
  P_DefImplicitSpecialisation = 8,
  P_DefImplicit = 16,
  P_DefExplicitSpecialisation = 32,
  P_DefPartialSpecialisation = 64,
};

// Name space of a define.
enum P_Space : uint8_t {
  P_SpaceLabel = 0,
  P_SpaceTag = 1,
  P_SpaceMember = 2,
  P_SpaceTypedef = 3,
  P_SpaceFunction = 4,
  P_SpaceEnumerator = 5,
  P_SpaceMacro = 6,
  P_SpaceVariable = 7,
  P_SpaceNone = 8,
};

namespace Scope {
enum Field : uint8_t {
  N = 0,
  File = 1,
  Block = 2,
  Prototype = 3,
  Class = 4,
  Template = 5,
  R = 6,
  Namespace = 7,
  None = 8,
};
}  // namespace Scope

enum P_Linkage : uint8_t {
  P_LinkageInternal = 0,
  P_LinkageExternal = 1,
  P_LinkageNone = 2,
  P_LinkageUnset = 3,
};

// Flag bits of a define, one per letter of the record's flags field.
enum P_DefineFlag : uint32_t {
  P_FlagFunctionMacro = 0x1,      // F
  P_FlagObjectMacro = 0x2,        // O
  P_FlagInline = 0x4,             // I
  P_FlagVirtual = 0x8,            // V
  P_FlagPureVirtual = 0x10,       // P
  P_FlagStaticStorage = 0x20,     // S
  P_FlagPOD = 0x40,               // D
  P_FlagAggregate = 0x80,         // A
  P_FlagParameter = 0x100,        // R
  P_FlagExplicitPublic = 0x200,   // 1
  P_FlagExplicitProtected = 0x400,// 2
  P_FlagExplicitPrivate = 0x800,  // 3
  P_FlagImplicitPublic = 0x1000,  // 5
  P_FlagImplicitPrivate = 0x2000, // 7
  P_FlagGetter = 0x4000,          // G
  P_FlagSetter = 0x8000,          // T
  P_FlagDependent = 0x10000,      // U
};

// Template flags of a define (see P_Define::getTemplateFlags).
enum P_TemplateFlags : uint8_t {
  P_TmplNotComputed = 1,
  P_TmplNone = 2,
  P_TmplDependentList = 4,      // own template list, dependent
  P_TmplDependentNoList = 8,    // no own template list, dependent
  P_TmplList = 16,              // own template list, not dependent
  P_TmplInTemplateScope = 32,   // no own list, not dependent, inside a template's scope
};

// One declaration, definition, redeclaration or specialisation of an entity
// at one place in the source: one DEFINE record.  Name and type are interned
// (P_createUniqueStr), so they compare by pointer.
class P_Define : public U_Ref {
 public:
  P_Define(const char* name, const U_BPtr<FilenameProxy>& file, int line, uint8_t inc, uint8_t def,
           uint8_t space, uint8_t scope, uint8_t linkage, const char* type, uint32_t flags);
  // A copy of other under another (interned) name; its template flags are
  // computed afresh.
  P_Define(const P_Define& other, const char* name);
  P_Define(const P_Define& other) = default;
  // One define per record: defines come from a pool.
  P_POOLED_ALLOCATION(P_Define)

  const char* getName() const { return m_name; }
  const U_BPtr<FilenameProxy>& getFile() const { return m_file; }
  int getLine() const { return m_line; }
  uint8_t getInc() const { return m_inc; }
  uint8_t getDef() const { return m_def; }
  void setDef(uint8_t def) { m_def = def; }
  void addDef(uint8_t bits) { m_def = static_cast<uint8_t>(m_def | bits); }
  void clearDef(uint8_t bits) { m_def = static_cast<uint8_t>(m_def & ~bits); }
  bool hasDef(uint8_t bits) const { return (m_def & bits) != 0; }
  uint8_t getSpace() const { return m_space; }
  uint8_t getScope() const { return m_scope; }
  uint8_t getLinkage() const { return m_linkage; }
  const char* getType() const { return m_type; }
  uint32_t getFlags() const { return m_flags; }
  bool hasFlag(uint32_t bits) const { return (m_flags & bits) != 0; }

  // ORs the other define's flags into this one's.
  void mergeRecord(const P_Define& other) { m_flags |= other.m_flags; }

  // Template flags (P_TemplateFlags), computed on first use and cached.
  uint8_t getTemplateFlags() const;
  static uint8_t getTemplateFlags(const char* name, const char* type, uint32_t flags);

 private:
  // Ordered so that the line fills the reference count's padding and the
  // small fields share one word: there is one define per record.
  int m_line;
  const char* m_name;
  U_BPtr<FilenameProxy> m_file;
  const char* m_type;
  uint32_t m_flags;
  uint8_t m_inc;
  uint8_t m_def;
  uint8_t m_space;
  uint8_t m_scope;
  uint8_t m_linkage;
  mutable uint8_t m_templateFlags = P_TmplNotComputed;
};

// Predicates and getters of a define.  A null define is an assertion.
bool P_isDefineDeclaration(const P_Define* def);
bool P_isDefineDefinition(const P_Define* def);
bool P_isDefineRedeclaration(const P_Define* def);
bool P_isDefineImplicitSpecialisation(const P_Define* def);
bool P_isDefineImplicit(const P_Define* def);
bool P_isDefineExplicitSpecialisation(const P_Define* def);
bool P_isDefinePartialSpecialisation(const P_Define* def);
bool P_isDefineSpecialisation(const P_Define* def);
bool P_isDefineInHeader(const P_Define* def);

bool P_isDefineLabel(const P_Define* def);
bool P_isDefineTag(const P_Define* def);
bool P_isDefineTypedef(const P_Define* def);
bool P_isDefineFunction(const P_Define* def);
bool P_isDefineEnumerator(const P_Define* def);
bool P_isDefineMacro(const P_Define* def);
bool P_isDefineVariable(const P_Define* def);
bool P_isDefineMember(const P_Define* def);
bool P_isDefineFunctionParameter(const P_Define* def);

bool P_hasDefineFileScope(const P_Define* def);
bool P_hasDefineBlockScope(const P_Define* def);
bool P_hasDefinePrototypeScope(const P_Define* def);
bool P_hasDefineClassScope(const P_Define* def);
bool P_hasDefineTemplateScope(const P_Define* def);
bool P_hasDefineNamespaceScope(const P_Define* def);
bool P_hasDefineInternalLinkage(const P_Define* def);
bool P_hasDefineExternalLinkage(const P_Define* def);

bool P_isDefineClass(const P_Define* def);
bool P_isDefineStruct(const P_Define* def);
bool P_isDefineUnion(const P_Define* def);
bool P_isDefineEnum(const P_Define* def);
bool P_isDefineBitfield(const P_Define* def);

bool P_isDefineFunctionMacro(const P_Define* def);
bool P_isDefineObjectMacro(const P_Define* def);
bool P_isDefineInline(const P_Define* def);
bool P_isDefineVirtual(const P_Define* def);
bool P_isDefinePureVirtual(const P_Define* def);
bool P_hasDefineStaticStorage(const P_Define* def);
bool P_isDefinePOD(const P_Define* def);
bool P_isDefineAggregate(const P_Define* def);
bool P_isDefineExplicitPublic(const P_Define* def);
bool P_isDefineExplicitProtected(const P_Define* def);
bool P_isDefineExplicitPrivate(const P_Define* def);
bool P_isDefineImplicitPublic(const P_Define* def);
bool P_isDefineImplicitPrivate(const P_Define* def);
bool P_isDefineGetter(const P_Define* def);
bool P_isDefineSetter(const P_Define* def);
bool P_isDefineDependent(const P_Define* def);

bool P_hasDefineSameLocation(const P_Define* a, const P_Define* b);
bool P_isDefineConstructor(const P_Define* def);
bool P_isDefineCopyConstructor(const P_Define* def);
bool P_isDefineAssignmentOperator(const P_Define* def);
bool P_isDefineMain(const P_Define* def);

// Names are interned, in the internal form unless stated otherwise.
const char* P_getDefineQualName(const P_Define* def);
const char* P_getDefineType(const P_Define* def);
int P_getDefineLine(const P_Define* def);
// Absolute path text of the define's file (interned).
const char* P_getDefineFilename(const P_Define* def);
const char* P_getDefineUnqualName(const P_Define* def);
const char* P_getDefineIdentifier(const P_Define* def);
const char* P_getDefineSimpleIdentifier(const P_Define* def);
const char* P_getDefineScope(const P_Define* def);
const char* P_getDefineFunctionParameters(const P_Define* def);
const char* P_getDefineTemplateParameters(const P_Define* def);
// Output (display) form of the whole name.
const char* P_getDefineUniqueName(const P_Define* def);
const char* P_getDefineOverloadFuncQualName(const P_Define* def);
const char* P_getDefineOverloadFuncUnqualName(const P_Define* def);
const char* P_stripTemplateParams(const P_Define* def);

// Internal form of an identifier token, interned.
const char* P_parseString(const char* text);
// Output form of an internal identifier string, interned.
const char* P_getOutputString(const char* internal);

#endif
