#include "config/C_Exceptions.h"

C_ConfigurationException::C_ConfigurationException(const U_String& text)
    : U_UserException(text) {}

C_ConfigurationException::C_ConfigurationException(int returnCode, const U_String& text)
    : U_UserException(text), m_returnCode(returnCode), m_returnCodeSet(true) {}

const char* C_ConfigurationException::what() const noexcept { return cause().c_str(); }

C_InvalidArgException::C_InvalidArgException(const U_String& word)
    : C_ConfigurationException("\nERROR: Unknown argument: " + word + "\n\n") {}

C_InvalidArgValueException::C_InvalidArgValueException(const U_String& optionName,
                                                       const U_String& value)
    : C_ConfigurationException("\nERROR: " + value + " is not a valid argument for option: " +
                               optionName + "\n\n") {}

C_InvalidArgValueException::C_InvalidArgValueException(FullText, const U_String& text)
    : C_ConfigurationException(text) {}

C_ValueExpectedException::C_ValueExpectedException(const U_String& optionName)
    : C_ConfigurationException("\nERROR: Argument expected after " + optionName + "\n\n") {}

C_InvalidViaException::C_InvalidViaException(const U_String& fileName)
    : C_InvalidArgValueException(FullText{}, "\nERROR: Unable to open " + fileName + "\n\n") {}

C_RecursiveViaException::C_RecursiveViaException(const U_String& fileName)
    : C_ConfigurationException("\nERROR: " + fileName +
                               " names itself: it is already being read as an argument file\n\n") {}
