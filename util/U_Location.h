#ifndef UTIL_U_LOCATION_H
#define UTIL_U_LOCATION_H

#include <cstdint>
#include <vector>

#include "util/U_BPtr.h"
#include "util/U_Filename.h"
#include "util/U_Ref.h"

class U_Location;
class U_LocationData;

// Display name of the template arguments of an instantiation.
using U_EntityDisplayName = U_String;

// The chain of macro expansions a location came through, innermost first.
class U_MacroHistory : public U_Ref {
 public:
  struct Expansion {
    U_String macroName;
    U_Filename file;
    int32_t line = 0;
    int32_t column = 0;
  };
  std::vector<Expansion> expansions;
};

// A source position: interned file, line and column, plus optional context
// (the include that brought the file in, macro expansions, a line
// directive, an instantiation, a call).  Locations are shared and never
// changed in place; every derivation returns a new location.
class U_Location {
 public:
  U_Location() = default;
  U_Location(U_Filename file, int32_t line, int32_t column);
  U_Location(U_Filename file, int32_t line, int32_t column, const U_BPtr<U_MacroHistory>& macros);
  U_Location(U_Filename file, int32_t line, int32_t column, const U_BPtr<U_MacroHistory>& macros,
             const U_Location& includedFrom);

  bool isSet() const { return m_data.isSet(); }
  U_Filename getFilename() const;
  int32_t getLine() const;
  int32_t getColumn() const;

  bool hasInclLocation() const;
  U_Location getInclLocation() const;
  bool isFromMacro() const;
  U_BPtr<U_MacroHistory> getMacroHistory() const;
  bool isFromHashLine() const;
  U_Filename getHashLineFilename() const;
  int32_t getHashLineLine() const;
  bool isFromInstantiation() const;
  U_Location getInstLocation() const;
  int32_t getInstDepth() const;
  U_EntityDisplayName getInstArgs() const;
  bool isFromFnCall() const;
  U_Location getFnCallLocation() const;

  // Same interned file, or neither has one.
  bool isSameFilename(const U_Location& other) const;
  // Same shared data object.
  bool isSameMemory(const U_Location& other) const;

  U_Location addHashLine(U_Filename file, int32_t line) const;
  U_Location instantiateLocation(const U_Location& instLocation, const U_EntityDisplayName& args) const;
  U_Location addCalledFromLocation(const U_Location& caller) const;

  const U_LocationData* data() const { return m_data.pointer(); }

 private:
  friend class U_LocationData;
  explicit U_Location(U_LocationData* data);
  U_BPtr<U_LocationData> m_data;
};

// The shared payload of a location.  Optional context is held in plain
// members: a location has at most one of each kind.
class U_LocationData : public U_Ref {
 public:
  U_LocationData() = default;
  U_LocationData(const U_LocationData&) = default;
  U_LocationData& operator=(const U_LocationData&) = default;
  // Releases the chains of context locations (include, instantiation, call)
  // one link at a time: a chain may be as long as the include nesting of
  // the input, far deeper than recursion could go.
  ~U_LocationData() override;

  U_Filename file;
  int32_t line = 0;
  int32_t column = 0;
  U_Location inclLocation;
  U_BPtr<U_MacroHistory> macros;
  bool fromHashLine = false;
  U_Filename hashLineFile;
  int32_t hashLineLine = 0;
  U_Location instLocation;
  int32_t instDepth = 0;
  U_EntityDisplayName instArgs;
  U_Location callLocation;
};

// -1, 0 or 1 by file identity, then line, then column; context ignored.
int U_orderLocationByTopLevelOnly(const U_Location& a, const U_Location& b);
bool U_isLocationLessFast(const U_Location& a, const U_Location& b);
bool U_isLocationEqual(const U_Location& a, const U_Location& b);
// -1, 0 or 1: different files by their names' text, else line, then column.
int U_compareLocation(const U_Location& a, const U_Location& b);
// Follows include locations outward to the position in the main source file.
U_Location U_getMainSourceLocation(const U_Location& location);

#endif
