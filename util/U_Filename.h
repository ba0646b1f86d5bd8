#ifndef UTIL_U_FILENAME_H
#define UTIL_U_FILENAME_H

#include "util/U_SingletonString.h"

// Interned file name: equal names are the same handle.
using U_Filename = U_SingletonString<U_FilenameStore, FilenameDomain>;
// Interned message level name.
using U_LevelString = U_SingletonString<U_LevelStringStore, LevelStringDomain>;

#endif
