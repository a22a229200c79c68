#!/usr/bin/env bash
# install-test.sh BUILD_DIR OUTPUT_DIR
# Installs the built player into a temporary prefix and checks the tree, the
# desktop entry, the AppStream description and the MIME file; then builds the
# Debian package and checks what it holds and that its library dependencies
# were found. Leaves the installed file list and the package listing in
# OUTPUT_DIR.
set -euo pipefail
build=$1 out=$2
work=$(mktemp -d /tmp/sorvi-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail=0
bad() { echo "FAIL: $*" >&2; fail=1; }

expected=(
  bin/sorvi
  lib/sorvi/mpeg.so
  lib/sorvi/Plusin/sndfile.so
  lib/sorvi/sorvi-browser.so
  lib/sorvi/sorvi-net.so
  share/sorvi/skins/default.eks
  share/applications/sorvi.desktop
  share/metainfo/org.sorvi.Player.metainfo.xml
  share/mime/packages/sorvi.xml
  share/icons/hicolor/scalable/apps/sorvi.svg
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/sorvi.png")
done

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) > "$out/installed-files.txt"
for f in "${expected[@]}"; do
  [ -s "$prefix/$f" ] || bad "not installed: $f"
done
file "$prefix/share/icons/hicolor/48x48/apps/sorvi.png" | grep -q '48 x 48' || bad "the 48 pixel icon is not 48 x 48"

desktop-file-validate "$prefix/share/applications/sorvi.desktop" || bad "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/org.sorvi.Player.metainfo.xml" >/dev/null || bad "metainfo"

# The MIME file is read the way the desktop reads it: the database built from
# it names our types for skins, lyrics and plug-in packages.
update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || bad "MIME database"
for pair in "*.eks:application/x-sorvi-skin" "*.lrc:application/x-sorvi-lyrics" "*.pis:application/x-sorvi-plugin"; do
  grep -qxE "[0-9]+:${pair#*:}:\\${pair%%:*}" "$prefix/share/mime/globs2" || bad "MIME glob ${pair}"
done

# The installed program starts from the prefix.
"$prefix/bin/sorvi" --version | grep -q . || bad "installed program does not start"
# It looks for the modules it loads at first use where they were installed
# (beside itself first, where the build folder has them).
grep -aq '\.\./lib/sorvi' "$prefix/bin/sorvi" || bad "the program does not look for its modules in ../lib/sorvi"

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null) || bad "cpack"
deb=$(ls "$work"/package/*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
  bad "no package"
else
  dpkg-deb -c "$deb" > "$out/deb-contents.txt"
  for f in "${expected[@]}"; do
    grep -q " \./usr/$f\$" "$out/deb-contents.txt" || bad "not in the package: $f"
  done
  dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || bad "library dependencies missing: $(dpkg-deb -f "$deb" Depends)"
  for lib in libsndfile1 libtag1v5; do
    dpkg-deb -f "$deb" Depends | grep -q "$lib" || bad "no dependency on $lib: $(dpkg-deb -f "$deb" Depends)"
  done
fi

[ $fail -eq 0 ] && echo "install-test: 1 passed, 0 failed" || echo "install-test: 0 passed, 1 failed"
exit $fail
