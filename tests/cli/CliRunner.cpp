#include "CliRunner.h"

#include "TempDir.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

CliSandbox::CliSandbox() {
  m_root = makeScratchDirectory("tuk-cli-");
  if (m_root.empty()) throw std::runtime_error("cannot create a temporary directory");
  for (const char* sub : {"bin", "work", "home", "tmp"}) fs::create_directory(m_root + "/" + sub);

  // The product configuration shipped with the sources, when there is one.
  const fs::path shipped = fs::path(TUK_PRODUCT_CONFIG_DIR) / "ktlpp.cfg";
  std::error_code ignored;
  if (!fs::exists(shipped) || !fs::copy_file(shipped, binDir() + "/ktlpp.cfg", ignored))
    std::ofstream(binDir() + "/ktlpp.cfg").flush();

  m_env["PATH"] = "/usr/bin:/bin";
  m_env["HOME"] = m_root + "/home";
  m_env["TMPDIR"] = m_root + "/tmp";
  m_env["LANG"] = "C";
  m_env["KTLPPBIN"] = binDir();
  for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS"})
    if (const char* value = std::getenv(name)) m_env[name] = value;
}

CliSandbox::~CliSandbox() {
  std::error_code ignored;
  fs::remove_all(m_root, ignored);
}

pid_t CliSandbox::start(const std::vector<std::string>& args) {
  const std::string outFile = m_root + "/stdout." + std::to_string(m_runs);
  const std::string errFile = m_root + "/stderr." + std::to_string(m_runs);
  ++m_runs;

  std::vector<std::string> envText;
  for (const auto& [name, value] : m_env) envText.push_back(name + "=" + value);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(TUK_PROGRAM));
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (auto& e : envText) envp.push_back(e.data());
  envp.push_back(nullptr);

  const std::string work = m_runDir.empty() ? workDir() : workPath(m_runDir);
  pid_t pid = ::fork();
  if (pid == 0) {
    int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int in = ::open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0 || ::chdir(work.c_str()) != 0) ::_exit(127);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (m_fileSizeLimit > 0) {
      const rlimit limit{static_cast<rlim_t>(m_fileSizeLimit), static_cast<rlim_t>(m_fileSizeLimit)};
      ::signal(SIGXFSZ, SIG_IGN);
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(127);
    }
    ::execve(TUK_PROGRAM, argv.data(), envp.data());
    ::_exit(127);
  }
  if (pid < 0) throw std::runtime_error("fork failed");
  m_runOfPid[pid] = m_runs - 1;
  return pid;
}

CliResult CliSandbox::finish(pid_t pid, int timeoutSeconds) {
  CliResult result;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      result.timedOut = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.termSignal = WTERMSIG(status);
  const std::string n = std::to_string(m_runOfPid[pid]);
  m_runOfPid.erase(pid);
  result.out = readBytes(m_root + "/stdout." + n);
  result.err = readBytes(m_root + "/stderr." + n);
  return result;
}

CliResult CliSandbox::run(const std::vector<std::string>& args, int timeoutSeconds) {
  return finish(start(args), timeoutSeconds);
}

void CliSandbox::writeFile(const std::string& relative, const std::string& content) const {
  const fs::path path = workPath(relative);
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
}

std::string CliSandbox::readFile(const std::string& relative) const { return readBytes(workPath(relative)); }

bool CliSandbox::exists(const std::string& relative) const { return fs::exists(workPath(relative)); }

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
