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

  const auto& registry = handlerRegistry();
  for (; !records.atEnd(); ++records) {
    const auto entry = registry.find(records->tagText());
    if (entry == registry.end()) continue;
    if (entry->second.size() == 1) {
      (*entry->second.begin())(records->lineText());
    } else {
      dispatch(records->tagText(), records->lineText());
    }
  }
  records.close();
}

void MetricFileReader::processEnd(SymbolTable& symbolTable) {
  DefineHandler::setSymbolTable(symbolTable);
  U_notifyClients(endClients(), P_NoArgClient::notifyClient{});
}
