#pragma once
// The program writes its file filters as "name|pattern" pairs ("Zeichnungen|*.vks",
// "Vkx- und Pic-Dateien | *.vkx; *.pic"); Qt's file dialogs want "name (pattern pattern)".
#include <QString>

// Converts a filter of one or more "name|patterns" pairs, patterns separated by ";", into
// Qt's form, pairs joined by ";;". Blanks around names and patterns are dropped; a text
// without "|" is taken as patterns only.
QString QtFilter(const QString& filter);
