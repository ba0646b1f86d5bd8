#ifndef UTIL_U_EXCEPTION_H
#define UTIL_U_EXCEPTION_H

#include <exception>
#include <ostream>

#include "util/U_String.h"

// Base of the program's own exceptions.
class U_Exception : public std::exception {
 public:
  const char* what() const noexcept override { return "don't know cause"; }
};

// An exception carrying a cause text meant for the user.
class U_UserException : public U_Exception {
 public:
  U_UserException() = default;
  explicit U_UserException(U_String cause) : m_cause(std::move(cause)) {}
  const char* what() const noexcept override {
    return m_cause.empty() ? U_Exception::what() : m_cause.c_str();
  }
  void print(std::ostream& os) const { os << m_cause; }
  const U_String& cause() const { return m_cause; }

 private:
  U_String m_cause;
};

// Thrown after a failed assertion has been reported on standard error.  It
// carries the report line, so that whoever catches it far from standard
// error (a check calling the library) can still say what failed.
class U_AssertException : public U_Exception {
 public:
  U_AssertException() = default;
  explicit U_AssertException(U_String report) : m_report(std::move(report)) {}
  const char* what() const noexcept override {
    return m_report.empty() ? U_Exception::what() : m_report.c_str();
  }

 private:
  U_String m_report;
};

#endif
