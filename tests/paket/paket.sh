#!/bin/bash
# The Debian package as `make package` makes it, here from the build tree the tests run in: its
# fields, its files (the caches of file types and menus are dpkg's triggers' work, not the
# package's), lintian without errors or warnings, and the unpacked programs: the version,
# conversions, the one to .vkp through the cairo helper beside the converter, and the editor's
# start. The converter's manual page names every option its help names.
source "$(dirname "$0")/../install/installiert.bash"
cpack --config "$build/CPackConfig.cmake" -B "$arbeit/cpack" >cpack.log 2>&1 || fehlschlag "cpack: $(cat cpack.log)"
arch=$(dpkg --print-architecture)
deb=cpack/vektra32_4.4.1.7_$arch.deb
[ -f "$deb" ] || fehlschlag "${deb#cpack/} fehlt: $(ls cpack)"

# The fields: name, version and kind; the libraries of the programs as dependencies, TeX recommended.
feld() { dpkg-deb -f "$deb" "$1"; }
for f in Package=vektra32 Version=4.4.1.7 Architecture=$arch Section=graphics Priority=optional \
    "Recommends=texlive-latex-base, texlive-pictures"; do
    [ "$(feld "${f%%=*}")" = "${f#*=}" ] || fehlschlag "${f%%=*}: $(feld "${f%%=*}"), erwartet ${f#*=}"
done
for lib in libc6 libstdc++6 libcairo2 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ ", $(feld Depends)," == *", $lib"[\ ,]* ]] || fehlschlag "Depends ohne $lib: $(feld Depends)"
done
[ "$(feld Description | head -1)" = "vector drawing editor for LaTeX pictures" ] ||
    fehlschlag "Kurzbeschreibung: $(feld Description | head -1)"

dpkg-deb -c "$deb" | awk '$NF !~ /\/$/ { print $NF }' | sort >inhalt
cat >erwartet <<'LISTE'
./usr/bin/vektra32
./usr/bin/vektra32-convert
./usr/libexec/vektra32/vektra32-convert-cairo
./usr/share/applications/vektra32.desktop
./usr/share/doc/vektra32/README.md.gz
./usr/share/doc/vektra32/changelog.gz
./usr/share/doc/vektra32/copyright
./usr/share/icons/hicolor/scalable/apps/vektra32.svg
./usr/share/icons/hicolor/scalable/mimetypes/application-x-vektra-drawing.svg
./usr/share/icons/hicolor/scalable/mimetypes/application-x-vektra-macro.svg
./usr/share/man/man1/vektra32-convert.1.gz
./usr/share/man/man1/vektra32.1.gz
./usr/share/mime/packages/vektra32.xml
LISTE
diff erwartet inhalt >inhalt.diff || fehlschlag "Dateien des Pakets: $(cat inhalt.diff)"

lintian --fail-on error,warning "$deb" >lintian.log 2>&1 || fehlschlag "lintian: $(cat lintian.log)"

dpkg-deb -x "$deb" wurzel
bin=wurzel/usr/bin
[ "$(zcat wurzel/usr/share/doc/vektra32/changelog.gz | head -1)" = "vektra32 (4.4.1.7) unstable; urgency=medium" ] ||
    fehlschlag "changelog: $(zcat wurzel/usr/share/doc/vektra32/changelog.gz | head -1)"
[ "$("$bin/vektra32-convert" --version)" = "vektra32-convert (Vektra32) Version 4.4.1.7" ] ||
    fehlschlag "--version: $("$bin/vektra32-convert" --version 2>&1)"

konvertieren "$daten/beispiel.vkx" bild.vks
konvertieren bild.vks bild.tikz
konvertieren bild.vks bild.vkp
grep -q '\\begin{tikzpicture}' bild.tikz || fehlschlag "bild.tikz ohne tikzpicture"
grep -q 'psfile=bild.ps' bild.vkp && [ "$(head -c 4 bild.pdf)" = "%PDF" ] && [ "$(head -c 4 bild.ps)" = "%!PS" ] ||
    fehlschlag "bild.vkp, bild.ps oder bild.pdf unvollständig"

# Every option of the help, as "--name", is in the manual page, where a minus is "\-".
seite=$(zcat wurzel/usr/share/man/man1/vektra32-convert.1.gz | sed 's/\\-/-/g')
for option in $("$bin/vektra32-convert" --help | grep -o -- '--[a-z0-9-]*' | sort -u); do
    grep -qE -- "$option([^a-z0-9-]|\$)" <<<"$seite" || fehlschlag "Handbuchseite ohne $option"
done

editor_laeuft bild.vks
echo "paket.sh: bestanden"
