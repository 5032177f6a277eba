#!/usr/bin/env bash
# Runs the fuzzers on a fresh clang build with AddressSanitizer (leaks on) and
# UndefinedBehaviorSanitizer: the conversion fuzzer (fuzz/convert_fuzz.cpp)
# for the given time, from the seeds of every golden input and example (each
# also read with options) and of the preprocessing oracle, with the dictionary
# of the keyword table and the preprocessor's words, then the VorlDump fuzzer
# (fuzz/dump_fuzz.cpp) for half of it, from the dump's golden inputs. Any
# finding fails: a crash or sanitizer report, a leak, an input that runs
# longer than 10 s or takes more than 2 GB. libFuzzer then leaves the input in
# the build's fuzz/ folder (crash-*, leak-*, timeout-*, oom-*); once fixed, it
# becomes a golden case.
#
#   fuzz.sh <build folder> <seconds>
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2

rm -rf "$build"
CXX=clang++ cmake -S . -B "$build" -DVORLTOOL_FUZZ=ON -DVORLTOOL_BUILD_TESTS=OFF \
  -DVORLTOOL_WERROR=ON >/dev/null
cmake --build "$build" -j2 --target convert_fuzz dump_fuzz >/dev/null
fuzz="$(pwd)/$build/fuzz"

# run_fuzzer <target> <seconds> <options and seed folders...>: new inputs go
# to the target's own corpus folder, the first folder libFuzzer is given.
run_fuzzer() {
  local target=$1 time=$2
  shift 2
  mkdir -p "$fuzz/${target}_corpus"
  # The runs' own output (warnings, failure reports) is closed off; libFuzzer's
  # and the sanitizers' reports are kept in the log.
  if ! UBSAN_OPTIONS=print_stacktrace=1 "$fuzz/$target" -max_total_time="$time" -timeout=10 \
      -rss_limit_mb=2048 -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$fuzz/" \
      "$fuzz/${target}_corpus" "$@" 2>"$fuzz/$target.log"; then
    tail -n 80 "$fuzz/$target.log"
    echo "fuzz: $target has a finding; its input is in $fuzz/" >&2
    exit 1
  fi
  local runs corpus
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$fuzz/$target.log")
  corpus=$(find "$fuzz/${target}_corpus" -type f | wc -l)
  echo "fuzz: $target: no finding in $runs runs over ${time} s; $corpus new inputs in the corpus"
}

run_fuzzer convert_fuzz "$seconds" -dict="$fuzz/convert_fuzz.dict" "$fuzz/convert_seeds"
dump_seeds="$fuzz/dump_seeds"
mkdir -p "$dump_seeds"
n=0
while IFS= read -r seed; do
  n=$((n + 1))
  cp "$seed" "$dump_seeds/$n-$(basename "$seed")"
done < <(find tests/dump-cases -type f \( -name '*.res' -o -name '*.dll' -o -name '*.8bi' \))
run_fuzzer dump_fuzz $((seconds / 2)) "$dump_seeds"
