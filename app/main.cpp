#include "main/Programmstart.h"
#include "main/TForm1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ProgrammEinrichten();
    TForm1 Form1;
    Form1.show();
    return app.exec();
}
