#include <cstring>
#include <iostream>
#include <new>

#include "app/QL_Driver.h"
#include "config/C_Exceptions.h"
#include "util/U_Exception.h"

const char* QL_supportLines() {
  return "Please notify Halcyra <support@halcyra.example>\n"
         "attaching a code example that causes the problem, if possible.\n";
}

namespace {

// A user exception without a cause still gets a line that says so.
void writeUserException(const U_UserException& e) {
  const char* text = e.what();
  if (std::strcmp(text, U_Exception().what()) == 0) std::cerr << "UserException: ";
  std::cerr << text << '\n';
}

}  // namespace

int QL_reportException(const QL_App& app, std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const C_ConfigurationException& e) {
    std::cerr << e.what();
    std::cerr.flush();
    app.usage();
    return e.isReturnCodeSet() ? e.getReturnCode() : app.getConfigurationError();
  } catch (const U_AssertException&) {
    // The assertion line was written when it fired.
    return app.getUtilExceptionError();
  } catch (const U_UserException& e) {
    writeUserException(e);
    return app.getUtilExceptionError();
  } catch (const U_Exception& e) {
    std::cerr << "An internal exception occured: " << e.what() << '\n';
    return app.getUtilExceptionError();
  } catch (const std::bad_alloc& e) {
    std::cerr << "A system allocation exception (: " << e.what() << ") was detected.\n"
              << QL_supportLines();
    return app.getSystemError();
  } catch (const std::exception& e) {
    std::cerr << "A system exception (" << e.what() << ") was detected.\n" << QL_supportLines();
    return app.getExceptionError();
  } catch (...) {
    std::cerr << "An unrecognised exception was detected.\n" << QL_supportLines();
    return app.getExceptionError();
  }
}
