#ifndef MODEL_INCLUDEHANDLER_H
#define MODEL_INCLUDEHANDLER_H

#include <cstdint>
#include <istream>
#include <map>

#include "model/FilenameProxy.h"
#include "util/U_BPtr.h"
#include "util/U_Location.h"
#include "util/U_String.h"
#include "util/U_XPtr.h"


// Flag bit of an include record: the included file is a system header.
constexpr uint32_t P_InclFlagSystemHeader = 256;

// One include record: `object` includes `subject` by the directive at
// `line` of `object`.
class P_RelationInclude {
 public:
  P_RelationInclude(const U_BPtr<FilenameProxy>& object, const U_BPtr<FilenameProxy>& subject,
                    int32_t line, uint32_t flags);
  ~P_RelationInclude();

  const U_BPtr<FilenameProxy>& getObject() const { return m_object; }
  const U_BPtr<FilenameProxy>& getSubject() const { return m_subject; }
  int32_t getLine() const { return m_line; }
  uint32_t getFlags() const { return m_flags; }

 private:
  U_BPtr<FilenameProxy> m_object;
  U_BPtr<FilenameProxy> m_subject;
  int32_t m_line;
  uint32_t m_flags;
};

// All stored includes, keyed by the including file.
using P_RelationIncludeCont =
    std::multimap<U_BPtr<FilenameProxy>, U_XPtr<P_RelationInclude>, FilenameProxyPtrCompare>;
// Every included file (interned absolute path) with the location of the
// directive that first included it; that location's own include location
// leads on outward to the main source file.
using P_IncludeTreeCont = std::map<const char*, U_Location>;

// Reads the include records ("<R>I ...").  Every include record enters the
// include tree; the registered include clients then see it.
class RelationIncludeHandler {
 public:
  using Client = void (*)(const U_XPtr<P_RelationInclude>& include);

  // Switches on the "R" records and adds `client`.  Any include client also
  // brings the include store with it, so include relations are kept in
  // every run that reads include records.
  static void configure(Client client);
  static void handleLine(const U_String& line);
  // The include flags of the characters remaining in `in`.
  static uint32_t interpretFlags(std::istream& in);
};

struct IncludeTree {
  // Enters the included file of `include` unless it is already there: the
  // first include of a file wins.
  static void addInclude(P_IncludeTreeCont& tree, const P_RelationInclude& include);
};

// Stores include relations for the query interface.
void P_configureNeedRelationInclude();

P_RelationIncludeCont& P_getRelationIncludeCont();
P_IncludeTreeCont& P_getIncludeTreeCont();
// The location of the directive that included `absName` (an interned
// absolute path), or an unset location when the file was never included.
U_Location P_getIncludeTree(const P_IncludeTreeCont& tree, const char* absName);
// The same lookup for a file name of the run (a real path), in the form the
// diagnostic layer asks for it (Diagnostic::configure).
U_Location P_getIncludeLocation(const U_Filename& file);

const char* P_getRelationIncludeObject(P_RelationInclude* rel);
const char* P_getRelationIncludeSubject(P_RelationInclude* rel);
int P_getRelationIncludeLine(P_RelationInclude* rel);
bool P_isRelationSystemHeader(P_RelationInclude* rel);

#endif
