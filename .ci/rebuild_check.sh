#!/usr/bin/env bash
# The rebuild test of the demo plug-in, on a build folder that has been built
# once: a second build does nothing; touching the header beside demo_plugin.r
# reruns VorlTool and what depends on its script (the resource object, the
# DLL) and nothing else; touching the .r file does the same; touching the
# version header, which the .r file and the C++ source both find through the
# target's include folder, reruns VorlTool and compiles the C++ source again;
# and touching the C++ source, which has nothing to do with the resources,
# does not run VorlTool. What ran is read from the outputs' modification times.
#
#   rebuild_check.sh <demo build folder> <demo source folder>
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: rebuild_check.sh <demo build folder> <demo source folder>" >&2
  exit 2
fi
build=$1
source=$2

declare -A outputs=(
  [script]=$build/vorl/demo_plugin/demo_plugin.rc
  [resource-object]=$build/CMakeFiles/demo_plugin.dir/vorl/demo_plugin/demo_plugin.rc.res
  [code-object]=$build/CMakeFiles/demo_plugin.dir/demo_plugin.cpp.obj
  [dll]=$build/demo_plugin.dll
)
for name in "${!outputs[@]}"; do
  [ -f "${outputs[$name]}" ] || { echo "rebuild_check: no ${outputs[$name]}" >&2; exit 1; }
done

# Builds and prints the names of the outputs the build wrote, sorted, on one line.
build_and_list() {
  declare -A before
  for name in "${!outputs[@]}"; do before[$name]=$(stat -c %.9Y "${outputs[$name]}"); done
  cmake --build "$build" >/dev/null
  for name in "${!outputs[@]}"; do
    [ "$(stat -c %.9Y "${outputs[$name]}")" = "${before[$name]}" ] || echo "$name"
  done | sort | tr '\n' ' ' | sed 's/ $//'
}

failed=0
# touch_and_expect <file to touch, or nothing> <outputs expected to be written>
touch_and_expect() {
  local touched=$1 expected=$2
  # Time stamps of the outputs and of the touched file must differ.
  sleep 1
  [ -z "$touched" ] || touch "$source/$touched"
  local written
  written=$(build_and_list)
  if [ "$written" = "$expected" ]; then
    echo "after touching ${touched:-nothing}: rebuilt ${written:-nothing}"
  else
    echo "rebuild_check: after touching ${touched:-nothing}, the build wrote" \
         "\"$written\", expected \"$expected\"" >&2
    failed=1
  fi
}

echo "rebuild test in $build"
touch_and_expect "" ""
touch_and_expect demo_plugin_ids.h "dll resource-object script"
touch_and_expect "" ""
touch_and_expect demo_plugin.r "dll resource-object script"
touch_and_expect include/demo_version.h "code-object dll resource-object script"
touch_and_expect demo_plugin.cpp "code-object dll"
exit $failed
