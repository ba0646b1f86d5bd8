/*
 * PI_Interface.h - the interface through which an analysis check talks to
 * the post-analysis library.
 *
 * Usable from C99 and C++.  A check registers plain function pointers
 * (clients) before the analyser's files are read; registering a client also
 * tells the readers which record kinds to read.  After reading, the check
 * walks the model through the query and iteration functions below.
 *
 * Handles:
 *   Model objects cross the boundary as pointers to incomplete types
 *   (P_Symbol*, P_Define*, ...).  The model owns them for the whole run;
 *   a P_Diagnostic handed to a client lives only for that call.
 *   Strings returned are interned and stay valid for the run unless a
 *   function says otherwise.  Predicates return 0 or 1.
 *
 * Iteration protocol, the same for every family X:
 *   PI_XIterHan h = <start function>;
 *   while (!PI_isXIterEnd(h)) { use PI_getXIterData(h); PI_getXIterNext(h); }
 *   The next function returns 1 when it reached the end; the handle's id is
 *   then released and the next start of that family reuses it.  A handle
 *   must not be used after its next function returned 1, except for an
 *   immediate end test.  An abandoned or empty loop keeps its id.
 *
 * Families whose records this library does not read (literals,
 * allocations, extern variables, control graphs) and the metric values are
 * present so that the interface is complete; they answer neutrally: their
 * iterations are empty ranges, their getters return 0 or a null pointer and
 * their clients are never called.
 */
#ifndef MODEL_PI_INTERFACE_H
#define MODEL_PI_INTERFACE_H

#include <stdint.h>
#ifndef __cplusplus
#include <stdbool.h>
#endif

#if defined(__GNUC__)
#define PI_EXPORT __attribute__((visibility("default")))
#else
#define PI_EXPORT
#endif

#ifdef __cplusplus
class P_Symbol;
class P_Define;
class P_Template;
class P_Relation;
class P_RelationInclude;
class P_Source;
class P_Literal;
class P_Alloc;
class P_ExternVar;
class P_ControlGraph;
class P_ControlGraphEdge;
struct P_Diagnostic;
struct P_SuppressionRecord;
struct P_Location;
extern "C" {
#else
typedef struct P_Symbol P_Symbol;
typedef struct P_Define P_Define;
typedef struct P_Template P_Template;
typedef struct P_Relation P_Relation;
typedef struct P_RelationInclude P_RelationInclude;
typedef struct P_Source P_Source;
typedef struct P_Literal P_Literal;
typedef struct P_Alloc P_Alloc;
typedef struct P_ExternVar P_ExternVar;
typedef struct P_ControlGraph P_ControlGraph;
typedef struct P_ControlGraphEdge P_ControlGraphEdge;
typedef struct P_Diagnostic P_Diagnostic;
typedef struct P_SuppressionRecord P_SuppressionRecord;
typedef struct P_Location P_Location;
#endif

/* Iterator handles: one id each, passed and returned by value. */
typedef struct PI_SymbolIterHan { int32_t id; } PI_SymbolIterHan;
typedef struct PI_DefineIterHan { int32_t id; } PI_DefineIterHan;
typedef struct PI_TemplateIterHan { int32_t id; } PI_TemplateIterHan;
typedef struct PI_OptionIterHan { int32_t id; } PI_OptionIterHan;
typedef struct PI_LiteralIterHan { int32_t id; } PI_LiteralIterHan;
typedef struct PI_ExternVarIterHan { int32_t id; } PI_ExternVarIterHan;
typedef struct PI_RelationIterHan { int32_t id; } PI_RelationIterHan;
typedef struct PI_RelationIncludeIterHan { int32_t id; } PI_RelationIncludeIterHan;
typedef struct PI_ControlGraphEdgesIterHan { int32_t id; } PI_ControlGraphEdgesIterHan;
typedef struct PI_ControlGraphLinesIterHan { int32_t id; } PI_ControlGraphLinesIterHan;

/* Client function types. */
typedef void (*PI_NoArgClientFn)(void);
typedef void (*PI_SymbolClientFn)(P_Symbol*, P_Define*);
typedef bool (*PI_SourceClientFn)(P_Source*);
typedef void (*PI_AllocClientFn)(P_Alloc*);
typedef void (*PI_ControlGraphClientFn)(P_ControlGraph*);
typedef void (*PI_MetricClientFn)(P_Define*, char const*);
typedef void (*PI_MetricGroupClientFn)(char const*);
typedef void (*PI_DiagnosticClientFn)(P_Diagnostic*, bool);
typedef void (*PI_DiagnosticSuppressedClientFn)(P_Diagnostic*, bool, bool);
typedef void (*PI_DiagnosticDisabledClientFn)(int, char const*);
typedef void (*PI_DiagnosticSubMsgClientFn)(P_Diagnostic*, P_Diagnostic*);
typedef void (*PI_DiagnosticStringParamClientFn)(P_Diagnostic*, int, char const*);
typedef void (*PI_SuppressionRecordClientFn)(P_SuppressionRecord*);
typedef void (*PI_SuppressionRecordDiagnosticClientFn)(P_SuppressionRecord*, P_Diagnostic*);

/* The version of this library, "MAJOR.MINOR". */
PI_EXPORT char const* PI_getInterfaceVersion(void);

/* ---- Registration (before reading starts; registries only grow) ------ */
/* Clients kept in sets are called once each, in ascending address order;
 * the all-defines clients are called in registration order. */
PI_EXPORT void PI_configureOnEnd(PI_NoArgClientFn client);
PI_EXPORT void PI_configureOnAllDefine(PI_NoArgClientFn client);
PI_EXPORT void PI_configureOnNewSymbol(PI_SymbolClientFn client);
PI_EXPORT void PI_configureOnProjRedecl(PI_SymbolClientFn client);
PI_EXPORT void PI_configureOnDefinition(PI_SymbolClientFn client);
PI_EXPORT void PI_configureOnSource(PI_SourceClientFn client);
PI_EXPORT void PI_configureOnAlloc(PI_AllocClientFn client);
PI_EXPORT void PI_configureOnControlGraph(PI_ControlGraphClientFn client);
PI_EXPORT void PI_configureNeedMetric(char const* name);
PI_EXPORT void PI_configureFunctionMetric(char const* name, PI_MetricClientFn client);
PI_EXPORT void PI_configureClassMetric(char const* name, PI_MetricClientFn client);
PI_EXPORT void PI_configureMetricGroup(PI_MetricGroupClientFn client);
PI_EXPORT void PI_configureNeedLiteral(void);
PI_EXPORT void PI_configureNeedExternVar(void);
PI_EXPORT void PI_configureNeedRelationBase(void);
PI_EXPORT void PI_configureNeedRelationCalls(void);
PI_EXPORT void PI_configureNeedRelationClsMbr(void);
PI_EXPORT void PI_configureNeedRelationClsMbrPtr(void);
PI_EXPORT void PI_configureNeedRelationClsMbrRef(void);
PI_EXPORT void PI_configureNeedRelationRefers(void);
PI_EXPORT void PI_configureNeedRelationInclude(void);
PI_EXPORT void PI_configureNeedScopeEnclSymbol(void);
PI_EXPORT void PI_configureOnDiagnostic(PI_DiagnosticClientFn client);
PI_EXPORT void PI_configureOnDiagnosticSuppressed(PI_DiagnosticSuppressedClientFn client);
PI_EXPORT void PI_configureOnMessage(unsigned int id, PI_DiagnosticSuppressedClientFn client);
PI_EXPORT void PI_configureOnDiagnosticDisabled(PI_DiagnosticDisabledClientFn client);
PI_EXPORT void PI_configureOnDiagnosticSubMsg(PI_DiagnosticSubMsgClientFn client);
PI_EXPORT void PI_configureOnDiagnosticStringParam(PI_DiagnosticStringParamClientFn client);
PI_EXPORT void PI_configureOnSuppressionRecord(PI_SuppressionRecordClientFn client);
PI_EXPORT void PI_configureOnSuppressionRecordDiagnostic(
    PI_SuppressionRecordDiagnosticClientFn client);

/* Library mode: reads the record files of the run described by the
 * argument file `via` for product `name` and calls the clients, the end
 * clients last.  Error files are not read.  Returns 1 when the files were
 * read; 0, having read nothing, when `name` is no valid product, the
 * command line is rejected or it names no file to analyse. */
PI_EXPORT int PI_Initialise(char const* name, char const* via);

/* ---- Symbols ---------------------------------------------------------- */
PI_EXPORT PI_SymbolIterHan PI_getFirstSymbol(void);
PI_EXPORT PI_SymbolIterHan PI_getTemplateFirstExplicitSpec(P_Template* tmpl);
PI_EXPORT PI_SymbolIterHan PI_getTemplateFirstImplicictSpec(P_Template* tmpl);
PI_EXPORT int PI_isSymbolIterEnd(PI_SymbolIterHan h);
PI_EXPORT P_Symbol* PI_getSymbolIterData(PI_SymbolIterHan h);
PI_EXPORT int PI_getSymbolIterNext(PI_SymbolIterHan h);

/* ---- Defines ---------------------------------------------------------- */
PI_EXPORT PI_DefineIterHan PI_getSymbolFirstDefine(P_Symbol* symbol);
PI_EXPORT PI_DefineIterHan PI_getSymbolDefineFirstRedecl(P_Symbol* symbol, P_Define* define);
PI_EXPORT int PI_isDefineIterEnd(PI_DefineIterHan h);
PI_EXPORT P_Define* PI_getDefineIterData(PI_DefineIterHan h);
PI_EXPORT int PI_getDefineIterNext(PI_DefineIterHan h);
PI_EXPORT int PI_hasSymbolDefineRedeclList(P_Symbol* symbol, P_Define* define);
PI_EXPORT P_Define* PI_getSymbolCurrentDefine(P_Symbol* symbol);

PI_EXPORT int PI_isDefineMain(P_Define* d);
PI_EXPORT int PI_isDefineBitfield(P_Define* d);
PI_EXPORT int PI_isDefineSetter(P_Define* d);
PI_EXPORT int PI_isDefineGetter(P_Define* d);
PI_EXPORT int PI_isDefineImplicitPrivate(P_Define* d);
PI_EXPORT int PI_isDefineImplicitPublic(P_Define* d);
PI_EXPORT int PI_isDefineExplicitPrivate(P_Define* d);
PI_EXPORT int PI_isDefineExplicitProtected(P_Define* d);
PI_EXPORT int PI_isDefineExplicitPublic(P_Define* d);
PI_EXPORT int PI_isDefineVirtual(P_Define* d);
PI_EXPORT int PI_isDefineFunctionParameter(P_Define* d);
PI_EXPORT int PI_isDefinePureVirtual(P_Define* d);
PI_EXPORT int PI_isDefinePOD(P_Define* d);
PI_EXPORT int PI_isDefineObjectMacro(P_Define* d);
PI_EXPORT int PI_isDefineInline(P_Define* d);
PI_EXPORT int PI_isDefineFunctionMacro(P_Define* d);
PI_EXPORT int PI_isDefineAggregate(P_Define* d);
PI_EXPORT int PI_hasDefineStaticStorage(P_Define* d);
PI_EXPORT int PI_hasDefineTemplateScope(P_Define* d);
PI_EXPORT int PI_hasDefinePrototypeScope(P_Define* d);
PI_EXPORT int PI_hasDefineNamespaceScope(P_Define* d);
PI_EXPORT int PI_hasDefineFileScope(P_Define* d);
PI_EXPORT int PI_hasDefineClassScope(P_Define* d);
PI_EXPORT int PI_hasDefineBlockScope(P_Define* d);
PI_EXPORT int PI_isDefineVariable(P_Define* d);
PI_EXPORT int PI_isDefineTypedef(P_Define* d);
PI_EXPORT int PI_isDefineTag(P_Define* d);
PI_EXPORT int PI_isDefineMember(P_Define* d);
PI_EXPORT int PI_isDefineLabel(P_Define* d);
PI_EXPORT int PI_isDefineMacro(P_Define* d);
PI_EXPORT int PI_isDefineFunction(P_Define* d);
PI_EXPORT int PI_isDefineEnumerator(P_Define* d);
PI_EXPORT int PI_isDefineUnion(P_Define* d);
PI_EXPORT int PI_isDefineStruct(P_Define* d);
PI_EXPORT int PI_isDefineClass(P_Define* d);
PI_EXPORT int PI_hasDefineInternalLinkage(P_Define* d);
PI_EXPORT int PI_hasDefineExternalLinkage(P_Define* d);
PI_EXPORT int PI_isDefineAssignmentOperator(P_Define* d);
PI_EXPORT int PI_isDefineCopyConstructor(P_Define* d);
PI_EXPORT int PI_isDefineConstructor(P_Define* d);
PI_EXPORT int PI_isDefineExplicitSpecialisation(P_Define* d);
PI_EXPORT int PI_isDefinePartialSpecialisation(P_Define* d);
PI_EXPORT int PI_isDefineDependent(P_Define* d);
PI_EXPORT int PI_isDefineSpecialisation(P_Define* d);
PI_EXPORT int PI_isDefineImplicit(P_Define* d);
PI_EXPORT int PI_isDefineDefinition(P_Define* d);
PI_EXPORT int PI_isDefineDeclaration(P_Define* d);
PI_EXPORT int PI_isDefineInHeader(P_Define* d);
PI_EXPORT int PI_isTemplateOrSpecialisation(P_Define* d);
PI_EXPORT int PI_hasDefineSameLocation(P_Define* a, P_Define* b);

PI_EXPORT char const* PI_getDefineFilename(P_Define* d);
PI_EXPORT int PI_getDefineLine(P_Define* d);
PI_EXPORT char const* PI_getDefineQualName(P_Define* d);
PI_EXPORT char const* PI_getDefineUnqualName(P_Define* d);
PI_EXPORT char const* PI_getDefineOverloadFuncQualName(P_Define* d);
PI_EXPORT char const* PI_getDefineOverloadFuncUnqualName(P_Define* d);
PI_EXPORT char const* PI_getDefineIdentifier(P_Define* d);
PI_EXPORT char const* PI_getDefineSimpleIdentifier(P_Define* d);
PI_EXPORT char const* PI_getDefineScope(P_Define* d);
PI_EXPORT char const* PI_getDefineType(P_Define* d);
PI_EXPORT char const* PI_getDefineFunctionParameters(P_Define* d);
PI_EXPORT char const* PI_getDefineTemplateParameters(P_Define* d);
PI_EXPORT char const* PI_stripTemplateParams(P_Define* d);
PI_EXPORT P_Define* PI_getPrimaryTemplate(P_Define* d);
PI_EXPORT P_Define* PI_getFirstPartial(P_Define* d);

/* ---- Templates -------------------------------------------------------- */
PI_EXPORT PI_TemplateIterHan PI_getFirstTemplate(void);
PI_EXPORT PI_TemplateIterHan PI_getTemplateFirstPartialSpec(P_Template* tmpl);
PI_EXPORT int PI_isTemplateIterEnd(PI_TemplateIterHan h);
PI_EXPORT P_Template* PI_getTemplateIterData(PI_TemplateIterHan h);
PI_EXPORT int PI_getTemplateIterNext(PI_TemplateIterHan h);
PI_EXPORT P_Symbol* PI_getTemplatePrimaryTemplate(P_Template* tmpl);

/* ---- Names and types -------------------------------------------------- */
/* Needs PI_configureNeedScopeEnclSymbol; null when nothing is recorded. */
PI_EXPORT P_Symbol* PI_getScopeEnclSymbol(char const* scope);
PI_EXPORT char const* PI_getOutputString(char const* name);
PI_EXPORT char const* PI_getParsedString(char const* text);
PI_EXPORT int PI_getArrayDimension(char const* type);
PI_EXPORT char const* PI_getArrayElemType(char const* type);
PI_EXPORT int PI_isUndimArray(char const* type);
PI_EXPORT int PI_isTypeArray(char const* type);
PI_EXPORT int PI_areTypesEqual(char const* a, char const* b);

/* ---- Product options ("-po namespace::option") ------------------------ */
PI_EXPORT PI_OptionIterHan PI_getFirstOption(char const* name);
PI_EXPORT int PI_isOptionIterEnd(PI_OptionIterHan h);
PI_EXPORT char const* PI_getOptionIterData(PI_OptionIterHan h);
PI_EXPORT int PI_getOptionIterNext(PI_OptionIterHan h);
PI_EXPORT char const* PI_getOptionName(char const* entry);
PI_EXPORT char const* PI_getOptionValue(char const* entry);
PI_EXPORT int PI_isOptionTrue(char const* entry);

/* ---- Relations (the six kinds share one iterator store) --------------- */
PI_EXPORT PI_RelationIterHan PI_getFirstRelationBase(void);
PI_EXPORT PI_RelationIterHan PI_getFirstRelationCall(void);
PI_EXPORT PI_RelationIterHan PI_getFirstRelationClsMbr(void);
PI_EXPORT PI_RelationIterHan PI_getFirstRelationClsMbrPtr(void);
PI_EXPORT PI_RelationIterHan PI_getFirstRelationClsMbrRef(void);
PI_EXPORT PI_RelationIterHan PI_getFirstRelationRefer(void);
PI_EXPORT int PI_isRelationBaseIterEnd(PI_RelationIterHan h);
PI_EXPORT P_Relation* PI_getRelationBaseIterData(PI_RelationIterHan h);
PI_EXPORT int PI_getRelationBaseIterNext(PI_RelationIterHan h);
PI_EXPORT int PI_isRelationCallsIterEnd(PI_RelationIterHan h);
PI_EXPORT P_Relation* PI_getRelationCallsIterData(PI_RelationIterHan h);
PI_EXPORT int PI_getRelationCallsIterNext(PI_RelationIterHan h);
PI_EXPORT int PI_isRelationRefersIterEnd(PI_RelationIterHan h);
PI_EXPORT P_Relation* PI_getRelationRefersIterData(PI_RelationIterHan h);
PI_EXPORT int PI_getRelationRefersIterNext(PI_RelationIterHan h);
PI_EXPORT int PI_isRelationClsMbrIterEnd(PI_RelationIterHan h);
PI_EXPORT P_Relation* PI_getRelationClsMbrIterData(PI_RelationIterHan h);
PI_EXPORT int PI_getRelationClsMbrIterNext(PI_RelationIterHan h);
PI_EXPORT int PI_isRelationClsMbrPtrIterEnd(PI_RelationIterHan h);
PI_EXPORT P_Relation* PI_getRelationClsMbrPtrIterData(PI_RelationIterHan h);
PI_EXPORT int PI_getRelationClsMbrPtrIterNext(PI_RelationIterHan h);
PI_EXPORT int PI_isRelationClsMbrRefIterEnd(PI_RelationIterHan h);
PI_EXPORT P_Relation* PI_getRelationClsMbrRefIterData(PI_RelationIterHan h);
PI_EXPORT int PI_getRelationClsMbrRefIterNext(PI_RelationIterHan h);

PI_EXPORT char const* PI_getRelationObject(P_Relation* rel);
PI_EXPORT char const* PI_getRelationSubject(P_Relation* rel);
PI_EXPORT P_Symbol* PI_getRelationObjectSymbol(P_Relation* rel);
PI_EXPORT P_Symbol* PI_getRelationSubjectSymbol(P_Relation* rel);
PI_EXPORT int PI_getRelationLine(P_Relation* rel);
PI_EXPORT int PI_isRelationVirtual(P_Relation* rel);
PI_EXPORT int PI_isRelationExplicitPublic(P_Relation* rel);
PI_EXPORT int PI_isRelationExplicitProtected(P_Relation* rel);
PI_EXPORT int PI_isRelationExplicitPrivate(P_Relation* rel);
PI_EXPORT int PI_isRelationImplicitPublic(P_Relation* rel);
PI_EXPORT int PI_isRelationImplicitPrivate(P_Relation* rel);
PI_EXPORT int PI_isRelationRefersRead(P_Relation* rel);
PI_EXPORT int PI_isRelationRefersWrite(P_Relation* rel);
PI_EXPORT int PI_hasRelationRefersSubject(P_Symbol* symbol);

/* ---- Includes --------------------------------------------------------- */
PI_EXPORT PI_RelationIncludeIterHan PI_getFirstRelationInclude(void);
PI_EXPORT int PI_isRelationIncludeIterEnd(PI_RelationIncludeIterHan h);
PI_EXPORT P_RelationInclude* PI_getRelationIncludeIterData(PI_RelationIncludeIterHan h);
PI_EXPORT int PI_getRelationIncludeIterNext(PI_RelationIncludeIterHan h);
PI_EXPORT char const* PI_getRelationIncludeSubject(P_RelationInclude* inc);
PI_EXPORT char const* PI_getRelationIncludeObject(P_RelationInclude* inc);
PI_EXPORT int PI_getRelationIncludeLine(P_RelationInclude* inc);
PI_EXPORT int PI_isRelationIncludeSystemHeader(P_RelationInclude* inc);

/* ---- Sources and output paths ----------------------------------------- */
PI_EXPORT char const* PI_getSourceFilename(P_Source* src);
PI_EXPORT int PI_isSourceCrossModuleFilename(P_Source* src);
/* encoding 0: internal encoding; 1: the run's local encoding. */
PI_EXPORT char const* PI_getPALOutputPath(int encoding);
PI_EXPORT char const* PI_getPALCrossModuleFilename(int encoding);

/* ---- Metrics (neutral: no metric values are kept) --------------------- */
PI_EXPORT char const* PI_getMetricStringValue(char const* entity, char const* metric);
PI_EXPORT int PI_getMetricIntegralValue(char const* entity, char const* metric);
PI_EXPORT double PI_getMetricFloatingValue(char const* entity, char const* metric);
PI_EXPORT int PI_hasMetric(char const* entity, char const* metric);

/* ---- Diagnostics ------------------------------------------------------ */
/* A created diagnostic belongs to the caller until PI_warn consumes it. */
PI_EXPORT P_Diagnostic* PI_createDiagnostic(int id, char const* file, int line);
PI_EXPORT P_Diagnostic* PI_createDiagnosticWithCol(int id, char const* file, int line,
                                                   int column);
PI_EXPORT void PI_addDiagnosticParamName(P_Diagnostic* diag, char const* name);
PI_EXPORT void PI_addDiagnosticParamDiag(P_Diagnostic* diag, P_Diagnostic* sub);
PI_EXPORT void PI_warn(P_Diagnostic* diag);
PI_EXPORT int PI_getDiagnosticID(P_Diagnostic* diag);
PI_EXPORT char const* PI_getDiagnosticFilename(P_Diagnostic* diag);
PI_EXPORT int PI_getDiagnosticLine(P_Diagnostic* diag);
PI_EXPORT int PI_getDiagnosticColumn(P_Diagnostic* diag);
PI_EXPORT char const* PI_getDiagnosticAsString(P_Diagnostic* diag, char const* format);
/* A new location on every call, kept by the library until the process ends. */
PI_EXPORT P_Location* PI_getDiagnosticLocation(P_Diagnostic* diag);
PI_EXPORT char const* PI_getLocationFilename(P_Location* loc);
PI_EXPORT int PI_getLocationLine(P_Location* loc);
PI_EXPORT int PI_getLocationColumn(P_Location* loc);

/* ---- Suppression records ---------------------------------------------- */
PI_EXPORT char const* PI_getSuppressionRecordTag(P_SuppressionRecord* rec);
PI_EXPORT int PI_getSuppressionRecordKind(P_SuppressionRecord* rec);
PI_EXPORT P_Location* PI_getSuppressionRecordTagLocation(P_SuppressionRecord* rec);
PI_EXPORT P_Location* PI_getSuppressionRecordFromLocation(P_SuppressionRecord* rec);
PI_EXPORT P_Location* PI_getSuppressionRecordToLocation(P_SuppressionRecord* rec);
PI_EXPORT unsigned int PI_getSuppressionMessageRangeCount(P_SuppressionRecord* rec);
PI_EXPORT char const* PI_getSuppressionMessageRangeStart(P_SuppressionRecord* rec,
                                                         unsigned int index);
PI_EXPORT char const* PI_getSuppressionMessageRangeEnd(P_SuppressionRecord* rec,
                                                       unsigned int index);

/* ---- Literals (not read: empty range) --------------------------------- */
PI_EXPORT PI_LiteralIterHan PI_getFirstLiteral(void);
PI_EXPORT int PI_isLiteralIterEnd(PI_LiteralIterHan h);
PI_EXPORT P_Literal* PI_getLiteralIterData(PI_LiteralIterHan h);
PI_EXPORT int PI_getLiteralIterNext(PI_LiteralIterHan h);
PI_EXPORT char const* PI_getLiteral(P_Literal* lit);
PI_EXPORT char const* PI_getLiteralType(P_Literal* lit);
PI_EXPORT char const* PI_getLiteralFilename(P_Literal* lit);
PI_EXPORT int PI_getLiteralLine(P_Literal* lit);
PI_EXPORT int PI_getLiteralColumn(P_Literal* lit);
PI_EXPORT char const* PI_getLiteralSuffix(P_Literal* lit);
PI_EXPORT int PI_isLiteralInHeader(P_Literal* lit);
PI_EXPORT int PI_isLiteralDecimal(P_Literal* lit);
PI_EXPORT int PI_isLiteralBoolean(P_Literal* lit);
PI_EXPORT int PI_isLiteralHex(P_Literal* lit);
PI_EXPORT int PI_isLiteralOctal(P_Literal* lit);
PI_EXPORT int PI_isLiteralCharacter(P_Literal* lit);
PI_EXPORT int PI_isLiteralString(P_Literal* lit);
PI_EXPORT int PI_isLiteralFloating(P_Literal* lit);
PI_EXPORT int PI_isLiteralBinary(P_Literal* lit);
PI_EXPORT int PI_isLiteralEscaped(P_Literal* lit);
PI_EXPORT int PI_isLiteralWide(P_Literal* lit);
PI_EXPORT int PI_hasLiteralSign(P_Literal* lit);
PI_EXPORT int PI_isLiteralPositive(P_Literal* lit);
PI_EXPORT int PI_isLiteralNegative(P_Literal* lit);
PI_EXPORT int PI_hasLiteralSuffix(P_Literal* lit);
PI_EXPORT int PI_hasLiteralLongSuffix(P_Literal* lit);
PI_EXPORT int PI_hasLiteralLongLongSuffix(P_Literal* lit);
PI_EXPORT int PI_hasLiteralUnsignedSuffix(P_Literal* lit);
PI_EXPORT int PI_hasLiteralFloatingSuffix(P_Literal* lit);
PI_EXPORT int PI_hasLiteralBlockScope(P_Literal* lit);
PI_EXPORT int PI_hasLiteralClassScope(P_Literal* lit);
PI_EXPORT int PI_hasLiteralFileScope(P_Literal* lit);
PI_EXPORT int PI_hasLiteralNamespaceScope(P_Literal* lit);
PI_EXPORT int PI_hasLiteralPrototypeScope(P_Literal* lit);
PI_EXPORT int PI_hasLiteralTemplateScope(P_Literal* lit);
PI_EXPORT int PI_hasLiteralTemplateParameterScope(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextMacro(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextDefaultArg(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextTemplateArg(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextArrayDimension(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextBitfield(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextEnumerator(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextScalarInitialiser(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextArrayInitialiser(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextStructInitialiser(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextUnionInitialiser(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextPreProcExpr(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextCaseLabel(P_Literal* lit);
PI_EXPORT int PI_isLiteralContextOther(P_Literal* lit);

/* ---- Allocations (not read: clients never called) --------------------- */
PI_EXPORT char const* PI_getAllocFilename(P_Alloc* alloc);
PI_EXPORT int PI_getAllocLine(P_Alloc* alloc);
PI_EXPORT int PI_getAllocColumn(P_Alloc* alloc);
PI_EXPORT char const* PI_getAllocQualName(P_Alloc* alloc);
PI_EXPORT P_Symbol* PI_getAllocObjectSymbol(P_Alloc* alloc);
PI_EXPORT int PI_isAllocKindUnknown(P_Alloc* alloc);
PI_EXPORT int PI_isAllocKindPlain(P_Alloc* alloc);
PI_EXPORT int PI_isAllocKindOld(P_Alloc* alloc);
PI_EXPORT int PI_isAllocKindArray(P_Alloc* alloc);

/* ---- Extern variables (not read: empty range) ------------------------- */
PI_EXPORT PI_ExternVarIterHan PI_getFirstExternVar(void);
PI_EXPORT int PI_isExternVarIterEnd(PI_ExternVarIterHan h);
PI_EXPORT P_ExternVar* PI_getExternVarIterData(PI_ExternVarIterHan h);
PI_EXPORT int PI_getExternVarIterNext(PI_ExternVarIterHan h);
PI_EXPORT char const* PI_getExternVarObject(P_ExternVar* ev);
PI_EXPORT char const* PI_getExternVarSubject(P_ExternVar* ev);
PI_EXPORT P_Symbol* PI_getExternVarObjectSymbol(P_ExternVar* ev);
PI_EXPORT P_Symbol* PI_getExternVarSubjectSymbol(P_ExternVar* ev);
PI_EXPORT int PI_getExternVarLine(P_ExternVar* ev);
PI_EXPORT int PI_hasExternVarSubject(char const* key);

/* ---- Control graphs (not read: clients never called) ------------------ */
PI_EXPORT char const* PI_getControlGraphQualName(P_ControlGraph* graph);
PI_EXPORT P_Symbol* PI_getControlGraphObjectSymbol(P_ControlGraph* graph);
PI_EXPORT int PI_getControlGraphExits(P_ControlGraph* graph);
PI_EXPORT PI_ControlGraphEdgesIterHan PI_getFirstControlGraphEdge(P_ControlGraph* graph);
PI_EXPORT int PI_isControlGraphEdgesIterEnd(PI_ControlGraphEdgesIterHan h);
PI_EXPORT P_ControlGraphEdge* PI_getControlGraphEdgesIterData(PI_ControlGraphEdgesIterHan h);
PI_EXPORT int PI_getControlGraphEdgesIterNext(PI_ControlGraphEdgesIterHan h);
PI_EXPORT int PI_getControlGraphEdgeStart(P_ControlGraphEdge* edge);
PI_EXPORT int PI_getControlGraphEdgeEnd(P_ControlGraphEdge* edge);
PI_EXPORT PI_ControlGraphLinesIterHan PI_getFirstControlGraphLine(P_ControlGraph* graph);
PI_EXPORT int PI_isControlGraphLinesIterEnd(PI_ControlGraphLinesIterHan h);
PI_EXPORT int PI_getControlGraphLinesIterData(PI_ControlGraphLinesIterHan h);
PI_EXPORT int PI_getControlGraphLinesIterNext(PI_ControlGraphLinesIterHan h);

#ifdef __cplusplus
}
#endif

#endif
