#!/usr/bin/env bash
# Fails when a run of the suite skipped a test that .ci/platform_only_tests
# does not name as running only on another kind of system: in CI every tool
# the tests need is there, so any other skip is a check that did not run.
#
#   skip_check.sh <posix|windows> <what ctest printed>
set -euo pipefail

if [ $# -ne 2 ] || { [ "$1" != posix ] && [ "$1" != windows ]; }; then
  echo "usage: skip_check.sh <posix|windows> <what ctest printed>" >&2
  exit 2
fi
system=$1
report=$2
list="$(dirname "$0")/platform_only_tests"

# A report without ctest's summary is no report: nothing would be found skipped.
if ! grep -qE '^[0-9]+% tests passed' "$report"; then
  echo "skip_check: $report holds no ctest summary"
  exit 1
fi

unexpected=()
while IFS= read -r test; do
  only=$(awk -v test="$test" '!/^#/ && $1 == test { print $2 }' "$list")
  if [ -z "$only" ] || [ "$only" = "$system" ]; then
    unexpected+=("$test")
  fi
done < <(sed -n 's/^[[:space:]]*[0-9][0-9]* - \(.*\) (Skipped)$/\1/p' "$report")

if [ ${#unexpected[@]} -ne 0 ]; then
  echo "skip_check: skipped on $system, and not listed in .ci/platform_only_tests as running elsewhere only:"
  printf '  %s\n' "${unexpected[@]}"
  exit 1
fi
echo "skip_check: every test skipped on $system runs only on another system"
