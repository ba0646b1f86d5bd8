// Reading of the product configuration file: sections of items up to the
// options section, whose words the command line reads next.
#include <cctype>
#include <cstdio>
#include <vector>

#include "config/C_ConfigFileReader.h"
#include "config/C_ProductConfigs.h"
#include "intl/InputFileTranslator.h"
#include "util/U_FileStat.h"

namespace {

// Where the next data line goes.
struct ItemCursor {
  const sCfgDef* current = nullptr;  // null: data lines are ignored
  int place = 0;
};

U_String sectionName(const U_String& line) {
  U_String name;
  for (size_t i = 1; i < line.size() && std::isalnum(static_cast<unsigned char>(line[i])); ++i) name += line[i];
  return name;
}

// The section entry (kind 0 or 5) whose name matches, compared without
// regard to case over the length of the entry's name (so "#messages" and
// "#Messages" both start the messages section); null when none.
const sCfgDef* findSection(const sCfgDef* items, const U_String& name) {
  for (const sCfgDef* e = items; e->kind != C_CFG_END; ++e) {
    if (e->kind != C_CFG_SECTION && e->kind != C_CFG_OPTIONS) continue;
    if (U_strnicmp(name.c_str(), e->name, U_String(e->name).size()) == 0) return e;
  }
  return nullptr;
}

template <class T>
void storeInPlace(void* target, int place, const T& value) {
  auto& list = *static_cast<std::vector<T>*>(target);
  if (list.size() <= static_cast<size_t>(place)) list.resize(static_cast<size_t>(place) + 1);
  list[static_cast<size_t>(place)] = value;
}

int readNumber(const U_String& line) {
  int value = 0;
  std::sscanf(line.c_str(), "%d", &value);
  return value;
}

// Stores one data line in the current item and moves on as its kind says.
void storeData(ItemCursor& cursor, U_String line, bool expandVariables) {
  const sCfgDef* item = cursor.current;
  if (!item) return;
  if (item->kind == C_CFG_SECTION || item->kind == C_CFG_OPTIONS || item->kind == C_CFG_END) {
    if (!line.empty() && line.back() == '\n') line.pop_back();
    std::printf("\nERROR: Unexpected configuration data: %s\n", line.c_str());
    return;
  }
  bool itemDone = true;
  switch (item->kind) {
    case C_CFG_TEXT:
      translateData(line, true, expandVariables, true);
      *static_cast<U_String*>(item->target) = line;
      break;
    case C_CFG_INT:
      *static_cast<int*>(item->target) = readNumber(line);
      break;
    case C_CFG_TEXTLIST:
      translateData(line, true, expandVariables, true);
      storeInPlace(item->target, cursor.place, line);
      itemDone = ++cursor.place >= item->count;
      break;
    case C_CFG_INTLIST:
      storeInPlace(item->target, cursor.place, readNumber(line));
      itemDone = ++cursor.place >= item->count;
      break;
    default:
      break;
  }
  if (itemDone) {
    cursor.place = 0;
    ++cursor.current;
  }
}

}  // namespace

U_XPtr<InputFileTranslator> C_ProductConfigs::readConfiguration(ExtendedCharEncoding encoding,
                                                                const QL_String& temporaryDirectory,
                                                                const char* binDirectory,
                                                                const char* configName,
                                                                const sCfgDef* items, bool expandVariables) {
  if (!binDirectory || !configName || !items) return U_XPtr<InputFileTranslator>();
  const U_String file = U_FileStat::join(U_FileStat::getNormalisedFilename(binDirectory),
                                         U_FileStat::addExt(configName, "cfg"));
  U_XPtr<InputFileTranslator> in;
  if (U_FileStat::isRegularFile(file) && U_FileStat::canRead(file))
    in = U_XPtr<InputFileTranslator>(new InputFileTranslator(QL_String::create(file), encoding, temporaryDirectory));
  if (!in.isSet() || !in->isOpen()) {
    std::fprintf(stderr, "\nERROR: Unable to open configuration file %s\n\n", file.c_str());
    return U_XPtr<InputFileTranslator>();
  }
  ItemCursor cursor;
  U_String line;
  while (readLine(line, *in)) {
    if (line[0] == '*') continue;
    if (line[0] != '#') {
      storeData(cursor, line, expandVariables);
      continue;
    }
    const U_String name = sectionName(line);
    const sCfgDef* section = findSection(items, name);
    cursor.place = 0;
    if (section && section->kind == C_CFG_OPTIONS) return in;
    if (!section) std::printf("\nERROR: Unknown section %s\n", name.c_str());
    cursor.current = section ? section + 1 : nullptr;
  }
  return in;
}
