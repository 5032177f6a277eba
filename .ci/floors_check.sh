#!/usr/bin/env bash
# The floors of src/: a file includes headers of its own folder and of the
# floors below it, never of a floor above, nor of the other converter folder.
# Within a folder, the units (a header and its source, foo.h and foo.cpp)
# include one another without a circle.
#
#   driver/  dump/  reference/   entry, run, statement loops; VorlDump;
#                                the reference of the names  (top)
#   proplist/  strings/  the converters
#   preprocess/          preprocessing mode's stage (it reads through source/;
#                        the lexer never includes the stage)
#   source/              character source, lexer, evaluators
#   base/                diagnostics, writer, locale, platform  (ground)
set -euo pipefail
cd "$(dirname "$0")/../src"

floor() {
  case $1 in
    base) echo 0 ;;
    source) echo 1 ;;
    preprocess) echo 2 ;;
    proplist | strings) echo 3 ;;
    driver | dump | reference) echo 4 ;;
    *) echo 9 ;;
  esac
}

status=0
for file in */*; do
  folder=${file%%/*}
  while read -r included; do
    target=${included%%/*}
    [ "$target" = "$folder" ] && continue
    if [ "$(floor "$target")" -ge "$(floor "$folder")" ]; then
      echo "floors: $file includes $included, which is not on a floor below $folder/"
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"/]*\/[^"]*\)".*/\1/p' "$file")
done

# One line "unit included-unit" for each include between two units of one
# folder; tsort finds any circle among them.
for folder in */; do
  folder=${folder%/}
  edges=$(for file in "$folder"/*; do
            unit=$(basename "${file%.*}")
            sed -n "s/^[[:space:]]*#[[:space:]]*include[[:space:]]*\"$folder\/\([^\"/]*\)\".*/\1/p" "$file" |
              while read -r included; do
                other=${included%.*}
                [ "$other" != "$unit" ] && echo "$unit $other"
              done
          done)
  [ -z "$edges" ] && continue
  if ! loop=$(printf '%s\n' "$edges" | tsort 2>&1 >/dev/null); then
    echo "floors: the units of $folder/ include one another in a circle:"
    printf '%s\n' "$loop" | sed -n 's/^tsort: \([^-]\)/  \1/p'
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "floors: every include of src/ points down, and no folder's units include one another in a circle"
exit "$status"
