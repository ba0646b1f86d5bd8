#include "model/P_MetricStore.h"

#include <map>
#include <utility>

#include "model/MetricFileReader.h"
#include "model/P_UniqueStr.h"

namespace {

struct MetricState {
  // (entity, metric name) -> interned value text
  std::map<std::pair<U_String, U_String>, const char*> values;
  U_String file;
  U_String entity;
};

MetricState& state() {
  static MetricState s;
  return s;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

void P_MetricStore::handleLine(const U_String& line) {
  // "<S>" NAME blanks VALUE; anything shorter is no metric record.
  if (line.size() <= 3) return;
  std::size_t nameEnd = 3;
  while (nameEnd < line.size() && !isBlank(line[nameEnd])) ++nameEnd;
  std::size_t valueStart = nameEnd;
  while (valueStart < line.size() && isBlank(line[valueStart])) ++valueStart;
  std::size_t valueEnd = line.size();
  while (valueEnd > valueStart && isBlank(line[valueEnd - 1])) --valueEnd;
  U_String name = line.substr(3, nameEnd - 3);
  U_String value = line.substr(valueStart, valueEnd - valueStart);
  if (name.empty()) return;

  MetricState& s = state();
  if (name == "STFIL") {
    s.file = value;
    s.entity = value;
  } else if (name == "STNAM") {
    s.entity = value;
  } else {
    s.values[{s.entity, name}] = P_createUniqueStr(value.c_str());
  }
}

void P_MetricStore::configure() { MetricFileReader::configure("S", &P_MetricStore::handleLine); }

const char* P_MetricStore::getValue(const char* entity, const char* metric) {
  if (entity == nullptr || metric == nullptr) return nullptr;
  const auto& values = state().values;
  auto it = values.find({U_String(entity), U_String(metric)});
  return it == values.end() ? nullptr : it->second;
}

const char* P_MetricStore::getGroupName() { return P_createUniqueStr(state().file.c_str()); }
