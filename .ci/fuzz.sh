#!/usr/bin/env bash
# Runs the conversion fuzzer (fuzz/convert_fuzz.cpp) for a given time on a
# fresh clang build with AddressSanitizer (leaks on) and
# UndefinedBehaviorSanitizer, from the seeds of every golden input and
# example, with the dictionary of the keyword table. Any finding fails: a
# crash or sanitizer report, a leak, an input that runs longer than 10 s or
# takes more than 2 GB. libFuzzer then leaves the input in the build's fuzz/
# folder (crash-*, leak-*, timeout-*, oom-*); once fixed, it becomes a golden
# case.
#
#   fuzz.sh <build folder> <seconds>
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2

rm -rf "$build"
CXX=clang++ cmake -S . -B "$build" -DVORLTOOL_FUZZ=ON -DVORLTOOL_BUILD_TESTS=OFF \
  -DVORLTOOL_WERROR=ON >/dev/null
cmake --build "$build" -j2 --target convert_fuzz >/dev/null
fuzz="$(pwd)/$build/fuzz"
mkdir -p "$fuzz/convert_corpus"
# The runs' own output (warnings, failure reports) is closed off; libFuzzer's
# and the sanitizers' reports are kept in the log.
if ! UBSAN_OPTIONS=print_stacktrace=1 "$fuzz/convert_fuzz" \
    -dict="$fuzz/convert_fuzz.dict" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$fuzz/" \
    "$fuzz/convert_corpus" "$fuzz/convert_seeds" 2>"$fuzz/convert_fuzz.log"; then
  tail -n 80 "$fuzz/convert_fuzz.log"
  echo "fuzz: a finding; its input is in $fuzz/" >&2
  exit 1
fi
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$fuzz/convert_fuzz.log")
corpus=$(find "$fuzz/convert_corpus" -type f | wc -l)
seeds=$(find "$fuzz/convert_seeds" -type f | wc -l)
echo "fuzz: no finding in $runs runs over ${seconds} s; $seeds seeds, $corpus new inputs in the corpus"
