// Runs clang on one unit and turns what it saw into records.
#include <algorithm>
#include <cerrno>
#include <memory>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clang/AST/ASTConsumer.h>
#include <clang/Basic/Stack.h>
#include <clang/Basic/DiagnosticOptions.h>
#include <clang/Driver/Options.h>
#include <clang/Frontend/CompilerInstance.h>
#include <clang/Frontend/FrontendAction.h>
#include <clang/Frontend/TextDiagnosticPrinter.h>
#include <clang/Lex/PPCallbacks.h>
#include <clang/Lex/Preprocessor.h>
#include <clang/Sema/Sema.h>
#include <clang/Sema/SemaConsumer.h>
#include <clang/Sema/TemplateInstCallback.h>
#include <clang/Tooling/ArgumentsAdjusters.h>
#include <clang/Tooling/CompilationDatabase.h>
#include <clang/Tooling/JSONCompilationDatabase.h>
#include <clang/Tooling/Tooling.h>
#include <llvm/Option/ArgList.h>
#include <llvm/Option/OptTable.h>
#include <llvm/Support/Error.h>
#include <llvm/Support/FileSystem.h>
#include <llvm/Support/JSON.h>
#include <llvm/Support/MemoryBuffer.h>
#include <llvm/Support/Path.h>
#include <llvm/Support/VirtualFileSystem.h>
#include <llvm/Support/raw_ostream.h>

#include "scan/ClangView.h"
#include "scan/RecordCollector.h"
#include "scan/UnitJob.h"

using namespace clang;

namespace kxdf_scan {

namespace {

// Include directives and macro definitions, as the preprocessor meets them.
class PreprocessorRecords : public PPCallbacks {
 public:
  explicit PreprocessorRecords(RecordCollector& records) : m_records(records) {}
  void InclusionDirective(SourceLocation hash, const Token&, StringRef, bool, CharSourceRange,
                          const FileEntry* file, StringRef searchPath, StringRef relativePath, const Module*,
                          SrcMgr::CharacteristicKind kind) override {
    if (!file) return;
    std::string path = searchPath.str();
    if (!path.empty()) path += "/";
    path += relativePath.str();
    m_records.addInclude(hash, path, SrcMgr::isSystem(kind));
  }
  void MacroDefined(const Token& name, const MacroDirective* directive) override {
    m_records.addMacro(name.getLocation(), name.getIdentifierInfo()->getName().str(),
                       directive->getMacroInfo()->isFunctionLike());
  }

 private:
  RecordCollector& m_records;
};

// Tells the records in which order the compiler instantiates templates.
class InstantiationOrder : public TemplateInstantiationCallback {
 public:
  explicit InstantiationOrder(RecordCollector& records) : m_records(records) {}
  void initialize(const Sema&) override {}
  void finalize(const Sema&) override {}
  void atTemplateBegin(const Sema&, const Sema::CodeSynthesisContext& context) override {
    if (context.Kind == Sema::CodeSynthesisContext::TemplateInstantiation && context.Entity)
      m_records.instantiating(context.Entity);
  }
  void atTemplateEnd(const Sema&, const Sema::CodeSynthesisContext&) override {}

 private:
  RecordCollector& m_records;
};

class RecordConsumer : public SemaConsumer {
 public:
  RecordConsumer(std::unique_ptr<UnitFiles> files, UnitResult& result, const ScanSettings& settings)
      : m_files(std::move(files)), m_records(*m_files), m_result(result), m_settings(settings) {}
  RecordCollector& records() { return m_records; }
  void InitializeSema(Sema& sema) override {
    sema.TemplateInstCallbacks.push_back(std::make_unique<InstantiationOrder>(m_records));
  }
  void HandleTranslationUnit(ASTContext& context) override {
    m_records.collect(context);
    m_result.lines = m_records.lines();
    if (m_settings.clangView) m_result.viewLines = describeUnit(context, *m_files);
    const SourceManager& sm = context.getSourceManager();
    for (auto it = sm.fileinfo_begin(); it != sm.fileinfo_end(); ++it)
      m_result.inputs.push_back(m_files->absolute(it->first->getName()));
  }

 private:
  std::unique_ptr<UnitFiles> m_files;
  RecordCollector m_records;
  UnitResult& m_result;
  const ScanSettings& m_settings;
};

class RecordAction : public ASTFrontendAction {
 public:
  RecordAction(UnitResult& result, const UnitJob& job, const ScanSettings& settings)
      : m_result(result), m_job(job), m_settings(settings) {}
  std::unique_ptr<ASTConsumer> CreateASTConsumer(CompilerInstance& ci, StringRef) override {
    auto files = std::make_unique<UnitFiles>(ci.getSourceManager(), m_job.directory, m_settings.recordDirs);
    auto consumer = std::make_unique<RecordConsumer>(std::move(files), m_result, m_settings);
    ci.getPreprocessor().addPPCallbacks(std::make_unique<PreprocessorRecords>(consumer->records()));
    return consumer;
  }

 private:
  UnitResult& m_result;
  const UnitJob& m_job;
  const ScanSettings& m_settings;
};

class RecordActionFactory : public tooling::FrontendActionFactory {
 public:
  RecordActionFactory(UnitResult& result, const UnitJob& job, const ScanSettings& settings)
      : m_result(result), m_job(job), m_settings(settings) {}
  std::unique_ptr<FrontendAction> create() override {
    return std::make_unique<RecordAction>(m_result, m_job, m_settings);
  }
  // The scan writes nothing but its records: files a build's options would
  // have clang write (serialised diagnostics, dependency lists, statistics)
  // could lie anywhere, outside the output directory.
  bool runInvocation(std::shared_ptr<CompilerInvocation> invocation, FileManager* files,
                     std::shared_ptr<PCHContainerOperations> pch, DiagnosticConsumer* diagnostics) override {
    invocation->getDiagnosticOpts().DiagnosticSerializationFile.clear();
    invocation->getDiagnosticOpts().DiagnosticLogFile.clear();
    DependencyOutputOptions& dependencies = invocation->getDependencyOutputOpts();
    dependencies.OutputFile.clear();
    dependencies.HeaderIncludeOutputFile.clear();
    dependencies.DOTOutputFile.clear();
    dependencies.ModuleDependencyOutputDir.clear();
    dependencies.Targets.clear();
    FrontendOptions& frontend = invocation->getFrontendOpts();
    frontend.OutputFile.clear();
    frontend.StatsFile.clear();
    frontend.MTMigrateDir.clear();
    frontend.ARCMTMigrateReportOut.clear();
    frontend.ARCMTAction = FrontendOptions::ARCMT_None;
    return FrontendActionFactory::runInvocation(std::move(invocation), files, std::move(pch), diagnostics);
  }

 private:
  UnitResult& m_result;
  const UnitJob& m_job;
  const ScanSettings& m_settings;
};

// A compilation database of exactly one command.
class OneCommand : public tooling::CompilationDatabase {
 public:
  explicit OneCommand(const UnitJob& job) : m_command(job.directory, job.source, job.arguments, "") {}
  std::vector<tooling::CompileCommand> getCompileCommands(StringRef) const override { return {m_command}; }
  std::vector<std::string> getAllFiles() const override { return {m_command.Filename}; }

 private:
  tooling::CompileCommand m_command;
};

// Adds clang's own header folder unless the command names one.
tooling::ArgumentsAdjuster resourceDirAdjuster(const std::string& dir) {
  return [dir](const tooling::CommandLineArguments& args, StringRef) {
    tooling::CommandLineArguments out = args;
    for (const std::string& arg : args)
      if (arg.rfind("-resource-dir", 0) == 0) return out;
    if (!dir.empty() && !out.empty()) out.insert(out.begin() + 1, "-resource-dir=" + dir);
    return out;
  };
}

// Leaves out the options clang's driver does not know (another compiler's
// own), so that a unit built with that compiler still scans; names them in
// dropped.
tooling::ArgumentsAdjuster unknownOptionRemover(std::vector<std::string>& dropped) {
  return [&dropped](const tooling::CommandLineArguments& args, StringRef) {
    if (args.size() < 2) return args;
    std::vector<const char*> raw;
    for (size_t i = 1; i < args.size(); ++i) raw.push_back(args[i].c_str());
    unsigned missingIndex = 0, missingCount = 0;
    const llvm::opt::InputArgList parsed = driver::getDriverOptTable().ParseArgs(raw, missingIndex, missingCount);
    std::set<unsigned> unknown;
    for (const llvm::opt::Arg* arg : parsed.filtered(driver::options::OPT_UNKNOWN)) unknown.insert(arg->getIndex());
    if (unknown.empty()) return args;
    tooling::CommandLineArguments out{args[0]};
    for (size_t i = 1; i < args.size(); ++i) {
      if (unknown.count(static_cast<unsigned>(i - 1))) dropped.push_back(args[i]);
      else out.push_back(args[i]);
    }
    return out;
  };
}

// Opens regular files only: a named pipe would block the parse for good, and
// a device such as /dev/zero never ends.
class RegularFilesOnly : public llvm::vfs::ProxyFileSystem {
 public:
  using ProxyFileSystem::ProxyFileSystem;
  llvm::ErrorOr<std::unique_ptr<llvm::vfs::File>> openFileForRead(const Twine& path) override {
    auto status = getUnderlyingFS().status(path);
    if (status && status->getType() != llvm::sys::fs::file_type::regular_file)
      return std::make_error_code(std::errc::invalid_argument);
    return ProxyFileSystem::openFileForRead(path);
  }
};

// Reads path whole if it is a regular file, checked on the opened file.
llvm::ErrorOr<std::unique_ptr<llvm::MemoryBuffer>> readRegularFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::error_code(errno, std::generic_category());
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return std::make_error_code(std::errc::invalid_argument);
  }
  auto buffer = llvm::MemoryBuffer::getOpenFile(fd, path, static_cast<uint64_t>(st.st_size));
  close(fd);
  return buffer;
}

}  // namespace

UnitResult scanUnit(const UnitJob& job, const ScanSettings& settings) {
  UnitResult result;
  // Deep template recursion then moves to a fresh stack instead of
  // overflowing this one.
  noteBottomOfStack();
  OneCommand database(job);
  tooling::ClangTool tool(database, {job.source}, std::make_shared<PCHContainerOperations>(),
                          llvm::makeIntrusiveRefCnt<RegularFilesOnly>(llvm::vfs::getRealFileSystem()));
  tool.clearArgumentsAdjusters();
  std::vector<std::string> dropped;
  tool.appendArgumentsAdjuster(unknownOptionRemover(dropped));
  tool.appendArgumentsAdjuster(tooling::getClangStripOutputAdjuster());
  tool.appendArgumentsAdjuster(tooling::getClangStripDependencyFileAdjuster());
  tool.appendArgumentsAdjuster(tooling::getClangSyntaxOnlyAdjuster());
  tool.appendArgumentsAdjuster(resourceDirAdjuster(settings.resourceDir));
  // Warnings are the build's business, not the scan's: a project built with
  // another compiler and -Werror must not fail on clang's own warnings.
  tool.appendArgumentsAdjuster(tooling::getInsertArgumentAdjuster(
      tooling::CommandLineArguments{"-w", "-Wno-error"}, tooling::ArgumentInsertPosition::END));

  llvm::raw_string_ostream messages(result.diagnostics);
  auto options = llvm::makeIntrusiveRefCnt<DiagnosticOptions>();
  TextDiagnosticPrinter printer(messages, options.get());
  tool.setDiagnosticConsumer(&printer);
  RecordActionFactory factory(result, job, settings);
  const int status = tool.run(&factory);
  messages.flush();
  if (!dropped.empty()) {
    std::string note = job.source + ": note: left out options clang does not know:";
    for (const std::string& option : dropped) note += " " + option;
    result.diagnostics = note + "\n" + result.diagnostics;
  }
  result.ok = status == 0 && !result.inputs.empty();
  return result;
}

bool loadCompileCommands(const std::string& buildDir, std::vector<UnitJob>& units, std::string& error) {
  const std::string file = buildDir + "/compile_commands.json";
  auto buffer = readRegularFile(file);
  if (!buffer) {
    const std::error_code why = buffer.getError();
    error = "cannot read " + file + ": " +
            (why == std::errc::invalid_argument ? std::string("not a regular file") : why.message());
    return false;
  }
  // Checked as JSON first: the database's own parser reports syntax errors
  // on standard error in its own words.
  if (auto parsed = llvm::json::parse((*buffer)->getBuffer()); !parsed) {
    error = "cannot read " + file + ": not valid JSON: " + llvm::toString(parsed.takeError());
    return false;
  }
  std::string why;
  auto database = tooling::JSONCompilationDatabase::loadFromBuffer((*buffer)->getBuffer(), why,
                                                                   tooling::JSONCommandLineSyntax::AutoDetect);
  if (!database) {
    error = "cannot read " + file + ": " + why;
    return false;
  }
  // A relative "directory" is taken from the folder of the database.
  llvm::SmallString<256> base(buildDir);
  llvm::sys::fs::make_absolute(base);
  std::vector<std::string> seen;
  for (const tooling::CompileCommand& command : database->getAllCompileCommands()) {
    llvm::SmallString<256> directory(command.Directory);
    llvm::sys::fs::make_absolute(base, directory);
    llvm::sys::path::remove_dots(directory, true);
    llvm::SmallString<256> path(command.Filename);
    llvm::sys::fs::make_absolute(directory, path);
    llvm::sys::path::remove_dots(path, true);
    const std::string source = path.str().str();
    if (std::find(seen.begin(), seen.end(), source) != seen.end()) continue;
    seen.push_back(source);
    units.push_back(UnitJob{source, directory.str().str(), command.CommandLine});
  }
  if (units.empty()) {
    error = file + " holds no compile commands";
    return false;
  }
  return true;
}

}  // namespace kxdf_scan
