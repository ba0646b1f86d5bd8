/*
 * library_mode_check - a check written as a third party would write it,
 * against the library's C header only, exercising library mode.
 *
 * Usage: library_mode_check SCENARIO PROJECT-DIR ARGUMENT-FILE
 *
 * Runs PI_Initialise for product ktlpp in PROJECT-DIR and checks the
 * promise of the interface the scenario (warn, guard, twice, noread) names;
 * exits 0 when it is kept, 1 (with a line on standard error) when not.
 */
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <tukpal/PI_Interface.h>

static int g_failures;
static int g_endCalls;
static int g_symbols;

#define CHECK(cond)                                                   \
  do {                                                                \
    if (!(cond)) {                                                    \
      fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #cond); \
      ++g_failures;                                                   \
    }                                                                 \
  } while (0)

static void onNewSymbol(P_Symbol* sym, P_Define* def) { (void)sym, (void)def, ++g_symbols; }

static void countEnd(void) { ++g_endCalls; }

/* Message 1540 takes the name of a file that could not be opened. */
static void warnAtEnd(void) {
  P_Diagnostic* diag = PI_createDiagnosticWithCol(1540, "src/main.cpp", 7, 3);
  PI_addDiagnosticParamName(diag, "from-the-check.met");
  PI_warn(diag);
  ++g_endCalls;
}

/* Every call here fails inside the library; each must come back. */
static void failingCallsAtEnd(void) {
  PI_SymbolIterHan bogus = {4096};
  PI_OptionIterHan options;
  PI_SymbolIterHan explicits;
  int rounds = 0;

  CHECK(PI_getPALOutputPath(2) == NULL);
  CHECK(PI_getScopeEnclSymbol(NULL) == NULL);
  CHECK(PI_isSymbolIterEnd(bogus) == 1);
  CHECK(PI_getSymbolIterData(bogus) == NULL);
  CHECK(PI_getSymbolIterNext(bogus) == 1);
  CHECK(PI_getDefineLine(NULL) == 0);
  CHECK(PI_isDefineClass(NULL) == 0);
  CHECK(PI_getDefineQualName(NULL) == NULL);
  CHECK(PI_getDiagnosticAsString(NULL, "%t") == NULL);
  /* A loop whose start failed is over at once. */
  for (options = PI_getFirstOption(NULL); !PI_isOptionIterEnd(options) && rounds < 3;
       PI_getOptionIterNext(options))
    ++rounds;
  for (explicits = PI_getTemplateFirstExplicitSpec(NULL); !PI_isSymbolIterEnd(explicits) && rounds < 3;
       PI_getSymbolIterNext(explicits))
    ++rounds;
  CHECK(rounds == 0);
  ++g_endCalls;
}

/* A diagnostic of an end client reaches standard output. */
static void scenarioWarn(const char* via) {
  /* Before PI_Initialise there is no output: reported, not fatal. */
  PI_warn(PI_createDiagnostic(1540, "src/main.cpp", 1));
  PI_configureOnNewSymbol(onNewSymbol);
  PI_configureOnEnd(warnAtEnd);
  CHECK(PI_Initialise("ktlpp", via) == 1);
  CHECK(g_endCalls == 1);
}

static void scenarioGuard(const char* via) {
  PI_configureOnNewSymbol(onNewSymbol);
  PI_configureOnEnd(failingCallsAtEnd);
  CHECK(PI_Initialise("ktlpp", via) == 1);
  CHECK(g_endCalls == 1);
  /* And outside any run. */
  CHECK(PI_getPALCrossModuleFilename(7) == NULL);
  CHECK(PI_getTemplatePrimaryTemplate(NULL) == NULL);
}

/* A second PI_Initialise is refused and reads nothing. */
static void scenarioTwice(const char* via) {
  int symbolsOfFirstRun;
  PI_configureOnNewSymbol(onNewSymbol);
  PI_configureOnEnd(countEnd);
  CHECK(PI_Initialise("ktlpp", via) == 1);
  symbolsOfFirstRun = g_symbols;
  CHECK(symbolsOfFirstRun > 0);
  CHECK(PI_Initialise("ktlpp", via) == 0);
  CHECK(g_symbols == symbolsOfFirstRun);
  CHECK(g_endCalls == 1);
}

/* No record file can be read: PI_Initialise answers 0, no end client runs. */
static void scenarioNoRead(const char* via) {
  PI_configureOnNewSymbol(onNewSymbol);
  PI_configureOnEnd(countEnd);
  CHECK(PI_Initialise("ktlpp", via) == 0);
  CHECK(g_endCalls == 0);
  CHECK(g_symbols == 0);
}

int main(int argc, char** argv) {
  const char* scenario;
  if (argc != 4) {
    fprintf(stderr, "usage: %s SCENARIO PROJECT-DIR ARGUMENT-FILE\n", argv[0]);
    return 2;
  }
  scenario = argv[1];
  if (chdir(argv[2]) != 0) {
    perror(argv[2]);
    return 2;
  }
  if (strcmp(scenario, "warn") == 0) scenarioWarn(argv[3]);
  else if (strcmp(scenario, "guard") == 0) scenarioGuard(argv[3]);
  else if (strcmp(scenario, "twice") == 0) scenarioTwice(argv[3]);
  else if (strcmp(scenario, "noread") == 0) scenarioNoRead(argv[3]);
  else {
    fprintf(stderr, "unknown scenario %s\n", scenario);
    return 2;
  }
  fflush(stdout);
  return g_failures == 0 ? 0 : 1;
}
