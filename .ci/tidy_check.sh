#!/usr/bin/env bash
# No mutable variable at namespace or file scope in src/: a run keeps what it
# changes in its own objects, so two runs never share state. clang-tidy checks
# every source file of src/ that the given build compiles, with that build's
# compile commands (configure it with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON).
#
#   tidy_check.sh <build folder>
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
src="$(pwd)/src/"

mapfile -t files < <(grep -o "\"file\": *\"$src[^\"]*\"" "$build/compile_commands.json" |
                     sed 's/^"file": *"\(.*\)"$/\1/' | sort -u)
if [ ${#files[@]} -eq 0 ]; then
  echo "tidy_check: no source of src/ in $build/compile_commands.json" >&2
  exit 1
fi
status=0
report=$(clang-tidy -p "$build" --quiet \
           --checks='-*,cppcoreguidelines-avoid-non-const-global-variables' \
           --warnings-as-errors='*' --header-filter="^$src.*" "${files[@]}" 2>&1) || status=$?
printf '%s\n' "$report" | grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' || true
[ "$status" -eq 0 ] && echo "tidy_check: no mutable global state in ${#files[@]} files of src/"
exit "$status"
