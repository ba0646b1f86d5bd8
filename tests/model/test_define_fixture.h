#ifndef TESTS_MODEL_TEST_DEFINE_FIXTURE_H
#define TESTS_MODEL_TEST_DEFINE_FIXTURE_H

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "model/DefineHandler.h"
#include "model/IdentifierFields.h"
#include "model/SymbolTable.h"
#include "model/TemplateTable.h"

// Feeds DEFINE records through DefineHandler into tables of its own and
// records every client call as "kind:output name".
class DefineHandlerTest : public ::testing::Test {
 public:
  static std::vector<std::string>& calls() {
    static std::vector<std::string> c;
    return c;
  }
  static bool& recording() {
    static bool on = false;
    return on;
  }

 protected:
  void SetUp() override {
    static bool registered = false;
    if (!registered) {
      DefineHandler::configureOnNewSymbol(&onNew);
      DefineHandler::configureOnProjRedecl(&onProj);
      DefineHandler::configureOnDefinition(&onDef);
      DefineHandler::configureOnTemplateDefinition(&onTemplate);
      registered = true;
    }
    calls().clear();
    recording() = true;
    DefineHandler::setSymbolTable(symbols);
    DefineHandler::setTemplateTable(templates);
  }
  void TearDown() override {
    recording() = false;
    DefineHandler::setSymbolTable(P_getSymbolTable());
    DefineHandler::setTemplateTable(getTemplateTable());
    SymbolTable::setShowSymbolErrors(false);
  }

  // Starts the records of another analysed file.
  void nextFile() { symbols.clearInternSyms(); }
  void feed(const std::string& line) { DefineHandler::handleLine(line); }
  void feedFile(const std::string& path) {
    std::ifstream in(path);
    ASSERT_TRUE(in.good()) << path;
    std::string line;
    while (std::getline(in, line)) {
      if (line.rfind("<DEFINE>", 0) == 0) feed(line);
    }
  }

  static std::string out(const char* internal) { return IdentifierFields::getFullname(internal); }

  SymbolTable symbols;
  TemplateTable templates;

 private:
  static void note(const char* kind, P_Define* d) {
    if (recording()) calls().push_back(std::string(kind) + ":" + out(d->getName()));
  }
  static void onNew(P_Symbol*, P_Define* d) { note("new", d); }
  static void onProj(P_Symbol*, P_Define* d) { note("proj", d); }
  static void onDef(P_Symbol*, P_Define* d) { note("def", d); }
  static void onTemplate(P_Define* d) { note("tmpl", d); }
};

#endif
