#include "text/Sprachladen.h"

#include "text/Sprachdatei.h"
#include "text/Textbindung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString Sprachdateipfad() {
    const QString neben =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("language.dat"));
    if (QFileInfo::exists(neben)) return neben;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Vektra32/language.dat"));
}

bool SpracheAnwenden(QObject* fenster) {
    if (!vektra::SpracheLaden(QFile::encodeName(Sprachdateipfad()).toStdString())) return false;
    TexteAnwenden(fenster);
    return true;
}
