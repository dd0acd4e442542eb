#!/bin/sh
# The Debian package as a user receives it: built by CPack from this build, unpacked into an empty root
# (no installation, so it runs as any user), then run from there with a data directory of its own.
#   package_test.sh BUILD_DIR CPACK APP_ID
set -eu
build=$1
cpack=$2
app=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack failed"; }
deb=$(ls "$tmp"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for pkg in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6; do
  echo "$depends" | grep -q "$pkg" || fail "Depends lacks $pkg: $depends"
done

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
for f in "$root/usr/bin/veskaro-cr" "$share/veskaro-cr/data/KelvoL.dat" "$share/applications/$app.desktop" \
         "$share/metainfo/$app.metainfo.xml" "$share/icons/hicolor/scalable/apps/$app.svg"; do
  [ -f "$f" ] || fail "missing $f"
done
for size in 16 24 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/$app.png"
  # The PNG header holds width and height as big-endian 32-bit numbers at bytes 16 to 23.
  dims=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
  side="0 0 $((size / 256)) $((size % 256))"
  [ "$dims" = "$side $side" ] || fail "$png is not $size x $size: $dims"
done
[ -n "$(find "$root/usr/lib" -name libveskaro-cr-gui.so)" ] || fail "no desktop module under usr/lib"
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" >"$tmp/appstream.log" 2>&1 ||
    { cat "$tmp/appstream.log"; fail "metainfo does not validate"; }
fi

# The unpacked seed files, told apart from the build tree's by their project name, seed the data directory.
sed -i 's/"Default room"/"Unpacked room"/' "$share/veskaro-cr/data/KelvoL.dat"
json=$("$root/usr/bin/veskaro-cr" calc --data-dir "$tmp/data" --json) || fail "calc failed"
echo "$json" | grep -q '"proj":"Unpacked room"' || fail "calc did not use the unpacked seed files: $json"
echo "$json" | grep -q '"Q_0":[0-9]' || fail "calc gave no load: $json"
# The desktop part is found in the unpacked library folder.
QT_QPA_PLATFORM=offscreen "$root/usr/bin/veskaro-cr" report --pdf "$tmp/r.pdf" --data-dir "$tmp/data" >/dev/null ||
  fail "report failed"
[ -s "$tmp/r.pdf" ] || fail "report wrote no PDF"
echo "package test: $(basename "$deb") installs and runs"
