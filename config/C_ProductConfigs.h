#ifndef CONFIG_C_PRODUCTCONFIGS_H
#define CONFIG_C_PRODUCTCONFIGS_H

#include "config/C_ConfigItems.h"
#include "intl/InputFileTranslator.h"
#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "util/ExtendedCharEncoding.h"
#include "util/U_Filename.h"
#include "util/U_String.h"
#include "util/U_XPtr.h"

class C_CmdArgs;
class U_Location;

// Product names and bases used in texts and file names.
#define KTL_BASE "ktl"
#define KTL_PRODUCT "KTL"
#define KTLPP_BASE "ktl++"
#define KTLPP_PRODUCT "KTL++"
#define MRV_BASE "mrv"
#define MRV_PRODUCT "MRV"

// One row of the product table.
struct C_ProductRow {
  int productId;              // 0 in the row that ends the table
  const char* name;           // "KTLPP"
  const char* binVariable;    // "KTLPPBIN"
  const char* helpVariable;   // "KTLPPHELPFILES"
  const char* configName;     // "ktlpp": the configuration file is ktlpp.cfg
  const sCfgDef* configItems;
  const char* rcName;         // "ktlpp": the rc file is .ktlpprc
  const char* outPathVariable;
  const char* lowerName;
  const char* tempVariable;
};

// The four products in row order (KTLPP, KTL, MRV, ZNT), then a row whose
// product id is 0.
const C_ProductRow* C_getProductTable();

// Where the products differ.  Each lookup takes a command line or, without
// one, uses the global command line.
class C_ProductConfigs {
 public:
  static const char* getKeyName(const C_CmdArgs& cmdArgs);
  static const char* getKeyName();
  static const char* getConfigName(const C_CmdArgs& cmdArgs);
  static const char* getConfigName();
  static const char* getBinEnvVariable(const C_CmdArgs& cmdArgs);
  static const char* getBinEnvVariable();
  static const char* getHelpEnvVariable(const C_CmdArgs& cmdArgs);
  static const char* getHelpEnvVariable();

  // The product's bin directory; throws C_ConfigurationException naming
  // the variable when it is not set.
  static U_String getBinDirectory(const C_CmdArgs& cmdArgs);
  static U_String getBinDirectory();
  // The outputpath option, else the product's output-path variable, else ".".
  static QL_String getOutputPath(const C_CmdArgs& cmdArgs);
  static QL_String getOutputPath();
  // A directory where temporary files can be made; throws U_Exception with
  // the directories tried when there is none.
  static QL_String getTemporaryDirectory(const C_CmdArgs& cmdArgs);
  static QL_String getTemporaryDirectory();
  // The user's rc file (.ktlpprc for KTLPP) or an empty text.
  static QL_String getRCFile(const C_CmdArgs& cmdArgs);
  static QL_String getRCFile();
  // The encoding named by the encoding option, else the local encoding.
  static ExtendedCharEncoding getFileEncoding(const C_CmdArgs& cmdArgs);
  static ExtendedCharEncoding getFileEncoding();
  static ExtendedCharEncoding getLocaleEncoding();

  // Files of the product installation (empty texts when the bin directory
  // is not set).
  static U_String getResourceDir(const C_CmdArgs& cmdArgs);
  static U_String getResourceDir();
  static U_String getMessageFilename(const C_CmdArgs& cmdArgs);
  static U_String getMessageFilename();
  static U_String getUserMessageFilename(const C_CmdArgs& cmdArgs);
  static U_String getUserMessageFilename();
  static U_String getHelpPath(const C_CmdArgs& cmdArgs);
  static U_String getHelpPath();
  static U_String getUserHelpPath(const C_CmdArgs& cmdArgs);
  static U_String getUserHelpPath();
  // The implicit header "implicit.h" in the bin directory.
  static U_String getImplicitFile(const C_CmdArgs& cmdArgs);
  static U_String getImplicitFile();

  // Reads the product configuration file (configName.cfg in binDirectory)
  // up to its options section, storing the items it sets.  Returns the
  // file positioned after the options header (or at its end), or an empty
  // pointer when it cannot be opened.
  static U_XPtr<InputFileTranslator> readConfiguration(ExtendedCharEncoding encoding,
                                                       const QL_String& temporaryDirectory,
                                                       const char* binDirectory,
                                                       const char* configName,
                                                       const sCfgDef* items,
                                                       bool expandVariables);
};

// The main-source-file register: the files given to the run (and the
// implicit header).
void C_addMainSourceFile(const U_Filename& file);
void C_clearMainSourceFileCache();
bool C_isMainSourceFile(const C_CmdArgs& cmdArgs, const U_Filename& file);
bool C_isMainSourceFile(const U_Filename& file);
bool C_isMainSourceFile(const QL_Filename& file);
bool C_isMainSourceFile(const U_Location& location);

// True when the file is not a main source file and an entry of the quiet
// option covers it: the same file, a directory above it, or a shell
// pattern matching its full path.
bool C_isSuppressedFile(const C_CmdArgs& cmdArgs, const U_Filename& file);
bool C_isSuppressedFile(const U_Filename& file);
bool C_isSuppressedFile(const QL_Filename& file);
bool C_isSuppressedFile(const C_CmdArgs& cmdArgs, const QL_Filename& file);
bool C_isSuppressedFile(const U_Location& location);
bool C_isSuppressedFile(const C_CmdArgs& cmdArgs, const U_Location& location);
// Forgets the cached answers (done whenever a command line becomes global).
void C_clearSuppressedFileCache();

#endif
