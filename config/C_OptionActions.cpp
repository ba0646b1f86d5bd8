// The option kinds that act instead of storing a value: echo, forget, via.
#include <iostream>

#include "config/C_ArgSources.h"
#include "config/C_CmdArgs.h"
#include "config/C_Exceptions.h"
#include "config/C_OptionTables.h"
#include "config/C_OptionTypes.h"
#include "intl/QL_FileStat.h"

bool C_OptionEcho::doHandleArgument(std::istream& in, C_HasSuffix) {
  std::cout << expectArg(getName(), in) << '\n';
  return true;
}

// The value is matched like an option word without its "-"; the option it
// names goes back to its default and counts as not set.
bool C_OptionForget::doHandleArgument(std::istream& in, C_HasSuffix) {
  const U_String text = expectArg(getName(), in);
  if (!m_cmdArgs) throw C_InvalidArgValueException(getName(), text);
  int rows = 0;
  const C_OptionMapping* table = C_getArgumentTable(m_cmdArgs->getProductIndex(), rows);
  int length = 0;
  C_OptionBase* option = matchArg(*m_cmdArgs, text.c_str(), length, table, rows);
  if (!option) throw C_InvalidArgValueException(getName(), text);
  option->resetOption();
  return true;
}

bool C_OptionVia::doHandleArgument(std::istream& in, C_HasSuffix) {
  openViaFile(expectArg(getName(), in).c_str(), in);
  return true;
}

void C_OptionVia::openViaFile(const char* file, const std::istream& in) {
  const QL_String name = QL_FileStat::getNormalisedFilename(QL_String::create(file ? file : "", eceEUC));
  auto* buffer = dynamic_cast<C_CmdArgStreamBuffer*>(in.rdbuf());
  if (name.empty() || !buffer || !QL_FileStat::isRegularFile(name) || !QL_FileStat::canRead(name))
    throw C_InvalidViaException(name.get());
  buffer->openViaFile(name.get());
}
