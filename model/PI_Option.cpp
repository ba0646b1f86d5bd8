// Product options ("-po NAMESPACE::OPTION") of the check interface: a loop
// over the options of one namespace, and the parts of an option text.
#include "model/PI_Guard.h"
#include "model/PI_Interface.h"
#include "model/PI_Iterators.h"
#include "model/P_Options.h"
#include "model/P_UniqueStr.h"

namespace {

using P_OptionIter = P_IterEntry<P_OptionCont::const_iterator>;

IterCont<P_OptionCont, P_OptionIter, const char*>& optionIters() {
  static IterCont<P_OptionCont, P_OptionIter, const char*> store;
  return store;
}

}  // namespace

PI_OptionIterHan PI_getFirstOption(char const* value) {
  return P_guard(__func__, PI_OptionIterHan{PI_kFailedLoopId}, [&]() -> PI_OptionIterHan {
    U_ASSERT(0 != value && "Do not call getFirstOption with a null option");
    const P_OptionCont& cont = P_getOptionCont();
    auto range = cont.equal_range(P_createUniqueStr(value));
    return PI_OptionIterHan{optionIters().add(range.first, range.second)};
  });
}

int PI_isOptionIterEnd(PI_OptionIterHan h) { return PI_GUARDED(1, optionIters().isEnd(h.id)); }

char const* PI_getOptionIterData(PI_OptionIterHan h) {
  return P_guard(__func__, nullptr, [&]() -> char const* {
    auto& it = optionIters().entry(h.id);
    return it.current == it.end ? nullptr : it.current->second;
  });
}

int PI_getOptionIterNext(PI_OptionIterHan h) { return PI_GUARDED(1, optionIters().next(h.id)); }

char const* PI_getOptionName(char const* entry) {
  return PI_GUARDED(nullptr, P_getOptionName(entry));
}
char const* PI_getOptionValue(char const* entry) {
  return PI_GUARDED(nullptr, P_getOptionValue(entry));
}
int PI_isOptionTrue(char const* entry) { return PI_GUARDED(0, P_isOptionTrue(entry)); }
