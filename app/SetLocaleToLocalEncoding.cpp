#include "app/SetLocaleToLocalEncoding.h"

#include <clocale>
#include <cstdlib>

void SetLocaleToLocalEncoding() {
  const char* lang = std::getenv("LANG");
  if (lang) std::setlocale(LC_ALL, lang);
}
