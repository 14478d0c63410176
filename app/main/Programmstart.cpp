#include "main/Programmstart.h"

#include "text/Qtext.h"
#include "text/Sprachladen.h"

#include <QGuiApplication>
#include <QLocale>

#include <clocale>

void ProgrammEinrichten() {
    // The application object sets the locale from the environment; numbers go back to "C".
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    QCoreApplication::setApplicationName(Tq("v.Anwendungstitel"));
    // Ties the windows to the installed desktop entry, for its icon and name in task bars.
    QGuiApplication::setDesktopFileName(QStringLiteral("vektra32"));
    // File choosers and message box buttons speak German like the rest, where Qt's German
    // texts are installed, until a language file names another language.
    QtSpracheSetzen(QStringLiteral("de"));
}
