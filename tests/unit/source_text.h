// Test helpers: a piece of source text made the current input, as a run
// would have it after start-up, and captured standard streams.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "driver/diagnostics.h"
#include "driver/run.h"
#include "source/char_source.h"
#include "source/lexer.h"
#include "source/preprocessor.h"

/// Writes `text` to a file of its own in the test's temporary folder and
/// returns its path. `name` keeps the files of one test apart; the process id
/// keeps apart builds whose tests run at the same time.
inline std::string WriteSourceFile(const std::string& name, const std::string& text) {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  const std::string path = testing::TempDir() + "vorl_" + std::to_string(getpid()) + "_" +
                           info->test_suite_name() + "_" + info->name() + "_" + name;
  std::ofstream(path, std::ios::binary) << text;
  // Removed when the test program ends.
  static struct Written {
    std::vector<std::string> paths;
    ~Written() {
      for (const std::string& written : paths) std::remove(written.c_str());
    }
  } written;
  written.paths.push_back(path);
  return path;
}

/// Starts a fresh run whose main input holds `text`, ready for GetToken.
inline void LoadSource(const std::string& text) {
  ResetRunState();
  OpenInput(WriteSourceFile("main.r", text).c_str());
  InitLexer();
}

/// Carries out the directives at the start of the source, up to the first
/// other token, which is left to be read.
inline void RunDirectives() {
  for (GetToken(); pToken->eClass == TOK_DIRECTIVE; GetToken()) HandleDirective();
  UngetToken();
}

/// Standard output and standard error of one stretch of a test.
struct CapturedStreams {
  CapturedStreams() {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
  }
  /// Stops capturing; call once.
  void Finish() {
    std::fflush(stdout);
    std::fflush(stderr);
    out = testing::internal::GetCapturedStdout();
    err = testing::internal::GetCapturedStderr();
  }
  std::string out;
  std::string err;
};

/// Runs `step`, which must end the run through the failure exit, and returns
/// what it wrote on the two streams.
template <class Step>
CapturedStreams ExpectFailure(Step step) {
  CapturedStreams streams;
  bool failed = false;
  try {
    step();
  } catch (const FatalExit&) {
    failed = true;
  }
  streams.Finish();
  EXPECT_TRUE(failed) << "the step did not fail";
  return streams;
}
