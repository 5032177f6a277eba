#!/usr/bin/env bash
# The floors of src/: a file includes headers of its own folder and of the
# floors below it, never of a floor above, nor of the other converter folder.
#
#   driver/  dump/       entry, run, statement loops; VorlDump  (top)
#   proplist/  strings/  the converters
#   source/              character source, lexer, preprocessor, evaluators
#   base/                diagnostics, writer, locale, platform  (ground)
set -euo pipefail
cd "$(dirname "$0")/../src"

floor() {
  case $1 in
    base) echo 0 ;;
    source) echo 1 ;;
    proplist | strings) echo 2 ;;
    driver | dump) echo 3 ;;
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
[ "$status" -eq 0 ] && echo "floors: every include of src/ points down"
exit "$status"
