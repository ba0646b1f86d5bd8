#include "app/QL_App.h"

QL_App::QL_App(const char* version) : m_version(version ? version : "") {}

QL_App::~QL_App() = default;

const char* QL_App::getProduct() const { return "NOP"; }
void QL_App::usage() const {}
int QL_App::getReturnNoError() const { return 0; }
int QL_App::getExceptionError() const { return 19; }
int QL_App::getUtilExceptionError() const { return 18; }
int QL_App::getConfigurationError() const { return 10; }
int QL_App::getNotValidProductNameError() const { return 10; }
int QL_App::getNoBinSetError() const { return 10; }
int QL_App::getSystemError() const { return 19; }

U_BPtr<C_CmdArgs> QL_App::getCmdArgs() const { return m_cmdArgs; }

void QL_App::setCmdArgs(U_BPtr<C_CmdArgs> cmdArgs) { m_cmdArgs = cmdArgs; }

bool QL_App::isEqual(const QL_App& other) const { return m_version == other.m_version; }
