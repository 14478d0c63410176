#include "text/Sprachladen.h"

#include "text/Sprachdatei.h"
#include "text/Textbindung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>

QString Sprachdateipfad() {
    const QString neben =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("language.dat"));
    if (QFileInfo::exists(neben)) return neben;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Vektra32/language.dat"));
}

bool SpracheAnwenden(QObject* fenster) {
    const auto qt = vektra::SpracheLaden(QFile::encodeName(Sprachdateipfad()).toStdString());
    if (!qt) return false;
    QtSpracheSetzen(qt->empty() ? QStringLiteral("de") : QString::fromStdString(*qt));
    TexteAnwenden(fenster);
    return true;
}

void QtSpracheSetzen(const QString& sprache) {
    QCoreApplication* programm = QCoreApplication::instance();
    const QString name = QStringLiteral("vektra.qt");
    // One translator at a time; a deleted one leaves the application by itself.
    delete programm->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    // A language name only, never a path.
    const bool gueltig = !sprache.isEmpty() && std::ranges::all_of(sprache, [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
    });
    auto* uebersetzung = new QTranslator(programm);
    uebersetzung->setObjectName(name);
    if (gueltig && uebersetzung->load(QStringLiteral("qtbase_") + sprache,
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(uebersetzung);
    else
        delete uebersetzung;
}
