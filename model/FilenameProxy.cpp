#include "model/FilenameProxy.h"

#include <map>
#include <string_view>
#include <unordered_map>

#include "intl/QL_String.h"
#include "model/P_UniqueStr.h"
#include "util/U_FileStat.h"

namespace {

using ProxyMap = std::map<QL_Filename, U_BPtr<FilenameProxy>>;

ProxyMap& proxies() {
  static ProxyMap* map = new ProxyMap();  // proxies live for the whole run
  return *map;
}

// Looked up by the record's own text, without building a key string.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
};
using ProxyByText = std::unordered_map<U_String, U_BPtr<FilenameProxy>, TextHash, std::equal_to<>>;

ProxyByText& proxiesByText() {
  static ProxyByText* map = new ProxyByText();  // proxies live for the whole run
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

// Resolving a name to its real path asks the file system for every
// component, and every unit names the same few headers in its include and
// define records; so each record text is resolved once per run.
U_BPtr<FilenameProxy> FilenameProxy::createFromText(std::string_view file) {
  ProxyByText& known = proxiesByText();
  auto it = known.find(file);
  if (it != known.end()) return it->second;
  U_String normalised = U_FileStat::getNormalisedFilename(U_String(file));
  // Record text is already in the internal encoding, whatever the run's
  // local encoding is.
  U_BPtr<FilenameProxy> proxy = create(QL_Filename::create(QL_String::create(normalised, eceEUC)));
  known.emplace(U_String(file), proxy);
  return proxy;
}
