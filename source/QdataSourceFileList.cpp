#include <set>

#include "model/PI_Interface.h"
#include "source/Qdata.h"
#include "util/U_FileStat.h"

// The file lists are filled through the query interface while the run reads
// its files; they are kept apart from the caches so that the text services
// can be used without the model.
namespace Qdata {

std::vector<U_String>& SourceFileList::getSrcFiles() {
  static std::vector<U_String> files;
  return files;
}

std::vector<U_String>& SourceFileList::getOnlySrcFiles() {
  static std::vector<U_String> files;
  return files;
}

std::vector<U_String>& SourceFileList::getHdrFiles() {
  static std::vector<U_String> files;
  return files;
}

bool SourceFileList::getSourceFiles(P_Source* source) {
  const char* name = PI_getSourceFilename(source);
  const U_String file = name ? name : "";
  cmd_line_cfile() = file;
  const char* outDir = PI_getPALOutputPath(1);
  cmd_line_pp_file() = U_FileStat::join(outDir ? outDir : "", U_FileStat::getFilename(file)) + ".i";
  const char* cma = PI_getPALCrossModuleFilename(1);
  if (!cma || file != cma) {
    getSrcFiles().push_back(file);
    getOnlySrcFiles().push_back(file);
  }
  return true;
}

void SourceFileList::getHeaderFiles() {
  std::set<U_String> known(getHdrFiles().begin(), getHdrFiles().end());
  PI_RelationIncludeIterHan it = PI_getFirstRelationInclude();
  // The next step reports the end itself (and releases the iterator then),
  // so the released id is never asked again.
  for (bool atEnd = PI_isRelationIncludeIterEnd(it) != 0; !atEnd;
       atEnd = PI_getRelationIncludeIterNext(it) != 0) {
    const char* subject = PI_getRelationIncludeSubject(PI_getRelationIncludeIterData(it));
    if (!subject || !known.insert(subject).second) continue;
    getHdrFiles().push_back(subject);
    getSrcFiles().push_back(subject);
  }
}

std::vector<U_String>& get_all_source_filenames() { return SourceFileList::getSrcFiles(); }
std::vector<U_String>& get_src_filenames() { return SourceFileList::getOnlySrcFiles(); }
std::vector<U_String>& get_hdr_filenames() { return SourceFileList::getHdrFiles(); }

void initialise_QdataSetup() {
  PI_configureOnSource(SourceFileList::getSourceFiles);
  PI_configureNeedRelationInclude();
}

void initialise_QdataEnd() { SourceFileList::getHeaderFiles(); }

}  // namespace Qdata
