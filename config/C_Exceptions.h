#ifndef CONFIG_C_EXCEPTIONS_H
#define CONFIG_C_EXCEPTIONS_H

#include "util/U_Exception.h"
#include "util/U_String.h"

// A problem with the configuration or the command line.  The text is the
// complete message for the user (it carries its own newlines) and may be
// empty when the message was already written.
class C_ConfigurationException : public U_UserException {
 public:
  explicit C_ConfigurationException(const U_String& text);
  C_ConfigurationException(int returnCode, const U_String& text);

  // The text as is, even when it is empty.
  const char* what() const noexcept override;
  int getReturnCode() const { return m_returnCode; }
  bool isReturnCodeSet() const { return m_returnCodeSet; }

 private:
  int m_returnCode = 0;
  bool m_returnCodeSet = false;
};

// An option word that matches no spelling of the product's options.
class C_InvalidArgException : public C_ConfigurationException {
 public:
  explicit C_InvalidArgException(const U_String& word);
};

// A value the option cannot take.
class C_InvalidArgValueException : public C_ConfigurationException {
 public:
  C_InvalidArgValueException(const U_String& optionName, const U_String& value);

 protected:
  struct FullText {};
  C_InvalidArgValueException(FullText, const U_String& text);
};

// An option that needs a value found no word left.
class C_ValueExpectedException : public C_ConfigurationException {
 public:
  explicit C_ValueExpectedException(const U_String& optionName);
};

// An argument file that is missing, unreadable or not a regular file.
class C_InvalidViaException : public C_InvalidArgValueException {
 public:
  explicit C_InvalidViaException(const U_String& fileName);
};

// An argument file named while it is still being read (by itself, or by a
// file it names): reading it again would never end.  Ends processing.
class C_RecursiveViaException : public C_ConfigurationException {
 public:
  explicit C_RecursiveViaException(const U_String& fileName);
};

#endif
