#include "report/Define_Names.h"

#include <unordered_map>

#include "report/Template_Usage_Generate.h"
#include "report/Util.h"

namespace {

U_String output_string(const char* internal) {
  if (internal == nullptr) return U_String();
  const char* text = PI_getOutputString(internal);
  return text ? U_String(text) : U_String();
}

U_String plain_string(const char* text) { return text ? U_String(text) : U_String(); }

struct Name_Store {
  std::unordered_map<P_Define*, Define_Names> names;
  int scopes = 0;
};

Name_Store& store() {
  static Name_Store s;
  return s;
}

void derive(P_Define* def, Define_Names& out) {
  out = Define_Names();
  if (def == nullptr) return;
  out.qual = output_string(PI_getDefineQualName(def));
  // The file and type fields are record text, not identifiers: they hold
  // no markers, and taking their bytes for markers would change them.
  out.file = plain_string(PI_getDefineFilename(def));
  out.type = plain_string(PI_getDefineType(def));
  out.line = PI_getDefineLine(def);
}

}  // namespace

const U_String& Define_Names::rendered() const {
  if (!m_hasRendered) {
    m_rendered = Util::rendered_name_of(qual);
    m_hasRendered = true;
  }
  return m_rendered;
}

const U_String& Define_Names::pattern() const {
  if (!m_hasPattern) {
    m_pattern = Template_Usage_Generate::norm(qual);
    m_hasPattern = true;
  }
  return m_pattern;
}

namespace Util {

const Define_Names& names(P_Define* def) {
  Name_Store& s = store();
  auto found = s.names.find(def);
  if (found != s.names.end() && s.scopes > 0) return found->second;
  Define_Names& entry = found != s.names.end() ? found->second : s.names[def];
  derive(def, entry);
  return entry;
}

Define_Names_Scope::Define_Names_Scope() {
  Name_Store& s = store();
  if (s.scopes++ == 0) s.names.clear();
}

Define_Names_Scope::~Define_Names_Scope() {
  Name_Store& s = store();
  if (--s.scopes == 0) s.names.clear();
}

}  // namespace Util
