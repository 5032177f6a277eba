#!/usr/bin/env bash
# Shows that the oracle leaves no generator out unsaid: with a C compiler
# whose preprocessor knows no __has_include (as older ones), the generator
# that needs it is said to be skipped, the others run, and the oracle ends
# as skipped (77), never as passed.
#
#   oracle_without_has_include.sh <python> <oracle.py> <VorlTool> <scratch folder> [emulator...]
set -uo pipefail

if [ $# -lt 4 ]; then
  echo "usage: oracle_without_has_include.sh <python> <oracle.py> <VorlTool> <scratch folder> [emulator...]" >&2
  exit 2
fi
python=$1
oracle=$2
tool=$3
scratch=$4
shift 4
real_cc=$(command -v cc) || { echo "oracle_without_has_include: no cc on PATH; skipped"; exit 77; }

mkdir -p "$scratch/bin"
# Asked to preprocess a file that uses __has_include, it writes nothing.
cat >"$scratch/bin/cc" <<SCRIPT
#!/bin/sh
for last; do :; done
case "\$last" in *.c) grep -q __has_include "\$last" && exit 0 ;; esac
exec "$real_cc" "\$@"
SCRIPT
chmod +x "$scratch/bin/cc"
PATH="$scratch/bin:$PATH" "$python" "$oracle" --count 2 "$tool" "$scratch/oracle" "$@"
echo "oracle_without_has_include: status $?"
