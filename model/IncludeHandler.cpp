#include "model/IncludeHandler.h"

#include <algorithm>
#include <iostream>
#include <set>
#include <vector>

#include "model/MetricFileReader.h"
#include "util/U_NotifyClients.h"
#include "model/FilenameProxy.h"
#include "model/P_RecordCursor.h"
#include "model/RelationHandler.h"
#include "util/U_Assert.h"

namespace {

using ClientSet = std::set<RelationIncludeHandler::Client>;

ClientSet& includeClients() {
  static ClientSet clients;
  return clients;
}

// The include store: every include relation under its including file,
// equal keys in the order they came.  Entering each record into the tree as
// it comes costs a chain of cache misses at a scattered place of the tree
// per record (the tree's nodes are spread over the whole model).  So the
// records wait in arrival order until the store is next looked at, and are
// then entered as one batch in key order, each key's entries behind those it
// already has.
struct IncludeStore {
  P_RelationIncludeCont stored;
  std::vector<U_XPtr<P_RelationInclude>> pending;

  void enterPending() {
    if (pending.empty()) return;
    const auto keyOf = [](const U_XPtr<P_RelationInclude>& include) { return include->getObject()->getAbsPath(); };
    std::stable_sort(pending.begin(), pending.end(),
                     [&keyOf](const auto& a, const auto& b) { return std::less<>()(keyOf(a), keyOf(b)); });
    P_RelationIncludeCont::iterator behindKey = stored.end();
    const char* key = nullptr;
    for (const U_XPtr<P_RelationInclude>& include : pending) {
      if (keyOf(include) != key) {
        key = keyOf(include);
        behindKey = stored.upper_bound(include->getObject());
      }
      stored.emplace_hint(behindKey, include->getObject(), include);
    }
    pending.clear();
  }
};

IncludeStore& includeStore() {
  static IncludeStore store;
  return store;
}

void storeInclude(const U_XPtr<P_RelationInclude>& include) { includeStore().pending.push_back(include); }

uint32_t interpretIncludeFlags(std::string_view text) {
  uint32_t flags = 0;
  for (char c : text) {
    if (P_RecordCursor::isBlank(c) || c == '-') continue;
    if (c == 'S') {
      flags = P_InclFlagSystemHeader;
    } else if (RelationHandler::showRelationErrors()) {
      std::cout << "Undefined flag for relation record: " << c << "\n";
    }
  }
  return flags;
}

// The proxy of a file named in a record.  Consecutive include records
// mostly name the same including file, so the last one is remembered.
U_BPtr<FilenameProxy> proxyOf(std::string_view text) {
  static U_String lastText;
  static U_BPtr<FilenameProxy> lastProxy;
  if (!lastProxy.isSet() || text != lastText) {
    lastText.assign(text);
    lastProxy = FilenameProxy::createFromText(lastText);
  }
  return lastProxy;
}

}  // namespace

P_RelationInclude::P_RelationInclude(const U_BPtr<FilenameProxy>& object,
                                     const U_BPtr<FilenameProxy>& subject, int32_t line,
                                     uint32_t flags)
    : m_object(object), m_subject(subject), m_line(line), m_flags(flags) {}

P_RelationInclude::~P_RelationInclude() = default;

void RelationIncludeHandler::configure(Client client) {
  MetricFileReader::configure("R", &RelationHandler::handleLine);
  includeClients().insert(&storeInclude);
  if (client != nullptr) includeClients().insert(client);
}

void P_configureNeedRelationInclude() { RelationIncludeHandler::configure(&storeInclude); }

uint32_t RelationIncludeHandler::interpretFlags(std::istream& in) {
  const U_String rest{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return interpretIncludeFlags(rest);
}

// "<R>I "INCLUDING" "INCLUDED" LINE FLAGS".  Every complete record enters
// the include tree; the include clients see it afterwards.
void RelationIncludeHandler::handleLine(const U_String& line) {
  P_RecordCursor cursor(line);
  std::string_view tag, includingText, includedText;
  int32_t lineNumber = 0;
  if (!cursor.word(tag) || !cursor.quoted(includingText) || !cursor.quoted(includedText) ||
      includingText.empty() || includedText.empty() || !cursor.number(lineNumber)) {
    if (RelationHandler::showRelationErrors()) {
      std::cout << "Malformed relation record: " << line << "\n";
    }
    return;
  }
  const U_BPtr<FilenameProxy> including = proxyOf(includingText);
  const U_BPtr<FilenameProxy> included = proxyOf(includedText);
  const uint32_t flags = interpretIncludeFlags(cursor.rest());
  U_XPtr<P_RelationInclude> include(new P_RelationInclude(including, included, lineNumber, flags));

  IncludeTree::addInclude(P_getIncludeTreeCont(), *include);
  U_callClients(includeClients(), include);
}

P_RelationIncludeCont& P_getRelationIncludeCont() {
  IncludeStore& store = includeStore();
  store.enterPending();
  return store.stored;
}

const char* P_getRelationIncludeObject(P_RelationInclude* rel) {
  U_ASSERT(0 != rel && "Dont dereference 0.");
  return rel->getObject()->getAbsPath();
}

const char* P_getRelationIncludeSubject(P_RelationInclude* rel) {
  U_ASSERT(0 != rel && "Dont dereference 0.");
  return rel->getSubject()->getAbsPath();
}

int P_getRelationIncludeLine(P_RelationInclude* rel) {
  U_ASSERT(0 != rel && "Dont dereference 0.");
  return rel->getLine();
}

bool P_isRelationSystemHeader(P_RelationInclude* rel) {
  U_ASSERT(0 != rel && "Dont dereference 0.");
  return (rel->getFlags() & P_InclFlagSystemHeader) != 0;
}
