#!/usr/bin/env bash
# Reads compiled resources back with VorlDump and checks that converting what
# it wrote gives the very same resources: for every golden case and example
# whose script llvm-rc compiles,
#
#   in.r -> VorlTool -> .rc -> llvm-rc -> .res -> VorlDump -> back/in.r
#        -> VorlTool -> .rc -> llvm-rc -> .res'
#
# and the resources of .res and .res' must hold the same bytes. The dump keeps
# the input's file name (so its language suffix), in a folder of its own.
# Where lld-link is found, the .res is also linked into a 64-bit and a 32-bit
# DLL, and the dump of each must convert to the same resources too.
#
#   round_trip.sh <VorlTool> <VorlDump> <res_entries> <cases> <rc inputs> <examples> <scratch> [emulator...]
#
# The emulator, when given, runs the three programs (wine, for a Windows build).
#
# Inputs that VorlTool or llvm-rc refuse (llvm-rc takes no negative numbers
# and no bytes 0x80-0x9F in strings) are counted as skipped. Exits 77
# (skipped) when llvm-rc or clang is missing.
set -uo pipefail

if [ $# -lt 7 ]; then
  echo "usage: round_trip.sh <VorlTool> <VorlDump> <res_entries> <cases> <rc inputs> <examples> <scratch> [emulator...]" >&2
  exit 2
fi
tool=$1
dump=$2
entries=$3
cases=$4
rc_inputs=$5
examples=$6
scratch=$7
emulator=("${@:8}")

for needed in llvm-rc clang; do
  if ! command -v "$needed" >/dev/null 2>&1; then
    echo "round_trip: $needed is not on PATH; skipped"
    exit 77
  fi
done
linker=$(command -v lld-link || true)

rm -rf "$scratch"
mkdir -p "$scratch"

passed=0
skipped=0
failed=0

fail() {
  echo "FAILED: $1"
  [ -n "${2:-}" ] && [ -f "$2" ] && sed 's/^/  /' "$2"
  failed=$((failed + 1))
}

# entries_of <.res> <file>: the entries of the .res, sorted, into <file>. Under
# wine on a busy machine the output of a program is now and then lost; every
# .res file has at least its leading empty entry, so an empty answer is such a
# loss, and the program is asked again (three times at most).
entries_of() {
  local attempt
  for attempt in 1 2 3; do
    "${emulator[@]}" "$entries" "$1" >"$2.raw"
    [ -s "$2.raw" ] && break
  done
  sort "$2.raw" >"$2"
}

# run_in <folder> <log> <program> <args...>: runs the program through the
# emulator in <folder>, all it prints into <log>. Under wine on a busy machine a
# program now and then ends in failure having printed nothing; VorlTool and
# VorlDump always say why they refuse, so such an end is the emulator's and the
# program is run again (three times at most).
run_in() {
  local folder=$1 log=$2 attempt status
  shift 2
  for attempt in 1 2 3; do
    (cd "$folder" && "${emulator[@]}" "$@") >"$log" 2>&1
    status=$?
    if [ "$status" -eq 0 ] || [ -s "$log" ]; then
      break
    fi
  done
  return "$status"
}

# back_again <folder> <input> <label>: converts and compiles the dump
# <folder>/<input> and compares its resources with the first ones.
back_again() {
  local folder=$1 input=$2 label=$3
  if ! run_in "$folder" "$folder/second.log" "$tool" "$input" second.rc; then
    fail "$label: VorlTool refused the dump $folder/$input" "$folder/second.log"
    return 1
  fi
  if ! (cd "$folder" && llvm-rc -C 1252 -fo second.res second.rc) >"$folder/second.log" 2>&1; then
    fail "$label: llvm-rc refused the script converted from the dump" "$folder/second.log"
    return 1
  fi
  entries_of "$folder/second.res" "$folder/second.entries"
  if ! diff "$work/first.entries" "$folder/second.entries" >"$folder/entries.diff"; then
    fail "$label: the resources differ after the round trip ($folder)" "$folder/entries.diff"
    return 1
  fi
}

# round_trip <work folder> <input file name> <label>: the folder holds the
# input and whatever it includes.
round_trip() {
  local work=$1 input=$2 label=$3
  run_in "$work" "$work/first.log" "$tool" "$input" first.rc || { skipped=$((skipped + 1)); return; }
  (cd "$work" && llvm-rc -C 1252 -fo first.res first.rc) >"$work/first.log" 2>&1 || {
    skipped=$((skipped + 1))
    return
  }
  entries_of "$work/first.res" "$work/first.entries"
  mkdir -p "$work/back"
  if ! run_in "$work" "$work/dump.log" "$dump" "$work/first.res" "$work/back/$input"; then
    fail "$label: VorlDump refused the compiled resources" "$work/dump.log"
    return
  fi
  back_again "$work/back" "$input" "$label" || return
  if [ -n "$linker" ]; then
    local machine
    for machine in x64 x86; do
      mkdir -p "$work/$machine"
      "$linker" /dll /noentry /machine:$machine /out:"$work/$machine/plugin.dll" "$work/first.res" \
        >"$work/link.log" 2>&1 || { fail "$label: lld-link /machine:$machine" "$work/link.log"; return; }
      run_in "$work" "$work/dump.log" "$dump" "$work/$machine/plugin.dll" "$work/$machine/$input" || {
        fail "$label: VorlDump refused the $machine DLL" "$work/dump.log"
        return
      }
      back_again "$work/$machine" "$input" "$label ($machine DLL)" || return
    done
  fi
  passed=$((passed + 1))
}

for case_dir in "$cases"/*/; do
  name=$(basename "$case_dir")
  [ -f "$case_dir/args" ] || continue
  input=$(head -n 1 "$case_dir/args")
  case "$input" in */*|"") continue ;; *.r) ;; *) continue ;; esac
  work="$scratch/$name"
  mkdir -p "$work"
  cp -R "$case_dir". "$work/"
  if [ -f "$case_dir/examples" ]; then
    while IFS= read -r example; do
      [ -n "$example" ] && cp "$examples/$example" "$work/"
    done <"$case_dir/examples"
  fi
  [ -f "$work/$input" ] || continue
  round_trip "$work" "$input" "case $name"
done

for example in "$rc_inputs"/*.r "$examples"/*.r; do
  [ -e "$example" ] || continue
  name=$(basename "$example")
  work="$scratch/$(basename "$(dirname "$example")")-${name%.r}"
  mkdir -p "$work"
  cp "$example" "$work/"
  round_trip "$work" "$name" "example $name"
done

echo "round_trip: $passed identical after the round trip, $skipped skipped, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
