// Structural matching: the class a class name (a variable's type, a member
// function's scope) is an instance of.  An explicit specialisation of the
// same name comes first; else the most specialised partial specialisation
// whose arguments deduce from the name's; else the primary template.
#include "report/Define_Names.h"
#include "report/Name_Parse.h"
#include "report/Specialisation_Order.h"
#include "report/Template_Usage_Generate.h"

namespace {

// The canonical form of name and its text outside all lists; false when
// the name does not parse.
bool canonical_parts(const U_String& name, U_String& canonical, U_String& skeleton) {
  const std::optional<Name_Parse::Node> node = Name_Parse::parse(name);
  if (!node) return false;
  bool wild = false;
  canonical = Name_Parse::render(*node);
  skeleton = Name_Parse::skeleton(*node, wild);
  return true;
}

}  // namespace

void Template_Usage_Generate::add_structural_searches(Template_Searches& out,
                                                      const HanMap& partials,
                                                      const HanMap& explicits) {
  out.structural = true;
  U_String canonical, skeleton;
  for (const auto& entry : explicits)
    if (canonical_parts(Util::names(entry.first).qual, canonical, skeleton))
      out.explicitByCanonical.emplace(canonical, entry);
  for (const auto& entry : partials) {
    if (!canonical_parts(Util::names(entry.first).qual, canonical, skeleton)) continue;
    out.partialsBySkeleton[skeleton].push_back(out.partialList.size());
    out.partialList.push_back(entry);
  }
}

Template_Usage_Generate::Owner Template_Usage_Generate::choose_owner(
    const Template_Searches& searches, const U_String& className) {
  auto cached = searches.ownerCache.find(className);
  if (cached != searches.ownerCache.end()) return cached->second;
  const Owner out = find_owner(searches, className);
  searches.ownerCache.emplace(className, out);
  return out;
}

Template_Usage_Generate::Owner Template_Usage_Generate::find_owner(
    const Template_Searches& searches, const U_String& className) {
  Owner out;
  U_String canonical, skeleton;
  if (canonical_parts(className, canonical, skeleton)) {
    auto byCanonical = searches.explicitByCanonical.find(canonical);
    if (byCanonical != searches.explicitByCanonical.end())
      return Owner{0, byCanonical->second.first, byCanonical->second.second};
    auto bucket = searches.partialsBySkeleton.find(skeleton);
    if (bucket != searches.partialsBySkeleton.end()) {
      std::vector<U_String> patterns;
      for (size_t pos : bucket->second)
        patterns.push_back(Util::names(searches.partialList[pos].first).qual);
      const size_t chosen = Specialisation_Order::choose(patterns, className);
      if (chosen < patterns.size()) {
        const auto& entry = searches.partialList[bucket->second[chosen]];
        return Owner{1, entry.first, entry.second};
      }
    }
  }
  if (const auto* found = searches.classes.first(norm(className))) out.primary = found->second;
  return out;
}
