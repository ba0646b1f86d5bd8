// The identifier marking machine and the name parts read from marked
// names, plus the type queries over record type fields.  Every line of the
// input is one identifier token (as the record parsers hand it over).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "model/IdentifierFields.h"
#include "model/P_TypeQueries.h"
#include "model/P_UniqueStr.h"

namespace {

bool isMarker(char c) { return c >= P_IdMarker::TemplateOpen && c <= P_IdMarker::ParamSep; }
bool hasMarker(std::string_view s) { return std::any_of(s.begin(), s.end(), isMarker); }
// Input bytes in the marker range take two bytes in the internal form.
bool isEscaped(char c) {
  const int b = static_cast<unsigned char>(c);
  return b >= P_IdMarker::kFirstEscaped && b <= P_IdMarker::kLastEscaped;
}

void checkInterned(const char* s) {
  FUZZ_CHECK(s != nullptr);
  FUZZ_CHECK(P_createUniqueStr(s) == s);
}

// Every getter of a marked, interned name.
void checkParts(const char* name) {
  for (const char* part :
       {IdentifierFields::getFullname(name), IdentifierFields::getOverloadFuncName(name),
        IdentifierFields::getScope(name), IdentifierFields::getName(name), IdentifierFields::getIdentifier(name),
        IdentifierFields::getSimpleIdentifier(name), IdentifierFields::getTemplateParams(name),
        IdentifierFields::getFunctionParams(name), IdentifierFields::stripTemplateParams(name),
        IdentifierFields::getSkeleton(name)}) {
    checkInterned(part);
  }
  FUZZ_CHECK(IdentifierFields::getName(name) == IdentifierFields::getSignature(name));
  FUZZ_CHECK(IdentifierFields::hasTemplateParams(name) == (*IdentifierFields::getTemplateParams(name) != '\0'));
  FUZZ_CHECK(IdentifierFields::getFunctionParamCount(name) >= 0);
  FUZZ_CHECK(IdentifierFields::isTemplateScope(name) == IdentifierFields::isTemplateScope(std::string_view(name)));
  IdentifierFields::isIdFunc(name);
  IdentifierFields::isDpdtName(name);

  const std::string_view whole(name);
  std::string_view scope, last;
  IdentifierFields::splitLastTerm(whole, scope, last);
  FUZZ_CHECK(whole.substr(0, scope.size()) == scope);
  FUZZ_CHECK(last.size() <= whole.size() && whole.substr(whole.size() - last.size()) == last);
}

// The record's type field queries.
void checkType(const char* type) {
  const int dimension = P_getArrayDimension(type);
  FUZZ_CHECK(dimension >= 0);
  if (P_isUndimArray(type)) FUZZ_CHECK(P_isTypeArray(type));
  const char* element = P_getArrayElemType(type);
  FUZZ_CHECK(element != nullptr);
  FUZZ_CHECK(P_areTypesEqual(type, type));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  P_MetIdentifier identifier;
  for (std::string_view token : fuzz::splitLines(fuzz::asText(data, size))) {
    // A token never holds a NUL: it is cut out of a line at blanks and
    // kept as a C string from here on.
    token = token.substr(0, token.find('\0'));
    identifier.setString(token);
    const U_String& marked = identifier.str();
    // Marking drops or replaces bytes; only escaped bytes grow, by one each.
    FUZZ_CHECK(marked.size() <= token.size() + std::count_if(token.begin(), token.end(), isEscaped));
    const U_String output = P_MetIdentifier::getOutputString(marked);
    if (!hasMarker(token)) FUZZ_CHECK(!hasMarker(output));

    const char* name = P_createUniqueStr(marked);
    FUZZ_CHECK(IdentifierFields::getParsedString(U_String(token).c_str()) == name);
    checkParts(name);
    checkType(P_createUniqueStr(token));
  }
  return 0;
}
