// The tests' way into a run and its disk: what only a test needs, kept out of
// the production classes, which declare these two as friends.
#pragma once

#include <cstddef>
#include <functional>

#include "base/platform.h"
#include "driver/run.h"
#include "source/lexer.h"

/// A run's lexer and disk, and its steps one at a time.
class RunForTesting {
 public:
  static Lexer& lexer(Run& run) { return run.lexer_; }
  static platform::Disk& disk(Run& run) { return run.disk_; }
  static int Attempt(Run& run, const std::function<void()>& step) { return run.Attempt(step); }
  static void HandleDirective(Run& run) { run.HandleDirective(); }
  static void IncludeFile(Run& run, const char* path) { run.IncludeFile(path); }
};

namespace platform {

/// Makes a disk fail on demand.
class DiskForTesting {
 public:
  /// Output files take `bytes` more bytes; a write past them puts what fits
  /// and fails, as on a full disk.
  static void FailWritesAfter(Disk& disk, std::size_t bytes) { disk.writableBytes_ = bytes; }
  /// Input files give `bytes` more bytes; a read past them fails.
  static void FailReadsAfter(Disk& disk, std::size_t bytes) { disk.readableBytes_ = bytes; }
  /// Closing an output file fails.
  static void FailCloses(Disk& disk) { disk.failClose_ = true; }
  /// Renaming a file fails.
  static void FailRenames(Disk& disk) { disk.failRename_ = true; }
};

}  // namespace platform
