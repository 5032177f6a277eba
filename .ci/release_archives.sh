#!/usr/bin/env bash
# Makes the release archives, each from a fresh Release build under the
# scratch folder, with no tests built:
# - linux/: the programs linked statically (VORLTOOL_STATIC), so they run on
#   any x86-64 Linux; cpack makes VorlTool-<version>-Linux-x86_64.tar.gz and
#   vorltool_<version>_amd64.deb;
# - win64/: the mingw-w64 cross build (cmake/mingw-w64-x86_64.cmake, static
#   already); cpack makes VorlTool-<version>-win64.zip.
# The archives are gathered in dist/, with SHA256SUMS over them, which
# `sha256sum -c SHA256SUMS` checks in that folder. Options after the folder go
# to both configurations (CI adds -DVORLTOOL_WERROR=ON).
#
#   release_archives.sh <scratch folder> [cmake option...]
set -euo pipefail
# shellcheck source=SCRIPTDIR/script_basics.sh
. "$(dirname "$0")/script_basics.sh"

if [ $# -lt 1 ]; then
  echo "usage: release_archives.sh <scratch folder> [cmake option...]" >&2
  exit 2
fi
scratch=$(scratch_folder "$1")
shift
dist=$scratch/dist

# Configures, builds and packs one build folder; the archives cpack made are
# moved to dist/. cpack's log is shown only when it fails.
release_build() {
  local build=$scratch/$1
  shift
  rm -rf "$build"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVORLTOOL_BUILD_TESTS=OFF "$@" >/dev/null
  cmake --build "$build" -j2
  (cd "$build" && cpack >cpack.log 2>&1) || { cat "$build/cpack.log"; fail "cpack failed in $build"; }
  local packed
  mapfile -t packed < <(find "$build" -maxdepth 1 -type f \
    \( -name '*.tar.gz' -o -name '*.deb' -o -name '*.zip' \))
  [ ${#packed[@]} -gt 0 ] || fail "cpack made no archive in $build"
  mv "${packed[@]}" "$dist/"
}

rm -rf "$dist"
mkdir -p "$dist"
echo "-- Linux, static"
release_build linux -DVORLTOOL_STATIC=ON "$@"
echo "-- Windows, mingw-w64"
release_build win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" "$@"

(cd "$dist" && sha256sum -- * >SHA256SUMS)
echo "release_archives: in $dist:"
(cd "$dist" && ls -l)
