#include "model/SourceFileReader.h"

#include <fstream>
#include <set>

#include "model/FilenameProxy.h"
#include "model/P_ClientNotifiers.h"
#include "model/P_DebugKeywords.h"
#include "model/P_OutputFile.h"
#include "util/U_Assert.h"

namespace {

struct SourceReaderState {
  std::set<SourceFileReader::SourceClient> clients;
  std::set<SourceFileReader::EndClient> endClients;
  std::vector<U_BPtr<P_Source>> sources;
  std::ofstream log;
};

SourceReaderState& state() {
  static SourceReaderState s;
  return s;
}

}  // namespace

P_Source::P_Source(int count, int total, const U_BPtr<FilenameProxy>& file)
    : m_count(count), m_total(total), m_file(file) {}

P_Source::~P_Source() = default;

void SourceFileReader::setup() {
  SourceReaderState& s = state();
  if (s.log.is_open() || !P_isSourceLogOn()) return;
  const U_String path = P_getSourceLogFile();
  if (path.empty()) return;
  s.log.open(path, std::ios::out | std::ios::trunc);
}

void SourceFileReader::processFile(int count, int total, const QL_Filename& file) {
  SourceReaderState& s = state();
  U_BPtr<P_Source> source(new P_Source(count, total, FilenameProxy::create(file)));
  if (s.log.is_open()) {
    s.log << "File: " << count << "/" << total << " " << "Name: "
          << source->getFilename()->getAbsPath() << "\n";
  }
  if (s.clients.empty()) return;
  s.sources.push_back(source);
  U_notifyClients(s.clients, P_SourceClient::notifyClient{source.pointer()});
}

void SourceFileReader::cleanup() {
  SourceReaderState& s = state();
  if (s.log.is_open()) s.log.close();
}

void SourceFileReader::configure(SourceClient client) {
  if (client != nullptr) state().clients.insert(client);
}

void SourceFileReader::configureOnEnd(EndClient client) {
  if (client != nullptr) state().endClients.insert(client);
}

void SourceFileReader::processEnd() {
  U_notifyClients(state().endClients, P_NoArgClient::notifyClient{});
}

const std::vector<U_BPtr<P_Source>>& SourceFileReader::getSources() { return state().sources; }

void SourceFileReader::reset() {
  SourceReaderState& s = state();
  s.clients.clear();
  s.endClients.clear();
  s.sources.clear();
}

void P_configureOnSource(bool (*client)(P_Source*)) { SourceFileReader::configure(client); }

void P_configureOnEndSources(void (*client)()) { SourceFileReader::configureOnEnd(client); }

const char* P_getSourceFilename(P_Source* src) {
  U_ASSERT(0 != src && "Dont dereference 0.");
  return src->getFilename()->getAbsPath();
}

bool P_isSourceCrossModuleFilename(P_Source* src) {
  U_ASSERT(0 != src && "Dont dereference 0.");
  return src->getFilename()->getFilename() == P_OutputFile::getSource();
}
