#!/usr/bin/env bash
# The release archives as a user gets them: made by release_archives.sh, their
# checksums checked, and each unpacked or installed afresh and used. In every
# one VorlTool --version tells the version of project() and names the licence,
# both programs give the same bytes as the normal build, LICENSE (in the .deb,
# the copyright file), the two examples and the names of the language
# (doc/properties.md) are beside the README, and the README's quick start for
# that archive, typed as written where its user stands, converts an example
# and shows the script.
# - tar.gz: the programs are statically linked; the manual pages tell the
#   version, and their EXAMPLES, run as written, give what they say
#   (documents_check.sh); no path of this machine inside; the consumer project
#   (.ci/consumer) finds the package through CMAKE_PREFIX_PATH and converts
#   with it.
# - .deb: its fields and files, lintian without errors and without a warning
#   about the copyright file, which is machine-readable and holds LICENSE's
#   notice and text; installed with dpkg: man finds the pages, the consumer
#   finds the package with no prefix path; removed with dpkg, nothing is left.
# - zip: under wine, in a fresh prefix whose path holds no mingw-w64 folder,
#   VorlTool.exe converts the shipped example and VorlDump.exe reads back the
#   .res that llvm-rc -C 1252 makes of the normal build's conversion; the
#   manual pages are there as text.
# The Debian package is installed on this machine for the while of its check,
# so the script runs as root or with sudo, and stops when a vorltool package
# is installed already.
#
#   release_check.sh <normal build folder (VorlTool, VorlDump)> <scratch folder>
set -euo pipefail
# shellcheck source=SCRIPTDIR/script_basics.sh
. "$(dirname "$0")/script_basics.sh"

if [ $# -ne 2 ]; then
  echo "usage: release_check.sh <normal build folder> <scratch folder>" >&2
  exit 2
fi
reference=$(cd "$1" && pwd)
scratch=$(scratch_folder "$2")
dist=$scratch/dist

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
deb_installed=no
wine_started=no
cleanup() {
  if [ "$deb_installed" = yes ]; then "${as_root[@]}" dpkg -r vorltool >/dev/null || true; fi
  if [ "$wine_started" = yes ]; then wineserver -k 2>/dev/null || true; fi
}
trap cleanup EXIT

"$ci/release_archives.sh" "$scratch" -DVORLTOOL_WERROR=ON

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$scratch/linux/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $scratch/linux/CMakeCache.txt"
tgz=VorlTool-$version-Linux-x86_64.tar.gz
deb=vorltool_${version}_amd64.deb
zip=VorlTool-$version-win64.zip

echo "-- checksums"
for archive in "$tgz" "$deb" "$zip"; do
  [ -f "$dist/$archive" ] || fail "no $archive among the archives"
done
listed=$(awk '{ print $2 }' "$dist/SHA256SUMS" | sort | tr '\n' ' ')
[ "$listed" = "$(printf '%s\n' "$tgz" "$deb" "$zip" | sort | tr '\n' ' ')" ] ||
  fail "SHA256SUMS lists $listed"
(cd "$dist" && sha256sum -c SHA256SUMS)

# What every archive must convert to: the shipped example converted by the
# normal build, compiled by llvm-rc -C 1252 (given the script's name from its
# own folder, as llvm-rc takes an absolute /... path for an option), and that
# read back by the normal build's VorlDump.
work=$scratch/work
rm -rf "$work"
mkdir -p "$work"
cp "$root/examples/format_plugin.r" "$work/"
(cd "$work" && "$reference/VorlTool" format_plugin.r reference.rc >/dev/null &&
  llvm-rc -C 1252 -fo reference.res reference.rc &&
  "$reference/VorlDump" reference.res reference_dump.r)

# The licence: the title of LICENSE ("MIT License"), its copyright notice,
# and its text after the notice, the part the Debian copyright file holds.
licence_title=$(head -n 1 "$root/LICENSE")
licence_notice=$(grep -m 1 '^Copyright (c) ' "$root/LICENSE") ||
  fail "$root/LICENSE holds no line beginning with \"Copyright (c) \""
licence_text=$(sed '1,/^Copyright (c) /d' "$root/LICENSE" | sed '/./,$!d')

# Checks the programs of an unpacked archive (prefix, then the programs'
# suffix and the way to run them): VorlTool tells the version and, on the
# next line, the notice and the name of the licence, the example converts to
# the reference bytes and the .res reads back as the reference does.
check_programs() {
  local prefix=$1 suffix=$2
  shift 2
  local run=("$@") shown expected
  # A Windows program ends its lines with CR LF on the console.
  shown=$("${run[@]}" "$prefix/bin/VorlTool$suffix" --version | tr -d '\r')
  expected="VorlTool $version"$'\n'"$licence_notice. Released under the $licence_title."
  [ "$shown" = "$expected" ] ||
    fail "VorlTool$suffix --version from $prefix shows"$'\n'"$shown"$'\n'"not"$'\n'"$expected"
  rm -f "$work/out.rc" "$work/out_dump.r"
  (cd "$work" && "${run[@]}" "$prefix/bin/VorlTool$suffix" format_plugin.r out.rc >/dev/null) ||
    fail "VorlTool$suffix from $prefix did not convert the example"
  cmp "$work/out.rc" "$work/reference.rc" ||
    fail "VorlTool$suffix from $prefix converts the example to other bytes than $reference/VorlTool"
  (cd "$work" && "${run[@]}" "$prefix/bin/VorlDump$suffix" reference.res out_dump.r >/dev/null) ||
    fail "VorlDump$suffix from $prefix did not read the .res"
  cmp "$work/out_dump.r" "$work/reference_dump.r" ||
    fail "VorlDump$suffix from $prefix reads the .res otherwise than $reference/VorlDump"
  echo "VorlTool$suffix tells version $version; it and VorlDump$suffix give the same bytes as the normal build"
}

# Fails when a file under $1 names a folder of this machine's checkout or build.
check_no_build_path() {
  local found
  found=$(grep -rlF -e "$root" -e "$scratch" "$1" || true)
  [ -z "$found" ] || fail "paths of the build machine in:"$'\n'"$found"
}

# Fails unless every file after the prefix is there.
check_files() {
  local prefix=$1
  shift
  for file in "$@"; do
    [ -f "$prefix/$file" ] || fail "$file is not in $prefix"
  done
}

# Fails unless the LICENSE, the examples and the names of the language beside
# the README in the folder $1 are those of the sources.
check_licence_and_examples() {
  local doc=$1
  cmp "$doc/LICENSE" "$root/LICENSE" || fail "$doc/LICENSE is not the LICENSE of the sources"
  for example in format_plugin.r effect_plugin.r; do
    cmp "$doc/examples/$example" "$root/examples/$example" ||
      fail "$doc/examples/$example is not the example of the sources"
  done
  cmp "$doc/doc/properties.md" "$root/doc/properties.md" ||
    fail "$doc/doc/properties.md is not the names of the language of the sources"
}

# Fails unless the text of $1's manual page ($2) has a COPYRIGHT section that
# holds LICENSE's notice and names the licence (read with its lines joined).
check_copyright_section() {
  local section
  section=$(awk '/^[A-Z]/ { inside = $0 == "COPYRIGHT"; next } inside' <<<"$2" | tr -s ' \n' '  ')
  { grep -qF "$licence_notice." <<<"$section" && grep -qF "$licence_title" <<<"$section"; } ||
    fail "the manual page of $1 has no COPYRIGHT section with \"$licence_notice.\" and the $licence_title:"$'\n'"$2"
}

# Prints the block of the README's quick start ($1) whose first line begins
# with $2: what the user of one archive types first.
quick_start_block() {
  awk -v first="$2" '
    /^## / { inside = $0 == "## Quick start" }
    !inside { next }
    /^```/ { if (fenced && chosen) exit; fenced = !fenced; opening = fenced; next }
    fenced && opening { chosen = index($0, first) == 1; opening = 0 }
    fenced && chosen { print }' "$1"
}

# Types the README's quick start for one archive in the folder where its user
# stands, each line given to a shell (the words after the folder). The first
# line converts an example of the sources and names the script after it; the
# script must be what the normal build makes of that example, and what the
# lines show must end with it (the user looks at it).
#
#   check_quick_start <README> <first words of the block> <folder> <shell...>
check_quick_start() {
  local readme=$1 first=$2 folder=$3
  shift 3
  local block words example script line
  block=$(quick_start_block "$readme" "$first")
  [ -n "$block" ] || fail "the quick start of $readme holds no block that begins with \"$first\""
  # The words of the first line, a backslash (octal 134) read as a slash: the
  # last that ends in .r and the last that ends in .rc.
  words=$(head -n 1 <<<"$block" | tr ' \134' '\n/')
  example=$(grep '\.r$' <<<"$words" | tail -n 1) || true
  script=$(grep '\.rc$' <<<"$words" | tail -n 1) || true
  { [ -n "$example" ] && [ -n "$script" ]; } ||
    fail "the quick start line \"$(head -n 1 <<<"$block")\" names no example and script"
  (cd "$work" && "$reference/VorlTool" "$root/examples/$(basename "$example")" quick_reference.rc >/dev/null)
  rm -f "$folder/$script"
  while IFS= read -r line; do
    (cd "$folder" && "$@" "$line" </dev/null) || fail "the quick start line \"$line\" failed in $folder"
  done <<<"$block" | tr -d '\r' >"$work/quick_shown.txt"
  cmp "$folder/$script" "$work/quick_reference.rc" ||
    fail "the quick start wrote $folder/$script otherwise than $reference/VorlTool converts $example"
  tail -c "$(wc -c <"$work/quick_reference.rc")" "$work/quick_shown.txt" | cmp -s - "$work/quick_reference.rc" ||
    fail "the quick start does not show the script it wrote; it shows:"$'\n'"$(cat "$work/quick_shown.txt")"
  rm -f "$folder/$script"
  echo "the README's quick start, typed in $folder, converts $(basename "$example") and shows the script"
}

package_files=(lib/cmake/VorlTool/VorlToolConfig.cmake lib/cmake/VorlTool/VorlToolConfigVersion.cmake
               lib/cmake/VorlTool/VorlToolResources.cmake lib/cmake/VorlTool/VorlToolTargets.cmake)

# Builds the consumer project in a fresh folder ($1) with the cmake options
# after it, and checks that it ran the VorlTool named by $2 and that the
# script it made is what the normal build makes of consumer.r.
check_consumer() {
  local build=$1 tool=$2
  shift 2
  rm -rf "$build"
  env -u CMAKE_PREFIX_PATH cmake -S "$ci/consumer" -B "$build" -G Ninja \
    -DVORLTOOL_EXPECTED_VERSION="$version" "$@" >/dev/null
  cmake --build "$build" >/dev/null
  [ "$(cat "$build/tool.txt")" = "$tool" ] ||
    fail "the consumer project found $(cat "$build/tool.txt"), not $tool"
  (cd "$ci/consumer" && "$reference/VorlTool" consumer.r "$build/reference.rc" >/dev/null)
  cmp "$build/vorl/resources/consumer.rc" "$build/reference.rc" ||
    fail "the consumer project's script differs from what $reference/VorlTool makes"
  echo "the consumer project found VorlTool $version and converted with $tool"
}

echo "-- $tgz"
rm -rf "$scratch/tgz"
mkdir -p "$scratch/tgz"
tar -xzf "$dist/$tgz" -C "$scratch/tgz"
prefix=$scratch/tgz/VorlTool-$version-Linux-x86_64
check_files "$prefix" bin/VorlTool bin/VorlDump share/man/man1/VorlTool.1 share/man/man1/VorlDump.1 \
  share/doc/vorltool/README.md "${package_files[@]}"
check_licence_and_examples "$prefix/share/doc/vorltool"
for program in VorlTool VorlDump; do
  file "$prefix/bin/$program" | grep -q 'statically linked' ||
    fail "$program is not statically linked: $(file "$prefix/bin/$program")"
  ! ldd "$prefix/bin/$program" >/dev/null 2>&1 || fail "ldd finds libraries that $program loads"
  page=$(groff -man -Tascii -P-cbou "$prefix/share/man/man1/$program.1")
  grep -q "^VorlTool $version " <<<"$page" || fail "the manual page of $program does not tell version $version"
  check_copyright_section "$program" "$page"
done
check_programs "$prefix" ""
check_no_build_path "$prefix"
check_quick_start "$prefix/share/doc/vorltool/README.md" "bin/VorlTool " "$prefix" bash -c
"$ci/documents_check.sh" "$prefix" "$scratch/documents"
check_consumer "$scratch/consumer-tgz" "$prefix/bin/VorlTool" -DCMAKE_PREFIX_PATH="$prefix"

echo "-- $deb"
info=$(dpkg-deb --info "$dist/$deb")
for field in "Package: vorltool" "Version: $version" "Architecture: amd64" "Maintainer: " "Description: "; do
  grep -q "^ $field" <<<"$info" || fail "dpkg-deb --info shows no \"$field\":"$'\n'"$info"
done
contents=$(dpkg-deb --contents "$dist/$deb" | awk '{ print $NF }')
for file in usr/bin/VorlTool usr/bin/VorlDump usr/share/man/man1/VorlTool.1.gz \
            usr/share/man/man1/VorlDump.1.gz usr/share/doc/vorltool/copyright \
            usr/share/doc/vorltool/examples/format_plugin.r usr/share/doc/vorltool/examples/effect_plugin.r \
            usr/share/doc/vorltool/doc/properties.md \
            "${package_files[@]/#/usr/}"; do
  grep -qxF "./$file" <<<"$contents" || fail "$deb holds no $file"
done
# The copyright file in the machine-readable format: its header, the files
# under MIT with LICENSE's notice, and a License paragraph holding LICENSE's
# text (each line indented by a blank, an empty line written " .").
copyright=$(dpkg-deb --fsys-tarfile "$dist/$deb" | tar -xO ./usr/share/doc/vorltool/copyright)
[ "$(head -n 1 <<<"$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
  fail "the copyright file of $deb does not begin with the Format of the machine-readable format:"$'\n'"$copyright"
files=$(awk '/^Files: \*$/ { inside = 1 } /^$/ { inside = 0 } inside' <<<"$copyright")
{ grep -qxF "Copyright: ${licence_notice#Copyright (c) }" <<<"$files" && grep -qx 'License: MIT' <<<"$files"; } ||
  fail "the copyright file of $deb has no \"Files: *\" paragraph with LICENSE's notice and License: MIT:"$'\n'"$copyright"
text=$(awk '/^License: MIT$/ { count++; next } count == 2 && /^ / { print; next } count == 2 { exit }' \
         <<<"$copyright" | sed -e 's/^ //' -e 's/^\.$//')
[ "$text" = "$licence_text" ] ||
  fail "the License: MIT paragraph of $deb's copyright file is not the text of LICENSE:"$'\n'"$copyright"
echo "the copyright file is machine-readable and holds LICENSE's notice and text under License: MIT"
# Errors fail, and so does a warning about the copyright file; other warnings
# are shown. (lintian also warns that it runs as root.)
report=$(lintian --fail-on error "$dist/$deb" 2>&1) || fail "lintian reports errors in $deb:"$'\n'"$report"
grep -v 'root privileges' <<<"$report" || true
report=$(lintian --check-part debian/copyright --fail-on error,warning "$dist/$deb" 2>&1) ||
  fail "lintian reports about the copyright file of $deb:"$'\n'"$report"
if dpkg -s vorltool >/dev/null 2>&1; then
  fail "a vorltool package is installed already; remove it (dpkg -r vorltool) to check this one"
fi
deb_installed=yes
"${as_root[@]}" dpkg -i "$dist/$deb" >/dev/null
[ "$(command -v VorlTool)" = /usr/bin/VorlTool ] || fail "VorlTool on PATH is $(command -v VorlTool)"
for page in VorlTool VorlDump; do
  [ "$(man -w "$page")" = "/usr/share/man/man1/$page.1.gz" ] ||
    fail "man -w $page finds $(man -w "$page" 2>&1)"
done
check_programs /usr ""
mkdir -p "$work/deb-user"
check_quick_start /usr/share/doc/vorltool/README.md "VorlTool /usr/" "$work/deb-user" bash -c
check_consumer "$scratch/consumer-deb" /usr/bin/VorlTool
"${as_root[@]}" dpkg -r vorltool >/dev/null
deb_installed=no
! dpkg -s vorltool >/dev/null 2>&1 || fail "dpkg -r left vorltool installed"
for file in bin/VorlTool bin/VorlDump share/man/man1/VorlTool.1.gz share/doc/vorltool \
            lib/cmake/VorlTool; do
  [ ! -e "/usr/$file" ] || fail "dpkg -r left /usr/$file"
done
! man -w VorlTool >/dev/null 2>&1 || fail "man still finds VorlTool after dpkg -r"
echo "installed, used and removed again"

echo "-- $zip"
rm -rf "$scratch/zip"
mkdir -p "$scratch/zip"
unzip -q "$dist/$zip" -d "$scratch/zip"
prefix=$scratch/zip/VorlTool-$version-win64
check_files "$prefix" bin/VorlTool.exe bin/VorlDump.exe doc/VorlTool.txt doc/VorlDump.txt \
  doc/README.md "${package_files[@]}"
check_licence_and_examples "$prefix/doc"
for program in VorlTool VorlDump; do
  dlls=$(llvm-readobj --coff-imports "$prefix/bin/$program.exe" | sed -n 's/^ *Name: \(.*\.dll\)$/\1/ip')
  ! grep -qi '^lib' <<<"$dlls" || fail "$program.exe loads the compiler's runtime:"$'\n'"$dlls"
  grep -q "^VorlTool $version " "$prefix/doc/$program.txt" ||
    fail "the text of $program's manual page does not tell version $version"
  check_copyright_section "$program" "$(cat "$prefix/doc/$program.txt")"
done
check_no_build_path "$prefix"
# A prefix of its own, made afresh; wine's path is then its Windows folders
# alone. The locale fixes wine's ANSI code page at 1252, as the tests do.
export WINEPREFIX=$scratch/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= LC_ALL=C.UTF-8
unset WINEPATH
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
wine_started=yes
wineserver -p
wineboot --init >/dev/null 2>&1
check_programs "$prefix" .exe wine
# Typed in a Command Prompt, as the README says.
check_quick_start "$prefix/doc/README.md" 'bin\VorlTool.exe ' "$prefix" wine cmd /c

echo "release_check: passed"
