#include <cstdlib>
#include <unistd.h>

#include "config/C_CmdArgs.h"
#include "config/C_Exceptions.h"
#include "config/C_ProductConfigs.h"
#include "intl/QL_FileStat.h"
#include "util/U_Exception.h"
#include "util/U_FileStat.h"

namespace {

const C_ProductRow* rowOf(const C_CmdArgs& cmdArgs) {
  return cmdArgs.isValidProduct() ? &C_getProductTable()[cmdArgs.getProductIndex()] : nullptr;
}

const char* field(const C_CmdArgs& cmdArgs, const char* C_ProductRow::*member) {
  const C_ProductRow* row = rowOf(cmdArgs);
  return row ? row->*member : "";
}

const C_CmdArgs& global() { return C_CmdArgs::getGlobal(); }

// The value of an environment variable, or null when it is not set.
const char* env(const U_String& name) { return name.empty() ? nullptr : std::getenv(name.c_str()); }

// The bin directory without throwing: empty when it is not set.
U_String binDirectoryOrEmpty(const C_CmdArgs& cmdArgs) {
  const char* value = env(field(cmdArgs, &C_ProductRow::binVariable));
  return value ? U_FileStat::getNormalisedFilename(value) : U_String();
}

U_String inBinDirectory(const C_CmdArgs& cmdArgs, const U_String& name) {
  const U_String bin = binDirectoryOrEmpty(cmdArgs);
  return bin.empty() ? U_String() : U_FileStat::join(bin, name);
}

// A directory is usable when a temporary file can be made and removed in it.
bool isUsableTemporaryDirectory(const U_String& dir) {
  if (dir.empty() || !U_FileStat::isDirectory(dir)) return false;
  U_String pattern = U_FileStat::join(dir, "tukXXXXXX");
  int fd = mkstemp(pattern.data());
  if (fd < 0) return false;
  close(fd);
  return std::remove(pattern.c_str()) == 0;
}

// Throws a U_Exception whose text is message; U_Exception itself carries
// no text, so a user exception is used.
[[noreturn]] void failTemporaryDirectory(const U_String& message) { throw U_UserException(message); }

}  // namespace

const char* C_ProductConfigs::getKeyName(const C_CmdArgs& c) { return field(c, &C_ProductRow::name); }
const char* C_ProductConfigs::getKeyName() { return getKeyName(global()); }
const char* C_ProductConfigs::getConfigName(const C_CmdArgs& c) { return field(c, &C_ProductRow::configName); }
const char* C_ProductConfigs::getConfigName() { return getConfigName(global()); }
const char* C_ProductConfigs::getBinEnvVariable(const C_CmdArgs& c) { return field(c, &C_ProductRow::binVariable); }
const char* C_ProductConfigs::getBinEnvVariable() { return getBinEnvVariable(global()); }
const char* C_ProductConfigs::getHelpEnvVariable(const C_CmdArgs& c) {
  return field(c, &C_ProductRow::helpVariable);
}
const char* C_ProductConfigs::getHelpEnvVariable() { return getHelpEnvVariable(global()); }

U_String C_ProductConfigs::getBinDirectory(const C_CmdArgs& cmdArgs) {
  if (!cmdArgs.isValidProduct()) return U_String();
  const char* variable = getBinEnvVariable(cmdArgs);
  const char* value = env(variable);
  if (!value)
    throw C_ConfigurationException("\nERROR: " + U_String(variable) + " environment variable not found\n");
  return U_FileStat::getNormalisedFilename(value);
}
U_String C_ProductConfigs::getBinDirectory() { return getBinDirectory(global()); }

QL_String C_ProductConfigs::getOutputPath(const C_CmdArgs& cmdArgs) {
  const QL_String& option = C_getArgOutPath(cmdArgs.getOptions()).str();
  if (!option.empty()) return option;
  if (const char* value = env(field(cmdArgs, &C_ProductRow::outPathVariable)))
    return QL_FileStat::getNormalisedFilename(QL_String::create(value));
  return QL_String::create(".", eceNone);
}
QL_String C_ProductConfigs::getOutputPath() { return getOutputPath(global()); }

QL_String C_ProductConfigs::getTemporaryDirectory(const C_CmdArgs& cmdArgs) {
  U_String message = "Error finding temporary directory:\n";
  const char* productVariable = field(cmdArgs, &C_ProductRow::tempVariable);
  if (const char* value = env(productVariable)) {
    if (isUsableTemporaryDirectory(value)) return QL_String::create(value);
    message += "\tTried directory from environment variable " + U_String(productVariable) + ": " + value + "\n";
    failTemporaryDirectory(message);
  }
  if (const char* value = env("TMPDIR")) {
    if (isUsableTemporaryDirectory(value)) return QL_String::create(value);
    message += "\tTried directory from environment variable TMPDIR: " + U_String(value) + "\n";
  }
  const U_String fallback = "/var/tmp/";
  if (isUsableTemporaryDirectory(fallback)) return QL_String::create(fallback, eceNone);
  message += "\tTried directory: " + fallback + "\n";
  failTemporaryDirectory(message);
}
QL_String C_ProductConfigs::getTemporaryDirectory() { return getTemporaryDirectory(global()); }

// .ktlpprc is searched along KTLPPRCPATH when that is set, else in the
// working directory, then in HOME.
QL_String C_ProductConfigs::getRCFile(const C_CmdArgs& cmdArgs) {
  const C_ProductRow* row = rowOf(cmdArgs);
  if (!row) return QL_String();
  const U_String name = "." + U_String(row->rcName) + "rc";
  const U_String pathVariable = U_String(row->name) + "RCPATH";
  if (env(pathVariable)) return QL_String::create(U_FileStat::searchEnvPaths(pathVariable.c_str(), name));
  auto usable = [](const U_String& file) { return U_FileStat::isRegularFile(file) && U_FileStat::canRead(file); };
  const U_String inCwd = U_FileStat::join(U_FileStat::getCurrentDir(), name);
  if (usable(inCwd)) return QL_String::create(inCwd);
  if (const char* home = env("HOME")) {
    const U_String inHome = U_FileStat::join(U_FileStat::getNormalisedFilename(home), name);
    if (usable(inHome)) return QL_String::create(inHome);
  }
  return QL_String();
}
QL_String C_ProductConfigs::getRCFile() { return getRCFile(global()); }

ExtendedCharEncoding C_ProductConfigs::getFileEncoding(const C_CmdArgs& cmdArgs) {
  return cmdArgs.getCmdLocalEncoding();
}
ExtendedCharEncoding C_ProductConfigs::getFileEncoding() { return getFileEncoding(global()); }
ExtendedCharEncoding C_ProductConfigs::getLocaleEncoding() { return C_CmdArgs::getLocalEncoding(); }

U_String C_ProductConfigs::getResourceDir(const C_CmdArgs& c) { return binDirectoryOrEmpty(c); }
U_String C_ProductConfigs::getResourceDir() { return getResourceDir(global()); }

U_String C_ProductConfigs::getMessageFilename(const C_CmdArgs& c) {
  return inBinDirectory(c, U_String(getConfigName(c)) + ".msg");
}
U_String C_ProductConfigs::getMessageFilename() { return getMessageFilename(global()); }

// The usrfile option names the user's message file; else it is the
// product's message file name in the usrpath directory.
U_String C_ProductConfigs::getUserMessageFilename(const C_CmdArgs& c) {
  const QL_String& file = C_getArgUsrFile(c.getOptions()).str();
  if (!file.empty()) return file.get();
  const QL_String& path = C_getArgUsrPath(c.getOptions()).str();
  if (path.empty() || !c.isValidProduct()) return U_String();
  return U_FileStat::join(path.get(), U_String(getConfigName(c)) + ".msg");
}
U_String C_ProductConfigs::getUserMessageFilename() { return getUserMessageFilename(global()); }

U_String C_ProductConfigs::getHelpPath(const C_CmdArgs& c) {
  if (const char* value = env(getHelpEnvVariable(c))) return U_FileStat::getNormalisedFilename(value);
  return inBinDirectory(c, "help");
}
U_String C_ProductConfigs::getHelpPath() { return getHelpPath(global()); }

U_String C_ProductConfigs::getUserHelpPath(const C_CmdArgs& c) {
  const QL_String& path = C_getArgUsrPath(c.getOptions()).str();
  return path.empty() ? U_String() : U_FileStat::join(path.get(), "help");
}
U_String C_ProductConfigs::getUserHelpPath() { return getUserHelpPath(global()); }

U_String C_ProductConfigs::getImplicitFile(const C_CmdArgs& c) { return inBinDirectory(c, "implicit.h"); }
U_String C_ProductConfigs::getImplicitFile() { return getImplicitFile(global()); }
