// A failing disk at every byte. Whatever write fails, wherever it fails, the
// run reports "Unable to write output file <path>" with its line, removes the
// script and ends with status 1; a close that fails does the same. A read
// that fails reads as the end of the file: the run goes on exactly as over
// the file cut at that byte.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/locale.h"
#include "base/platform.h"
#include "driver/run.h"
#include "source_text.h"

namespace {

using platform::DiskForTesting;

/// The shipped examples (the *.r of `folder`), by file name. A test over
/// none would check nothing, so finding none fails the test.
std::vector<std::string> Examples(const std::string& folder = std::string(VORL_SOURCE_DIR) +
                                                              "/examples") {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".r") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  if (names.empty()) ADD_FAILURE() << "no *.r in " << folder << " to fail the disk under";
  return names;
}

TEST(FailingDisk, AnExamplesFolderWithoutExamplesFails) {
  // doc/ holds no resource description.
  EXPECT_NONFATAL_FAILURE(Examples(std::string(VORL_SOURCE_DIR) + "/doc"), "no *.r in");
}

std::string ExamplePath(const std::string& name) {
  return std::string(VORL_SOURCE_DIR) + "/examples/" + name;
}

/// The line of a failure report "<message>, line <n>\n" whose message is the
/// write failure of `output`; -1 for any other text.
long WriteFailureLine(const std::string& err, const std::string& output) {
  const std::string head = "Unable to write output file " + output + "\n, line ";
  if (err.compare(0, head.size(), head) != 0 || err.size() < head.size() + 2 ||
      err.back() != '\n')
    return -1;
  const std::string digits = err.substr(head.size(), err.size() - head.size() - 1);
  if (digits.find_first_not_of("0123456789") != std::string::npos) return -1;
  return std::stol(digits);
}

/// Converts with the disk failing after `writable` bytes of the script; a
/// failure must be the write failure, reported with a line, the script gone.
/// Returns that line.
long ExpectWriteFailure(::Run& run, const std::string& output, std::size_t writable,
                        const std::string& what) {
  DiskForTesting::FailWritesAfter(RunForTesting::disk(run), writable);
  const Conversion failed = ConvertWith(run, output);
  EXPECT_EQ(failed.status, 1) << what << " at byte " << writable;
  EXPECT_EQ(failed.out, "") << what << " at byte " << writable;
  EXPECT_FALSE(failed.outputExists) << what << " at byte " << writable;
  const long line = WriteFailureLine(failed.err, output);
  EXPECT_GE(line, 0) << what << " at byte " << writable << ": " << failed.err;
  return line;
}

TEST(FailingDisk, WriteFailsAtEveryByteOfTheExamplesScripts) {
  for (const std::string& name : Examples()) {
    const std::string output = WriteSourceFile(name + ".rc", "");
    ::Run sound(ExamplePath(name));
    const Conversion whole = ConvertWith(sound, output);
    ASSERT_EQ(whole.status, 0) << name << ": " << whole.err;
    for (std::size_t writable = 0; writable < whole.script.size(); ++writable) {
      ::Run run(ExamplePath(name));
      ExpectWriteFailure(run, output, writable, name);
    }
    // A disk that takes the whole script writes it whole.
    ::Run exactRun(ExamplePath(name));
    DiskForTesting::FailWritesAfter(RunForTesting::disk(exactRun), whole.script.size());
    const Conversion exact = ConvertWith(exactRun, output);
    EXPECT_EQ(exact.status, 0) << name;
    EXPECT_EQ(exact.script, whole.script) << name;
    // A disk that reports the lost write only when the file is closed.
    ::Run closedRun(ExamplePath(name));
    DiskForTesting::FailCloses(RunForTesting::disk(closedRun));
    const Conversion closed = ConvertWith(closedRun, output);
    EXPECT_EQ(closed.status, 1) << name;
    EXPECT_FALSE(closed.outputExists) << name;
    EXPECT_GE(WriteFailureLine(closed.err, output), 0) << name << ": " << closed.err;
  }
}

TEST(FailingDisk, WriteFailsInEveryPieceOfALargeScript) {
  // The examples and a string list, again and again: a script of about
  // 400 KB, which the writer hands to the disk in pieces of 64 KB and more.
  const std::string once = SourceTreeFile("examples/effect_plugin.r") +
                           SourceTreeFile("examples/format_plugin.r") +
                           "resource 'LStr' (16002) { { \"One\", \"Two\" } };\n";
  std::string input;
  while (input.size() < (320u << 10)) input += once;
  const std::string output = WriteSourceFile("large.rc", "");
  ::Run sound(input, kLocaleEnglish);
  const Conversion whole = ConvertWith(sound, output);
  ASSERT_EQ(whole.status, 0) << whole.err;
  // A stride well below the size of the pieces fails each piece several
  // times, each time at another byte of it; the last byte fails the last.
  constexpr std::size_t kStride = 4093;
  std::vector<std::size_t> cuts;
  for (std::size_t writable = 0; writable < whole.script.size(); writable += kStride)
    cuts.push_back(writable);
  cuts.push_back(whole.script.size() - 1);
  long previousLine = 0;
  for (const std::size_t writable : cuts) {
    ::Run run(input, kLocaleEnglish);
    const long line = ExpectWriteFailure(run, output, writable, "large script");
    // The report names the line where the run was when the disk refused, so
    // a later failure is never reported on an earlier line.
    EXPECT_GE(line, previousLine) << "at byte " << writable;
    previousLine = line;
  }
}

/// A run over the file at `path` on a disk that fails after `readable` bytes
/// must read as `expected`, a sound run over the text cut there.
void ExpectReadsAsCut(const std::string& path, std::size_t readable, const Conversion& expected,
                      const std::string& output) {
  ::Run run(path);
  DiskForTesting::FailReadsAfter(RunForTesting::disk(run), readable);
  const Conversion cut = ConvertWith(run, output);
  EXPECT_EQ(cut.status, expected.status) << path << " cut at " << readable;
  EXPECT_EQ(cut.out, expected.out) << path << " cut at " << readable;
  EXPECT_EQ(cut.err, expected.err) << path << " cut at " << readable;
  EXPECT_EQ(cut.script, expected.script) << path << " cut at " << readable;
}

TEST(FailingDisk, ReadFailureAtEveryByteOfTheExamplesEndsTheFileThere) {
  for (const std::string& name : Examples()) {
    const std::string text = SourceTreeFile("examples/" + name);
    const std::string output = WriteSourceFile(name + ".rc", "");
    const std::string expectedOutput = WriteSourceFile(name + ".expected.rc", "");
    for (std::size_t readable = 0; readable <= text.size(); ++readable) {
      const Conversion expected = ConvertText(name, text.substr(0, readable), expectedOutput);
      ExpectReadsAsCut(ExamplePath(name), readable, expected, output);
    }
  }
}

TEST(FailingDisk, ReadFailureInAnIncludedFileEndsThatFileThere) {
  // The demo plug-in, its header named by its full path. The main file is
  // read whole before the header is opened, so a disk that fails within the
  // main file (the test above cuts files there) leaves the header empty; one
  // such cut, then every byte of the header.
  const std::string header = SourceTreeFile("examples/plugin/demo_plugin_ids.h");
  const std::string headerPath = WriteSourceFile("demo_plugin_ids.h", header);
  std::string main = SourceTreeFile("examples/plugin/demo_plugin.r");
  const std::string directive = "#include \"demo_plugin_ids.h\"";
  const std::size_t at = main.find(directive);
  ASSERT_NE(at, std::string::npos);
  main.replace(at, directive.size(), "#include \"" + headerPath + "\"");
  const std::string mainPath = WriteSourceFile("demo_plugin.r", main);
  const std::string output = WriteSourceFile("demo_plugin.rc", "");
  const std::string expectedOutput = WriteSourceFile("demo_plugin.expected.rc", "");
  std::vector<std::size_t> cuts = {main.size() / 2};
  for (std::size_t readable = main.size(); readable <= main.size() + header.size(); ++readable)
    cuts.push_back(readable);
  for (const std::size_t readable : cuts) {
    const std::size_t headerPart = readable > main.size() ? readable - main.size() : 0;
    std::ofstream(headerPath, std::ios::binary | std::ios::trunc) << header.substr(0, headerPart);
    const Conversion expected = ConvertText(
        "demo_plugin.r", main.substr(0, std::min(readable, main.size())), expectedOutput);
    std::ofstream(headerPath, std::ios::binary | std::ios::trunc) << header;
    ExpectReadsAsCut(mainPath, readable, expected, output);
  }
}

TEST(FailingDisk, CarriageReturnAndLineFeedInTwoReadsAreOneLineEnd) {
  // A line of 510 bytes and CR LF fills the 512-byte line buffer exactly: were
  // its CR not joined with the LF, the line would come as two and every line
  // after it would count one more. Such a line ends with its CR as the last
  // byte of every power-of-two piece of the file from 4 KB to 1 MB, so one of
  // them sits at the end of a piece the reader reads, whatever its size.
  const std::string fullLine = "//" + std::string(508, 'c') + "\r\n";
  std::string text;
  int lines = 0;
  for (std::size_t boundary = 1 << 12; boundary <= (1 << 20); boundary *= 2) {
    const std::size_t lineStart = boundary - (fullLine.size() - 1);
    while (text.size() < lineStart) {
      // Lines of at most 200 bytes, which never fill the line buffer.
      const std::size_t length = std::min<std::size_t>(lineStart - text.size(), 200);
      text += length >= 2 ? std::string(length - 2, ' ') + "\r\n" : "\n";
      ++lines;
    }
    text += fullLine;
    ++lines;
    ASSERT_EQ(text[boundary - 1], '\r');
  }
  text += "resource 'MENU' (1) {";
  const std::string path = WriteSourceFile("crlf.r", text);
  const std::string output = WriteSourceFile("crlf.rc", "");
  ::Run run(path);
  const Conversion whole = ConvertWith(run, output);
  EXPECT_EQ(whole.status, 1);
  EXPECT_EQ(whole.err, "Premature End of file, line " + std::to_string(lines + 1) + "\n");
  // A read that fails right after such a CR leaves it a byte of its own.
  for (const std::size_t readable : {std::size_t{1} << 12, std::size_t{1} << 16}) {
    const Conversion expected = ConvertText("crlf.r", text.substr(0, readable));
    ExpectReadsAsCut(path, readable, expected, output);
  }
}

}  // namespace
