#pragma once
// A main window whose file choosers, dialogs, messages and questions are scripted, and a temporary
// folder and settings place for the tests of the file and settings commands.
#include "Elementbau.h"
#include "files/Dateibefehle.h"
#include "main/TForm1.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <functional>

using namespace Qt::StringLiterals;

class Skriptfenster : public TForm1 {
  public:
    // Files the choosers return and answers to questions, in order; an exhausted list cancels.
    QStringList dateien;
    std::deque<vektra::Antwort> antworten;
    // Runs inside a shown modal dialog, which is then accepted; without it the dialog is cancelled.
    std::function<void(QDialog&)> imDialog;

    // The colour the colour chooser returns; none cancels it. The colours it started from.
    std::optional<QColor> farbe;
    QList<QColor> farbanfaenge;

    QStringList meldungen, fragen;
    int dateidialoge = 0;

    void Melden(vektra::Meldungsart, const std::string& text, int) override {
        meldungen << QString::fromStdString(text);
    }
    vektra::Antwort Fragen(vektra::Meldungsart, const std::string& text, vektra::Knoepfe) override {
        fragen << QString::fromStdString(text);
        if (antworten.empty()) return vektra::Antwort::Abbruch;
        const auto a = antworten.front();
        antworten.pop_front();
        return a;
    }
    QString OeffnenDialog(const QString&, const QString&, const QString&) override { return Gewaehlt(); }
    QString SpeichernDialog(const QString&, const QString&, const QString&) override { return Gewaehlt(); }
    std::optional<QColor> FarbeWaehlen(const QColor& anfang) override {
        farbanfaenge << anfang;
        return farbe;
    }
    int DialogAusfuehren(QDialog& dialog) override {
        if (!imDialog) return QDialog::Rejected;
        dialog.show();
        imDialog(dialog);
        dialog.accept();
        return dialog.result();
    }

  private:
    QString Gewaehlt() {
        ++dateidialoge;
        return dateien.isEmpty() ? QString() : dateien.takeFirst();
    }
};

inline QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool Schreiben(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Base of the test classes: keeps their settings in a store of their own, away from the user's
// and from every other test program running at the same time, and their files in a temporary
// folder. (Qt's test mode would share one store under the home folder between all of them.)
struct Testumgebung {
    QTemporaryDir konfig, ordner;
    Testumgebung() {
        if (!konfig.isValid() || !ordner.isValid()) qFatal("no temporary folder");
        qputenv("XDG_CONFIG_HOME", konfig.path().toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, konfig.path());
    }
    QString Datei(const QString& name) const { return QDir(ordner.path()).filePath(name); }
};
