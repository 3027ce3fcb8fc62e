#!/usr/bin/env bash
# Checks the installation and the Debian package of a built tree: scripts/check-package.sh [DIR]
# (default build). Installs into a temporary folder and checks the file list, validates the desktop
# entry, the AppStream metadata and the motor files' MIME type, renders both manual pages, builds the
# .deb with cpack, lists it,
# runs lintian on it, resolves its dependencies without installing, and runs its programs from an
# unpacked copy. Writes only into DIR and a temporary folder that it removes.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
app_id=cz.orbitek.orbitek

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Temporary files and caches of the tools (lintian leaves some behind) go into the folder removed at exit.
mkdir -m 700 "$work/tmp" "$work/cache" "$work/runtime"
export TMPDIR=$work/tmp XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work/runtime}

fail() {
    echo "check-package: $*" >&2
    exit 1
}

# Runs a command that must succeed and print nothing on standard error.
quiet_stderr() {
    "$@" 2>"$work/stderr" || { cat "$work/stderr" >&2; fail "failed: $*"; }
    [ ! -s "$work/stderr" ] || { cat "$work/stderr" >&2; fail "warnings from: $*"; }
}

cmake --build "$dir" >/dev/null
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$dir/CPackConfig.cmake")
[ -n "$version" ] || fail "no package version in $dir/CPackConfig.cmake"
echo "version $version"

echo "== Installed files (DESTDIR, prefix /usr)"
stage=$work/stage
DESTDIR=$stage cmake --install "$dir" --prefix /usr >/dev/null
(cd "$stage" && find . ! -type d | sort) >"$work/installed"
cat >"$work/expected" <<EOF
./usr/bin/orbitek
./usr/bin/orbitek-calc
./usr/libexec/orbitek/orbitek-diagram
./usr/share/applications/$app_id.desktop
./usr/share/doc/orbitek/changelog.gz
./usr/share/doc/orbitek/copyright
./usr/share/doc/orbitek/examples/example.orbitek
./usr/share/icons/hicolor/128x128/apps/$app_id.png
./usr/share/icons/hicolor/16x16/apps/$app_id.png
./usr/share/icons/hicolor/256x256/apps/$app_id.png
./usr/share/icons/hicolor/32x32/apps/$app_id.png
./usr/share/icons/hicolor/48x48/apps/$app_id.png
./usr/share/icons/hicolor/64x64/apps/$app_id.png
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/man/man1/orbitek-calc.1.gz
./usr/share/man/man1/orbitek.1.gz
./usr/share/metainfo/$app_id.metainfo.xml
./usr/share/mime/packages/$app_id.xml
EOF
cat "$work/installed"
diff -u "$work/expected" "$work/installed" || fail "the installed files differ from the expected list (above)"
share=$stage/usr/share
for side in 16 32 48 64 128 256; do
    file "$share/icons/hicolor/${side}x$side/apps/$app_id.png" | grep -q "PNG image data, $side x $side," ||
        fail "the ${side}x$side icon is not a $side × $side PNG"
done

echo "== desktop-file-validate"
desktop-file-validate "$share/applications/$app_id.desktop" >"$work/out" 2>&1 || true
[ ! -s "$work/out" ] || { cat "$work/out"; fail "desktop-file-validate reported the above"; }
echo "no errors, warnings or hints"

echo "== MIME type of the motor files (xmllint, update-mime-database)"
mime=$share/mime/packages/$app_id.xml
quiet_stderr xmllint --noout "$mime"
# The database is built in a copy, as the package's trigger would build it; the machine's stays as it is.
cp -r "$share/mime" "$work/mime"
# With the copy's parent as the data folder it would be found in, the tool has nothing to note.
XDG_DATA_DIRS=$work update-mime-database "$work/mime" >"$work/out" 2>&1 || { cat "$work/out"; fail "update-mime-database failed"; }
[ ! -s "$work/out" ] || { cat "$work/out"; fail "update-mime-database reported the above"; }
grep -q 'application/x-orbitek-motor:\*\.orbitek' "$work/mime/globs2" || fail "globs2 lacks *.orbitek"
grep 'orbitek' "$work/mime/globs2"
grep -qx 'MimeType=application/x-orbitek-motor;' "$share/applications/$app_id.desktop" ||
    fail "the desktop entry does not open motor files"
grep -q '<mediatype>application/x-orbitek-motor</mediatype>' "$share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo does not provide the motor files' type"

echo "== appstreamcli validate --no-net --pedantic"
appstreamcli validate --no-net --pedantic "$share/metainfo/$app_id.metainfo.xml" 2>&1 | tee "$work/out" || true
[ "$(cat "$work/out")" = "✔ Validation was successful." ] || fail "appstreamcli reported issues (above)"
grep -q "<release version=\"$version\"" "$share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo's newest release is not $version"

echo "== Manual pages (man -l, groff -ww)"
for page in orbitek orbitek-calc; do
    gz=$share/man/man1/$page.1.gz
    zcat "$gz" | quiet_stderr groff -k -ww -man -Tutf8 >/dev/null
    MANWIDTH=80 quiet_stderr man --warnings -l "$gz" >"$work/$page.txt"
    zcat "$gz" | grep -q "^\.TH .* \"Orbitek $version\"" || fail "$page.1 does not name Orbitek $version"
    awk '/^NAME/ {on = 1; next} /^[A-Z]/ {on = 0} on && NF' "$work/$page.txt"
done
for section in OPTIONS '"EXIT STATUS"'; do
    zcat "$share/man/man1/orbitek-calc.1.gz" | grep -qx "\.SH $section" || fail "orbitek-calc.1 has no $section section"
done

echo "== Debian package (cpack -G DEB)"
rm -f "$dir"/orbitek_*.deb
(cd "$dir" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(realpath "$dir/orbitek_${version}_amd64.deb")
[ -f "$deb" ] || fail "cpack made no orbitek_${version}_amd64.deb"
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$work/packaged"
diff -u "$work/expected" "$work/packaged" || fail "the package's files differ from the expected list (above)"
dpkg-deb -c "$deb" | awk '$2 != "root/root"' | grep . && fail "files not owned by root (above)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libc6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-liberation2 qt6-translations-l10n; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed"
done
[ "$(dpkg-parsechangelog -l data/changelog -S Version)" = "$version" ] || fail "data/changelog has no entry for $version"

echo "== lintian"
# Fails on errors only; every warning and note is printed.
lintian --fail-on error --display-info "$deb" || fail "lintian found errors (above)"
echo "lintian: no errors"

echo "== apt-get install --simulate"
# No cache files are written, so the machine's apt state stays as it was.
apt-get install --simulate -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "the package's dependencies do not resolve"; }
grep -E '^(Inst|Conf) |newest version' "$work/apt.log"

echo "== Programs from the unpacked package"
root=$work/root
dpkg-deb -x "$deb" "$root"
for binary in "$root/usr/bin/orbitek" "$root/usr/bin/orbitek-calc" "$root/usr/libexec/orbitek/orbitek-diagram"; do
    program=$(basename "$binary")
    ldd "$binary" >"$work/ldd"
    if grep -E 'not found|'"$(realpath "$dir")"'|'"$(pwd)" "$work/ldd"; then
        fail "$program needs libraries that are missing or in the build tree (above)"
    fi
    if readelf -d "$binary" | grep -E 'RPATH|RUNPATH'; then
        fail "$program carries a library search path"
    fi
done
calc=$root/usr/bin/orbitek-calc
# The calculator starts without Qt; only the drawing program it runs for --diagram loads it.
ldd "$calc" | grep -i qt && fail "orbitek-calc links Qt (above)"
"$calc" --diagram "$work/diagram.svg" || fail "the unpacked orbitek-calc --diagram failed"
grep -q "<svg" "$work/diagram.svg" || fail "the unpacked orbitek-calc --diagram wrote no SVG"
echo "orbitek-calc: no Qt linked; --diagram drawn by libexec/orbitek/orbitek-diagram"
[ "$("$calc" --version)" = "orbitek-calc $version" ] || fail "orbitek-calc --version does not print $version"
echo "$("$calc" --version)"
for lang in C.UTF-8 cs_CZ.UTF-8; do
    LANG=$lang "$calc" >"$work/unpacked.txt"
    LANG=$lang "$dir/cli/orbitek-calc" >"$work/built.txt"
    cmp -s "$work/unpacked.txt" "$work/built.txt" || fail "LANG=$lang: the unpacked orbitek-calc prints other tables"
done
head -n 4 "$work/unpacked.txt"
# The example motor gives what its values given as options give.
LANG=cs_CZ.UTF-8 "$calc" --motor "$root/usr/share/doc/orbitek/examples/example.orbitek" >"$work/unpacked.txt"
LANG=cs_CZ.UTF-8 "$dir/cli/orbitek-calc" --at P2=15000 >"$work/built.txt"
cmp -s "$work/unpacked.txt" "$work/built.txt" || fail "orbitek-calc --motor example.orbitek prints other tables"
echo "orbitek-calc --motor example.orbitek: $(wc -l <"$work/unpacked.txt") lines as from the options"
[ "$("$root/usr/bin/orbitek" --version)" = "orbitek $version" ] || fail "orbitek --version does not print $version"
# The window program keeps running on the offscreen platform: it started, found its plugins and created its
# windows. Ended by timeout's SIGTERM, it closes as from its menu: its settings are written (into a home of
# this check's) and nothing is left in the temporary folder.
status=0
mkdir -m 700 "$work/orbitek-tmp"
TMPDIR=$work/orbitek-tmp HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=offscreen \
    timeout 3 "$root/usr/bin/orbitek" >"$work/orbitek.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/orbitek.log"; fail "the unpacked orbitek ended with status $status at start-up"; }
[ -s "$work/home/.config/orbitek/orbitek.conf" ] || fail "orbitek wrote no settings when it was ended"
[ -z "$(ls -A "$work/orbitek-tmp")" ] || { ls -lA "$work/orbitek-tmp"; fail "orbitek left the above in the temporary folder"; }
echo "orbitek: running after 3 s, settings written at SIGTERM"
echo "check-package: all checks passed for $(basename "$deb")"
