#!/usr/bin/env bash
# Installs, from Debian packages, the tools that a fresh CI machine may lack.
# Each argument is <command>:<package>; a package is installed only when its
# command is not on PATH, and nothing is done when all of them are there.
#
#   install_missing.sh x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix ...
set -euo pipefail

missing=()
for pair in "$@"; do
  command -v "${pair%%:*}" >/dev/null 2>&1 || missing+=("${pair#*:}")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install_missing: installing ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -q >/dev/null
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
