#!/usr/bin/env bash
# Runs a command as on a machine that lacks some tools: in PATH, each folder
# that holds one of the tools named is replaced by a folder of links to
# everything in it but those tools. What the command says is passed on, and its exit status is said
# last ("without_tools: status N"), for the test to match; the script itself
# exits 0 once the command has run.
#
#   without_tools.sh <scratch folder> <tool>[,<tool>...] <command> [args...]
set -uo pipefail

if [ $# -lt 3 ]; then
  echo "usage: without_tools.sh <scratch folder> <tool>[,<tool>...] <command> [args...]" >&2
  exit 2
fi
scratch=$1
IFS=, read -r -a hidden <<<"$2"
shift 2

rm -rf "$scratch"
mkdir -p "$scratch"
path=""
index=0
IFS=: read -r -a folders <<<"$PATH"
for folder in "${folders[@]}"; do
  [ -d "$folder" ] || continue
  # A folder that holds none of the tools stays as it is.
  holds=no
  for tool in "${hidden[@]}"; do
    [ -e "$folder/$tool" ] && holds=yes
  done
  if [ "$holds" = no ]; then
    path="$path${path:+:}$folder"
    continue
  fi
  index=$((index + 1))
  mirror="$scratch/$index"
  mkdir -p "$mirror"
  leave_out=()
  for tool in "${hidden[@]}"; do
    leave_out+=(! -name "$tool")
  done
  find "$folder" -mindepth 1 -maxdepth 1 "${leave_out[@]}" -exec ln -s -t "$mirror" {} +
  path="$path${path:+:}$mirror"
done

for tool in "${hidden[@]}"; do
  if PATH="$path" command -v "$tool" >/dev/null 2>&1; then
    echo "without_tools: $tool is still on PATH"
    exit 1
  fi
done
PATH="$path" "$@"
echo "without_tools: status $?"
