#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-install.sh BUILD_DIR: installs BUILD_DIR into a temporary prefix and checks the tree:
# every file, the desktop entry, the metainfo and the type of model files, that the installed
# programs answer --help and --version without a display, that tarnel-batch runs a sample from
# there, and that the installed desktop program starts and seeds the user's model folder.
set -uo pipefail

build=$1
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
pid=
prefix=$work/prefix
app=org.tarnel.Tarnel
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"

for program in tarnel tarnel-batch; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing"
done
for file in share/tarnel/samples/span15.tnl share/tarnel/samples/igpay.tnl \
    share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/mime/packages/$app.xml \
    share/icons/hicolor/scalable/apps/$app.svg \
    share/man/man1/tarnel.1 share/man/man1/tarnel-batch.1; do
    [ -s "$prefix/$file" ] || fail "$file is missing"
done
for size in 16 24 32 48 64 128 256; do
    icon=share/icons/hicolor/${size}x$size/apps/$app.png
    file -b "$prefix/$icon" | grep -q "^PNG image data, $size x $size," ||
        fail "$icon is not a ${size}x$size PNG"
done

desktop=$prefix/share/applications/$app.desktop
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
command=$(sed -n 's/^Exec=//p' "$desktop")
exec=${command%% *}
[ -x "$prefix/bin/$exec" ] || fail "the desktop entry starts '$exec', which is not installed"
[ "$command" = "$exec %f" ] || fail "the desktop entry does not hand the program the file opened"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$app" ] || fail "the desktop entry names another icon"

# A file manager takes *.tnl for a model file, and offers the desktop entry for it.
model_type=application/x-tarnel-model
[ "$(sed -n 's/^MimeType=//p' "$desktop")" = "$model_type;" ] ||
    fail "the desktop entry does not open model files"
mkdir -p "$work/mime" && cp -r "$prefix/share/mime/packages" "$work/mime/"
update-mime-database "$work/mime" >/dev/null 2>&1 || fail "the type of model files is not valid"
grep -qx "50:$model_type:\*.tnl" "$work/mime/globs2" 2>/dev/null ||
    fail "*.tnl files are not of the type $model_type"

metainfo=$prefix/share/metainfo/$app.metainfo.xml
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >/dev/null || fail "the metainfo is not valid"
fi
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the desktop entry"

# --help and --version print and end, without a display and without opening a window.
for program in tarnel tarnel-batch; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version 2>&1)
    [ $? -eq 0 ] && grep -Eq '^(Tarnel|tarnel-batch) [0-9]+\.[0-9]+' <<<"$out" ||
        fail "$program --version printed '$out'"
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --help 2>&1)
    [ $? -eq 0 ] && grep -Eqi "^usage: ($prefix/bin/)?$program" <<<"$out" ||
        fail "$program --help printed '$out'"
done

out=$("$prefix/bin/tarnel-batch" "$prefix/share/tarnel/samples/span15.tnl" 2>/dev/null)
status=$?
[ $status -eq 0 ] || fail "tarnel-batch on the installed span15 exits with $status"
grep -Eq '^Good:  [1-9][0-9]*$' <<<"$out" || fail "tarnel-batch counts no Good item in span15"

# The desktop program, started the way its desktop entry starts it, by a user with an empty
# data folder: it keeps running, and its model folder appears there holding the samples.
data=$work/data
HOME=$work/home XDG_DATA_HOME=$data QT_QPA_PLATFORM=offscreen PATH=$prefix/bin:$PATH \
    "$exec" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 600); do
    [ -s "$data/Tarnel/models/igpay.tnl" ] && [ -s "$data/Tarnel/models/span15.tnl" ] && break
    sleep 0.1
done
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the installed tarnel did not keep running"
cmp -s "$data/Tarnel/models/span15.tnl" "$prefix/share/tarnel/samples/span15.tnl" ||
    fail "the installed tarnel did not copy span15 into the user's model folder"
ls "$prefix/bin"/*.tnl >/dev/null 2>&1 && fail "the installed tarnel wrote models into bin/"

[ $failures -eq 0 ] && echo "The installed tree is complete." || exit 1
