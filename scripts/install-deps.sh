#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
set -euo pipefail

# neovim: the language server is tested under a real client.
paquets=(cmake make g++ help2man lintian libgtest-dev libcli11-dev nlohmann-json3-dev qt6-base-dev qt6-qpa-plugins qt6-translations-l10n python3-jsonschema neovim)
if [[ "${QUILLOMAT_BENCH:-0}" == 1 ]]; then paquets+=(libbenchmark-dev); fi
if [[ "${QUILLOMAT_FUZZ:-0}" == 1 ]]; then paquets+=(clang libclang-rt-14-dev); fi
# A real X display for the editor's tests (scripts/x-session.sh).
if [[ "${QUILLOMAT_X11:-0}" == 1 ]]; then paquets+=(xvfb openbox xdotool x11-utils fonts-dejavu-core); fi
# The Windows programs: MinGW-w64 to build them, Wine to test them (scripts/windows.sh).
if [[ "${QUILLOMAT_WINDOWS:-0}" == 1 ]]; then paquets+=(g++-mingw-w64-x86-64-posix wine wine64 nsis locales); fi
# The VS Code extension (scripts/vscode.sh): node and npm, unless they came another way.
if [[ "${QUILLOMAT_VSCODE:-0}" == 1 ]] && ! command -v npm >/dev/null; then paquets+=(nodejs npm); fi
# Its test in a real VS Code: Chromium to drive code-server, whose install
# builds native modules and wants ripgrep.
if [[ "${QUILLOMAT_VSCODE_REEL:-0}" == 1 ]]; then paquets+=(chromium ripgrep libsecret-1-dev libkrb5-dev pkg-config python3); fi

# Wine shows its own dialogs (the file dialogs the Windows editor opens) in
# the language of the Linux locale: the Windows tests run in French.
locale_fr() {
  [[ "${QUILLOMAT_WINDOWS:-0}" == 1 ]] || return 0
  locale -a 2>/dev/null | grep -qix 'fr_FR.utf-\?8' && return 0
  echo "Création de la locale fr_FR.UTF-8 pour les tests sous Wine"
  local s=()
  [[ $(id -u) -eq 0 ]] || s=(sudo)
  "${s[@]}" localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
}

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [[ ${#manquants[@]} -eq 0 ]]; then
  locale_fr
  exit 0
fi

echo "Installation des paquets manquants : ${manquants[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Erreur : il faut être root (ou avoir sudo) pour installer ${manquants[*]}." >&2; exit 1; }
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq || true
# Another install (a second clone, a build in the background) may hold the lock a while.
"${sudo_cmd[@]}" apt-get install -y -qq -o DPkg::Lock::Timeout=600 "${manquants[@]}"
locale_fr
