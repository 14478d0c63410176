#pragma once
// The pieces the program's dialogs are built from. Every piece has an object name: the text
// binding, the language file and the tests find widgets by it.
#include <initializer_list>

class QDialog;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

QLabel* Beschriftung(QWidget* eltern, const char* name);
// A narrow field for a number, with its first text.
QLineEdit* Feld(QWidget* eltern, const char* name, const char* text = "");
// A button that closes `dialog`: with `annehmen` it accepts and is the default button, otherwise
// it rejects.
QPushButton* Schliessknopf(QDialog* dialog, const char* name, bool annehmen);
// The closing buttons side by side at the right.
QHBoxLayout* Knopfreihe(std::initializer_list<QPushButton*> knoepfe);
