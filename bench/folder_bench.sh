#!/usr/bin/env bash
# Times one quillomat-check run over a folder of 500 scripts of 300 lines
# (built from data/exemple.txt, each with its own name and numbers).
# Usage: bench/folder_bench.sh [quillomat-check binary]  (default: a Release
# build in build-bench/). Needs hyperfine for the statistics, else uses time.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
binaire=${1:-}
if [[ -z $binaire ]]; then
  build=$racine/build-bench
  cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLOMAT_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" -j2 --target quillomat-check >/dev/null
  binaire=$build/quillomat-check
fi

dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
mkdir -p "$dossier/mod/quêtes" "$dossier/mod/objets"
# The sample's 57 lines repeated up to 300, its name and numbers made distinct per script.
for i in $(seq 1 500); do
  if (( i % 2 )); then sous=quêtes; else sous=objets; fi
  awk -v n="$i" 'BEGIN { l = 0 }
    { lignes[++nb] = $0 }
    END {
      while (l < 300) for (k = 1; k <= nb && l < 300; ++k) {
        t = lignes[k]
        if (t ~ /^ScriptName/) t = (l == 0 ? "ScriptName Banc" n : "; " t)
        gsub(/100/, 100 + n, t)
        print t; ++l
      }
    }' "$racine/data/exemple.txt" > "$dossier/mod/$sous/script $i.txt"
done
nombre=$(find "$dossier/mod" -name '*.txt' | wc -l)
lignes=$(cat "$dossier"/mod/*/*.txt | wc -l)
echo "Dossier : $nombre scripts, $lignes lignes au total"

cd "$dossier"
if command -v hyperfine >/dev/null; then
  hyperfine --warmup 1 --runs 10 -i "'$binaire' mod > /dev/null" \
            "'$binaire' --format lignes mod > /dev/null" "'$binaire' --format json mod > /dev/null"
else
  time ("$binaire" mod > /dev/null || true)
fi
"$binaire" mod | tail -1
