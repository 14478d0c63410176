#include "main/Programmstart.h"
#include "main/TForm1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ProgrammEinrichten();
    TForm1 Form1;
    // The first argument names a drawing to open when the window shows.
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() > 1) Form1.StartdateiSetzen(argumente.at(1));
    Form1.show();
    return app.exec();
}
