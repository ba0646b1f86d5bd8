#ifndef CONFIG_C_CMDARGS_H
#define CONFIG_C_CMDARGS_H

#include <istream>
#include <map>
#include <vector>

#include "config/C_Options.h"
#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "util/ExtendedCharEncoding.h"
#include "util/U_BPtr.h"
#include "util/U_Ref.h"
#include "util/U_String.h"

class C_CmdArgs;

// Receives the words of the command line that are not options.
class C_OrphanHandler {
 public:
  virtual ~C_OrphanHandler() = default;
  virtual void handleArg(C_CmdArgs& cmdArgs, const U_String& word) = 0;
  virtual bool empty() const = 0;
};

// Collects source file names, each with the output directory in force when
// its word was read, in first-seen order and without repeats.
class C_OrphanFileHandler : public C_OrphanHandler {
 public:
  using Map = std::map<QL_Filename, QL_String>;  // file -> output directory
  using Entries = std::vector<Map::const_iterator>;

  void handleArg(C_CmdArgs& cmdArgs, const U_String& word) override;
  bool empty() const override { return m_files.empty(); }

  // Walks the entries in first-seen order; (*it)->first is the file,
  // (*it)->second its output directory.
  Entries::const_iterator begin() const { return m_order.begin(); }
  Entries::const_iterator end() const { return m_order.end(); }
  size_t size() const { return m_order.size(); }

 private:
  // Resolves an output directory, reusing the last answer: most files
  // share the directory of the file before them.
  const QL_String& resolveDirectory(const QL_String& directory);

  Map m_files;
  Entries m_order;
  QL_String m_lastDirectory;
  QL_String m_lastResolved;
};

// The processed command line of one run: the product, the raw words and
// the options they set.
class C_CmdArgs : public U_Ref {
 public:
  C_CmdArgs(const char* product, int count, const char* const* words);
  explicit C_CmdArgs(const char* product);
  // Copies words, product and a deep copy of the options.
  C_CmdArgs(const C_CmdArgs& other);
  C_CmdArgs& operator=(const C_CmdArgs&) = delete;
  ~C_CmdArgs() override;

  void appendArgs(int count, const char* const* words);
  void appendArgs(const U_String& word);
  void appendArgs(const std::vector<U_String>& words);
  void setProductIndex(const char* product);

  int getProductIndex() const { return m_productIndex; }
  bool isValidProduct() const { return m_productIndex != -1; }
  // The product id of the product table (2 KTLPP, 1 KTL, 16 MRV, 4 ZNT), 0
  // for an unknown product.
  int getProduct() const;
  // The product name as given, or null when it is empty.
  const char* getProductName() const;
  const std::vector<U_String>& getArguments() const { return m_arguments; }
  C_Options& getOptions() const { return *m_options; }
  bool isValid() const { return isValidProduct() && m_valid; }

  // Reads the configuration file, the rc file, the command line and the
  // argument files named on the way, once.
  void process(C_OrphanHandler& handler);
  // One pass over a ready stream of words, one word per line.
  void process(std::istream& in, C_OrphanHandler& handler);

  // Makes a copy of this command line the process-wide one.
  void assignToGlobalOptions() const;
  // The process-wide command line (an empty one until one is assigned).
  static C_CmdArgs& getGlobal();
  static U_BPtr<C_CmdArgs> m_global;

  // The local encoding of the run.
  static ExtendedCharEncoding getLocalEncoding();
  // The encoding named by this command line's encoding option, else the
  // local encoding of the run.
  ExtendedCharEncoding getCmdLocalEncoding() const;

  // Makes this command line global, then writes the settings display to
  // standard output / the help lines to standard error.
  void displaySettings() const;
  void displayHelp() const;

  // Ends the run (C_ConfigurationException with an empty text, after
  // writing its message) for an unknown product, a help or settings
  // request, or a run without files when files are required.
  void validateCommandline(const C_OrphanHandler& handler, bool requireFiles) const;

 private:
  void clearFlags() { m_valid = m_processed = false; }

  std::vector<U_String> m_arguments;
  U_String m_productName;
  int m_productIndex = -1;
  U_BPtr<C_Options> m_options;
  bool m_valid = false;
  bool m_processed = false;
};

// The product-table row for a product name, or -1.  At most nine
// characters count, "+" stands for "P" and case is ignored.
int C_getProductIndex(const char* name);
// Stores C_getProductIndex(name) as the current product; true when known.
bool validateProduct(const char* name);
// The product whose option tables are in force (-1 when none).
int& C_currentProductIndex();

// Matches options against the current stream's words; see C_CmdArgs::process.
void processArguments(C_CmdArgs& cmdArgs, std::istream& in, C_OrphanHandler& handler);

struct C_OptionMapping;
// The option whose spelling is the longest case-insensitive prefix of text,
// with that spelling's length; null (and 0) when none.
C_OptionBase* matchArg(const C_CmdArgs& cmdArgs, const char* text, int& matchedLength,
                       const C_OptionMapping* table, int rows);
// The next word of the stream without a leading "="; throws
// C_ValueExpectedException naming optionName when there is none.
U_String expectArg(const U_String& optionName, std::istream& in);

// Writes the help lines of the product configuration to standard error.
void cfgDisplayHelp();

#endif
