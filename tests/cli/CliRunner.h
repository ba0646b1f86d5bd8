#ifndef TESTS_CLI_CLIRUNNER_H
#define TESTS_CLI_CLIRUNNER_H

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

// What one run of the program left behind.
struct CliResult {
  int status = -1;         // exit status when the program exited
  int termSignal = 0;      // the signal that killed it, 0 when it exited
  bool timedOut = false;   // killed by the runner after the time limit
  std::string out;         // standard output
  std::string err;         // standard error
};

// A fresh temporary directory tree for running the program:
//   <root>/bin   the product's bin directory (KTLPPBIN), holding ktlpp.cfg
//   <root>/work  the working directory of the run
//   <root>/home  HOME, <root>/tmp  TMPDIR
// The environment is built from scratch: only PATH, HOME, TMPDIR, LANG=C,
// KTLPPBIN and the sanitizer options are passed, plus what a test sets.
// The tree is removed when the sandbox goes away.
class CliSandbox {
 public:
  CliSandbox();
  ~CliSandbox();
  CliSandbox(const CliSandbox&) = delete;
  CliSandbox& operator=(const CliSandbox&) = delete;

  std::string binDir() const { return m_root + "/bin"; }
  std::string workDir() const { return m_root + "/work"; }
  // A path inside the working directory.
  std::string workPath(const std::string& relative) const { return workDir() + "/" + relative; }

  // Later runs start in this directory below the working directory ("" for
  // the working directory itself).
  void setRunDirectory(const std::string& relative) { m_runDir = relative; }
  void setEnv(const std::string& name, const std::string& value) { m_env[name] = value; }
  // Later runs may not grow any file beyond `bytes` (RLIMIT_FSIZE, with
  // SIGXFSZ ignored so a write fails as on a full disk); 0 lifts the limit.
  void setFileSizeLimit(long bytes) { m_fileSizeLimit = bytes; }
  void unsetEnv(const std::string& name) { m_env.erase(name); }

  // Runs the program with args (after the program name) and waits.
  CliResult run(const std::vector<std::string>& args, int timeoutSeconds = 60);
  // Starts the program; finish() waits for it.
  pid_t start(const std::vector<std::string>& args);
  CliResult finish(pid_t pid, int timeoutSeconds = 60);

  // Files relative to the working directory.
  void writeFile(const std::string& relative, const std::string& content) const;
  std::string readFile(const std::string& relative) const;
  bool exists(const std::string& relative) const;

 private:
  std::string m_root;
  std::map<std::string, std::string> m_env;
  std::string m_runDir;
  int m_runs = 0;
  long m_fileSizeLimit = 0;
  std::map<pid_t, int> m_runOfPid;  // which output files belong to a run
};

// Splits text into lines (without their newlines).
std::vector<std::string> splitLines(const std::string& text);

#endif
