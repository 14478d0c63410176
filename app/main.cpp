#include "main/Programmstart.h"
#include "main/TForm1.h"
#include "text/Abbruch.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

// The application object. An exception that escapes the handling of an event ends only the
// command that event ran: it is reported, and the program goes on with the drawing as the
// command left it.
class Anwendung : public QApplication {
  public:
    using QApplication::QApplication;

    // Reports go to the window; before it exists and after it is gone, into a box of their own.
    QPointer<TForm1> fenster;

    bool notify(QObject* ziel, QEvent* ereignis) override {
        try {
            return QApplication::notify(ziel, ereignis);
        } catch (...) {
            AbbruchMelden(std::current_exception());
            return false;
        }
    }

    void AbbruchMelden(std::exception_ptr ausnahme) const {
        const std::string text = vektra::Abbruchmeldung(ausnahme);
        if (fenster)
            fenster->Melden(vektra::Meldungsart::Fehler, text);
        else
            QMessageBox::critical(nullptr, applicationName(), QString::fromStdString(text));
    }
};

} // namespace

int main(int argc, char** argv) {
    Anwendung app(argc, argv);
    // What fails outside the event loop, as building the window, ends the program with a message.
    try {
        ProgrammEinrichten();
        TForm1 Form1;
        app.fenster = &Form1;
        // The first argument names a drawing to open when the window shows.
        const QStringList argumente = QCoreApplication::arguments();
        if (argumente.size() > 1) Form1.StartdateiSetzen(argumente.at(1));
        Form1.show();
        return app.exec();
    } catch (...) {
        app.AbbruchMelden(std::current_exception());
        return 1;
    }
}
