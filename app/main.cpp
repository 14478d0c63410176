#include "main/Programmstart.h"
#include "main/TForm1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ProgrammEinrichten();
    // File choosers and message box buttons speak German like the rest, where Qt's German
    // texts are installed.
    QTranslator qtTexte;
    if (qtTexte.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    TForm1 Form1;
    // The first argument names a drawing to open when the window shows.
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() > 1) Form1.StartdateiSetzen(argumente.at(1));
    Form1.show();
    return app.exec();
}
