#pragma once
// Applies "language.dat" to the window and its dialogs: the file beside the program, or where
// the program is installed in a folder the user cannot write to, the one in the user's
// configuration folder of the program.
#include <QString>

class QObject;

// The language file in force: beside the program when there is one there, else the user's.
QString Sprachdateipfad();
// Reads it into the text table and sets every bound text of `fenster` and its dialogs anew;
// false, and nothing changed, when there is no readable file.
bool SpracheAnwenden(QObject* fenster);
