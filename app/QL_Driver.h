#ifndef APP_QL_DRIVER_H
#define APP_QL_DRIVER_H

#include <exception>

#include "app/QL_App.h"
#include "util/U_BPtr.h"

// Runs app over a command line whose first word is the product (a path
// is allowed; its last component counts) and returns the process return
// code.  Every exception is reported on standard error and mapped to a
// return code by QL_reportException.
int QL_Driver(int argc, const char** argv, U_BPtr<QL_App> app);

// Reports an exception that escaped the run and returns its return code:
//   configuration error       its own code, else 10 (after the usage text)
//   assertion, user, internal 18
//   allocation failure        19
//   other system / unknown    19
int QL_reportException(const QL_App& app, std::exception_ptr error);

// The two lines that ask the user to report an unexpected failure.
const char* QL_supportLines();

#endif
