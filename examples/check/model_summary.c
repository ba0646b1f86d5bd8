/*
 * model_summary - an example check for the post-analysis library.
 *
 * Usage: model_summary PRODUCT ARGUMENT-FILE
 *
 * The argument file holds what the generator would be given after the
 * product: the analyser's settings (for example "-op out") and the
 * analysed source files.  The check registers its clients, lets the
 * library read the analyser's record files, and at the end of the analysis
 * prints a plain-text summary of the model: the files read, the number of
 * symbols, the templates with their specialisations, and the include tree.
 */
#include <stdio.h>
#include <string.h>

#include <tukpal/PI_Interface.h>

static int g_newSymbols;
static int g_definitions;
static int g_sources;

/* The last path component, so that the summary reads the same wherever
 * the project lies. */
static const char* baseName(const char* path) {
  const char* slash = strrchr(path, '/');
  return slash ? slash + 1 : path;
}

static bool onSource(P_Source* src) {
  ++g_sources;
  printf("file %d: %s\n", g_sources, baseName(PI_getSourceFilename(src)));
  return true;
}

static void onNewSymbol(P_Symbol* sym, P_Define* def) {
  (void)sym;
  (void)def;
  ++g_newSymbols;
}

static void onDefinition(P_Symbol* sym, P_Define* def) {
  (void)sym;
  (void)def;
  ++g_definitions;
}

/* The display form of a define's name. */
static const char* displayName(P_Define* def) {
  return PI_getOutputString(PI_getDefineQualName(def));
}

static void printSymbolLine(const char* kind, P_Symbol* sym) {
  P_Define* def = PI_getSymbolCurrentDefine(sym);
  if (def == NULL) return;
  printf("    %s %s (line %d)\n", kind, displayName(def), PI_getDefineLine(def));
}

static void printSpecialisations(const char* kind, PI_SymbolIterHan it) {
  while (!PI_isSymbolIterEnd(it)) {
    printSymbolLine(kind, PI_getSymbolIterData(it));
    PI_getSymbolIterNext(it);
  }
}

static void printTemplate(P_Template* tmpl) {
  P_Define* primary = PI_getSymbolCurrentDefine(PI_getTemplatePrimaryTemplate(tmpl));
  PI_TemplateIterHan partial;
  if (primary == NULL) return;
  printf("  template %s (%s)\n", displayName(primary),
         PI_isDefineDefinition(primary) ? "defined" : "declared only");
  partial = PI_getTemplateFirstPartialSpec(tmpl);
  while (!PI_isTemplateIterEnd(partial)) {
    P_Symbol* sym = PI_getTemplatePrimaryTemplate(PI_getTemplateIterData(partial));
    printSymbolLine("partial", sym);
    PI_getTemplateIterNext(partial);
  }
  printSpecialisations("explicit", PI_getTemplateFirstExplicitSpec(tmpl));
  printSpecialisations("implicit", PI_getTemplateFirstImplicictSpec(tmpl));
}

/* Counts the symbols of the table, and among them the defining ones. */
static void printSymbols(void) {
  int symbols = 0;
  PI_SymbolIterHan it = PI_getFirstSymbol();
  while (!PI_isSymbolIterEnd(it)) {
    ++symbols;
    PI_getSymbolIterNext(it);
  }
  printf("symbols: %d (new-symbol events %d, definition events %d)\n", symbols, g_newSymbols,
         g_definitions);
}

static void printTemplates(void) {
  PI_TemplateIterHan it = PI_getFirstTemplate();
  printf("templates:\n");
  while (!PI_isTemplateIterEnd(it)) {
    printTemplate(PI_getTemplateIterData(it));
    PI_getTemplateIterNext(it);
  }
}

static void printIncludes(void) {
  PI_RelationIncludeIterHan it = PI_getFirstRelationInclude();
  printf("includes:\n");
  while (!PI_isRelationIncludeIterEnd(it)) {
    P_RelationInclude* inc = PI_getRelationIncludeIterData(it);
    printf("  %s:%d -> %s%s\n", baseName(PI_getRelationIncludeObject(inc)),
           PI_getRelationIncludeLine(inc), baseName(PI_getRelationIncludeSubject(inc)),
           PI_isRelationIncludeSystemHeader(inc) ? " (system)" : "");
    PI_getRelationIncludeIterNext(it);
  }
}

static void onEnd(void) {
  printSymbols();
  printTemplates();
  printIncludes();
}

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: %s PRODUCT ARGUMENT-FILE\n", argv[0]);
    return 2;
  }
  PI_configureOnSource(onSource);
  PI_configureOnNewSymbol(onNewSymbol);
  PI_configureOnDefinition(onDefinition);
  PI_configureNeedRelationInclude();
  PI_configureOnEnd(onEnd);
  if (!PI_Initialise(argv[1], argv[2])) {
    fprintf(stderr, "%s: the analysis could not be read\n", argv[0]);
    return 1;
  }
  return 0;
}
