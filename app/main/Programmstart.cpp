#include "main/Programmstart.h"

#include "text/Qtext.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

void ProgrammEinrichten() {
    // The application object sets the locale from the environment; numbers go back to "C".
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    QCoreApplication::setApplicationName(Tq("v.Anwendungstitel"));
    // Ties the windows to the installed desktop entry, for its icon and name in task bars.
    QGuiApplication::setDesktopFileName(QStringLiteral("vektra32"));
    // File choosers and message box buttons speak German like the rest, where Qt's German
    // texts are installed. The application object owns the translator.
    auto* qtTexte = new QTranslator(QCoreApplication::instance());
    if (qtTexte->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexte);
}
