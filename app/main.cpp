#include "main/TForm1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TForm1 w;
    w.show();
    return app.exec();
}
