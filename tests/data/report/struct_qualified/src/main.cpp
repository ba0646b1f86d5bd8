#include <string>
#include "setting.h"

conf::Setting<int> level;
conf::Setting<std::string> mode;
