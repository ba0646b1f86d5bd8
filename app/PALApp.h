#ifndef APP_PALAPP_H
#define APP_PALAPP_H

#include "app/P_Driver.h"

// The template usage report application: the analysis driver plus the
// help and usage texts of the program.
class PALApp : public P_Driver {
 public:
  PALApp(const char* version, SetupFunction setup);

  // Prints the help when asked for, otherwise runs the analysis.
  int exec() override;
  // The usage lines, on standard error.
  void usage() const override;
  // The version banner, the return codes and the options, on standard output.
  void help() const;
  void initRes();
};

#endif
