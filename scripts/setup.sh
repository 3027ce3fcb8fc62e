#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth fonts-liberation2 clang libclang-rt-14-dev clang-format git time
          qt6-svg-dev help2man dpkg-dev desktop-file-utils appstream lintian man-db file
          qt6-translations-l10n poppler-utils libxml2-utils shared-mime-info
          qt6-l10n-tools qt6-tools-dev # the English translation: lupdate, lrelease, Qt6LinguistTools
          nlohmann-json3-dev # motor files; the batch fuzz target reads its JSON lines back
          python3-numpy) # only bench/batch.sh uses NumPy
# The calculator's English table is written from the translation file at build time.
packages+=(python3)
# Only for regenerating the golden files under tests/core/golden/ (the tests read the files).
packages+=(python3-mpmath)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
