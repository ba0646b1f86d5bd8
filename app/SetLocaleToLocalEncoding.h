#ifndef APP_SETLOCALETOLOCALENCODING_H
#define APP_SETLOCALETOLOCALENCODING_H

// Sets the process locale, all categories, to the value of "LANG".
// An unset or unknown LANG leaves the locale as it is.
void SetLocaleToLocalEncoding();

#endif
