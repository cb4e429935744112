#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and checks what a desktop
# and a package need there: programs, lessons, launchers, icon, AppStream
# description and manual pages, each in its standard place and valid.
set -uo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fehler=0
falsch() {
    echo "FEHLER: $*"
    fehler=1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "cmake --install failed"; exit 1; }

programme=(kasparo kasparo-schule kasparo-lehrer kasparo-programmiert kasparo-selbstlernen
           kasparo-buero kasparo-hand kasparo-pruefen kasparo-auswertung)
for programm in "${programme[@]}"; do
    [[ -x "$prefix/bin/$programm" ]] || falsch "bin/$programm fehlt"
done

daten="$prefix/share/kasparo"
quelle="$(dirname "$0")/../../data"
for datei in "$quelle"/*; do
    [[ -f "$daten/$(basename "$datei")" ]] || falsch "share/kasparo/$(basename "$datei") fehlt"
done
# The installed checker, started elsewhere, reads an installed lesson.
(cd / && "$prefix/bin/kasparo-pruefen" "$daten/KP_TS01.VER" >/dev/null) ||
    falsch "kasparo-pruefen liest die installierte Lerneinheit 1 nicht"

starter=("$prefix"/share/applications/de.kasparo.Kasparo*.desktop)
[[ ${#starter[@]} -eq 7 ]] || falsch "${#starter[@]} statt 7 Starter in share/applications"
for desktop in "${starter[@]}"; do
    desktop-file-validate "$desktop" || falsch "desktop-file-validate: $desktop"
    programm="$(sed -n 's/^Exec=//p' "$desktop")"
    [[ -x "$prefix/bin/$programm" ]] || falsch "$(basename "$desktop") startet $programm, das fehlt"
    grep -q '^Categories=Education;' "$desktop" || falsch "$(basename "$desktop") nicht unter Education"
done
grep -q '^Name=Kasparo$' "$prefix/share/applications/de.kasparo.Kasparo.desktop" ||
    falsch "die Kompaktausgabe heißt im Menü nicht Kasparo"

metainfo="$prefix/share/metainfo/de.kasparo.Kasparo.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >/dev/null || {
    appstreamcli validate --no-net "$metainfo"
    falsch "appstreamcli validate: $metainfo"
}

icons="$prefix/share/icons/hicolor"
[[ -f "$icons/scalable/apps/de.kasparo.Kasparo.svg" ]] || falsch "SVG-Symbol fehlt"
for groesse in 16 24 32 48 64 128 256; do
    png="$icons/${groesse}x${groesse}/apps/de.kasparo.Kasparo.png"
    if [[ ! -f "$png" ]]; then
        falsch "Symbol ${groesse}x${groesse} fehlt"
        continue
    fi
    # Width and height stand in the PNG header as 32-bit big-endian numbers.
    masse="$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')"
    [[ "$masse" == "${groesse}x${groesse}" ]] || falsch "Symbol ${groesse}x${groesse} ist $masse groß"
done

for seite in kasparo kasparo-pruefen kasparo-auswertung; do
    man="$prefix/share/man/man1/$seite.1"
    if [[ ! -f "$man" ]]; then
        falsch "Handbuchseite $seite.1 fehlt"
        continue
    fi
    warnungen="$(groff -k -man -ww -z "$man" 2>&1)"
    [[ -z "$warnungen" ]] || falsch "groff zu $seite.1: $warnungen"
done

exit $fehler
