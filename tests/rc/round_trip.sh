#!/usr/bin/env bash
# Compiles what VorlTool writes with two resource compilers and reads the
# resources back with VorlDump: converting what the dump wrote must give the
# very same resources. For every golden case that converts, every example and
# every input here, and for each compiler (llvm-rc and GNU windres):
#
#   in.r -> VorlTool -> .rc -> compiler -> .res -> VorlDump -> back/in.r
#        -> VorlTool -> .rc -> compiler -> .res'
#
# The resources of .res and .res' must hold the same bytes, and so must the
# two compilers' .res. The first .res to come back is also linked with
# lld-link into a 64-bit and a 32-bit DLL, and the dump of each must convert
# to the same resources too. The dump keeps the input's language suffix, in a folder of its own.
#
#   round_trip.sh <VorlTool> <VorlDump> <res_entries> <cases> <rc inputs> <examples> <scratch> [emulator...]
#
# The emulator, when given, runs the three programs (wine, for a Windows build).
#
# What each compiler is given:
# - llvm-rc takes no string holding a byte from 0x80 to 0x9F (nor such an
#   escape): where the plain script holds one, the script for llvm-rc is
#   written with --llvm-rc, by the same arguments.
# - GNU windres wants a comma between two values of a block, where the key
#   blocks of the host's numbers have always ended their length line without
#   one ("\t4L" before the value): it gets the script with that comma added,
#   which changes no byte it compiles. It also refuses a script without any
#   resource ("no resources"); such a script is compiled by llvm-rc alone,
#   and its listing must then hold the leading empty entry only.
#
# A golden case is converted as the golden runner converts it (its arguments,
# `env`, `examples` and `hard-links`). One whose case expects VorlTool to
# refuse it (a `status` other than 0), or to write no script (`no-output`),
# must do so, and is counted apart. Any other refusal fails, by VorlTool, a
# compiler, lld-link or VorlDump, and so does a listing of resources that
# comes back empty. A case that runs only on another kind of system is counted
# apart too. The counts are printed at the end.
#
# A tool that is missing is a part left out, never a pass: the rest runs, and
# the script exits 77 (skipped) when nothing failed; it also exits 77 when
# neither compiler is found.
set -uo pipefail

if [ $# -lt 7 ]; then
  echo "usage: round_trip.sh <VorlTool> <VorlDump> <res_entries> <cases> <rc inputs> <examples> <scratch> [emulator...]" >&2
  exit 2
fi
# Every path absolute: the programs run in folders of their own.
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
tool=$(absolute "$1")
dump=$(absolute "$2")
entries=$(absolute "$3")
cases=$4
rc_inputs=$5
examples=$(absolute "$6")
scratch=$7
emulator=("${@:8}")

# The system the programs run on, as a case's `only-on` names it.
system=posix
[[ "${emulator[*]:-}" == *wine* ]] && system=windows

# The compilers found, and the parts left out for want of a tool.
compilers=()
missing=()
if command -v llvm-rc >/dev/null 2>&1 && command -v clang >/dev/null 2>&1; then
  compilers+=(llvm-rc)
else
  missing+=("llvm-rc (with clang, its preprocessor)")
fi
windres=$(command -v x86_64-w64-mingw32-windres || command -v windres || true)
if [ -n "$windres" ]; then
  compilers+=(windres)
else
  missing+=("windres")
fi
linker=$(command -v lld-link || true)
[ -n "$linker" ] || missing+=("lld-link (the DLLs)")
if [ ${#compilers[@]} -eq 0 ]; then
  echo "round_trip: no resource compiler: ${missing[*]} not on PATH; skipped"
  exit 77
fi

rm -rf "$scratch"
mkdir -p "$scratch"

# How the case at hand ends: "" (identical so far), "listed" (a compiler
# refused it as the list says) or "failed"; a case is counted once.
case_end=""
# Where the failures of the compiler at hand go until it is known whether
# the list names them; empty outside a compiler's part.
part_failures=""

fail() {
  if [ -n "$part_failures" ]; then
    { echo "FAILED: $1"; [ -n "${2:-}" ] && [ -f "$2" ] && sed 's/^/  /' "$2"; } >>"$part_failures"
    return
  fi
  echo "FAILED: $1"
  [ -n "${2:-}" ] && [ -f "$2" ] && sed 's/^/  /' "$2"
  case_end=failed
}

# What a compiler is known to refuse, one case a line (known_refusals beside
# this script): "<label> | <compiler> | <what its failure says> | <why>".
known=()
known_list="$(dirname "$0")/known_refusals"
[ -f "$known_list" ] && mapfile -t known < <(grep -v '^#' "$known_list" | grep .)

# trim <text>: the text without the blanks around it.
trim() {
  local text=$1
  text=${text#"${text%%[![:space:]]*}"}
  printf '%s' "${text%"${text##*[![:space:]]}"}"
}

# known_refusal <label> <compiler>: the text the list expects the failure
# to hold; false when the list names no refusal of that case by that compiler.
known_refusal() {
  local entry label compiler said
  for entry in "${known[@]}"; do
    IFS='|' read -r label compiler said _ <<<"$entry"
    if [ "$(trim "$label")" = "$1" ] && [ "$(trim "$compiler")" = "$2" ]; then
      trim "$said"
      return 0
    fi
  done
  return 1
}

# end_part <label> <compiler>: settles the compiler's part of the case: a
# failure the list names (by its text) counts apart; any other fails, and so
# does a listed refusal that no longer happens.
end_part() {
  local label=$1 compiler=$2 said
  local failures=$part_failures
  part_failures=""
  if said=$(known_refusal "$label" "$compiler"); then
    if [ ! -s "$failures" ]; then
      fail "$label: known_refusals says $compiler refuses it, and it no longer does: take it off the list"
    elif grep -qF -- "$said" "$failures"; then
      echo "as listed, $compiler: $label ($said)"
      [ "$case_end" = failed ] || case_end=listed
    else
      cat "$failures"
      fail "$label: $compiler failed otherwise than known_refusals says (\"$said\")"
    fi
  elif [ -s "$failures" ]; then
    cat "$failures"
    case_end=failed
  fi
  rm -f "$failures"
}

# outcome [<how>]: says how the case ended, as the last line of its report:
# <how> where given, else as case_end has it.
outcome() {
  local how=${1:-}
  if [ "$case_end" = failed ]; then
    how=failed
  elif [ -z "$how" ]; then
    how=${case_end:-identical}
  fi
  echo "outcome: $how"
}

# entries_of <.res> <file>: the entries of the .res, sorted, into <file>.
# Every .res file has at least its leading empty entry, so an empty answer is
# never right. Under wine on a busy machine the output of a program is now
# and then lost, so the program is asked again (three times at most); an
# answer still empty, or a failing program, fails.
entries_of() {
  local attempt
  for attempt in 1 2 3; do
    # A Windows build's listing ends its lines in CR LF.
    "${emulator[@]}" "$entries" "$1" 2>"$2.err" | tr -d '\r' >"$2.raw" || {
      cat "$2.err" >>"$2.raw"
      return 1
    }
    [ -s "$2.raw" ] && break
  done
  [ -s "$2.raw" ] || { echo "res_entries listed no resources in $1" >"$2.raw"; return 1; }
  sort "$2.raw" >"$2"
}

# run_in <folder> <log> <program> <args...>: runs the program through the
# emulator in <folder>, with no dependency file asked for and the variables of
# the array `run_env` set, all it prints into <log>. Under wine on a busy
# machine a program now and then ends in failure having printed nothing;
# VorlTool and VorlDump always say why they refuse, so such an end is the
# emulator's and the program is run again (three times at most).
# Under wine, a Windows program reads its arguments in the ANSI code page
# (1252), which wine makes of the UTF-8 it is given: an argument holding a
# byte from 0x80 up is handed over as the UTF-8 of that byte's character, so
# that the program sees the byte, as a command line on Windows would give it.
run_env=()
run_in() {
  local folder=$1 log=$2 attempt status arg args=()
  shift 2
  for arg in "$@"; do
    if [ "$system" = windows ] && LC_ALL=C grep -q $'[\x80-\xff]' <<<"$arg"; then
      arg=$(printf '%s' "$arg" | iconv -f CP1252 -t UTF-8) || return 1
    fi
    args+=("$arg")
  done
  for attempt in 1 2 3; do
    (cd "$folder" && env -u VORLTOOL_DEPFILE "${run_env[@]}" "${emulator[@]}" "${args[@]}") >"$log" 2>&1
    status=$?
    if [ "$status" -eq 0 ] || [ -s "$log" ]; then
      break
    fi
  done
  return "$status"
}

# needs_llvm_form <script>: whether a string of the script holds a byte from
# 0x80 to 0x9F, or an escape of one, which llvm-rc refuses unless the script
# is written for it.
needs_llvm_form() {
  LC_ALL=C grep -qE $'[\x80-\x9f]|\\\\x[89][0-9A-Fa-f]|\\\\2[0-3][0-7]' "$1"
}

# holds_resources <script>: whether the script holds a block.
holds_resources() {
  grep -q '^BEGIN$' "$1"
}

# compile <compiler> <folder> <script> <res>: compiles <folder>/<script>.
compile() {
  local compiler=$1 folder=$2 script=$3 res=$4
  case "$compiler" in
    llvm-rc) (cd "$folder" && llvm-rc -C 1252 -fo "$res" "$script") ;;
    windres)
      sed 's/^\(\t[0-9][0-9]*L\)$/\1,/' "$folder/$script" >"$folder/$script.windres"
      (cd "$folder" && "$windres" -c 1252 -O res -i "$script.windres" -o "$res")
      ;;
  esac
}

# script_for <compiler> <folder> <plain script> <converter args...>: the name
# of the script to hand <compiler>: the plain one, or for llvm-rc, where the
# plain one holds a byte it refuses, one written again with --llvm-rc by the
# same arguments, the plain script's name among them replaced.
script_for() {
  local compiler=$1 folder=$2 plain=$3
  shift 3
  if [ "$compiler" != llvm-rc ] || ! needs_llvm_form "$folder/$plain"; then
    echo "$plain"
    return 0
  fi
  local llvm=${plain%.rc}.llvm.rc args=() arg
  for arg in "$@"; do
    [ "$arg" = "$plain" ] && arg=$llvm
    args+=("$arg")
  done
  run_in "$folder" "$folder/$llvm.log" "$tool" --llvm-rc "${args[@]}" || return 1
  [ -f "$folder/$llvm" ] || return 1
  echo "$llvm"
}

# compiled <compiler> <folder> <plain script> <res> <label> <converter args...>:
# compiles the plain script (or its form for the compiler) into <folder>/<res>
# and lists its entries into <folder>/<res>.entries; false, having failed,
# when any step refuses.
compiled() {
  local compiler=$1 folder=$2 plain=$3 res=$4 label=$5 script
  shift 5
  if ! script=$(script_for "$compiler" "$folder" "$plain" "$@"); then
    fail "$label: VorlTool refused to write $folder/$plain with --llvm-rc" "$folder/${plain%.rc}.llvm.rc.log"
    return 1
  fi
  if ! compile "$compiler" "$folder" "$script" "$res" >"$folder/$res.log" 2>&1; then
    fail "$label: $compiler refused $folder/$script" "$folder/$res.log"
    return 1
  fi
  if ! entries_of "$folder/$res" "$folder/$res.entries"; then
    fail "$label: no resources listed ($folder/$res)" "$folder/$res.entries.raw"
    return 1
  fi
}

# back_again <compiler> <folder> <input> <first entries> <label>: converts and
# compiles the dump <folder>/<input> and compares its resources with the
# first ones.
back_again() {
  local compiler=$1 folder=$2 input=$3 first=$4 label=$5
  if ! run_in "$folder" "$folder/second.log" "$tool" "$input" second.rc; then
    fail "$label: VorlTool refused the dump $folder/$input" "$folder/second.log"
    return 1
  fi
  compiled "$compiler" "$folder" second.rc second.res "$label (the dump)" "$input" second.rc || return 1
  if ! diff "$first" "$folder/second.res.entries" >"$folder/entries.diff"; then
    fail "$label: the resources differ after the round trip ($folder)" "$folder/entries.diff"
    return 1
  fi
}

# read_back <compiler> <work> <back name> <label> <dlls>: the dump of the
# compiled resources (and, with <dlls> "yes", of the DLLs linked from them)
# converts to the same resources.
read_back() {
  local compiler=$1 work=$2 input=$3 label=$4 dlls=$5
  local at="$work/$compiler"
  local first="$at/first.res.entries"
  mkdir -p "$at/back"
  if ! run_in "$work" "$at/dump.log" "$dump" "$at/first.res" "$at/back/$input"; then
    fail "$label: VorlDump refused the compiled resources" "$at/dump.log"
    return 1
  fi
  back_again "$compiler" "$at/back" "$input" "$first" "$label" || return 1
  [ -n "$linker" ] && [ "$dlls" = yes ] || return 0
  local machine
  for machine in x64 x86; do
    mkdir -p "$at/$machine"
    "$linker" /dll /noentry /machine:$machine /out:"$at/$machine/plugin.dll" "$at/first.res" \
      >"$at/link.log" 2>&1 || { fail "$label: lld-link /machine:$machine" "$at/link.log"; return 1; }
    run_in "$work" "$at/dump.log" "$dump" "$at/$machine/plugin.dll" "$at/$machine/$input" || {
      fail "$label: VorlDump refused the $machine DLL" "$at/dump.log"
      return 1
    }
    back_again "$compiler" "$at/$machine" "$input" "$first" "$label ($machine DLL)" || return 1
  done
}

# round_trip <work> <script> <input> <label> <converter args...>: <work> holds
# the script VorlTool wrote, converted from <input> with the arguments given;
# each compiler compiles it and reads it back. Counts the case.
round_trip() {
  local work=$1 plain=$2 input=$3 label=$4 compiler reference="" dlls=yes
  shift 4
  # The dump's name: the input's, with its language suffix; a blank or a
  # byte from 0x80 up would split it into two paths in a plain run.
  local back
  back=$(LC_ALL=C sed 's/[^A-Za-z0-9._-]/_/g' <<<"$input")
  for compiler in "${compilers[@]}"; do
    if [ "$compiler" = windres ] && ! holds_resources "$work/$plain"; then
      if [ -n "$reference" ] && [ "$(cat "$reference")" != '#0 #0 0000 0:' ]; then
        fail "$label: a script without resources compiled to more than the empty entry" "$reference"
      fi
      continue
    fi
    mkdir -p "$work/$compiler"
    part_failures="$work/$compiler/failures"
    : >"$part_failures"
    if compiled "$compiler" "$work" "$plain" "$compiler/first.res" "$label ($compiler)" "$@"; then
      local first="$work/$compiler/first.res.entries"
      if [ -n "$reference" ] && ! diff "$reference" "$first" >"$work/compilers.diff"; then
        fail "$label: ${compilers[0]} and $compiler compile the script to different resources" "$work/compilers.diff"
      fi
      reference=$first
      # The DLLs hold what the .res holds, so those of one compiler's .res
      # are enough.
      read_back "$compiler" "$work" "$back" "$label ($compiler)" "$dlls" && dlls=no
    fi
    end_part "$label" "$compiler"
  done
}

# The lines of a file, into the array named by $2 (none without the file).
lines_of() {
  local -n into=$2
  into=()
  [ -f "$1" ] || return 0
  mapfile -t into <"$1"
}

# convert_case <case folder>: converts the case as the golden runner does and
# round-trips what it writes, unless its case expects no script.
convert_case() {
  local case_dir=$1 name
  name=$(basename "$case_dir")
  local label="case $name" work="$scratch/$name"
  if [ -f "$case_dir/only-on" ] && [ "$(head -n 1 "$case_dir/only-on")" != "$system" ]; then
    outcome elsewhere
    return
  fi
  mkdir -p "$work"
  cp -R "$case_dir/." "$work/"
  local line args examples_named links env_lines
  lines_of "$case_dir/examples" examples_named
  for line in "${examples_named[@]}"; do
    [ -n "$line" ] && cp "$examples/$line" "$work/"
  done
  lines_of "$case_dir/hard-links" links
  for line in "${links[@]}"; do
    [ -n "$line" ] && (cd "$work" && ln "${line#* }" "${line%% *}")
  done
  lines_of "$case_dir/args" args
  lines_of "$case_dir/env" env_lines
  # The output: `output_name`, else the last argument after options, else the second.
  local output=""
  if [ -f "$case_dir/output_name" ]; then
    output=$(head -n 1 "$case_dir/output_name")
  elif [ ${#args[@]} -gt 0 ] && [[ "${args[0]}" == -?* ]]; then
    output=${args[${#args[@]}-1]}
  elif [ ${#args[@]} -ge 2 ]; then
    output=${args[1]}
  fi
  local before=""
  [ -n "$output" ] && [ -e "$work/$output" ] && before=yes
  run_env=("${env_lines[@]}")
  run_in "$work" "$work/first.log" "$tool" "${args[@]}"
  local status=$? expected=0
  [ -f "$case_dir/status" ] && expected=$(head -n 1 "$case_dir/status")
  if [ "$expected" != 0 ] || [ -f "$case_dir/no-output" ]; then
    if [ "$status" != "$expected" ]; then
      fail "$label: status $status, where its case expects $expected" "$work/first.log"
    elif [ -f "$case_dir/no-output" ] && [ -z "$before" ] && [ -n "$output" ] && [ -e "$work/$output" ]; then
      fail "$label: wrote $output, where its case declares no output" "$work/first.log"
    else
      outcome refused
      return
    fi
  elif [ "$status" -ne 0 ] || [ -z "$output" ] || [ ! -f "$work/$output" ]; then
    fail "$label: VorlTool refused the case (status $status), which its case converts" "$work/first.log"
  else
    # The input: the one resource description of the folder.
    local inputs=("$work"/*.r)
    if [ ${#inputs[@]} -ne 1 ] || [ ! -f "${inputs[0]}" ]; then
      fail "$label: no single input (*.r) to name the dump after"
    else
      local input
      input=$(basename "${inputs[0]}")
      # A case whose first argument is split into the paths is written again
      # from the paths themselves.
      [ -f "$case_dir/output_name" ] && args=("$input" "$output")
      round_trip "$work" "$output" "$input" "$label" "${args[@]}"
    fi
  fi
  outcome
}

# convert_example <file>: converts an example and round-trips its script.
convert_example() {
  local example=$1 name work
  name=$(basename "$example")
  work="$scratch/$(basename "$(dirname "$example")")-${name%.r}"
  mkdir -p "$work"
  cp "$example" "$work/"
  if ! run_in "$work" "$work/first.log" "$tool" "$name" first.rc; then
    fail "example $name: VorlTool refused it" "$work/first.log"
  else
    round_trip "$work" first.rc "$name" "example $name" "$name" first.rc
  fi
  outcome
}

# Every case and example in a worker of its own, as many at once as the
# machine has processors; each writes its report, which ends in its outcome.
items=()
for case_dir in "$cases"/*/; do
  [ -d "$case_dir" ] && items+=("convert_case ${case_dir%/}")
done
for example in "$rc_inputs"/*.r "$examples"/*.r; do
  [ -e "$example" ] && items+=("convert_example $example")
done
workers=$(getconf _NPROCESSORS_ONLN 2>/dev/null || echo 2)
mkdir -p "$scratch/reports"
for index in "${!items[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$workers" ]; do
    wait -n
  done
  ${items[$index]%% *} "${items[$index]#* }" >"$scratch/reports/$index" 2>&1 &
done
wait

identical=0
refused=0
listed=0
elsewhere=0
failed=0
for index in "${!items[@]}"; do
  report="$scratch/reports/$index"
  grep -v '^outcome: ' "$report"
  case "$(sed -n 's/^outcome: //p' "$report" | tail -n 1)" in
    identical) identical=$((identical + 1)) ;;
    refused) refused=$((refused + 1)) ;;
    listed) listed=$((listed + 1)) ;;
    elsewhere) elsewhere=$((elsewhere + 1)) ;;
    failed) failed=$((failed + 1)) ;;
    *)
      echo "FAILED: ${items[$index]#* }: ended without an outcome"
      failed=$((failed + 1))
      ;;
  esac
done

echo "round_trip: $identical identical after the round trip, $refused refused as expected" \
  "(or writing no script, as their cases declare), $listed refused by a compiler as known_refusals says," \
  "$elsewhere only for another system, $failed failed"
if [ "$failed" -ne 0 ] || [ "$identical" -eq 0 ]; then
  [ "$identical" -eq 0 ] && echo "round_trip: nothing came back identical"
  exit 1
fi
if [ ${#missing[@]} -ne 0 ]; then
  echo "round_trip: not on PATH, left out: ${missing[*]}; skipped"
  exit 77
fi
