#include "model/P_Define.h"

#include "model/IdentifierFields.h"
#include "util/U_Assert.h"

P_Define::P_Define(const char* name, const U_BPtr<FilenameProxy>& file, int line, uint8_t inc, uint8_t def,
                   uint8_t space, uint8_t scope, uint8_t linkage, const char* type, uint32_t flags)
    : m_line(line),
      m_name(name),
      m_file(file),
      m_type(type),
      m_flags(flags),
      m_inc(inc),
      m_def(def),
      m_space(space),
      m_scope(scope),
      m_linkage(linkage) {}

P_Define::P_Define(const P_Define& other, const char* name) : P_Define(other) {
  m_name = name;
  m_templateFlags = P_TmplNotComputed;
}

uint8_t P_Define::getTemplateFlags() const {
  if (m_templateFlags == P_TmplNotComputed) m_templateFlags = getTemplateFlags(m_name, m_type, m_flags);
  return m_templateFlags;
}

// The type does not take part: a template is recognised by the template
// list of its own name.
uint8_t P_Define::getTemplateFlags(const char* name, const char* /*type*/, uint32_t flags) {
  std::string_view text = name ? std::string_view(name) : std::string_view();
  bool hasList = IdentifierFields::hasTemplateParams(text);
  bool dependent = (flags & P_FlagDependent) != 0;
  if (hasList) return dependent ? P_TmplDependentList : P_TmplList;
  if (dependent) return P_TmplDependentNoList;
  if (IdentifierFields::isTemplateScope(text)) return P_TmplInTemplateScope;
  return P_TmplNone;
}
