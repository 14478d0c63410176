#include "main/Programmstart.h"

#include "text/Qtext.h"

#include <QCoreApplication>
#include <QLocale>

#include <clocale>

void ProgrammEinrichten() {
    // The application object sets the locale from the environment; numbers go back to "C".
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    QCoreApplication::setApplicationName(Tq("v.Anwendungstitel"));
}
