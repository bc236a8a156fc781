#!/usr/bin/env bash
# Builds the release artefacts into dist/ (or $QUILLOMAT_DIST):
#   quillomat_3.02_amd64.deb             the Debian package (editor and checker)
#   quillomat-3.02-windows-x64.zip       quillomat.exe, quillomat-check.exe, quillomat-lsp.exe and their files
#   quillomat-3.02-installation.exe      the same for Windows, installed for the user (NSIS)
#   quillomat-3.02.vsix                  the VS Code extension, with the servers for Linux and Windows
# in build directories of their own (build-release, build-release-windows),
# so that the working builds are left as they are. Runs no test: that is
# scripts/test.sh's business.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dist=${QUILLOMAT_DIST:-$racine/dist}
version=3.02
linux=$racine/build-release
windows=$racine/build-release-windows
QUILLOMAT_WINDOWS=1 QUILLOMAT_VSCODE=1 "$racine/scripts/install-deps.sh"
rm -rf "$dist"
mkdir -p "$dist"

echo "== Linux : construction et paquet Debian"
QUILLOMAT_BUILD_DIR=$linux "$racine/scripts/build.sh" -DQUILLOMAT_BUILD_TESTS=OFF
(cd "$linux" && cpack -G DEB >/dev/null)
cp "$linux"/quillomat_*.deb "$dist/"

echo "== Windows : construction croisée, archive et installateur"
QUILLOMAT_BUILD_DIR=$linux QUILLOMAT_BUILD_DIR_WINDOWS=$windows "$racine/scripts/windows.sh" --sans-tests
# The folder the Windows build prepares: the three programs stripped, the
# files they read, the notice.
dossier=$windows/quillomat-$version-windows-x64
(cd "$windows" && cmake -E tar cf "$dist/quillomat-$version-windows-x64.zip" --format=zip "$(basename "$dossier")")
cp "$windows/quillomat-$version-installation.exe" "$dist/"

echo "== Extension VS Code"
strip -o "$linux/quillomat-lsp.strip" "$linux/quillomat-lsp"
QUILLOMAT_BUILD_DIR=$linux "$racine/scripts/vscode.sh" paquet "$dist/quillomat-$version.vsix" \
  "$linux/quillomat-lsp.strip" "$dossier/quillomat-lsp.exe"

echo "== Dans $dist :"
ls -l "$dist"
