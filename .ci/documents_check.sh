#!/usr/bin/env bash
# The manual pages' EXAMPLES, run as written against an installed or unpacked
# VorlTool (the tar.gz, as release_check.sh gives it, or any install prefix),
# and what each says it gives checked. Every line of every example runs in a
# shell, in a folder laid out as the examples speak of it, with the prefix's
# bin first on PATH:
# - MyFilter.r, a plug-in's resources written for a C preprocessor: a header
#   beside it, another in the folder include, the entry point picked with
#   #if defined(_WIN64), a trade mark sign in the name and Bitmap among the
#   modes (bytes llvm-rc takes only as --llvm-rc writes them);
# - format_plugin.r, copied from the examples beside the prefix's README;
# - MyFilter.8bf, a DLL that lld-link makes of MyFilter.res once the
#   examples of VorlTool have made it, for those of VorlDump;
# - the CMake example in a project of its own (find_package(VorlTool) from
#   the prefix, built with the host's C++ compiler).
# It checks that every line succeeds and that MyFilter.res holds the 64-bit
# entry point, the version from the header in include and the name; that the
# dependency file names the source and both headers; that format_plugin.rc is
# the file-format example's script; that the CMake build made its script as a
# run with the target's include folder does; that VorlDump of the DLL shows
# its property list and string list; and that the dump converted, compiled and
# dumped again shows what the dump of MyFilter.res shows.
#
#   documents_check.sh <prefix (bin/VorlTool, share/man/man1)> <scratch folder>
set -euo pipefail
# shellcheck source=SCRIPTDIR/script_basics.sh
. "$(dirname "$0")/script_basics.sh"

if [ $# -ne 2 ]; then
  echo "usage: documents_check.sh <prefix> <scratch folder>" >&2
  exit 2
fi
prefix=$(cd "$1" && pwd)
scratch=$(scratch_folder "$2")
for needed in llvm-rc lld-link cmake c++; do
  command -v "$needed" >/dev/null 2>&1 || fail "$needed is not on PATH"
done
export PATH=$prefix/bin:$PATH
[ "$(command -v VorlTool)" = "$prefix/bin/VorlTool" ] || fail "VorlTool on PATH is $(command -v VorlTool)"
unset VORLTOOL_DEPFILE

# Prints the lines of the examples (.EX to .EE) of the EXAMPLES section of the
# manual page $1, read as the page shows them, a line "--" after each example.
examples_of() {
  awk '
    /^\.SH / { inside = $0 == ".SH EXAMPLES"; next }
    !inside { next }
    /^\.EX/ { shown = 1; next }
    /^\.EE/ { shown = 0; print "--"; next }
    shown {
      gsub(/\\-/, "-"); gsub(/\\\(aq/, "\047"); gsub(/\\\(dq/, "\""); gsub(/\\%/, ""); gsub(/\\e/, "\\")
      print
    }' "$1"
}

# The folder the examples speak of.
work=$scratch/work
rm -rf "$work"
mkdir -p "$work/include"
cat >"$work/my_filter_ids.h" <<'END_OF_HEADER'
#define kMyFilterID 16000
#define kMyMessagesID 16001
END_OF_HEADER
cat >"$work/include/my_filter_version.h" <<'END_OF_HEADER'
#ifndef MY_FILTER_VERSION_H
#define MY_FILTER_VERSION_H
#define kMyMajor 2
#define kMyMinor 1
#endif
END_OF_HEADER
# The name's trade mark sign is the Macintosh byte 0xAA.
printf '%s\n' \
  '#include "my_filter_ids.h"' \
  '#include "my_filter_version.h"' \
  'resource '\''Vorl'\'' (kMyFilterID, "My Filter") {' \
  '    {' \
  '        Kind { Filter },' \
  "        Name { \"My Filter$(printf '\252')\" }," \
  '        Version { (kMyMajor << 16) | kMyMinor },' \
  '#if defined(_WIN64)' \
  '        CodeWin64X86 { "PluginMain" },' \
  '#else' \
  '        CodeWin32X86 { "PluginMain" },' \
  '#endif' \
  '        SupportedModes { doesSupportBitmap, doesSupportRGBColor }' \
  '    }' \
  '};' \
  'resource '\''LStr'\'' (kMyMessagesID, "Messages") {' \
  '    {' \
  '        "Done."' \
  '    }' \
  '};' >"$work/MyFilter.r"
echo 'extern "C" int PluginMain() { return 0; }' >"$work/filter.cpp"
cp "$prefix/share/doc/vorltool/examples/format_plugin.r" "$work/"

# Runs the examples of the manual page $1 in the folder: each shell line as
# written, its standard output kept in shown[line]; a block of CMake lines is
# kept in cmake_lines for the project below.
declare -A shown
cmake_lines=""
run_examples() {
  local page=$1 line block=() first
  mapfile -t lines < <(examples_of "$page")
  [ ${#lines[@]} -gt 0 ] || fail "$page has no examples"
  for line in "${lines[@]}"; do
    if [ "$line" != "--" ]; then
      block+=("$line")
      continue
    fi
    first=${block[0]}
    if [[ $first =~ ^[a-z_]+\( ]]; then
      cmake_lines+=$(printf '%s\n' "${block[@]}")$'\n'
    else
      for line in "${block[@]}"; do
        shown[$line]=$(cd "$work" && bash -c "$line" </dev/null) ||
          fail "the example line \"$line\" of $(basename "$page") failed"
      done
    fi
    block=()
  done
}

# What the output of the example line $1 must hold (each further argument, as
# a whole line).
expect_shown() {
  local line=$1 wanted
  shift
  [ -n "${shown[$line]+set}" ] || fail "the examples no longer run \"$line\""
  for wanted in "$@"; do
    grep -qxF -- "$wanted" <<<"${shown[$line]}" ||
      fail "\"$line\" does not show \"$wanted\"; it shows:"$'\n'"${shown[$line]}"
  done
}

echo "-- the examples of VorlTool(1), in $work"
run_examples "$prefix/share/man/man1/VorlTool.1"
[ -f "$work/MyFilter.res" ] || fail "the examples made no MyFilter.res"
dumped=$(cd "$work" && VorlDump MyFilter.res)
for wanted in "resource 'Vorl' (16000) {" "        Name { \"My Filter$(printf '\252')\" }," \
              "        Version { 131073 }," "        CodeWin64X86 { \"PluginMain\" },"; do
  grep -qxF -- "$wanted" <<<"$dumped" ||
    fail "MyFilter.res, read back, holds no line \"$wanted\":"$'\n'"$dumped"
done
echo "MyFilter.r converted as a 64-bit build reads it, compiled by llvm-rc"
depfile=$(cat "$work/MyFilter.rc.d" 2>/dev/null) || fail "the examples made no MyFilter.rc.d"
for named in "$work/MyFilter.rc:" "$work/MyFilter.r" "$work/my_filter_ids.h" \
             "$work/include/my_filter_version.h"; do
  grep -qF -- "$named" <<<"$depfile" || fail "MyFilter.rc.d does not name $named:"$'\n'"$depfile"
done
echo "MyFilter.rc.d names the script, the source and both headers"
grep -qx $'16001  Vorl  DISCARDABLE' "$work/format_plugin.rc" 2>/dev/null ||
  fail "format_plugin.rc holds no block 16001  Vorl  DISCARDABLE"
echo "format_plugin.r converted without options"

echo "-- the CMake example of VorlTool(1)"
[ -n "$cmake_lines" ] || fail "the examples of VorlTool(1) hold no CMake lines"
project=$scratch/cmake-project
build=$scratch/cmake-build
rm -rf "$project" "$build"
mkdir -p "$project"
cp -R "$work/MyFilter.r" "$work/my_filter_ids.h" "$work/include" "$work/filter.cpp" "$project/"
{
  echo 'cmake_minimum_required(VERSION 3.20)'
  echo 'project(MyFilter LANGUAGES CXX)'
  echo 'find_package(VorlTool REQUIRED)'
  printf '%s' "$cmake_lines"
} >"$project/CMakeLists.txt"
cmake -S "$project" -B "$build" -DCMAKE_PREFIX_PATH="$prefix" >"$scratch/cmake.log" 2>&1 ||
  { cat "$scratch/cmake.log"; fail "the CMake example does not configure"; }
cmake --build "$build" >>"$scratch/cmake.log" 2>&1 ||
  { cat "$scratch/cmake.log"; fail "the CMake example does not build"; }
(cd "$project" && VorlTool -I include MyFilter.r "$scratch/cmake-reference.rc" >/dev/null)
cmp "$build/vorl/MyFilter/MyFilter.rc" "$scratch/cmake-reference.rc" ||
  fail "the CMake example made $build/vorl/MyFilter/MyFilter.rc otherwise than VorlTool -I include"
echo "the CMake example made vorl/MyFilter/MyFilter.rc with the target's include folder"

echo "-- the examples of VorlDump(1)"
(cd "$work" && lld-link /dll /noentry /machine:x64 /out:MyFilter.8bf MyFilter.res >/dev/null) ||
  fail "lld-link made no MyFilter.8bf of MyFilter.res"
run_examples "$prefix/share/man/man1/VorlDump.1"
expect_shown "VorlDump MyFilter.8bf" "resource 'Vorl' (16000) {" "resource 'LStr' (16001) {"
again="VorlDump MyFilter_back.res"
expect_shown "$again" "resource 'Vorl' (16000) {"
[ "${shown[$again]}" = "$dumped" ] ||
  fail "MyFilter_back.res reads back otherwise than MyFilter.res:"$'\n'"${shown[$again]}"
echo "VorlDump shows the plug-in, and the dump converted and compiled again holds the same"

echo "documents_check: passed"
