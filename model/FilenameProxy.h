#ifndef MODEL_FILENAMEPROXY_H
#define MODEL_FILENAMEPROXY_H

#include <string_view>

#include "intl/QL_Filename.h"
#include "util/U_BPtr.h"
#include "util/U_Ref.h"
#include "util/U_String.h"

// The single shared handle of one source file name.  Defines, sources and
// include relations point to it, so two records name the same file exactly
// when they hold the same proxy.
class FilenameProxy : public U_Ref {
 public:
  // The proxy of a file name, created on first use.
  static U_BPtr<FilenameProxy> create(const QL_Filename& file);
  // The proxy of a file name as written in a record: normalised, resolved to
  // its real path, then as create(QL_Filename).
  // The result for each text is kept for the run.
  static U_BPtr<FilenameProxy> createFromText(std::string_view file);

  const QL_Filename& getFilename() const { return m_file; }
  // Interned absolute path text of the file.
  const char* getAbsPath() const { return m_absPath; }

 private:
  explicit FilenameProxy(const QL_Filename& file);

  QL_Filename m_file;
  const char* m_absPath;
};

// Orders proxies by their interned absolute path pointer.
struct FilenameProxyPtrCompare {
  bool operator()(const U_BPtr<FilenameProxy>& a, const U_BPtr<FilenameProxy>& b) const {
    return a->getAbsPath() < b->getAbsPath();
  }
};

#endif
