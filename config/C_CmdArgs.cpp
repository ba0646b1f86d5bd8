#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "config/C_ArgSources.h"
#include "config/C_CmdArgs.h"
#include "config/C_Exceptions.h"
#include "config/C_ProductConfigs.h"
#include "intl/QL_LocalEncoding.h"

U_BPtr<C_CmdArgs> C_CmdArgs::m_global;

C_CmdArgs::C_CmdArgs(const char* product, int count, const char* const* words) : C_CmdArgs(product) {
  appendArgs(count, words);
}

C_CmdArgs::C_CmdArgs(const char* product) : m_productName(product ? product : "") {
  m_productIndex = C_getProductIndex(product);
  QL_getLocalEncoding();  // the encoding layer takes the locale's encoding now
  m_options = new C_Options(this);
}

C_CmdArgs::C_CmdArgs(const C_CmdArgs& other)
    : U_Ref(),
      m_arguments(other.m_arguments),
      m_productName(other.m_productName),
      m_productIndex(other.m_productIndex),
      m_options(new C_Options(*other.m_options)) {
  m_options->setCmdArgs(this);
}

C_CmdArgs::~C_CmdArgs() = default;

void C_CmdArgs::appendArgs(int count, const char* const* words) {
  for (int i = 0; words && i < count; ++i) m_arguments.emplace_back(words[i] ? words[i] : "");
  clearFlags();
}

void C_CmdArgs::appendArgs(const U_String& word) {
  m_arguments.push_back(word);
  clearFlags();
}

void C_CmdArgs::appendArgs(const std::vector<U_String>& words) {
  m_arguments.insert(m_arguments.end(), words.begin(), words.end());
  clearFlags();
}

void C_CmdArgs::setProductIndex(const char* product) {
  m_productIndex = C_getProductIndex(product);
  clearFlags();
}

int C_CmdArgs::getProduct() const {
  return isValidProduct() ? C_getProductTable()[m_productIndex].productId : 0;
}

const char* C_CmdArgs::getProductName() const {
  return m_productName.empty() ? nullptr : m_productName.c_str();
}

namespace {

// Command-line words come in the local encoding; every other source
// delivers the internal encoding, so they are converted here once.
std::vector<U_String> toInternal(const std::vector<U_String>& words) {
  std::vector<U_String> converted;
  converted.reserve(words.size());
  for (const U_String& w : words) converted.push_back(QL_String::create(w).get());
  return converted;
}

}  // namespace

// Sources are read top first: configuration file, rc file, command line.
void C_CmdArgs::process(C_OrphanHandler& handler) {
  if (m_processed) return;
  const ExtendedCharEncoding encoding = getLocalEncoding();
  const QL_String temporaryDirectory = C_ProductConfigs::getTemporaryDirectory(*this);
  U_XPtr<InputFileTranslator> configuration;
  if (isValidProduct()) {
    const C_ProductRow& row = C_getProductTable()[m_productIndex];
    if (const char* bin = std::getenv(row.binVariable))
      configuration = C_ProductConfigs::readConfiguration(encoding, temporaryDirectory, bin, row.configName,
                                                          row.configItems, true);
  }
  C_clearMainSourceFileCache();

  C_CmdArgParser parser(true);
  parser.push(new C_ArgvSource(toInternal(m_arguments)));
  if (isValidProduct())
    parser.push(new C_FileSource(C_ProductConfigs::getRCFile(*this), encoding, temporaryDirectory));
  if (configuration.isSet()) parser.push(new C_FileSource(configuration));

  C_CmdArgStreamBuffer buffer(parser, encoding, temporaryDirectory);
  std::istream in(&buffer);
  process(in, handler);
  m_processed = true;

  const C_OptionFilename& crossModule = C_getArgCrossModAnlFile(*m_options);
  if (crossModule.isSet() && !crossModule.str().empty())
    C_addMainSourceFile(QL_Filename::create(crossModule.str()).getHandle());
}

void C_CmdArgs::process(std::istream& in, C_OrphanHandler& handler) {
  int& current = C_currentProductIndex();
  const int saved = current;
  current = m_productIndex;
  m_valid = false;
  try {
    processArguments(*this, in, handler);
  } catch (...) {
    current = saved;
    throw;
  }
  m_valid = true;
  current = saved;
}

void C_CmdArgs::assignToGlobalOptions() const {
  U_BPtr<C_CmdArgs> copy(new C_CmdArgs(*this));
  copy->m_valid = m_valid;
  copy->m_processed = m_processed;
  m_global = copy;
  C_currentProductIndex() = m_productIndex;
  C_clearSuppressedFileCache();
  // A valid encoding option decides the local encoding of the run.
  const ExtendedCharEncoding named = QL_encodingFromName(C_getArgEncoding(*m_options).str());
  if (named != eceInvalid) QL_setLocalEncoding(named);
}

C_CmdArgs& C_CmdArgs::getGlobal() {
  if (!m_global.isSet()) m_global = new C_CmdArgs("");
  return *m_global;
}

ExtendedCharEncoding C_CmdArgs::getLocalEncoding() { return QL_getLocalEncoding(); }

ExtendedCharEncoding C_CmdArgs::getCmdLocalEncoding() const {
  const ExtendedCharEncoding named = QL_encodingFromName(C_getArgEncoding(*m_options).str());
  return named != eceInvalid ? named : getLocalEncoding();
}

void C_CmdArgs::displaySettings() const {
  assignToGlobalOptions();
  argDisplaySettings(stdout);
}

void C_CmdArgs::displayHelp() const {
  assignToGlobalOptions();
  cfgDisplayHelp();
}

void C_CmdArgs::validateCommandline(const C_OrphanHandler& handler, bool requireFiles) const {
  if (!isValidProduct()) {
    std::fputs("\n\nERROR: This executable must not be renamed!\n\n", stderr);
    throw C_ConfigurationException(U_String());
  }
  if (C_getWantHelp(*m_options)) {
    displayHelp();
    throw C_ConfigurationException(U_String());
  }
  if (C_getWantSettings(*m_options)) {
    assignToGlobalOptions();
    std::fputs("Current option settings:\n", stdout);
    argDisplaySettings(stdout);
    throw C_ConfigurationException(U_String());
  }
  if (requireFiles && handler.empty()) {
    assignToGlobalOptions();
    std::fputs("Current option settings:\n", stderr);
    argDisplaySettings(stderr);
    throw C_ConfigurationException(U_String());
  }
}
