#include "util/U_Location.h"

#include <cstring>


namespace {
U_LocationData* copyData(const U_LocationData* d) {
  return d ? new U_LocationData(*d) : new U_LocationData();
}
}  // namespace

U_Location::U_Location(U_LocationData* data) : m_data(data) {}

namespace {
// Moves the context locations of `data` into `pending`, leaving it none.
void detachContext(U_LocationData& data, std::vector<U_Location>& pending) {
  for (U_Location* context : {&data.inclLocation, &data.instLocation, &data.callLocation}) {
    if (context->isSet()) pending.push_back(std::move(*context));
  }
}
}  // namespace

U_LocationData::~U_LocationData() {
  std::vector<U_Location> pending;
  detachContext(*this, pending);
  while (!pending.empty()) {
    U_Location next = std::move(pending.back());
    pending.pop_back();
    // Only the last holder takes the context over; a shared location
    // keeps it for its other holders.
    U_LocationData* data = next.m_data.pointer();
    if (data->refCount() == 1) detachContext(*data, pending);
  }  // `next` goes here, with no context left to release recursively
}

U_Location::U_Location(U_Filename file, int32_t line, int32_t column)
    : U_Location(file, line, column, U_BPtr<U_MacroHistory>()) {}

U_Location::U_Location(U_Filename file, int32_t line, int32_t column,
                       const U_BPtr<U_MacroHistory>& macros)
    : U_Location(file, line, column, macros, U_Location()) {}

U_Location::U_Location(U_Filename file, int32_t line, int32_t column,
                       const U_BPtr<U_MacroHistory>& macros, const U_Location& includedFrom)
    : m_data(new U_LocationData()) {
  m_data->file = file;
  m_data->line = line;
  m_data->column = column;
  m_data->macros = macros;
  m_data->inclLocation = includedFrom;
}

U_Filename U_Location::getFilename() const { return m_data.isSet() ? m_data->file : U_Filename(); }
int32_t U_Location::getLine() const { return m_data.isSet() ? m_data->line : 0; }
int32_t U_Location::getColumn() const { return m_data.isSet() ? m_data->column : 0; }

bool U_Location::hasInclLocation() const { return m_data.isSet() && m_data->inclLocation.isSet(); }
U_Location U_Location::getInclLocation() const {
  return m_data.isSet() ? m_data->inclLocation : U_Location();
}
bool U_Location::isFromMacro() const { return m_data.isSet() && m_data->macros.isSet(); }
U_BPtr<U_MacroHistory> U_Location::getMacroHistory() const {
  return m_data.isSet() ? m_data->macros : U_BPtr<U_MacroHistory>();
}
bool U_Location::isFromHashLine() const { return m_data.isSet() && m_data->fromHashLine; }
U_Filename U_Location::getHashLineFilename() const {
  return m_data.isSet() ? m_data->hashLineFile : U_Filename();
}
int32_t U_Location::getHashLineLine() const { return m_data.isSet() ? m_data->hashLineLine : 0; }
bool U_Location::isFromInstantiation() const { return m_data.isSet() && m_data->instLocation.isSet(); }
U_Location U_Location::getInstLocation() const {
  return m_data.isSet() ? m_data->instLocation : U_Location();
}
int32_t U_Location::getInstDepth() const { return m_data.isSet() ? m_data->instDepth : 0; }
U_EntityDisplayName U_Location::getInstArgs() const {
  return m_data.isSet() ? m_data->instArgs : U_EntityDisplayName();
}
bool U_Location::isFromFnCall() const { return m_data.isSet() && m_data->callLocation.isSet(); }
U_Location U_Location::getFnCallLocation() const {
  return m_data.isSet() ? m_data->callLocation : U_Location();
}

bool U_Location::isSameFilename(const U_Location& other) const {
  return getFilename() == other.getFilename();
}
bool U_Location::isSameMemory(const U_Location& other) const { return m_data == other.m_data; }

U_Location U_Location::addHashLine(U_Filename file, int32_t line) const {
  U_LocationData* d = copyData(m_data.pointer());
  d->fromHashLine = true;
  d->hashLineFile = file;
  d->hashLineLine = line;
  return U_Location(d);
}

U_Location U_Location::instantiateLocation(const U_Location& instLocation,
                                           const U_EntityDisplayName& args) const {
  U_LocationData* d = copyData(m_data.pointer());
  d->instLocation = instLocation;
  d->instDepth = instLocation.getInstDepth() + 1;
  d->instArgs = args;
  return U_Location(d);
}

U_Location U_Location::addCalledFromLocation(const U_Location& caller) const {
  U_LocationData* d = copyData(m_data.pointer());
  d->callLocation = caller;
  return U_Location(d);
}

int U_orderLocationByTopLevelOnly(const U_Location& a, const U_Location& b) {
  U_Filename fa = a.getFilename();
  U_Filename fb = b.getFilename();
  if (fa != fb) return fa < fb ? -1 : 1;
  if (a.getLine() != b.getLine()) return a.getLine() < b.getLine() ? -1 : 1;
  if (a.getColumn() != b.getColumn()) return a.getColumn() < b.getColumn() ? -1 : 1;
  return 0;
}

bool U_isLocationLessFast(const U_Location& a, const U_Location& b) {
  return U_orderLocationByTopLevelOnly(a, b) == -1;
}

bool U_isLocationEqual(const U_Location& a, const U_Location& b) {
  return a.isSameMemory(b) || U_orderLocationByTopLevelOnly(a, b) == 0;
}

int U_compareLocation(const U_Location& a, const U_Location& b) {
  U_Filename fa = a.getFilename();
  U_Filename fb = b.getFilename();
  if (fa != fb) {
    const U_String& ta = fa.str();
    const U_String& tb = fb.str();
    size_t n = ta.size() < tb.size() ? ta.size() : tb.size();
    int c = n ? std::memcmp(ta.data(), tb.data(), n) : 0;
    if (c != 0) return c < 0 ? -1 : 1;
    return ta.size() < tb.size() ? -1 : 1;
  }
  if (a.getLine() != b.getLine()) return a.getLine() < b.getLine() ? -1 : 1;
  if (a.getColumn() != b.getColumn()) return a.getColumn() < b.getColumn() ? -1 : 1;
  return 0;
}

U_Location U_getMainSourceLocation(const U_Location& location) {
  U_Location current = location;
  // Bounded walk: include chains are short, a cycle would be a bug elsewhere.
  for (int guard = 0; current.hasInclLocation() && guard < 100000; ++guard)
    current = current.getInclLocation();
  return current;
}
