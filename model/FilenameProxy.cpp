#include "model/FilenameProxy.h"

#include <map>

#include "intl/QL_String.h"
#include "model/P_UniqueStr.h"
#include "util/U_FileStat.h"

namespace {

using ProxyMap = std::map<QL_Filename, U_BPtr<FilenameProxy>>;

ProxyMap& proxies() {
  static ProxyMap* map = new ProxyMap();  // proxies live for the whole run
  return *map;
}

}  // namespace

FilenameProxy::FilenameProxy(const QL_Filename& file) : m_file(file) {
  const U_String& path = file.str();
  if (U_FileStat::isAbsolute(path)) {
    m_absPath = P_createUniqueStr(path);
  } else {
    m_absPath = P_createUniqueStr(U_FileStat::join(U_FileStat::getCurrentDir(), path));
  }
}

U_BPtr<FilenameProxy> FilenameProxy::create(const QL_Filename& file) {
  ProxyMap& map = proxies();
  auto it = map.find(file);
  if (it != map.end()) return it->second;
  U_BPtr<FilenameProxy> proxy(new FilenameProxy(file));
  map.emplace(file, proxy);
  return proxy;
}

U_BPtr<FilenameProxy> FilenameProxy::createFromText(const U_String& file) {
  U_String normalised = U_FileStat::getNormalisedFilename(file);
  // Record text is already in the internal encoding, whatever the run's
  // local encoding is.
  return create(QL_Filename::create(QL_String::create(normalised, eceEUC)));
}
