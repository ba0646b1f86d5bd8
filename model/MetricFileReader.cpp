#include "model/MetricFileReader.h"

#include <map>
#include <set>
#include <vector>

#include "intl/QL_FileStat.h"
#include "intl/QL_Filename.h"
#include "messages/P_FileOpenException.h"
#include "model/DefineHandler.h"
#include "model/M_MetricIterator.h"
#include "model/P_ClientNotifiers.h"
#include "model/SymbolTable.h"

namespace {

using HandlerSet = std::set<MetricFileReader::Handler>;

// Tag to handlers.  Lookups by tag happen once per record, so the map is
// keyed by the plain text and searched without building a key.
std::map<U_String, HandlerSet, std::less<>>& handlerRegistry() {
  static std::map<U_String, HandlerSet, std::less<>> registry;
  return registry;
}

// The handlers of the last tag looked up.  Records of one tag come in long
// runs, and comparing the tag with the last one is cheaper than a search.
// The answer stays right while handlers are registered: map entries do not
// move, and a tag nobody reads cannot gain a handler before its next record,
// since only handlers run in between.
class TagLookup {
 public:
  const HandlerSet* find(const U_String& tag) {
    if (!m_known || tag != m_tag) {
      const auto& registry = handlerRegistry();
      const auto entry = registry.find(tag);
      m_handlers = entry == registry.end() ? nullptr : &entry->second;
      m_tag = tag;
      m_known = true;
    }
    return m_handlers;
  }

 private:
  U_String m_tag;
  const HandlerSet* m_handlers = nullptr;
  bool m_known = false;
};

std::set<MetricFileReader::EndClient>& endClients() {
  static std::set<MetricFileReader::EndClient> clients;
  return clients;
}

QL_String filenameText(const QL_Filename& name) {
  return name.getQLString();
}

}  // namespace

void MetricFileReader::configure(const char* tag, Handler handler) {
  if (tag == nullptr || handler == nullptr) return;
  handlerRegistry()[tag].insert(handler);
}

void MetricFileReader::configureOnEnd(EndClient client) {
  if (client != nullptr) endClients().insert(client);
}

void P_configureOnEndMetrics(void (*client)()) { MetricFileReader::configureOnEnd(client); }

bool MetricFileReader::isTagRead(const char* tag) {
  return tag != nullptr && handlerRegistry().count(std::string_view(tag)) != 0;
}

void MetricFileReader::dispatch(const U_String& tag, const U_String& line) {
  const auto& registry = handlerRegistry();
  const auto entry = registry.find(tag);
  if (entry == registry.end()) return;
  U_callClients(entry->second, line);
}

void MetricFileReader::processFile(const QL_Filename& directory, const QL_Filename& source,
                                   SymbolTable& symbolTable) {
  const QL_String recordName = M_formMetFilename(filenameText(directory), filenameText(source));
  const QL_Filename recordFile = QL_Filename::create(recordName);

  M_MetricIterator records;
  if (!records.open(filenameText(recordFile))) throw P_FileOpenException(recordFile);

  DefineHandler::setSymbolTable(symbolTable);
  symbolTable.clearInternSyms();

  TagLookup lookup;
  for (; !records.atEnd(); ++records) {
    const HandlerSet* handlers = lookup.find(records->tagText());
    if (handlers == nullptr) continue;
    if (handlers->size() == 1) {
      (*handlers->begin())(records->lineText());
    } else {
      dispatch(records->tagText(), records->lineText());
    }
  }
  // A file that breaks off with a read error is reported like one that
  // does not open; the records read before the error stay.
  const bool broken = records.hasReadError();
  records.close();
  if (broken) throw P_FileOpenException(recordFile);
}

void MetricFileReader::processEnd(SymbolTable& symbolTable) {
  DefineHandler::setSymbolTable(symbolTable);
  U_notifyClients(endClients(), P_NoArgClient::notifyClient{});
}
