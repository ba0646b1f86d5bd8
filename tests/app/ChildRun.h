#ifndef TESTS_APP_CHILDRUN_H
#define TESTS_APP_CHILDRUN_H

#include <functional>
#include <string>

// Runs body in a forked child whose standard output and error go to files,
// so that process-wide state (the version flag, signal handlers) and exits
// stay out of the test process.  The child exits with body's result.
struct ChildRun {
  int status = -1;    // exit status, -1 when the child was killed
  int termSignal = 0;
  std::string out;
  std::string err;
};

ChildRun runInChild(const std::function<int()>& body);

// A fresh empty directory, removed with the object; the test may chdir into it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return m_path; }
  std::string file(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

std::string readWholeFile(const std::string& path);

#endif
