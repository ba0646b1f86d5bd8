#ifndef MODEL_TEMPLATETABLE_H
#define MODEL_TEMPLATETABLE_H

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "model/P_Define.h"
#include "model/P_Pool.h"
#include "model/P_PtrMap.h"
#include "model/P_Symbol.h"
#include "util/U_BPtr.h"
#include "util/U_Ref.h"

// One class or function template with its partial, explicit and implicit
// specialisations.  A partial specialisation is a template of its own.
class P_Template : public U_Ref {
 public:
  enum TemplateType {
    Declaration = 0,
    Redeclaration = 1,
    Definition = 2,
    ImplicitSpecialisation = 3,
    PartialSpecialisation = 4,
    ExplicitSpecialisation = 5,
  };
  // (interned file path, line)
  using FileLinePair = std::pair<const char*, int>;
  using SymbolList = std::vector<U_BPtr<P_Symbol>>;
  using TemplateList = std::vector<U_BPtr<P_Template>>;

  // The primary symbol is made from d; d's name names the template.
  explicit P_Template(const U_BPtr<P_Define>& d);
  P_POOLED_ALLOCATION(P_Template)

  // Files d as the given TemplateType; false when nothing was filed.
  bool add(const U_BPtr<P_Define>& d, int type);

  const char* getName() const { return m_name; }
  // Parameters of the name's last parameter list (IdentifierFields::getFunctionParamCount).
  int getFunctionParamCount() const { return m_paramCount; }
  P_Symbol* getPrimaryTemplate() const { return m_primary.pointer(); }
  const U_BPtr<P_Symbol>& getPrimarySymbol() const { return m_primary; }
  const SymbolList& getImplicitSpecs() const;
  const SymbolList& getExplicitSpecs() const;
  const TemplateList& getPartialSpecs() const;
  bool hasLocation(const FileLinePair& loc) const { return m_locations.count(loc) != 0; }

  static FileLinePair getFileLinePair(const P_Define& d);

  bool handleTmplSpec(const U_BPtr<P_Define>& d, int type);
  bool handleTmplPartSpec(const U_BPtr<P_Define>& d);
  bool handleTmplExplSpec(const U_BPtr<P_Define>& d, int type);

  // Hands one define, filed as one TemplateType, to the template of each
  // (name, template) entry it is applied to, e.g. to every partial
  // specialisation of a template through std::for_each.
  struct UseDeclWithPartialSpec {
    UseDeclWithPartialSpec(const U_BPtr<P_Define>& d, int t) : define(d), type(t) {}
    void operator()(const std::pair<const char* const, U_BPtr<P_Template>>& entry) const {
      entry.second->add(define, type);
    }
    U_BPtr<P_Define> define;
    int type;
  };

 private:
  // Specialisation symbols by (interned) name; the lists own them.  A name
  // taken out of an index keeps its slot with a null symbol.
  using SymbolIndex = P_PtrMap<P_Symbol*>;
  // The specialisations, by kind, in filing order and by name.
  struct Specialisations {
    SymbolList implicit;
    SymbolIndex implicitIndex;
    SymbolList explicitSpecs;
    SymbolIndex explicitIndex;
    TemplateList partial;
    std::map<const char*, U_BPtr<P_Template>> partialIndex;
  };

  // Adds d to the specialisation symbol filed under d's name, or files a new one.
  static bool fileSpec(const U_BPtr<P_Define>& d, SymbolList& list, SymbolIndex& index);
  // Created on first use: most templates of a code base have no specialisation.
  Specialisations& specialisations();

  U_BPtr<P_Symbol> m_primary;
  std::set<FileLinePair, std::less<FileLinePair>, P_PoolAllocator<FileLinePair>> m_locations;
  const char* m_name;
  // Looked at for every specialisation matched by skeleton, so kept.
  int m_paramCount;
  std::unique_ptr<Specialisations> m_specs;
};

// All templates of the run, by name and by location.
class TemplateTable {
 public:
  using TemplateList = std::vector<U_BPtr<P_Template>>;
  using DefineList = std::vector<U_BPtr<P_Define>>;

  TemplateTable() = default;
  TemplateTable(const TemplateTable&) = delete;
  TemplateTable& operator=(const TemplateTable&) = delete;

  // Files a define; returns the defines the symbol table is to receive.
  DefineList addEntry(const U_BPtr<P_Define>& d);
  DefineList addEntry(const char* name, const U_BPtr<P_Define>& d);
  // As addEntry, appending to out (lets the record handler reuse one list).
  void addEntry(const char* name, const U_BPtr<P_Define>& d, DefineList& out);

  const TemplateList& getTemplates() const { return m_templates; }
  // Stand-ins for templates without records (a system header's) that have
  // partial or explicit specialisations in analysed files; their primary
  // symbol holds one define named after the template, without a list.
  // Kept apart from getTemplates so that only callers that ask see them.
  const TemplateList& getUnrecordedTemplates() const { return m_unrecorded; }
  // True when d is the primary define of such a stand-in.
  bool isUnrecordedPrimary(const P_Define* d) const { return m_unrecordedPrimaries.count(d) != 0; }
  // The template of exactly this interned name, or null.
  P_Template* findTemplate(const char* name) const;
  // The template a specialisation of this name belongs to: the exact name;
  // else the first template with the same skeleton and parameter count;
  // else the first with the same skeleton; else null.
  P_Template* findTemplateOfSpecialisation(const char* name) const;
  // The template declared or defined at a location, or null.
  P_Template* findTemplateAt(const P_Template::FileLinePair& loc) const;

 private:
  void addTemplateEntry(const char* name, const U_BPtr<P_Define>& d, DefineList& out);
  void addScopedEntry(const char* name, const U_BPtr<P_Define>& d, DefineList& out);
  void declareTemplate(const char* name, const U_BPtr<P_Define>& d);
  const char* skeletonOf(const char* name) const;
  // The stand-in for the unrecorded template of specialisation d (made on first use).
  P_Template* unrecordedTemplateOf(const char* name, const U_BPtr<P_Define>& d);

  TemplateList m_templates;
  TemplateList m_unrecorded;
  // Stand-ins by the interned name of their template.
  P_PtrMap<P_Template*> m_unrecordedByName;
  std::set<const P_Define*> m_unrecordedPrimaries;
  std::map<P_Template::FileLinePair, U_BPtr<P_Template>> m_locationMap;
  // Templates by interned name (they are owned by m_templates).
  P_PtrMap<P_Template*> m_nameMap;
  // Templates by interned skeleton, in creation order: the map gives the
  // index of the skeleton's list in m_skeletonLists.
  P_PtrMap<std::size_t> m_skeletonMap;
  std::vector<TemplateList> m_skeletonLists;
  // Interned name to its interned skeleton (a cache, hence mutable).
  mutable P_PtrMap<const char*> m_skeletons;
};

// The process-wide template table.
TemplateTable& getTemplateTable();

// True for a template or specialisation (template flags 4 or 16), and, when
// inScope is set, also for defines inside or depending on a template (8, 32).
bool P_isTemplateOrSpecialisation(const P_Define* d, bool inScope);
bool P_isTemplateOrSpecialisation(const P_Define* d);
// These perform no lookup and return their argument.
P_Define* P_getPrimaryTemplate(P_Define* d);
P_Define* P_getFirstPartial(P_Define* d);

#endif
