#include "report/FileList.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "config/C_ProductConfigs.h"
#include "intl/QL_Filename.h"
#include "intl/QL_String.h"

namespace {

// Byte order of names; a name that is a prefix of another comes first.
struct Name_Less {
  bool operator()(const char* a, const char* b) const { return std::strcmp(a, b) < 0; }
};

bool same_name(const char* a, const char* b) {
  return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

}  // namespace

FileList::Files& FileList::getSrcFiles() {
  static Files files;
  return files;
}

bool FileList::getSourceFiles(P_Source* source) {
  const char* name = PI_getSourceFilename(source);
  if (name != nullptr && !same_name(name, PI_getPALCrossModuleFilename(1)))
    getSrcFiles().push_back(name);
  return true;
}

void FileList::getHeaderAndCMAFiles(bool omitSystemHeaders) {
  std::set<const char*, Name_Less> included, userIncluded;
  for (PI_RelationIncludeIterHan it = PI_getFirstRelationInclude();
       !PI_isRelationIncludeIterEnd(it); PI_getRelationIncludeIterNext(it)) {
    P_RelationInclude* include = PI_getRelationIncludeIterData(it);
    const char* subject = include ? PI_getRelationIncludeSubject(include) : nullptr;
    if (subject == nullptr) continue;
    included.insert(subject);
    if (!PI_isRelationIncludeSystemHeader(include)) userIncluded.insert(subject);
  }
  Files& files = getSrcFiles();
  for (const char* name : omitSystemHeaders ? userIncluded : included) {
    if (!C_isSuppressedFile(QL_Filename::create(QL_String::create(name)))) files.push_back(name);
  }
  std::stable_sort(files.begin(), files.end(), Name_Less());
  const char* cma = PI_getPALCrossModuleFilename(1);
  files.push_back(cma ? cma : "");
}
