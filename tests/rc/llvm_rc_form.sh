#!/usr/bin/env bash
# Scripts written with --llvm-rc compile with llvm-rc to the bytes intended:
# for every source in the folder (flags whose byte is one from 0x80 to 0x9F,
# names holding such characters, codes holding such bytes),
#
#   in.r -> VorlTool --llvm-rc -> llvm-rc -C 1252          -> llvm.res
#   in.r -> VorlTool           -> x86_64-w64-mingw32-windres -> gnu.res
#
# llvm-rc must refuse the script written without the option (so the source
# does hold such a byte), compile the one written with it, and the two .res
# files must hold the same resources byte for byte; VorlDump must show the
# same for both.
#
#   llvm_rc_form.sh <VorlTool> <VorlDump> <res_entries> <sources> <scratch> [emulator...]
#
# The emulator, when given, runs the three programs (wine, for a Windows build).
# Exits 77 (skipped) when llvm-rc or GNU windres is missing.
set -uo pipefail

if [ $# -lt 5 ]; then
  echo "usage: llvm_rc_form.sh <VorlTool> <VorlDump> <res_entries> <sources> <scratch> [emulator...]" >&2
  exit 2
fi
tool=$1
dump=$2
entries=$3
sources=$4
scratch=$5
emulator=("${@:6}")
windres=x86_64-w64-mingw32-windres

for needed in llvm-rc "$windres"; do
  if ! command -v "$needed" >/dev/null 2>&1; then
    echo "llvm_rc_form: $needed is not on PATH; skipped"
    exit 77
  fi
done

rm -rf "$scratch"
mkdir -p "$scratch"

passed=0
failed=0
fail() {
  echo "FAILED: $1"
  [ -n "${2:-}" ] && [ -f "$2" ] && sed 's/^/  /' "$2"
  failed=$((failed + 1))
}

# run_in <folder> <log> <command...>: runs the command in the folder, all it
# prints into the log.
run_in() {
  local folder=$1 log=$2
  shift 2
  (cd "$folder" && "$@") >"$log" 2>&1
}

# statements <dump>: the dump's statements (parted by empty lines), one a
# line, sorted.
statements() {
  awk 'BEGIN { RS = "" } { gsub(/\n/, "\\n"); print }' "$1" | LC_ALL=C sort
}

# check <source>: the whole way for one source, in a folder of its own.
check() {
  local name work
  name=$(basename "$1" .r)
  work=$scratch/$name
  mkdir -p "$work"
  cp "$1" "$work/in.r"
  run_in "$work" "$work/plain.log" "${emulator[@]}" "$tool" in.r plain.rc ||
    { fail "$name: VorlTool refused the source" "$work/plain.log"; return; }
  run_in "$work" "$work/llvm.log" "${emulator[@]}" "$tool" --llvm-rc in.r llvm.rc ||
    { fail "$name: VorlTool --llvm-rc refused the source" "$work/llvm.log"; return; }
  run_in "$work" "$work/refused.log" llvm-rc -C 1252 -fo refused.res plain.rc &&
    { fail "$name: llvm-rc takes the script written without --llvm-rc; the source holds no byte from 0x80 to 0x9F"; return; }
  run_in "$work" "$work/llvm-rc.log" llvm-rc -C 1252 -fo llvm.res llvm.rc ||
    { fail "$name: llvm-rc refused the script written with --llvm-rc" "$work/llvm-rc.log"; return; }
  run_in "$work" "$work/windres.log" "$windres" -c 1252 -O res -o gnu.res plain.rc ||
    { fail "$name: $windres refused the script written without --llvm-rc" "$work/windres.log"; return; }
  local res
  for res in llvm gnu; do
    run_in "$work" "$work/$res.entries.log" "${emulator[@]}" "$entries" "$res.res" ||
      { fail "$name: res_entries could not read $res.res" "$work/$res.entries.log"; return; }
    sort "$work/$res.entries.log" >"$work/$res.entries"
    run_in "$work" "$work/$res.dump.log" "${emulator[@]}" "$dump" "$res.res" "$res.dump.r" ||
      { fail "$name: VorlDump refused $res.res" "$work/$res.dump.log"; return; }
  done
  diff "$work/gnu.entries" "$work/llvm.entries" >"$work/entries.diff" ||
    { fail "$name: llvm-rc made other resources of the --llvm-rc script than $windres of the plain one" "$work/entries.diff"; return; }
  # The compilers put the resources in another order, which the dump keeps.
  statements "$work/gnu.dump.r" >"$work/gnu.statements"
  statements "$work/llvm.dump.r" >"$work/llvm.statements"
  cmp -s "$work/gnu.statements" "$work/llvm.statements" ||
    { fail "$name: VorlDump shows the two .res files otherwise ($work)"; return; }
  passed=$((passed + 1))
}

for source in "$sources"/*.r; do
  [ -e "$source" ] && check "$source"
done

echo "llvm_rc_form: $passed sources compiled by llvm-rc to what $windres makes, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
