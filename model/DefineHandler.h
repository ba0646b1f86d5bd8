#ifndef MODEL_DEFINEHANDLER_H
#define MODEL_DEFINEHANDLER_H

#include <string_view>

#include "model/P_Define.h"
#include "model/P_Symbol.h"
#include "util/U_BPtr.h"
#include "util/U_String.h"

class SymbolTable;
class TemplateTable;

// Reads "DEFINE" records, passes each define through the template table into
// the symbol table and calls the clients registered for what happened.
class DefineHandler {
 public:
  using TemplateDefinitionClient = void (*)(P_Define*);
  using SymbolClient = void (*)(P_Symbol*, P_Define*);
  using AllDefinesClient = void (*)();

  // Client registration.  Each also asks the record reader for "DEFINE"
  // records; configureOnAllDefines also registers runDataClients as an
  // end-of-analysis client and ignores a client it already holds.
  static void configureOnTemplateDefinition(TemplateDefinitionClient fn);
  static void configureOnNewSymbol(SymbolClient fn);
  static void configureOnProjRedecl(SymbolClient fn);
  static void configureOnDefinition(SymbolClient fn);
  static void configureOnAllDefines(AllDefinesClient fn);

  static void setSymbolTable(SymbolTable& table);
  static SymbolTable* getSymbolTable();
  // The template table defines pass through (default: the process-wide one).
  static void setTemplateTable(TemplateTable& table);

  // Handles one "DEFINE" record line.  A malformed record is skipped.
  static void handleLine(const U_String& line);
  // Builds the define of a record line; unset when the record is malformed.
  static U_BPtr<P_Define> createRecord(std::string_view line);
  // Calls every all-define client in registration order.
  static void runDataClients();

  // Number of records skipped as malformed so far.
  static unsigned long getSkippedRecordCount();
};

#endif
