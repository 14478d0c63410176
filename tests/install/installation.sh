#!/bin/bash
# The install checked for real: the build goes into a fresh prefix, as `make install` puts it into
# /usr/local. Both programs must be there and run; the desktop entry, the two file types and their icons
# must be valid and agree with each other, and the caches a file manager reads must name the editor for
# drawings and macros.
set -euo pipefail
fehlschlag() { echo "installation.sh: $*" >&2; exit 1; }
[ $# -eq 2 ] || fehlschlag "Aufruf: installation.sh BUILDORDNER TESTDATEN"
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cd "$arbeit"
p=$arbeit/prefix share=$arbeit/prefix/share daten=$2
cmake --install "$1" --prefix "$p" >install.log 2>&1 || fehlschlag "cmake --install: $(cat install.log)"

for datei in bin/vektra32 bin/vektra32-convert libexec/vektra32/vektra32-convert-cairo; do
    [ -x "$p/$datei" ] || fehlschlag "$datei fehlt oder ist nicht ausführbar"
done
desktop=$share/applications/vektra32.desktop mime=$share/mime/packages/vektra32.xml
for datei in "$desktop" "$mime" "$share/icons/hicolor/scalable/apps/vektra32.svg"; do
    [ -f "$datei" ] || fehlschlag "${datei#$p/} fehlt"
done

# The desktop entry: valid, starts the installed editor with the file, names both types.
desktop-file-validate "$desktop" >validate.log 2>&1 || fehlschlag "desktop-file-validate: $(cat validate.log)"
grep -qx 'Exec=vektra32 %f' "$desktop" || fehlschlag "Exec ruft nicht vektra32 %f"
grep -qx 'MimeType=application/x-vektra-drawing;application/x-vektra-macro;' "$desktop" ||
    fehlschlag "MimeType nennt nicht beide Dateitypen"

# The file types and every SVG are well-formed, every SVG has a size, every icon a name refers to is
# installed.
xmllint --noout "$mime" $(find "$share/icons" -name '*.svg') 2>xmllint.log || fehlschlag "xmllint: $(cat xmllint.log)"
for svg in $(find "$share/icons" -name '*.svg'); do
    grep -q 'viewBox="0 0 64 64"' "$svg" || fehlschlag "${svg#$p/} hat keine viewBox"
done
python3 - "$mime" "$desktop" "$share/icons/hicolor/scalable" <<'PY' || fehlschlag "Dateitypen und Symbole passen nicht"
import configparser, os, sys
import xml.etree.ElementTree as ET
ns = {"m": "http://www.freedesktop.org/standards/shared-mime-info"}
typen = {t.get("type"): t for t in ET.parse(sys.argv[1]).getroot().findall("m:mime-type", ns)}
eintrag = configparser.ConfigParser(interpolation=None)
eintrag.read(sys.argv[2], encoding="utf-8")
e = eintrag["Desktop Entry"]
fehler = []
for typ, glob, text in (("application/x-vektra-drawing", "*.vks", "Vektra32-Zeichnung"),
                        ("application/x-vektra-macro", "*.vkm", "Vektra32-Macro")):
    if (t := typen.get(typ)) is None:
        fehler.append(f"{typ} fehlt")
        continue
    if [g.get("pattern") for g in t.findall("m:glob", ns)] != [glob]:
        fehler.append(f"{typ}: Muster ist nicht {glob}")
    if text not in [c.text for c in t.findall("m:comment", ns)]:
        fehler.append(f"{typ}: Beschreibung {text} fehlt")
    symbol = t.find("m:icon", ns).get("name")
    if not os.path.isfile(os.path.join(sys.argv[3], "mimetypes", symbol + ".svg")):
        fehler.append(f"{typ}: Symbol {symbol} nicht installiert")
if not os.path.isfile(os.path.join(sys.argv[3], "apps", e["Icon"] + ".svg")):
    fehler.append(f"Programmsymbol {e['Icon']} nicht installiert")
if not e.get("Comment") or not e.get("GenericName"):
    fehler.append("Comment oder GenericName fehlt")
sys.exit("\n".join(fehler) or None)
PY

# The caches: the MIME database knows both patterns and the drawing's tag, the desktop
# database hands both types to the editor.
for typ in drawing:vks macro:vkm; do
    grep -q "^[0-9]*:application/x-vektra-${typ%:*}:\*\.${typ#*:}\$" "$share/mime/globs2" ||
        fehlschlag "MIME-Datenbank kennt *.${typ#*:} nicht"
    grep -qx "application/x-vektra-${typ%:*}=vektra32.desktop;" "$share/applications/mimeinfo.cache" ||
        fehlschlag "mimeinfo.cache gibt application/x-vektra-${typ%:*} nicht dem Editor"
done
grep -qa 'VEKTRA42' "$share/mime/magic" || fehlschlag "MIME-Datenbank kennt die Kennung der Zeichnung nicht"

# The installed converter works: picture in, drawing out, and back. What is drawn with cairo it hands
# to the program in libexec; a converter that finds none there says so.
konvertieren() { "$p/bin/vektra32-convert" "$@" 2>konverter.log || fehlschlag "Konverter $*: $(cat konverter.log)"; }
konvertieren "$daten/beispiel.vkx" bild.vks
konvertieren bild.vks bild.vkx
konvertieren bild.vks bild.svg
grep -q '\\begin{picture}' bild.vkx || fehlschlag "bild.vkx ohne picture"
grep -q '<svg' bild.svg || fehlschlag "bild.svg ist kein SVG"
mkdir allein && cp "$p/bin/vektra32-convert" allein/
ergebnis=0; allein/vektra32-convert bild.vks allein.svg 2>konverter.log || ergebnis=$?
[ "$ergebnis" -eq 1 ] && [ ! -e allein.svg ] && grep -q 'vektra32-convert-cairo lässt sich nicht starten' konverter.log ||
    fehlschlag "Konverter ohne vektra32-convert-cairo: $ergebnis, $(cat konverter.log)"

# The installed editor opens the drawing and keeps running until it is stopped; its settings
# stay in the temporary folder.
ergebnis=0; XDG_CONFIG_HOME=$arbeit/konfig QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    timeout 4 "$p/bin/vektra32" bild.vks >editor.log 2>&1 || ergebnis=$?
[ "$ergebnis" -eq 124 ] || fehlschlag "vektra32 endete mit $ergebnis: $(cat editor.log)"
echo "installation.sh: bestanden"
