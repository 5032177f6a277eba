#!/usr/bin/env bash
# Converts every resource description (*.r) in the given folders with VorlTool
# and compiles each resulting script with llvm-rc, so that what we write is
# known to be accepted by a real resource compiler. Fails when anything fails,
# and when nothing was compiled.
#
#   compile_check.sh <VorlTool> <folder> <folder> <scratch folder> [emulator...]
#
# The emulator, when given, runs VorlTool (wine, for a Windows build).
#
# Exits 77 (skipped) when llvm-rc or clang (its preprocessor) is missing.
set -uo pipefail

if [ $# -lt 4 ]; then
  echo "usage: compile_check.sh <VorlTool> <rc inputs> <examples> <scratch> [emulator...]" >&2
  exit 2
fi
tool=$1
scratch=$4
emulator=("${@:5}")

for needed in llvm-rc clang; do
  if ! command -v "$needed" >/dev/null 2>&1; then
    echo "compile_check: $needed is not on PATH; skipped"
    exit 77
  fi
done

rm -rf "$scratch"
mkdir -p "$scratch"

passed=0
failed=0
for folder in "$2" "$3"; do
  [ -d "$folder" ] || continue
  out_dir="$scratch/$(basename "$folder")"
  mkdir -p "$out_dir"
  for input in "$folder"/*.r; do
    [ -e "$input" ] || continue
    name=$(basename "$input" .r)
    if ! "${emulator[@]}" "$tool" "$input" "$out_dir/$name.rc" >"$out_dir/$name.convert.log" 2>&1; then
      echo "FAILED to convert $input:"
      cat "$out_dir/$name.convert.log"
      failed=$((failed + 1))
      continue
    fi
    if ! (cd "$out_dir" && llvm-rc -C 1252 -fo "$name.res" "$name.rc") \
        >"$out_dir/$name.rc.log" 2>&1; then
      echo "FAILED: llvm-rc refused the script converted from $input:"
      cat "$out_dir/$name.rc.log"
      failed=$((failed + 1))
      continue
    fi
    passed=$((passed + 1))
  done
done

echo "compile_check: $passed scripts compiled by llvm-rc, $failed failed"
# Folders without inputs would pass over nothing.
if [ "$passed" -eq 0 ]; then
  echo "compile_check: nothing compiled"
  exit 1
fi
[ "$failed" -eq 0 ]
