#!/usr/bin/env bash
# Builds Qt 6 for Windows (MinGW-w64, static) from the source of the Qt base
# Debian ships, with Debian's own Qt as the host tools, and prints the folder
# it is installed in. Only what the editor and its widget tests need: Core,
# Gui, Widgets, PrintSupport, Test, the Windows and offscreen platform plugins.
#
# The result goes into a cache outside the clone, keyed by the Qt version and
# by this script and the MinGW toolchain file, so that later runs (and CI, when
# it keeps ~/.cache) reuse it:
#   ${QUILLOMAT_QT_CACHE:-~/.cache/quillomat}/qt6-windows-<version>-<hash>
# A stopped build resumes where it stopped. About 1160 compilation steps.
#   scripts/qt-windows.sh            builds when needed, prints the folder
#   scripts/qt-windows.sh --dossier  only prints the folder, builds nothing
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cache=${QUILLOMAT_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillomat}
chaine=$racine/cmake/mingw-w64.cmake

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [[ -z "$version" ]]; then
  "$racine/scripts/install-deps.sh"
  version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
fi
empreinte=$(cat "$0" "$chaine" | sha256sum | cut -c1-12)
nom=qt6-windows-${version//[:+~]/_}-$empreinte
dossier=$cache/$nom
if [[ "${1:-}" == --dossier ]]; then echo "$dossier"; exit 0; fi
if [[ -f "$dossier/.complet" ]]; then echo "$dossier"; exit 0; fi

QUILLOMAT_WINDOWS=1 "$racine/scripts/install-deps.sh" >&2
mkdir -p "$cache"
# Two builds at once (two clones, two CI steps) would write the same tree.
exec 9>"$cache/$nom.lock"
flock 9
if [[ -f "$dossier/.complet" ]]; then echo "$dossier"; exit 0; fi

# Keyed by the version only: a change of this script reconfigures the same
# tree rather than starting again from nothing.
travail=$cache/qt6-windows-${version//[:+~]/_}.travail
mkdir -p "$travail"
# The marker says the source was unpacked and patched to the end.
if [[ ! -f "$travail/.sources" ]]; then
  rm -rf "$travail"/qt6-base*
  # A deb-src entry for the archive the machine already uses, so that the
  # source is the one of the installed Qt.
  if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package: qt6-base$'; then
    racine_cmd=()
    [[ $(id -u) -eq 0 ]] || racine_cmd=(sudo)
    if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
      sed 's/^Types: .*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        "${racine_cmd[@]}" tee /etc/apt/sources.list.d/quillomat-src.sources >/dev/null
    else
      grep -hE '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | grep -v 'deb \[' |
        sed 's/^deb /deb-src /' | "${racine_cmd[@]}" tee /etc/apt/sources.list.d/quillomat-src.list >/dev/null
    fi
    "${racine_cmd[@]}" apt-get update -qq >&2
  fi
  (cd "$travail" && apt-get source -qq "qt6-base=$version" >&2)
  touch "$travail/.sources"
fi
source_qt=$(find "$travail" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
[[ -n "$source_qt" ]] || { echo "Erreur : apt-get source qt6-base n'a pas donné de sources dans $travail." >&2; exit 1; }

# Debian's source lacks the tablet header (wintab.h): no tablet events.
# The Windows platform plugin of this version needs OpenGL, and its
# DirectWrite font database is compiled only with Direct2D.
construction=$travail/construction
cmake -S "$source_qt" -B "$construction" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$chaine" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$dossier" \
  -DBUILD_SHARED_LIBS=OFF \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF \
  -DFEATURE_testlib=ON -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_opengl=ON -DFEATURE_direct2d=ON -DFEATURE_tabletevent=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_doubleconversion=OFF >&2
cmake --build "$construction" -j"${QUILLOMAT_QT_JOBS:-2}" >&2
rm -rf "$dossier"
cmake --install "$construction" >&2
# Only a complete install counts as the cache.
touch "$dossier/.complet"
rm -rf "$travail"
echo "$dossier"
