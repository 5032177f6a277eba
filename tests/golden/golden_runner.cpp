// Runs one golden case against the real VorlTool binary.
//
//   golden_runner <VorlTool binary> <case folder> <scratch folder> [examples folder]
//
// The case folder is copied into a fresh scratch folder, the binary runs there
// with the arguments listed in `args`, and everything it leaves behind is
// compared byte for byte with the case's expectations: the exit status
// (`status`, a number, default 0), `stdout` and `stderr` (missing means
// empty), the output file and the files named in `unchanged`. Every case
// declares its output, as `expected.rc` (the output is the second argument,
// or the last one after options) or as `no-output`: the run makes no file
// and changes none below the scratch folder, and nothing stands at the
// output path afterwards, unless the case brought something there that a
// failed run keeps (a folder, a link, a device, or a file listed in
// `unchanged`, such as the input itself); a case declaring neither, or both,
// fails. A case whose standard output must go elsewhere
// than to a file (a device that fails every write: /dev/full) names it in
// `stdout-to`; that output is then not compared. Any difference is reported and the runner exits 1.
// A case that checks a shipped example names it in `examples` (one file name a
// line) instead of holding a copy: it is copied from the examples folder.
//
// The run sees the runner's environment without VORLTOOL_DEPFILE, plus the
// variables of `env` (one NAME=value a line). `expected.d` is the expected
// dependency file, the one VORLTOOL_DEPFILE names (relative to the working
// folder); its absolute paths begin with @SCRATCH@, which stands for the
// working folder (as written by the run, blanks escaped or not). `created`
// lists every file the run must leave behind that the case did not bring
// (one a line, relative to the working folder), and no other.
// `hard-links` makes hard links in the scratch folder before the run (one
// "<new name> <existing name>" a line), since a repository cannot hold them.
// A case that only makes sense on one kind of system (a device name, a
// symbolic link, which wine shows Windows programs as the file it points to)
// names it in `only-on`: `posix` or `windows`. Elsewhere the runner exits 77,
// which the test suite reports as skipped.

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

/// A run that takes longer than this is taken for a hang.
constexpr auto kTimeLimit = std::chrono::seconds(60);

/// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadFile(const fs::path& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

/// One argument per line; a missing final line end is allowed, and an empty
/// line is an empty argument.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

/// The text with line ends, tabs, backslashes and every non-printable byte
/// written as escapes, so a report shows exactly what differs.
std::string Escape(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    switch (c) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\\': out += "\\\\"; break;
      default:
        if (c >= 0x20 && c < 0x7F) {
          out += static_cast<char>(c);
        } else {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", c);
          out += hex;
        }
    }
  }
  return out;
}

/// Collects the differences of one run.
class Report {
 public:
  explicit Report(std::string caseName) : caseName_(std::move(caseName)) {}

  void Fail(const std::string& what) {
    std::printf("%s: %s\n", caseName_.c_str(), what.c_str());
    ++failures_;
  }

  /// Compares two byte strings; on a difference shows both around the first
  /// differing offset.
  void Compare(const std::string& item, const std::string& expected,
               const std::string& actual) {
    if (expected == actual) return;
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    const std::size_t from = at > 40 ? at - 40 : 0;
    auto window = [&](const std::string& s) {
      std::string shown = Escape(s.substr(std::min(from, s.size()), 120));
      if (from > 0) shown = "..." + shown;
      if (from + 120 < s.size()) shown += "...";
      return shown;
    };
    std::ostringstream what;
    what << item << " differs at offset " << at << " (expected " << expected.size()
         << " bytes, got " << actual.size() << ")\n"
         << "  expected: \"" << window(expected) << "\"\n"
         << "  actual:   \"" << window(actual) << "\"";
    Fail(what.str());
  }

  int Status() const { return failures_ == 0 ? 0 : 1; }

 private:
  std::string caseName_;
  int failures_ = 0;
};

#ifdef _WIN32

constexpr const char* kThisSystem = "windows";

/// `arg` quoted for a command line as the C runtime splits it: blanks and tabs
/// inside quotes, a quote escaped by a backslash, backslashes doubled only
/// where a quote follows them.
std::string QuoteArgument(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string::npos) return arg;
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + "\"";
}

/// A file the child inherits as one of its standard streams.
HANDLE OpenInherited(const char* path, bool write) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileA(path, write ? GENERIC_WRITE : GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

/// Runs the binary in `workDir` with stdin from NUL and the two streams sent
/// to files; returns the exit status, or a description of how it ended. The
/// arguments go through the ANSI command line byte for byte, as a user's
/// would.
std::optional<int> RunBinary(const std::string& binary, const std::vector<std::string>& args,
                             const fs::path& workDir, const fs::path& outPath,
                             const fs::path& errPath, std::string& trouble) {
  std::string commandLine = QuoteArgument(binary);
  for (const std::string& arg : args) commandLine += " " + QuoteArgument(arg);

  // A start that fails never ran the binary, so it is tried again: wine on a
  // busy machine now and then refuses to start a process (error 1359).
  PROCESS_INFORMATION child{};
  bool started = false;
  DWORD startError = 0;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    if (attempt > 0) Sleep(500);
    const HANDLE in = OpenInherited("NUL", false);
    const HANDLE out = OpenInherited(outPath.string().c_str(), true);
    const HANDLE err = OpenInherited(errPath.string().c_str(), true);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    started = in != INVALID_HANDLE_VALUE && out != INVALID_HANDLE_VALUE &&
              err != INVALID_HANDLE_VALUE &&
              CreateProcessA(binary.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                             nullptr, workDir.string().c_str(), &startup, &child);
    startError = GetLastError();
    for (HANDLE handle : {in, out, err})
      if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  if (!started) {
    trouble = "cannot start the binary (error " + std::to_string(startError) + ")";
    return std::nullopt;
  }
  CloseHandle(child.hThread);

  const auto limit = std::chrono::duration_cast<std::chrono::milliseconds>(kTimeLimit);
  DWORD status = 0;
  if (WaitForSingleObject(child.hProcess, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
    TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, INFINITE);
    trouble = "the run did not end within the time limit (hang)";
  } else if (!GetExitCodeProcess(child.hProcess, &status)) {
    trouble = "no exit status (error " + std::to_string(GetLastError()) + ")";
  } else if (status >= 0xC0000000) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(status));
    trouble = std::string("the run ended with exception ") + code;
  }
  CloseHandle(child.hProcess);
  if (!trouble.empty()) return std::nullopt;
  return static_cast<int>(status);
}

#else

constexpr const char* kThisSystem = "posix";

/// Runs the binary in `workDir` with stdin from /dev/null and the two streams
/// sent to files; returns the exit status, or a description of how it ended.
std::optional<int> RunBinary(const std::string& binary, const std::vector<std::string>& args,
                             const fs::path& workDir, const fs::path& outPath,
                             const fs::path& errPath, std::string& trouble) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(binary.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  const pid_t child = fork();
  if (child < 0) {
    trouble = std::string("fork failed: ") + std::strerror(errno);
    return std::nullopt;
  }
  if (child == 0) {
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 ||
        dup2(err, 2) < 0 || chdir(workDir.c_str()) != 0) {
      _exit(126);
    }
    execv(binary.c_str(), argv.data());
    _exit(127);
  }

  const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) break;
    if (done < 0 && errno != EINTR) {
      trouble = std::string("waitpid failed: ") + std::strerror(errno);
      return std::nullopt;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      trouble = "the run did not end within the time limit (hang)";
      return std::nullopt;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFSIGNALED(status)) {
    trouble = "the run was killed by signal " + std::to_string(WTERMSIG(status));
    return std::nullopt;
  }
  return WEXITSTATUS(status);
}

#endif

/// A path from the case, relative to the working folder unless absolute.
fs::path InScratch(const fs::path& scratch, const std::string& name) {
  const fs::path path(name);
  return path.is_absolute() ? path : scratch / path;
}

/// For `unchanged`: a link must still be the same link, anything else must
/// hold the same bytes as the case's copy.
void CheckUnchanged(Report& report, const fs::path& caseDir, const fs::path& scratch,
                    const std::string& name) {
  const fs::path original = caseDir / name;
  const fs::path now = InScratch(scratch, name);
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(original, ec))) {
    if (!fs::is_symlink(fs::symlink_status(now, ec))) {
      report.Fail("unchanged " + name + ": is no longer a symbolic link");
      return;
    }
    report.Compare("unchanged link " + name, fs::read_symlink(original, ec).string(),
                   fs::read_symlink(now, ec).string());
    return;
  }
  const auto expected = ReadFile(original);
  const auto actual = ReadFile(now);
  if (!expected) {
    report.Fail("unchanged " + name + ": not in the case folder");
  } else if (!actual) {
    report.Fail("unchanged " + name + ": missing after the run");
  } else {
    report.Compare("unchanged " + name, *expected, *actual);
  }
}

/// Sets the variables of the case's `env` for the run, and no dependency file
/// unless the case asks for one.
void SetEnvironment(const fs::path& caseDir) {
#ifdef _WIN32
  // An empty value removes the variable on Windows.
  auto set = [](const std::string& name, const std::string& value) {
    _putenv_s(name.c_str(), value.c_str());
  };
  set("VORLTOOL_DEPFILE", "");
#else
  auto set = [](const std::string& name, const std::string& value) {
    setenv(name.c_str(), value.c_str(), 1);
  };
  unsetenv("VORLTOOL_DEPFILE");
#endif
  for (const std::string& line : SplitLines(ReadFile(caseDir / "env").value_or(""))) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) set(line.substr(0, equals), line.substr(equals + 1));
  }
}

/// Every file below `folder` (not the folders), relative to it, sorted.
std::vector<std::string> FilesBelow(const fs::path& folder) {
  std::vector<std::string> files;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_directory(ec)) files.push_back(fs::relative(it->path(), folder, ec).string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

/// The dependency file with the working folder written as @SCRATCH@, under
/// each of the names it may have been reached by.
std::string WithScratchPlaceholder(std::string text, const fs::path& scratch) {
  std::error_code ec;
  for (const fs::path& name : {fs::canonical(scratch, ec), scratch}) {
    if (name.empty()) continue;
    for (const std::string& spelling : {name.string(), name.generic_string()}) {
      text = ReplaceAll(text, ReplaceAll(spelling, " ", "\\ "), "@SCRATCH@");
      text = ReplaceAll(text, spelling, "@SCRATCH@");
    }
  }
  return text;
}

void CheckDependencyFile(Report& report, const fs::path& caseDir, const fs::path& scratch) {
  const auto expected = ReadFile(caseDir / "expected.d");
  if (!expected) return;
  const char* named = std::getenv("VORLTOOL_DEPFILE");
  if (named == nullptr || *named == '\0') {
    report.Fail("expected.d given, but `env` sets no VORLTOOL_DEPFILE");
    return;
  }
  const auto actual = ReadFile(InScratch(scratch, named));
  if (!actual) {
    report.Fail(std::string("dependency file ") + named + " was not written");
  } else {
    report.Compare(std::string("dependency file ") + named, *expected,
                   WithScratchPlaceholder(*actual, scratch));
  }
}

/// The case's expected exit status: the number in `status` (one line, a line
/// end allowed), 0 without the file, nothing when the file holds anything
/// else, so that a mistyped status cannot pass for 0.
std::optional<int> ExpectedStatus(const fs::path& caseDir) {
  const auto text = ReadFile(caseDir / "status");
  if (!text) return 0;
  const std::string digits = text->size() > 0 && text->back() == '\n'
                                 ? text->substr(0, text->size() - 1) : *text;
  if (digits.empty() || digits.size() > 3 ||
      digits.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoi(digits);
}

/// The output the case names: `output_name`, else the last argument after
/// options, else the second argument; "" when there is none.
std::string OutputName(const fs::path& caseDir, const std::vector<std::string>& args) {
  if (const auto named = ReadFile(caseDir / "output_name"))
    return SplitLines(*named).empty() ? "" : SplitLines(*named).front();
  // With options in front, the output is the last argument.
  if (!args.empty() && args[0].size() > 1 && args[0][0] == '-') return args.back();
  return args.size() >= 2 ? args[1] : "";
}

/// Every file below `folder` with its bytes (read through links), one entry
/// a line, so that two snapshots compare as texts; the files named in
/// `leaveOut` are left out.
std::string Snapshot(const fs::path& folder, const std::vector<std::string>& leaveOut) {
  std::string text;
  for (const std::string& name : FilesBelow(folder)) {
    if (std::find(leaveOut.begin(), leaveOut.end(), name) != leaveOut.end()) continue;
    text += name + ": " + Escape(ReadFile(folder / name).value_or("(unreadable)")) + "\n";
  }
  return text;
}

/// What stood at the output path before the run, for `no-output`.
struct OutputBefore {
  /// The files of the scratch folder that are the output (under any name),
  /// which the run may remove.
  std::vector<std::string> names;
  /// Whether something may stand at the output path after the run: what the
  /// case brought there that no failed run removes (a folder, a link, a
  /// device, a file listed in `unchanged`, such as the input itself).
  bool mayStay = false;
  /// Every other file below the scratch folder, with its bytes.
  std::string others;
};

OutputBefore LookAtOutput(const fs::path& caseDir, const fs::path& scratch,
                          const std::string& outputName) {
  OutputBefore before;
  std::error_code ec;
  const fs::path output = InScratch(scratch, outputName);
  const fs::file_status status = fs::symlink_status(output, ec);
  if (fs::exists(status)) {
    before.mayStay = !fs::is_regular_file(status);
    for (const std::string& name : SplitLines(ReadFile(caseDir / "unchanged").value_or("")))
      before.mayStay |= !name.empty() && fs::equivalent(InScratch(scratch, name), output, ec);
    for (const std::string& name : FilesBelow(scratch))
      if (fs::equivalent(scratch / name, output, ec)) before.names.push_back(name);
  }
  before.others = Snapshot(scratch, before.names);
  return before;
}

std::string Listing(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

/// The output the case declares: `expected.rc`, the bytes the output must
/// hold, or `no-output`: no file made or changed below the scratch folder,
/// and nothing at the output path unless the case brought it there and a
/// failed run leaves it (`OutputBefore`).
void CheckOutput(Report& report, const fs::path& caseDir, const fs::path& scratch,
                 const std::string& outputName, const OutputBefore& before) {
  const bool noOutput = fs::exists(caseDir / "no-output");
  const auto expected = ReadFile(caseDir / "expected.rc");
  if (noOutput == expected.has_value()) {
    report.Fail(noOutput ? "declares both expected.rc and no-output"
                         : "declares no output: neither expected.rc nor no-output");
    return;
  }
  std::error_code ec;
  const fs::path output = InScratch(scratch, outputName);
  if (noOutput) {
    if (!before.mayStay && fs::exists(fs::symlink_status(output, ec)))
      report.Fail("output " + outputName + " exists, expected none");
    report.Compare("files after a run that writes none", before.others,
                   Snapshot(scratch, before.names));
    return;
  }
  const auto actual = ReadFile(output);
  if (outputName.empty()) {
    report.Fail("expected.rc given, but no output named (no second argument, no output_name)");
  } else if (!actual) {
    report.Fail("output " + outputName + " was not written");
  } else {
    report.Compare("output " + outputName, *expected, *actual);
  }
}

void CheckCreated(Report& report, const fs::path& caseDir, const std::vector<std::string>& before,
                  const fs::path& scratch) {
  const auto listed = ReadFile(caseDir / "created");
  if (!listed) return;
  std::vector<std::string> expected;
  for (const std::string& name : SplitLines(*listed))
    if (!name.empty()) expected.push_back(name);
  std::sort(expected.begin(), expected.end());
  std::vector<std::string> created;
  for (const std::string& name : FilesBelow(scratch))
    if (!std::binary_search(before.begin(), before.end(), name)) created.push_back(name);
  report.Compare("files created", Listing(expected), Listing(created));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr,
                 "usage: golden_runner <VorlTool binary> <case folder> <scratch folder> "
                 "[examples folder]\n");
    return 2;
  }
  const std::string binary = fs::absolute(argv[1]).string();
  const fs::path caseDir = fs::absolute(argv[2]);
  const fs::path scratch = fs::absolute(argv[3]);
  Report report(caseDir.filename().string());

  if (const auto only = ReadFile(caseDir / "only-on")) {
    const std::vector<std::string> lines = SplitLines(*only);
    if (lines.empty() || lines.front() != kThisSystem) {
      std::printf("%s: runs only on %s\n", caseDir.filename().string().c_str(),
                  lines.empty() ? "(nothing)" : lines.front().c_str());
      return 77;
    }
  }

  std::error_code ec;
  fs::remove_all(scratch, ec);
  fs::create_directories(scratch.parent_path(), ec);
  fs::copy(caseDir, scratch, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
  if (ec) {
    report.Fail("cannot copy the case into " + scratch.string() + ": " + ec.message());
    return report.Status();
  }
  for (const std::string& example : SplitLines(ReadFile(caseDir / "examples").value_or(""))) {
    if (example.empty()) continue;
    const fs::path from = argc == 5 ? fs::path(argv[4]) / example : fs::path(example);
    if (!fs::copy_file(from, scratch / example, fs::copy_options::overwrite_existing, ec)) {
      report.Fail("cannot copy the example " + from.string() + ": " + ec.message());
      return report.Status();
    }
  }

  for (const std::string& line : SplitLines(ReadFile(caseDir / "hard-links").value_or(""))) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string::npos) continue;
    const fs::path link = scratch / line.substr(0, blank);
    fs::create_hard_link(scratch / line.substr(blank + 1), link, ec);
    if (ec) {
      report.Fail("cannot make the hard link " + link.string() + ": " + ec.message());
      return report.Status();
    }
  }

  const std::vector<std::string> args = SplitLines(ReadFile(caseDir / "args").value_or(""));
  SetEnvironment(caseDir);
  const std::vector<std::string> before = FilesBelow(scratch);
  const std::string outputName = OutputName(caseDir, args);
  const OutputBefore outputBefore = LookAtOutput(caseDir, scratch, outputName);
  const auto outDevice = ReadFile(caseDir / "stdout-to");
  const fs::path outPath = outDevice && !SplitLines(*outDevice).empty()
                               ? fs::path(SplitLines(*outDevice).front())
                               : fs::path(scratch.string() + ".stdout");
  const fs::path errPath = scratch.string() + ".stderr";
  std::string trouble;
  const std::optional<int> status = RunBinary(binary, args, scratch, outPath, errPath, trouble);
  if (!status) {
    report.Fail(trouble);
  } else {
    const std::optional<int> expectedStatus = ExpectedStatus(caseDir);
    if (!expectedStatus) {
      report.Fail("status: not a number on a line of its own");
    } else if (*status != *expectedStatus) {
      report.Fail("exit status " + std::to_string(*status) + ", expected " +
                  std::to_string(*expectedStatus));
    }
  }

  if (!outDevice)
    report.Compare("stdout", ReadFile(caseDir / "stdout").value_or(""),
                   ReadFile(outPath).value_or(""));
  report.Compare("stderr", ReadFile(caseDir / "stderr").value_or(""),
                 ReadFile(errPath).value_or(""));

  CheckOutput(report, caseDir, scratch, outputName, outputBefore);

  for (const std::string& name : SplitLines(ReadFile(caseDir / "unchanged").value_or(""))) {
    if (!name.empty()) CheckUnchanged(report, caseDir, scratch, name);
  }
  CheckDependencyFile(report, caseDir, scratch);
  CheckCreated(report, caseDir, before, scratch);
  return report.Status();
}
