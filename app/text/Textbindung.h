#pragma once
// Captions, hints and list entries bound to keys of the text table. Binding sets the text at
// once and remembers its key on the object, so that after a language file has replaced the
// table one pass over the window and its dialogs sets every text anew.
#include <initializer_list>

class QComboBox;
class QObject;
class QWidget;

// The caption of a label, button, check box, group box, menu or menu item.
void TextBinden(QObject* objekt, const char* schluessel);
// The hint (tool tip) of a control or menu item.
void HinweisBinden(QObject* objekt, const char* schluessel);
// The caption of a window or dialog.
void FenstertitelBinden(QWidget* fenster, const char* schluessel);
// The name a screen reader gives a control that shows no caption.
void NameBinden(QWidget* w, const char* schluessel);
// The entries of a list, in order.
void EintraegeBinden(QComboBox* liste, std::initializer_list<const char*> schluessel);
// The entry a list shows: the one whose text is the key's text, none when no entry has it.
void AuswahlBinden(QComboBox* liste, const char* schluessel);

// Sets every bound text of `wurzel` and all objects below it from the text table.
void TexteAnwenden(QObject* wurzel);
