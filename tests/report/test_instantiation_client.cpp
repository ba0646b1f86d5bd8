// The report's symbol client records, per overload group of function
// templates, in which files implicit specialisations were seen.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "model/MetricFileReader.h"
#include "model/PI_Interface.h"
#include "model/P_CurrentSource.h"
#include "model/SymbolTable.h"
#include "report/Template_Usage_Generate.h"
#include "TempDir.h"

namespace {

QL_Filename filename(const std::string& path) { return QL_Filename::create(QL_String::create(path, eceEUC)); }

const std::string kHeader = "\"inc/tstrec.h\"";
const std::string kTemplate = "<DEFINE> tstrec::shift<@FuncTempParam1>(@FuncTempParam1) " + kHeader +
                              " 4 I DC OF S X (@FuncTempParam1)@FuncTempParam1 U\n";
std::string instance(const std::string& type) {
  return "<DEFINE> tstrec::shift<" + type + ">(" + type + ") " + kHeader + " 4 I DS OF S X (" + type + ")" + type +
         " -\n";
}

// Reads the record file of `unit` (in `dir`) as the driver does.
void readUnit(const std::string& dir, const std::string& unit) {
  WORKAROUND::srcFilename = filename("/src/" + unit);
  MetricFileReader::processFile(filename(dir), filename("/src/" + unit), P_getSymbolTable());
}

}  // namespace

TEST(InstantiationClient, RecordsEachFileOnceInByteOrderUnderTheGroupName) {
  PI_configureOnNewSymbol(Template_Usage_Generate::symbolClientFn);
  PI_configureOnProjRedecl(Template_Usage_Generate::symbolClientFn);
  const TempDir scratch("tuk-instclient-");
  ASSERT_FALSE(scratch.path().empty());
  const std::string dir = scratch.path();
  // Unit b is read first and again last; z and b see the same instance,
  // z sees a second overload of the same group.
  std::ofstream(dir + "/b.cpp.met") << kTemplate << instance("int");
  std::ofstream(dir + "/z.cpp.met") << kTemplate << instance("long") << instance("int");
  readUnit(dir, "b.cpp");
  readUnit(dir, "z.cpp");
  readUnit(dir, "b.cpp");

  using Files = std::vector<U_String>;
  const auto texts = [](const Template_Usage_Generate::File_Set& files) {
    Files out;
    for (const U_String* file : files) out.push_back(*file);
    return out;
  };
  const auto group = []() -> const Template_Usage_Generate::Group_Instantiations* {
    std::vector<const Template_Usage_Generate::Group_Instantiations*> groups;
    for (const auto& entry : Template_Usage_Generate::instantiationRecord()) {
      if (entry.first.find("tstrec::shift") != U_String::npos) groups.push_back(&entry.second);
    }
    EXPECT_EQ(groups.size(), 1u) << "the overloads share one group";
    return groups.empty() ? nullptr : groups[0];
  };
  const auto* first = group();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(texts(first->files), (Files{"/src/b.cpp", "/src/z.cpp"}));
  EXPECT_EQ(first->name, "tstrec::shift");

  // Files read after the record was looked at join it in their place.
  std::ofstream(dir + "/a.cpp.met") << kTemplate << instance("int");
  readUnit(dir, "a.cpp");
  readUnit(dir, "z.cpp");
  const auto* again = group();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(texts(again->files), (Files{"/src/a.cpp", "/src/b.cpp", "/src/z.cpp"}));
  EXPECT_EQ(again->name, "tstrec::shift");
}
