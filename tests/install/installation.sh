#!/bin/bash
# The install checked for real: the build goes into a fresh prefix, as `make install` puts it into
# /usr/local. Both programs must be there and run; the desktop entry, the two file types and their icons
# must be valid and agree with each other, and the caches a file manager reads must name the editor for
# drawings and macros.
source "$(dirname "$0")/installiert.bash"
p=$arbeit/prefix share=$arbeit/prefix/share bin=$arbeit/prefix/bin
cmake --install "$build" --prefix "$p" >install.log 2>&1 || fehlschlag "cmake --install: $(cat install.log)"

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

# The file types and every SVG are well-formed, every SVG has a size; the program's icon is installed.
xmllint --noout "$mime" $(find "$share/icons" -name '*.svg') 2>xmllint.log || fehlschlag "xmllint: $(cat xmllint.log)"
for svg in $(find "$share/icons" -name '*.svg'); do
    grep -q 'viewBox="0 0 64 64"' "$svg" || fehlschlag "${svg#$p/} hat keine viewBox"
done
[ -f "$share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$desktop").svg" ] || fehlschlag "Programmsymbol fehlt"
grep -q '^Comment=.' "$desktop" && grep -q '^GenericName=.' "$desktop" || fehlschlag "Comment oder GenericName fehlt"

# The caches built from the file types: each type has its one pattern, its description and an
# installed icon, the desktop database hands it to the editor, and the drawing's tag is known.
for typ in drawing:vks:Zeichnung macro:vkm:Macro; do
    IFS=: read -r name endung text <<<"$typ"
    name=application/x-vektra-$name
    [ "$(grep -c ":$name:" "$share/mime/globs2")" = 1 ] && grep -q "^[0-9]*:$name:\*\.$endung\$" "$share/mime/globs2" ||
        fehlschlag "MIME-Datenbank kennt *.$endung nicht als $name"
    grep -q "<comment>Vektra32-$text</comment>" "$share/mime/$name.xml" || fehlschlag "$name: Beschreibung fehlt"
    [ -f "$share/icons/hicolor/scalable/mimetypes/$(sed -n "s|^$name:||p" "$share/mime/icons").svg" ] ||
        fehlschlag "$name: Symbol nicht installiert"
    grep -qx "$name=vektra32.desktop;" "$share/applications/mimeinfo.cache" ||
        fehlschlag "mimeinfo.cache gibt $name nicht dem Editor"
done
grep -qa 'VEKTRA42' "$share/mime/magic" || fehlschlag "MIME-Datenbank kennt die Kennung der Zeichnung nicht"

# The installed converter works: picture in, drawing out, and back. What is drawn with cairo it hands
# to the program in libexec; a converter that finds none there says so.
konvertieren "$daten/beispiel.vkx" bild.vks
konvertieren bild.vks bild.vkx
konvertieren bild.vks bild.svg
grep -q '\\begin{picture}' bild.vkx || fehlschlag "bild.vkx ohne picture"
grep -q '<svg' bild.svg || fehlschlag "bild.svg ist kein SVG"
mkdir allein && cp "$bin/vektra32-convert" allein/
ergebnis=0; allein/vektra32-convert bild.vks allein.svg 2>konverter.log || ergebnis=$?
[ "$ergebnis" -eq 1 ] && [ ! -e allein.svg ] && grep -q 'vektra32-convert-cairo lässt sich nicht starten' konverter.log ||
    fehlschlag "Konverter ohne vektra32-convert-cairo: $ergebnis, $(cat konverter.log)"

editor_laeuft bild.vks
echo "installation.sh: bestanden"
