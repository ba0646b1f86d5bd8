#ifndef APP_QL_APP_H
#define APP_QL_APP_H

#include "config/C_CmdArgs.h"
#include "util/U_BPtr.h"
#include "util/U_Ref.h"
#include "util/U_String.h"

// An application run by QL_Driver: it receives the processed command line,
// collects the non-option arguments through its orphan handler and runs.
// The return codes are virtual so that a product can choose its own.
class QL_App : public U_Ref {
 public:
  explicit QL_App(const char* version);
  ~QL_App() override;

  // Runs the application and returns the process return code.
  virtual int exec() = 0;
  // Receives the command line's non-option arguments.
  virtual C_OrphanHandler& getOrphanHandler() = 0;
  virtual const char* getProduct() const;
  // Writes the usage text; nothing by default.
  virtual void usage() const;
  virtual int getReturnNoError() const;
  virtual int getExceptionError() const;
  virtual int getUtilExceptionError() const;
  virtual int getConfigurationError() const;
  virtual int getNotValidProductNameError() const;
  virtual int getNoBinSetError() const;
  virtual int getSystemError() const;

  const U_String& getVersion() const { return m_version; }
  U_BPtr<C_CmdArgs> getCmdArgs() const;
  void setCmdArgs(U_BPtr<C_CmdArgs> cmdArgs);
  // Applications with the same version text are the same application.
  bool isEqual(const QL_App& other) const;

 private:
  U_String m_version;
  U_BPtr<C_CmdArgs> m_cmdArgs;
};

#endif
