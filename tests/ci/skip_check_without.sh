#!/usr/bin/env bash
# Shows that CI's skip check catches a tool that is missing: runs one test of
# the suite with <tool> hidden from PATH, and hands ctest's report to
# .ci/skip_check.sh as CI does; the check must fail, naming the test.
#
#   skip_check_without.sh <tool> <test> <ctest> <build folder> <scratch folder>
set -uo pipefail

if [ $# -ne 5 ]; then
  echo "usage: skip_check_without.sh <tool> <test> <ctest> <build folder> <scratch folder>" >&2
  exit 2
fi
tool=$1
test=$2
ctest=$3
build=$4
scratch=$5
here=$(cd "$(dirname "$0")" && pwd)

mkdir -p "$scratch"
bash "$here/without_tools.sh" "$scratch/path" "$tool" "$ctest" --test-dir "$build" -R "^$test\$" \
  >"$scratch/report" 2>&1
sed 's/^/  ctest: /' "$scratch/report"
bash "$here/../../.ci/skip_check.sh" posix "$scratch/report"
echo "skip_check_without: status $?"
