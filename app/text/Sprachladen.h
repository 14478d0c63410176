#pragma once
// Applies "language.dat" to the window and its dialogs: the file beside the program, or where
// the program is installed in a folder the user cannot write to, the one in the user's
// configuration folder of the program.
#include <QString>

class QObject;

// The language file in force: beside the program when there is one there, else the user's.
QString Sprachdateipfad();
// Reads it into the text table, sets every bound text of `fenster` and its dialogs anew and
// speaks Qt's own texts in the language the file names (German where it names none); false,
// and nothing changed, when there is no readable file.
bool SpracheAnwenden(QObject* fenster);
// Qt's own texts (the buttons of message boxes, the file and colour choosers, the menus of edit
// fields) from Qt's translation "qtbase_" + `sprache`; Qt's English where that is not installed,
// so also for "en". Takes effect for what is made afterwards.
void QtSpracheSetzen(const QString& sprache);
