#include "model/P_Define.h"

#include "model/IdentifierFields.h"
#include "model/P_UniqueStr.h"
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

namespace {

// What the template flags need of a name: whether its last term has a
// template list, and whether one stands in its scope.
enum NameShape : uint8_t { kShapeList = 1, kShapeTemplateScope = 2 };

// The name is split once: the last term has no top-level "::" of its own,
// so asking it for a template list splits nothing more.
uint8_t shapeOf(std::string_view name) {
  std::string_view scope, last;
  IdentifierFields::splitLastTerm(name, scope, last);
  uint8_t shape = 0;
  if (IdentifierFields::hasTemplateParams(last)) shape |= kShapeList;
  if (scope.find(P_IdMarker::TemplateOpen) != std::string_view::npos) shape |= kShapeTemplateScope;
  return shape;
}

// The shape of an interned name, worked out once per name and kept in the
// name's tag: every unit repeats the records of the headers it includes, so
// most names come again and again, and the tag sits beside the text the
// record reader has just interned.
constexpr uint8_t kShapeKnown = 0x80;

uint8_t internedShapeOf(const char* name) {
  if (name == nullptr) return shapeOf(std::string_view());
  const uint8_t tag = P_getUniqueStrTag(name);
  if (tag & kShapeKnown) return tag & (kShapeList | kShapeTemplateScope);
  const uint8_t shape = shapeOf(name);
  P_setUniqueStrTag(name, shape | kShapeKnown);
  return shape;
}

uint8_t flagsOfShape(uint8_t shape, uint32_t flags) {
  const bool dependent = (flags & P_FlagDependent) != 0;
  if (shape & kShapeList) return dependent ? P_TmplDependentList : P_TmplList;
  if (dependent) return P_TmplDependentNoList;
  if (shape & kShapeTemplateScope) return P_TmplInTemplateScope;
  return P_TmplNone;
}

}  // namespace

// A define's name is interned, so the shape of its name is kept in its tag.
uint8_t P_Define::getTemplateFlags() const {
  if (m_templateFlags == P_TmplNotComputed) m_templateFlags = flagsOfShape(internedShapeOf(m_name), m_flags);
  return m_templateFlags;
}

// The type does not take part: a template is recognised by the template
// list of its own name.
uint8_t P_Define::getTemplateFlags(const char* name, const char* /*type*/, uint32_t flags) {
  return flagsOfShape(shapeOf(name ? std::string_view(name) : std::string_view()), flags);
}
