#include "main/Programmstart.h"

#include "text/Qtext.h"

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
}
