#ifndef APP_SETUP_CHECKS_H
#define APP_SETUP_CHECKS_H

#include "app/P_Driver.h"

// Registers the template usage report with the analysis run: its options
// and its callbacks.  Called once, before the first file is read.
void setup_checks(const U_BPtr<C_CmdArgs>& cmdArgs, const P_DriverBase::AnalysisType& type);

#endif
