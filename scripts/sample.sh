#!/usr/bin/env bash
# Builds the command-line checker and runs it on the bundled sample script,
# in a scratch directory, printing the report.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
QUILLOMAT_CIBLE=quillomat-check "$racine/scripts/build.sh" -DQUILLOMAT_BUILD_TESTS=OFF >/dev/null
build=${QUILLOMAT_BUILD_DIR:-$racine/build}
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
cp "$racine/data/exemple.txt" "$travail/"
cd "$travail"
statut=0
"$build/quillomat-check" exemple.txt || statut=$?
echo
echo "(quillomat-check a terminé avec le statut $statut : 0 aucune erreur, 2 erreurs ou alertes, 1 échec)"
