#pragma once
// The file commands of the main window: new, open, save, save as, the two exports with their
// "as..." forms, the picture import, and opening the drawing given at start. They work on the
// window's document and call back into the window for the mode, the caption, the redraw, the
// cross and every dialog and question, so tests can script them.
#include <QString>

#include <cstdint>
#include <string>

class Fensterdienste;

class Dateibefehle {
  public:
    explicit Dateibefehle(Fensterdienste& fenster);

    // "&Neu": asks to save a changed drawing first and keeps it when that save does not happen.
    void New1Click();
    // "&Oeffnen": a file that cannot be read is reported and the open drawing stays.
    void Open1Click();
    // "Speichern"; false when nothing was saved although there was something to save (dialog
    // cancelled, write failed).
    bool Speichern1Click();
    // "Speichern unter..."; false as for Speichern1Click.
    bool Speichernunter1Click();

    // The export menu items: Exportart 0 is the picture export, 1 PostScript with wrapper, 2 TikZ
    // (which asks whether to write a document of its own).
    void Exportieren(std::uint8_t art);
    void ExportierenUnter(std::uint8_t art);
    void Exportieren1click();
    void Exportierenunter1Click();

    // "&Pic/Vkx Import" of picture and TikZ files: a file that cannot be read is reported and the open
    // drawing stays.
    void ImportClick();

    // Opens the drawing named on the command line: ".vks" in any letter case natively, any
    // other file through the import. A file that cannot be read leaves an empty, unnamed drawing.
    void MitDateiStarten(const QString& name);

    // The file a name of the drawing refers to: a name without folder lies in the folder of the
    // file last opened or imported (the current folder before that).
    QString Pfad(const std::string& name) const;

    std::uint8_t Exportart = 0;
    // Initial folders of the open and the save dialog, and the save dialog's file name.
    QString Oeffnenordner;
    QString Speichernordner;
    QString Speichername;
    // Folder of the file last opened or imported.
    QString Arbeitsordner;

  private:
    // Exports under the current name; false when the user declined to overwrite the target.
    bool ExportUnterName();
    void ExportSchreiben();
    // Reads a picture file into a fresh document and takes it over on success.
    bool Importieren(const QString& pfad);
    void TitelSetzen(const QString& titel);
    // The save dialog's starting point: the folder, joined with the file name when there is one.
    static QString Vorschlag(const QString& ordner, const QString& name);
    // A path as the core's file functions take it.
    static std::string Dateisystemname(const QString& pfad);
    void DialogordnerSetzen(const QString& datei);

    Fensterdienste& f_;
};
