# shellcheck shell=bash
# What the release scripts share, sourced first thing: the folders of the
# checkout, fail() naming the script, and scratch_folder.
#
#   . "$(dirname "$0")/script_basics.sh"
ci=$(cd "$(dirname "$0")" && pwd)
# shellcheck disable=SC2034 # used by the scripts that source this
root=$(cd "$ci/.." && pwd)

fail() {
  echo "$(basename "$0" .sh): $*" >&2
  exit 1
}

# Makes the folder $1 if need be and prints its absolute path.
scratch_folder() {
  mkdir -p "$1"
  (cd "$1" && pwd)
}
