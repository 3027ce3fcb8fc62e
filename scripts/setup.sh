#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing, and makes the
# locales the tests read numbers in. Cheap when everything is already there.
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
# Locales with a decimal comma for the tests that read and print numbers the C library's way; made below.
packages+=(locales)
locales=(cs_CZ.UTF-8 de_DE.UTF-8)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

# The locales `locale -a` does not list (it writes cs_CZ.UTF-8 as cs_CZ.utf8).
missing_locales() {
    local available l
    available=$(locale -a 2>/dev/null || true)
    for l in "${locales[@]}"; do
        grep -qix "${l%%.*}.utf8" <<<"$available" || echo "$l"
    done
}

wanted=$(missing_locales)
[ -z "$wanted" ] && exit 0
echo "Making locales:" $wanted
for l in $wanted; do
    # Debian's list names every locale, commented out: enable it, or add it where a line is missing.
    if grep -q "^# *$l UTF-8\$" /etc/locale.gen 2>/dev/null; then
        "${sudo_cmd[@]}" sed -i "s/^# *$l UTF-8\$/$l UTF-8/" /etc/locale.gen
    elif ! grep -q "^$l UTF-8\$" /etc/locale.gen 2>/dev/null; then
        echo "$l UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    fi
done
"${sudo_cmd[@]}" locale-gen >/dev/null
wanted=$(missing_locales)
if [ -n "$wanted" ]; then
    echo "setup.sh: locale-gen did not make" $wanted >&2
    exit 1
fi
