/*
 * PI_Interface.h - the interface through which an analysis check talks to
 * the post-analysis library.
 *
 * Usable from C99 and C++.  A check registers plain function pointers
 * (clients) before the analyser's files are read; registering a client also
 * tells the readers which record kinds to read.  After reading, the check
 * walks the model through the query and iteration functions below.
 *
 * What registration switches on: only the "DEFINE" records (symbols,
 * definitions, templates) make the model, and they are read only when a
 * new-symbol, project-redeclaration, definition, all-defines, function- or
 * class-metric client, or PI_configureNeedScopeEnclSymbol is registered.
 * An end client alone (PI_configureOnEnd) reads nothing: its model is
 * empty.  Relations and includes need their PI_configureNeedRelation...
 * call, metric values a metric registration.
 *
 * The process:
 *   The model is one per process and lives until the process ends.  In
 *   library mode PI_Initialise reads it once; a second call is refused.
 *   The library is not thread-safe: call it from one thread, the one that
 *   calls PI_Initialise, and expect clients to be called on it.
 *   The library does not change its host's allocator settings or start
 *   threads unless asked (PI_configureLargeModelMemory).
 *   It needs Qt 5 Core (libQt5Core) at run time; pkg-config lists it under
 *   Requires.private.
 *
 * Failures:
 *   No C++ exception leaves this interface.  A call that fails inside the
 *   library (a broken assertion such as an unknown iterator handle, a null
 *   handle where one is required, memory exhaustion) writes
 *   "FUNCTION: CAUSE" to standard error and answers its neutral value:
 *   0, a null pointer, or, for loops, an iteration that is already at its
 *   end.  Null model handles (P_Symbol*, P_Define*, ...) are not allowed
 *   unless a function says so.  Only asking an option entry for the wrong
 *   form (PI_getOptionValue, PI_isOptionTrue) ends the process, as a fatal
 *   error of the check.
 *
 * Handles and texts:
 *   Model objects cross the boundary as pointers to incomplete types
 *   (P_Symbol*, P_Define*, ...).  The model owns them until the process
 *   ends; a P_Diagnostic handed to a client lives only for that call.
 *   Every returned text (char const*) is interned by the library and stays
 *   valid until the process ends; the caller never frees it.  Texts are in
 *   the internal encoding (EUC) unless a function says otherwise; names of
 *   entities are moreover in the internal identifier form (with markers
 *   for templates and parameters), and PI_getOutputString gives their
 *   display form.  Predicates return 0 or 1.
 *
 * Iteration protocol, the same for every family X:
 *   PI_XIterHan h = <start function>;
 *   while (!PI_isXIterEnd(h)) { use PI_getXIterData(h); PI_getXIterNext(h); }
 *   The next function returns 1 when it reached the end; the handle's id is
 *   then released and the next start of that family reuses it.  A handle
 *   must not be used after its next function returned 1, except for an
 *   immediate end test.  An abandoned or empty loop keeps its id.  The data
 *   function answers null (0) at the end.
 *
 * Families whose records this library does not read (literals,
 * allocations, extern variables, control graphs) are present so that the
 * interface is complete; they answer neutrally: their iterations are
 * empty ranges, their getters return 0 or a null pointer and their
 * clients are never called.
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

/* The library's version, "MAJOR.MINOR" (static text). */
PI_EXPORT char const* PI_getInterfaceVersion(void);

/* ---- Registration (before reading starts; registries only grow) ------ */
/* Clients kept in sets are called once each, in ascending address order;
 * the all-defines clients are called in registration order. */
/* Calls `client` once after the last file is read; switches no reading on. */
PI_EXPORT void PI_configureOnEnd(PI_NoArgClientFn client);
/* Calls `client` at the end, after all records; switches "DEFINE" reading on. */
PI_EXPORT void PI_configureOnAllDefine(PI_NoArgClientFn client);
/* Calls `client` for each define that starts a new symbol; reads "DEFINE". */
PI_EXPORT void PI_configureOnNewSymbol(PI_SymbolClientFn client);
/* Calls `client` for each project-wide redeclaration; reads "DEFINE". */
PI_EXPORT void PI_configureOnProjRedecl(PI_SymbolClientFn client);
/* Calls `client` for each define that is a definition; reads "DEFINE". */
PI_EXPORT void PI_configureOnDefinition(PI_SymbolClientFn client);
/* Calls `client` as each analysed file begins (its result is ignored). */
PI_EXPORT void PI_configureOnSource(PI_SourceClientFn client);
/* Stores `client` for allocation records (not read: never called). */
PI_EXPORT void PI_configureOnAlloc(PI_AllocClientFn client);
/* Stores `client` for control graphs (not read: never called). */
PI_EXPORT void PI_configureOnControlGraph(PI_ControlGraphClientFn client);
/* Reads every metric ("S") record, whatever `name` is (it is not kept). */
PI_EXPORT void PI_configureNeedMetric(char const* name);
/* At the end calls `client`(define, `name`) per function symbol; reads "DEFINE". */
PI_EXPORT void PI_configureFunctionMetric(char const* name, PI_MetricClientFn client);
/* At the end calls `client`(define, `name`) per class symbol; reads "DEFINE". */
PI_EXPORT void PI_configureClassMetric(char const* name, PI_MetricClientFn client);
/* At the end calls `client` with the latest metric group's file; reads "S". */
PI_EXPORT void PI_configureMetricGroup(PI_MetricGroupClientFn client);
/* Asks for literal records (not read by this library: no effect). */
PI_EXPORT void PI_configureNeedLiteral(void);
/* Asks for extern-variable records (not read by this library: no effect). */
PI_EXPORT void PI_configureNeedExternVar(void);
/* Reads the base-class relations (PI_getFirstRelationBase). */
PI_EXPORT void PI_configureNeedRelationBase(void);
/* Reads the call relations (PI_getFirstRelationCall). */
PI_EXPORT void PI_configureNeedRelationCalls(void);
/* Reads the class-member relations (PI_getFirstRelationClsMbr). */
PI_EXPORT void PI_configureNeedRelationClsMbr(void);
/* Reads the member-pointer relations (PI_getFirstRelationClsMbrPtr). */
PI_EXPORT void PI_configureNeedRelationClsMbrPtr(void);
/* Reads the member-reference relations (PI_getFirstRelationClsMbrRef). */
PI_EXPORT void PI_configureNeedRelationClsMbrRef(void);
/* Reads the refers-to relations (PI_getFirstRelationRefer). */
PI_EXPORT void PI_configureNeedRelationRefers(void);
/* Reads the include relations (PI_getFirstRelationInclude). */
PI_EXPORT void PI_configureNeedRelationInclude(void);
/* Records enclosing symbols of scopes (PI_getScopeEnclSymbol); reads "DEFINE". */
PI_EXPORT void PI_configureNeedScopeEnclSymbol(void);
/* Stores `client` for error-file diagnostics (library mode reads none). */
PI_EXPORT void PI_configureOnDiagnostic(PI_DiagnosticClientFn client);
/* Stores `client` for every diagnostic with its flags (library mode: none). */
PI_EXPORT void PI_configureOnDiagnosticSuppressed(PI_DiagnosticSuppressedClientFn client);
/* Stores `client` for diagnostics of message `id` (library mode: none). */
PI_EXPORT void PI_configureOnMessage(unsigned int id, PI_DiagnosticSuppressedClientFn client);
/* Stores `client` for diagnostics of disabled messages (library mode: none). */
PI_EXPORT void PI_configureOnDiagnosticDisabled(PI_DiagnosticDisabledClientFn client);
/* Stores `client` for the sub-messages of diagnostics (library mode: none). */
PI_EXPORT void PI_configureOnDiagnosticSubMsg(PI_DiagnosticSubMsgClientFn client);
/* Stores `client` for diagnostics' text parameters (library mode: none). */
PI_EXPORT void PI_configureOnDiagnosticStringParam(PI_DiagnosticStringParamClientFn client);
/* Stores `client` for suppression records (library mode: none). */
PI_EXPORT void PI_configureOnSuppressionRecord(PI_SuppressionRecordClientFn client);
/* Stores `client` for suppressed diagnostics (library mode: none). */
PI_EXPORT void PI_configureOnSuppressionRecordDiagnostic(
    PI_SuppressionRecordDiagnosticClientFn client);

/* Opt-in for big code bases, before PI_Initialise: tunes the process's heap
 * (mallopt), advises huge pages and may start one helper thread. */
PI_EXPORT void PI_configureLargeModelMemory(void);

/* Library mode: reads the record files of the run that the argument file
 * `via` describes for product `name` (the words the generator takes after
 * the product), calling the registered clients, the end clients last.
 * Error files are not read.  A check's diagnostics (PI_warn) go to the
 * output the debug keywords name: standard output by default.
 * Returns 1 when the files were read and the end clients ran; 0 with a
 * line on standard error otherwise: `name` is no product, the command line
 * is rejected or names no file (nothing read; a later call may try
 * again), no record file could be read (the end clients do not run), the
 * run failed (the cause is written), or a run already took place in this
 * process (refused: the model is one per process, use a new process). */
PI_EXPORT int PI_Initialise(char const* name, char const* via);

/* ---- Symbols ---------------------------------------------------------- */
/* Starts a loop over every symbol of the model, in table order. */
PI_EXPORT PI_SymbolIterHan PI_getFirstSymbol(void);
/* Starts a loop over the explicit specialisations (symbols) of `tmpl`. */
PI_EXPORT PI_SymbolIterHan PI_getTemplateFirstExplicitSpec(P_Template* tmpl);
/* Starts a loop over the implicit specialisations (symbols) of `tmpl`. */
PI_EXPORT PI_SymbolIterHan PI_getTemplateFirstImplicictSpec(P_Template* tmpl);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isSymbolIterEnd(PI_SymbolIterHan h);
/* The element at `h` (P_Symbol*, owned by the library), null at the end. */
PI_EXPORT P_Symbol* PI_getSymbolIterData(PI_SymbolIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getSymbolIterNext(PI_SymbolIterHan h);

/* ---- Defines ---------------------------------------------------------- */
/* Starts a loop over the defines of `symbol`, in the model's order. */
PI_EXPORT PI_DefineIterHan PI_getSymbolFirstDefine(P_Symbol* symbol);
/* Starts a loop over the redeclarations of `define` in `symbol`; fails without any. */
PI_EXPORT PI_DefineIterHan PI_getSymbolDefineFirstRedecl(P_Symbol* symbol, P_Define* define);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isDefineIterEnd(PI_DefineIterHan h);
/* The element at `h` (P_Define*, owned by the library), null at the end. */
PI_EXPORT P_Define* PI_getDefineIterData(PI_DefineIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getDefineIterNext(PI_DefineIterHan h);
/* 1 when `define` has redeclarations in `symbol` (PI_getSymbolDefineFirstRedecl). */
PI_EXPORT int PI_hasSymbolDefineRedeclList(P_Symbol* symbol, P_Define* define);
/* The symbol's definition, else its latest define; null when it has none. */
PI_EXPORT P_Define* PI_getSymbolCurrentDefine(P_Symbol* symbol);

/* 1 when the define is the program's main function. */
PI_EXPORT int PI_isDefineMain(P_Define* d);
/* 1 when the define is bitfield. */
PI_EXPORT int PI_isDefineBitfield(P_Define* d);
/* 1 when the define is setter. */
PI_EXPORT int PI_isDefineSetter(P_Define* d);
/* 1 when the define is getter. */
PI_EXPORT int PI_isDefineGetter(P_Define* d);
/* 1 when the define is implicit private. */
PI_EXPORT int PI_isDefineImplicitPrivate(P_Define* d);
/* 1 when the define is implicit public. */
PI_EXPORT int PI_isDefineImplicitPublic(P_Define* d);
/* 1 when the define is explicit private. */
PI_EXPORT int PI_isDefineExplicitPrivate(P_Define* d);
/* 1 when the define is explicit protected. */
PI_EXPORT int PI_isDefineExplicitProtected(P_Define* d);
/* 1 when the define is explicit public. */
PI_EXPORT int PI_isDefineExplicitPublic(P_Define* d);
/* 1 when the define is virtual. */
PI_EXPORT int PI_isDefineVirtual(P_Define* d);
/* 1 when the define is function parameter. */
PI_EXPORT int PI_isDefineFunctionParameter(P_Define* d);
/* 1 when the define is pure virtual. */
PI_EXPORT int PI_isDefinePureVirtual(P_Define* d);
/* 1 when the define is a plain-old-data type. */
PI_EXPORT int PI_isDefinePOD(P_Define* d);
/* 1 when the define is object macro. */
PI_EXPORT int PI_isDefineObjectMacro(P_Define* d);
/* 1 when the define is inline. */
PI_EXPORT int PI_isDefineInline(P_Define* d);
/* 1 when the define is function macro. */
PI_EXPORT int PI_isDefineFunctionMacro(P_Define* d);
/* 1 when the define is aggregate. */
PI_EXPORT int PI_isDefineAggregate(P_Define* d);
/* 1 when the define has static storage. */
PI_EXPORT int PI_hasDefineStaticStorage(P_Define* d);
/* 1 when the define has template scope. */
PI_EXPORT int PI_hasDefineTemplateScope(P_Define* d);
/* 1 when the define has prototype scope. */
PI_EXPORT int PI_hasDefinePrototypeScope(P_Define* d);
/* 1 when the define has namespace scope. */
PI_EXPORT int PI_hasDefineNamespaceScope(P_Define* d);
/* 1 when the define has file scope. */
PI_EXPORT int PI_hasDefineFileScope(P_Define* d);
/* 1 when the define has class scope. */
PI_EXPORT int PI_hasDefineClassScope(P_Define* d);
/* 1 when the define has block scope. */
PI_EXPORT int PI_hasDefineBlockScope(P_Define* d);
/* 1 when the define is variable. */
PI_EXPORT int PI_isDefineVariable(P_Define* d);
/* 1 when the define is typedef. */
PI_EXPORT int PI_isDefineTypedef(P_Define* d);
/* 1 when the define is tag. */
PI_EXPORT int PI_isDefineTag(P_Define* d);
/* 1 when the define is member. */
PI_EXPORT int PI_isDefineMember(P_Define* d);
/* 1 when the define is label. */
PI_EXPORT int PI_isDefineLabel(P_Define* d);
/* 1 when the define is macro. */
PI_EXPORT int PI_isDefineMacro(P_Define* d);
/* 1 when the define is function. */
PI_EXPORT int PI_isDefineFunction(P_Define* d);
/* 1 when the define is enumerator. */
PI_EXPORT int PI_isDefineEnumerator(P_Define* d);
/* 1 when the define is union. */
PI_EXPORT int PI_isDefineUnion(P_Define* d);
/* 1 when the define is struct. */
PI_EXPORT int PI_isDefineStruct(P_Define* d);
/* 1 when the define is class. */
PI_EXPORT int PI_isDefineClass(P_Define* d);
/* 1 when the define has internal linkage. */
PI_EXPORT int PI_hasDefineInternalLinkage(P_Define* d);
/* 1 when the define has external linkage. */
PI_EXPORT int PI_hasDefineExternalLinkage(P_Define* d);
/* 1 when the define is assignment operator. */
PI_EXPORT int PI_isDefineAssignmentOperator(P_Define* d);
/* 1 when the define is copy constructor. */
PI_EXPORT int PI_isDefineCopyConstructor(P_Define* d);
/* 1 when the define is constructor. */
PI_EXPORT int PI_isDefineConstructor(P_Define* d);
/* 1 when the define is explicit specialisation. */
PI_EXPORT int PI_isDefineExplicitSpecialisation(P_Define* d);
/* 1 when the define is partial specialisation. */
PI_EXPORT int PI_isDefinePartialSpecialisation(P_Define* d);
/* 1 when the define is dependent. */
PI_EXPORT int PI_isDefineDependent(P_Define* d);
/* 1 when the define is specialisation. */
PI_EXPORT int PI_isDefineSpecialisation(P_Define* d);
/* 1 when the define is implicit. */
PI_EXPORT int PI_isDefineImplicit(P_Define* d);
/* 1 when the define is definition. */
PI_EXPORT int PI_isDefineDefinition(P_Define* d);
/* 1 when the define is declaration. */
PI_EXPORT int PI_isDefineDeclaration(P_Define* d);
/* 1 when the define is in header. */
PI_EXPORT int PI_isDefineInHeader(P_Define* d);
/* 1 when the define is a template or a specialisation of one. */
PI_EXPORT int PI_isTemplateOrSpecialisation(P_Define* d);
/* 1 when both defines have the same file and line. */
PI_EXPORT int PI_hasDefineSameLocation(P_Define* a, P_Define* b);

/* The define's file: absolute path, internal encoding, interned. */
PI_EXPORT char const* PI_getDefineFilename(P_Define* d);
/* The define's line number (1-based). */
PI_EXPORT int PI_getDefineLine(P_Define* d);
/* The qualified name, internal form (display: PI_getOutputString), interned. */
PI_EXPORT char const* PI_getDefineQualName(P_Define* d);
/* The name without its scope, internal form, interned. */
PI_EXPORT char const* PI_getDefineUnqualName(P_Define* d);
/* The qualified name as overloads share it (symbol key), internal form, interned. */
PI_EXPORT char const* PI_getDefineOverloadFuncQualName(P_Define* d);
/* The unqualified name as overloads share it, internal form, interned. */
PI_EXPORT char const* PI_getDefineOverloadFuncUnqualName(P_Define* d);
/* The identifier (last term of the name), internal form, interned. */
PI_EXPORT char const* PI_getDefineIdentifier(P_Define* d);
/* The identifier without template arguments, internal form, interned. */
PI_EXPORT char const* PI_getDefineSimpleIdentifier(P_Define* d);
/* The enclosing scope's name ("" at file scope), internal form, interned. */
PI_EXPORT char const* PI_getDefineScope(P_Define* d);
/* The type text of the define, internal form, interned. */
PI_EXPORT char const* PI_getDefineType(P_Define* d);
/* The parameter list of a function name ("" otherwise), internal form, interned. */
PI_EXPORT char const* PI_getDefineFunctionParameters(P_Define* d);
/* The template parameter list of the name ("" without), internal form, interned. */
PI_EXPORT char const* PI_getDefineTemplateParameters(P_Define* d);
/* The qualified name without template parameters, internal form, interned. */
PI_EXPORT char const* PI_stripTemplateParams(P_Define* d);
/* The define itself: the primary template is reached through P_Template. */
PI_EXPORT P_Define* PI_getPrimaryTemplate(P_Define* d);
/* The define itself: partial specialisations are reached through P_Template. */
PI_EXPORT P_Define* PI_getFirstPartial(P_Define* d);

/* ---- Templates -------------------------------------------------------- */
/* Starts a loop over every template (P_Template*) of the model. */
PI_EXPORT PI_TemplateIterHan PI_getFirstTemplate(void);
/* Starts a loop over the stand-ins (P_Template*) for templates without records
   that have partial or explicit specialisations in the records; not part of
   PI_getFirstTemplate's loop. */
PI_EXPORT PI_TemplateIterHan PI_getFirstUnrecordedTemplate(void);
/* 1 when `d` is the primary define of such a stand-in (it names the template
   and carries the location of its first specialisation). */
PI_EXPORT int PI_isDefineUnrecordedPrimary(P_Define* d);
/* Starts a loop over the partial specialisations (P_Template*) of `tmpl`. */
PI_EXPORT PI_TemplateIterHan PI_getTemplateFirstPartialSpec(P_Template* tmpl);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isTemplateIterEnd(PI_TemplateIterHan h);
/* The element at `h` (P_Template*, owned by the library), null at the end. */
PI_EXPORT P_Template* PI_getTemplateIterData(PI_TemplateIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getTemplateIterNext(PI_TemplateIterHan h);
/* The symbol of the template's primary template (owned by the model). */
PI_EXPORT P_Symbol* PI_getTemplatePrimaryTemplate(P_Template* tmpl);

/* ---- Names and types -------------------------------------------------- */
/* The symbol enclosing the interned `scope`, or null (needs PI_configureNeedScopeEnclSymbol). */
PI_EXPORT P_Symbol* PI_getScopeEnclSymbol(char const* scope);
/* The display form of an internal name (e.g. from PI_getDefineQualName), interned. */
PI_EXPORT char const* PI_getOutputString(char const* name);
/* The internal form of an analyser identifier token, interned. */
PI_EXPORT char const* PI_getParsedString(char const* text);
/* The number in the last brackets of an array type text; 0 for "[]" or none. */
PI_EXPORT int PI_getArrayDimension(char const* type);
/* An array type text without its last brackets (else `type` itself), interned. */
PI_EXPORT char const* PI_getArrayElemType(char const* type);
/* 1 when the type text is an array without dimension ("[]"). */
PI_EXPORT int PI_isUndimArray(char const* type);
/* 1 when the type text is an array type (ends in "]"). */
PI_EXPORT int PI_isTypeArray(char const* type);
/* 1 when the two type texts are equal. */
PI_EXPORT int PI_areTypesEqual(char const* a, char const* b);

/* ---- Product options ("-po namespace::option") ------------------------ */
/* Starts a loop over the "-po NAMESPACE::OPTION" entries of namespace `name` (not null). */
PI_EXPORT PI_OptionIterHan PI_getFirstOption(char const* name);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isOptionIterEnd(PI_OptionIterHan h);
/* The option entry text at `h` (interned), null at the end. */
PI_EXPORT char const* PI_getOptionIterData(PI_OptionIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getOptionIterNext(PI_OptionIterHan h);
/* The option part of an option entry, interned. */
PI_EXPORT char const* PI_getOptionName(char const* entry);
/* The value after " " or "=" of an option entry, interned; any other entry ends the process. */
PI_EXPORT char const* PI_getOptionValue(char const* entry);
/* 0 for "name-", 1 for "name" or "name+"; an entry with a value ends the process. */
PI_EXPORT int PI_isOptionTrue(char const* entry);

/* ---- Relations (the six kinds share one iterator store) --------------- */
/* Starts a loop over the base-class relations (needs PI_configureNeedRelationBase). */
PI_EXPORT PI_RelationIterHan PI_getFirstRelationBase(void);
/* Starts a loop over the call relations (needs PI_configureNeedRelationCalls). */
PI_EXPORT PI_RelationIterHan PI_getFirstRelationCall(void);
/* Starts a loop over the class-member relations (needs ..._ClsMbr). */
PI_EXPORT PI_RelationIterHan PI_getFirstRelationClsMbr(void);
/* Starts a loop over the member-pointer relations (needs ..._ClsMbrPtr). */
PI_EXPORT PI_RelationIterHan PI_getFirstRelationClsMbrPtr(void);
/* Starts a loop over the member-reference relations (needs ..._ClsMbrRef). */
PI_EXPORT PI_RelationIterHan PI_getFirstRelationClsMbrRef(void);
/* Starts a loop over the refers-to relations (needs PI_configureNeedRelationRefers). */
PI_EXPORT PI_RelationIterHan PI_getFirstRelationRefer(void);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isRelationBaseIterEnd(PI_RelationIterHan h);
/* The element at `h` (P_Relation*, owned by the library), null at the end. */
PI_EXPORT P_Relation* PI_getRelationBaseIterData(PI_RelationIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getRelationBaseIterNext(PI_RelationIterHan h);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isRelationCallsIterEnd(PI_RelationIterHan h);
/* The element at `h` (P_Relation*, owned by the library), null at the end. */
PI_EXPORT P_Relation* PI_getRelationCallsIterData(PI_RelationIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getRelationCallsIterNext(PI_RelationIterHan h);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isRelationRefersIterEnd(PI_RelationIterHan h);
/* The element at `h` (P_Relation*, owned by the library), null at the end. */
PI_EXPORT P_Relation* PI_getRelationRefersIterData(PI_RelationIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getRelationRefersIterNext(PI_RelationIterHan h);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isRelationClsMbrIterEnd(PI_RelationIterHan h);
/* The element at `h` (P_Relation*, owned by the library), null at the end. */
PI_EXPORT P_Relation* PI_getRelationClsMbrIterData(PI_RelationIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getRelationClsMbrIterNext(PI_RelationIterHan h);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isRelationClsMbrPtrIterEnd(PI_RelationIterHan h);
/* The element at `h` (P_Relation*, owned by the library), null at the end. */
PI_EXPORT P_Relation* PI_getRelationClsMbrPtrIterData(PI_RelationIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getRelationClsMbrPtrIterNext(PI_RelationIterHan h);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isRelationClsMbrRefIterEnd(PI_RelationIterHan h);
/* The element at `h` (P_Relation*, owned by the library), null at the end. */
PI_EXPORT P_Relation* PI_getRelationClsMbrRefIterData(PI_RelationIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getRelationClsMbrRefIterNext(PI_RelationIterHan h);

/* The name of the relation's object (its source side), internal form, interned. */
PI_EXPORT char const* PI_getRelationObject(P_Relation* rel);
/* The name of the relation's subject (its target side), internal form, interned. */
PI_EXPORT char const* PI_getRelationSubject(P_Relation* rel);
/* The symbol of the relation's object, or null. */
PI_EXPORT P_Symbol* PI_getRelationObjectSymbol(P_Relation* rel);
/* The symbol of the relation's subject, or null. */
PI_EXPORT P_Symbol* PI_getRelationSubjectSymbol(P_Relation* rel);
/* The line of the relation in its file. */
PI_EXPORT int PI_getRelationLine(P_Relation* rel);
/* 1 when the relation is virtual. */
PI_EXPORT int PI_isRelationVirtual(P_Relation* rel);
/* 1 when the relation is explicit public. */
PI_EXPORT int PI_isRelationExplicitPublic(P_Relation* rel);
/* 1 when the relation is explicit protected. */
PI_EXPORT int PI_isRelationExplicitProtected(P_Relation* rel);
/* 1 when the relation is explicit private. */
PI_EXPORT int PI_isRelationExplicitPrivate(P_Relation* rel);
/* 1 when the relation is implicit public. */
PI_EXPORT int PI_isRelationImplicitPublic(P_Relation* rel);
/* 1 when the relation is implicit private. */
PI_EXPORT int PI_isRelationImplicitPrivate(P_Relation* rel);
/* 1 when a refers-to relation reads its subject. */
PI_EXPORT int PI_isRelationRefersRead(P_Relation* rel);
/* 1 when a refers-to relation writes its subject. */
PI_EXPORT int PI_isRelationRefersWrite(P_Relation* rel);
/* 1 when some refers-to relation has `symbol` as its subject. */
PI_EXPORT int PI_hasRelationRefersSubject(P_Symbol* symbol);

/* ---- Includes --------------------------------------------------------- */
/* Starts a loop over the include relations (needs PI_configureNeedRelationInclude). */
PI_EXPORT PI_RelationIncludeIterHan PI_getFirstRelationInclude(void);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isRelationIncludeIterEnd(PI_RelationIncludeIterHan h);
/* The element at `h` (P_RelationInclude*, owned by the library), null at the end. */
PI_EXPORT P_RelationInclude* PI_getRelationIncludeIterData(PI_RelationIncludeIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getRelationIncludeIterNext(PI_RelationIncludeIterHan h);
/* The included file's name, internal encoding, interned. */
PI_EXPORT char const* PI_getRelationIncludeSubject(P_RelationInclude* inc);
/* The including file's name, internal encoding, interned. */
PI_EXPORT char const* PI_getRelationIncludeObject(P_RelationInclude* inc);
/* The line of the #include in the including file. */
PI_EXPORT int PI_getRelationIncludeLine(P_RelationInclude* inc);
/* 1 when the included file is a system header (<...>). */
PI_EXPORT int PI_isRelationIncludeSystemHeader(P_RelationInclude* inc);

/* ---- Sources and output paths ----------------------------------------- */
/* The analysed file's absolute path, internal encoding, interned. */
PI_EXPORT char const* PI_getSourceFilename(P_Source* src);
/* 1 when the source is the run's cross-module analysis file. */
PI_EXPORT int PI_isSourceCrossModuleFilename(P_Source* src);
/* The run's output path; `encoding` 0: internal, 1: the local encoding; interned. */
PI_EXPORT char const* PI_getPALOutputPath(int encoding);
/* The run's output source file; `encoding` as PI_getPALOutputPath; interned. */
PI_EXPORT char const* PI_getPALCrossModuleFilename(int encoding);

/* ---- Metrics (kept once a metric registration asked for them) -------- */
/* The value text of metric `metric` of `entity` (entity or file name), or null. */
PI_EXPORT char const* PI_getMetricStringValue(char const* entity, char const* metric);
/* The metric's value as an integer (0 when absent). */
PI_EXPORT int PI_getMetricIntegralValue(char const* entity, char const* metric);
/* The metric's value as a floating-point number (0 when absent). */
PI_EXPORT double PI_getMetricFloatingValue(char const* entity, char const* metric);
/* 1 when `entity` has a value for `metric`. */
PI_EXPORT int PI_hasMetric(char const* entity, char const* metric);

/* ---- Diagnostics ------------------------------------------------------ */
/* A created diagnostic belongs to the caller until PI_warn consumes it. */
/* A new diagnostic of message `id` at `file`:`line`, owned by the caller. */
PI_EXPORT P_Diagnostic* PI_createDiagnostic(int id, char const* file, int line);
/* A new diagnostic at `file`:`line`:`column`, owned by the caller. */
PI_EXPORT P_Diagnostic* PI_createDiagnosticWithCol(int id, char const* file, int line,
                                                   int column);
/* Adds the text `name` as the next parameter (%1, %2, ...) of the message. */
PI_EXPORT void PI_addDiagnosticParamName(P_Diagnostic* diag, char const* name);
/* Adds a copy of `sub` as a sub-message; `sub` stays the caller's. */
PI_EXPORT void PI_addDiagnosticParamDiag(P_Diagnostic* diag, P_Diagnostic* sub);
/* Writes the diagnostic to the run's diagnostic output and destroys it (the handle is dead). */
PI_EXPORT void PI_warn(P_Diagnostic* diag);
/* The diagnostic's message number. */
PI_EXPORT int PI_getDiagnosticID(P_Diagnostic* diag);
/* The diagnostic's file name, internal encoding, interned. */
PI_EXPORT char const* PI_getDiagnosticFilename(P_Diagnostic* diag);
/* The diagnostic's line. */
PI_EXPORT int PI_getDiagnosticLine(P_Diagnostic* diag);
/* The diagnostic's column (0 when none). */
PI_EXPORT int PI_getDiagnosticColumn(P_Diagnostic* diag);
/* The diagnostic written in the message `format` language, interned. */
PI_EXPORT char const* PI_getDiagnosticAsString(P_Diagnostic* diag, char const* format);
/* A new location of the diagnostic, kept by the library until the process ends. */
PI_EXPORT P_Location* PI_getDiagnosticLocation(P_Diagnostic* diag);
/* The location's file name, internal encoding, interned. */
PI_EXPORT char const* PI_getLocationFilename(P_Location* loc);
/* The location's line. */
PI_EXPORT int PI_getLocationLine(P_Location* loc);
/* The location's column (0 when none). */
PI_EXPORT int PI_getLocationColumn(P_Location* loc);

/* ---- Suppression records ---------------------------------------------- */
/* The record's tag text, valid while the record lives. */
PI_EXPORT char const* PI_getSuppressionRecordTag(P_SuppressionRecord* rec);
/* The record's kind number. */
PI_EXPORT int PI_getSuppressionRecordKind(P_SuppressionRecord* rec);
/* A new location of the record's tag, kept until the process ends. */
PI_EXPORT P_Location* PI_getSuppressionRecordTagLocation(P_SuppressionRecord* rec);
/* A new location where the suppressed range begins, kept until the process ends. */
PI_EXPORT P_Location* PI_getSuppressionRecordFromLocation(P_SuppressionRecord* rec);
/* A new location where the suppressed range ends, kept until the process ends. */
PI_EXPORT P_Location* PI_getSuppressionRecordToLocation(P_SuppressionRecord* rec);
/* The number of message ranges the record suppresses. */
PI_EXPORT unsigned int PI_getSuppressionMessageRangeCount(P_SuppressionRecord* rec);
/* The first message of range `index`, as text valid while the record lives. */
PI_EXPORT char const* PI_getSuppressionMessageRangeStart(P_SuppressionRecord* rec,
                                                         unsigned int index);
/* The last message of range `index`, as text valid while the record lives. */
PI_EXPORT char const* PI_getSuppressionMessageRangeEnd(P_SuppressionRecord* rec,
                                                       unsigned int index);

/* ---- Literals (not read: empty range) --------------------------------- */
/* Starts a loop over the literals: always empty (not read). */
PI_EXPORT PI_LiteralIterHan PI_getFirstLiteral(void);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isLiteralIterEnd(PI_LiteralIterHan h);
/* The element at `h` (P_Literal*, owned by the library), null at the end. */
PI_EXPORT P_Literal* PI_getLiteralIterData(PI_LiteralIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getLiteralIterNext(PI_LiteralIterHan h);
/* The literal's text; null (not read). */
PI_EXPORT char const* PI_getLiteral(P_Literal* lit);
/* The literal's type; null (not read). */
PI_EXPORT char const* PI_getLiteralType(P_Literal* lit);
/* The literal's file; null (not read). */
PI_EXPORT char const* PI_getLiteralFilename(P_Literal* lit);
/* The literal's line; 0 (not read). */
PI_EXPORT int PI_getLiteralLine(P_Literal* lit);
/* The literal's column; 0 (not read). */
PI_EXPORT int PI_getLiteralColumn(P_Literal* lit);
/* The literal's suffix; a failure unless PI_hasLiteralSuffix (not read: always). */
PI_EXPORT char const* PI_getLiteralSuffix(P_Literal* lit);
/* 1 when the literal is in header; 0 (not read). */
PI_EXPORT int PI_isLiteralInHeader(P_Literal* lit);
/* 1 when the literal is decimal; 0 (not read). */
PI_EXPORT int PI_isLiteralDecimal(P_Literal* lit);
/* 1 when the literal is boolean; 0 (not read). */
PI_EXPORT int PI_isLiteralBoolean(P_Literal* lit);
/* 1 when the literal is hex; 0 (not read). */
PI_EXPORT int PI_isLiteralHex(P_Literal* lit);
/* 1 when the literal is octal; 0 (not read). */
PI_EXPORT int PI_isLiteralOctal(P_Literal* lit);
/* 1 when the literal is character; 0 (not read). */
PI_EXPORT int PI_isLiteralCharacter(P_Literal* lit);
/* 1 when the literal is string; 0 (not read). */
PI_EXPORT int PI_isLiteralString(P_Literal* lit);
/* 1 when the literal is floating; 0 (not read). */
PI_EXPORT int PI_isLiteralFloating(P_Literal* lit);
/* 1 when the literal is binary; 0 (not read). */
PI_EXPORT int PI_isLiteralBinary(P_Literal* lit);
/* 1 when the literal is escaped; 0 (not read). */
PI_EXPORT int PI_isLiteralEscaped(P_Literal* lit);
/* 1 when the literal is wide; 0 (not read). */
PI_EXPORT int PI_isLiteralWide(P_Literal* lit);
/* 1 when the literal has sign; 0 (not read). */
PI_EXPORT int PI_hasLiteralSign(P_Literal* lit);
/* 1 when the literal is positive; 0 (not read). */
PI_EXPORT int PI_isLiteralPositive(P_Literal* lit);
/* 1 when the literal is negative; 0 (not read). */
PI_EXPORT int PI_isLiteralNegative(P_Literal* lit);
/* 1 when the literal has suffix; 0 (not read). */
PI_EXPORT int PI_hasLiteralSuffix(P_Literal* lit);
/* 1 when the literal has long suffix; 0 (not read). */
PI_EXPORT int PI_hasLiteralLongSuffix(P_Literal* lit);
/* 1 when the literal has long long suffix; 0 (not read). */
PI_EXPORT int PI_hasLiteralLongLongSuffix(P_Literal* lit);
/* 1 when the literal has unsigned suffix; 0 (not read). */
PI_EXPORT int PI_hasLiteralUnsignedSuffix(P_Literal* lit);
/* 1 when the literal has floating suffix; 0 (not read). */
PI_EXPORT int PI_hasLiteralFloatingSuffix(P_Literal* lit);
/* 1 when the literal has block scope; 0 (not read). */
PI_EXPORT int PI_hasLiteralBlockScope(P_Literal* lit);
/* 1 when the literal has class scope; 0 (not read). */
PI_EXPORT int PI_hasLiteralClassScope(P_Literal* lit);
/* 1 when the literal has file scope; 0 (not read). */
PI_EXPORT int PI_hasLiteralFileScope(P_Literal* lit);
/* 1 when the literal has namespace scope; 0 (not read). */
PI_EXPORT int PI_hasLiteralNamespaceScope(P_Literal* lit);
/* 1 when the literal has prototype scope; 0 (not read). */
PI_EXPORT int PI_hasLiteralPrototypeScope(P_Literal* lit);
/* 1 when the literal has template scope; 0 (not read). */
PI_EXPORT int PI_hasLiteralTemplateScope(P_Literal* lit);
/* 1 when the literal has template parameter scope; 0 (not read). */
PI_EXPORT int PI_hasLiteralTemplateParameterScope(P_Literal* lit);
/* 1 when the literal's context is macro; 0 (not read). */
PI_EXPORT int PI_isLiteralContextMacro(P_Literal* lit);
/* 1 when the literal's context is default arg; 0 (not read). */
PI_EXPORT int PI_isLiteralContextDefaultArg(P_Literal* lit);
/* 1 when the literal's context is template arg; 0 (not read). */
PI_EXPORT int PI_isLiteralContextTemplateArg(P_Literal* lit);
/* 1 when the literal's context is array dimension; 0 (not read). */
PI_EXPORT int PI_isLiteralContextArrayDimension(P_Literal* lit);
/* 1 when the literal's context is bitfield; 0 (not read). */
PI_EXPORT int PI_isLiteralContextBitfield(P_Literal* lit);
/* 1 when the literal's context is enumerator; 0 (not read). */
PI_EXPORT int PI_isLiteralContextEnumerator(P_Literal* lit);
/* 1 when the literal's context is scalar initialiser; 0 (not read). */
PI_EXPORT int PI_isLiteralContextScalarInitialiser(P_Literal* lit);
/* 1 when the literal's context is array initialiser; 0 (not read). */
PI_EXPORT int PI_isLiteralContextArrayInitialiser(P_Literal* lit);
/* 1 when the literal's context is struct initialiser; 0 (not read). */
PI_EXPORT int PI_isLiteralContextStructInitialiser(P_Literal* lit);
/* 1 when the literal's context is union initialiser; 0 (not read). */
PI_EXPORT int PI_isLiteralContextUnionInitialiser(P_Literal* lit);
/* 1 when the literal's context is pre proc expr; 0 (not read). */
PI_EXPORT int PI_isLiteralContextPreProcExpr(P_Literal* lit);
/* 1 when the literal's context is case label; 0 (not read). */
PI_EXPORT int PI_isLiteralContextCaseLabel(P_Literal* lit);
/* 1 when the literal's context is other; 0 (not read). */
PI_EXPORT int PI_isLiteralContextOther(P_Literal* lit);

/* ---- Allocations (not read: clients never called) --------------------- */
/* The allocation's file; null (not read). */
PI_EXPORT char const* PI_getAllocFilename(P_Alloc* alloc);
/* The allocation's line; 0 (not read). */
PI_EXPORT int PI_getAllocLine(P_Alloc* alloc);
/* The allocation's column; 0 (not read). */
PI_EXPORT int PI_getAllocColumn(P_Alloc* alloc);
/* The allocated type's name; null (not read). */
PI_EXPORT char const* PI_getAllocQualName(P_Alloc* alloc);
/* The allocating symbol; null (not read). */
PI_EXPORT P_Symbol* PI_getAllocObjectSymbol(P_Alloc* alloc);
/* 1 when the allocation is of kind unknown; 0 (not read). */
PI_EXPORT int PI_isAllocKindUnknown(P_Alloc* alloc);
/* 1 when the allocation is of kind plain; 0 (not read). */
PI_EXPORT int PI_isAllocKindPlain(P_Alloc* alloc);
/* 1 when the allocation is of kind old; 0 (not read). */
PI_EXPORT int PI_isAllocKindOld(P_Alloc* alloc);
/* 1 when the allocation is of kind array; 0 (not read). */
PI_EXPORT int PI_isAllocKindArray(P_Alloc* alloc);

/* ---- Extern variables (not read: empty range) ------------------------- */
/* Starts a loop over the extern-variable records: always empty (not read). */
PI_EXPORT PI_ExternVarIterHan PI_getFirstExternVar(void);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isExternVarIterEnd(PI_ExternVarIterHan h);
/* The element at `h` (P_ExternVar*, owned by the library), null at the end. */
PI_EXPORT P_ExternVar* PI_getExternVarIterData(PI_ExternVarIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getExternVarIterNext(PI_ExternVarIterHan h);
/* The record's object name; null (not read). */
PI_EXPORT char const* PI_getExternVarObject(P_ExternVar* ev);
/* The record's subject name; null (not read). */
PI_EXPORT char const* PI_getExternVarSubject(P_ExternVar* ev);
/* The object's symbol; null (not read). */
PI_EXPORT P_Symbol* PI_getExternVarObjectSymbol(P_ExternVar* ev);
/* The subject's symbol; null (not read). */
PI_EXPORT P_Symbol* PI_getExternVarSubjectSymbol(P_ExternVar* ev);
/* The record's line; 0 (not read). */
PI_EXPORT int PI_getExternVarLine(P_ExternVar* ev);
/* The number of records under the interned `key`; 0 (not read). */
PI_EXPORT int PI_hasExternVarSubject(char const* key);

/* ---- Control graphs (not read: clients never called) ------------------ */
/* The graph's function name; null (not read). */
PI_EXPORT char const* PI_getControlGraphQualName(P_ControlGraph* graph);
/* The graph's function symbol; null (not read). */
PI_EXPORT P_Symbol* PI_getControlGraphObjectSymbol(P_ControlGraph* graph);
/* The graph's number of exits; 0 (not read). */
PI_EXPORT int PI_getControlGraphExits(P_ControlGraph* graph);
/* Starts a loop over the graph's edges: always empty (not read). */
PI_EXPORT PI_ControlGraphEdgesIterHan PI_getFirstControlGraphEdge(P_ControlGraph* graph);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isControlGraphEdgesIterEnd(PI_ControlGraphEdgesIterHan h);
/* The element at `h` (P_ControlGraphEdge*, owned by the library), null at the end. */
PI_EXPORT P_ControlGraphEdge* PI_getControlGraphEdgesIterData(PI_ControlGraphEdgesIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getControlGraphEdgesIterNext(PI_ControlGraphEdgesIterHan h);
/* The edge's start node; 0 (not read). */
PI_EXPORT int PI_getControlGraphEdgeStart(P_ControlGraphEdge* edge);
/* The edge's end node; 0 (not read). */
PI_EXPORT int PI_getControlGraphEdgeEnd(P_ControlGraphEdge* edge);
/* Starts a loop over the graph's lines: always empty (not read). */
PI_EXPORT PI_ControlGraphLinesIterHan PI_getFirstControlGraphLine(P_ControlGraph* graph);
/* 1 when loop `h` is at its end. */
PI_EXPORT int PI_isControlGraphLinesIterEnd(PI_ControlGraphLinesIterHan h);
/* The line number at `h`, 0 at the end. */
PI_EXPORT int PI_getControlGraphLinesIterData(PI_ControlGraphLinesIterHan h);
/* Advances `h`; 1 when it reached the end (its id is then released). */
PI_EXPORT int PI_getControlGraphLinesIterNext(PI_ControlGraphLinesIterHan h);

#ifdef __cplusplus
}
#endif

#endif
