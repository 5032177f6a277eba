// The preprocessor: macro definitions and their replacement, skipped
// directives, and included files read through their own statement loop.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <string>
#include <vector>

#include "source/macros.h"
#include "source_text.h"

namespace {

std::string IncludeLine(const std::string& path) { return "#include \"" + path + "\"\n"; }

class Define : public TextRunTest {};
class Include : public TextRunTest {};

TEST_F(Define, StringMacroBecomesAString) {
  Load("#define kName \"Sample \\\"one\\\"\"\nkName\n");
  RunDirectives();
  const Macro* macro = lexer().macros().LookupMacro("kName");
  ASSERT_NE(macro, nullptr);
  EXPECT_EQ(macro->kind, kMacroString);
  GetToken();
  ASSERT_EQ(pToken->eClass, TOK_STRING);
  EXPECT_STREQ(pToken->text, "Sample \\\"one\\\"");
}

TEST_F(Include, FailureInsideAHeaderRestoresTheIncludingSource) {
  const std::string header = WriteSourceFile("bad.h", "#define kOk 1\ntypedef long Fixed;\n");
  Load("next\n");
  const auto streams = ExpectFailure([&] { RunForTesting::IncludeFile(run(), header.c_str()); });
  EXPECT_EQ(streams.out, "Parsing Directive\nUnknownToken: typedef Line# 2\n");
  EXPECT_EQ(streams.err, "Help 2, line 2\n");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_IDENT);
  EXPECT_STREQ(pToken->name, "next");
}

TEST_F(Include, NestingStopsAt32FilesBelowTheMainFile) {
  const std::string self = WriteSourceFile("self.h", "");
  WriteSourceFile("self.h", IncludeLine(self));
  std::string expected;
  for (int i = 0; i < 32; ++i) expected += "Parsing Directive\n";

  Load("next\n");
  auto streams = ExpectFailure([&] { RunForTesting::IncludeFile(run(), self.c_str()); });
  EXPECT_EQ(streams.out, expected);
  EXPECT_EQ(streams.err, "Include nesting too deep, line 1\n");
  // Every level was given back: the same chain reaches the same depth again.
  streams = ExpectFailure([&] { RunForTesting::IncludeFile(run(), self.c_str()); });
  EXPECT_EQ(streams.out, expected);

  // A missing file at the deepest level is only warned about.
  std::string next = WriteSourceFile("level32.h", "#include \"/no/such/file.h\"\n");
  for (int level = 31; level >= 1; --level)
    next = WriteSourceFile("level" + std::to_string(level) + ".h", IncludeLine(next));
  Load("next\n");
  CapturedStreams deepest;
  RunForTesting::IncludeFile(run(), next.c_str());
  deepest.Finish();
  EXPECT_EQ(deepest.out, expected + "Warning:Unable to open include file \"/no/such/file.h\"\n");
}

TEST_F(Include, IncludedFilesAreClosedWhenFinished) {
  const std::string header = WriteSourceFile("defs.h", "#define kCount 1\n");
  std::string main;
  for (int i = 0; i < 1000; ++i) main += IncludeLine(header);
  // Far fewer descriptors than includes: a file left open would exhaust them.
  // (Windows sets no small limit on handles; there the run is checked as is.)
#ifndef _WIN32
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit few = saved;
  few.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &few), 0);
#endif
  const Conversion run = ConvertText("many.r", main);
#ifndef _WIN32
  setrlimit(RLIMIT_NOFILE, &saved);
#endif
  EXPECT_EQ(run.status, 0);
  std::string expected;
  for (int i = 0; i < 1000; ++i) expected += "Parsing Directive\n";
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
}

}  // namespace
