#include "text/Textbindung.h"

#include "text/Qtext.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>

namespace {

// Where an object keeps the keys of its texts.
constexpr const char* Beschriftung = "vektra.text";
constexpr const char* Hinweis = "vektra.hinweis";
constexpr const char* Titel = "vektra.titel";
constexpr const char* Name = "vektra.name";
constexpr const char* Eintraege = "vektra.eintraege";
constexpr const char* Auswahl = "vektra.auswahl";

QString Schluessel(const QObject* o, const char* art) {
    return o->property(art).toString();
}

QString Text(const QString& schluessel) {
    return Tq(schluessel.toStdString());
}

void Anwenden(QObject* o) {
    if (const QString k = Schluessel(o, Beschriftung); !k.isEmpty()) {
        const QString t = Text(k);
        if (auto* a = qobject_cast<QAction*>(o))
            a->setText(t);
        else if (auto* m = qobject_cast<QMenu*>(o))
            m->setTitle(t);
        else if (auto* g = qobject_cast<QGroupBox*>(o))
            g->setTitle(t);
        else if (auto* b = qobject_cast<QAbstractButton*>(o))
            b->setText(t);
        else if (auto* l = qobject_cast<QLabel*>(o))
            l->setText(t);
    }
    if (const QString k = Schluessel(o, Hinweis); !k.isEmpty()) {
        if (auto* a = qobject_cast<QAction*>(o))
            a->setToolTip(Text(k));
        else if (auto* w = qobject_cast<QWidget*>(o))
            w->setToolTip(Text(k));
    }
    auto* w = qobject_cast<QWidget*>(o);
    if (const QString k = Schluessel(o, Titel); w && !k.isEmpty()) w->setWindowTitle(Text(k));
    if (const QString k = Schluessel(o, Name); w && !k.isEmpty()) w->setAccessibleName(Text(k));
    if (auto* liste = qobject_cast<QComboBox*>(o)) {
        const QStringList eintraege = o->property(Eintraege).toStringList();
        for (int i = 0; i < eintraege.size() && i < liste->count(); ++i)
            liste->setItemText(i, Text(eintraege[i]));
        if (const QString k = Schluessel(o, Auswahl); !k.isEmpty())
            liste->setCurrentIndex(liste->findText(Text(k), Qt::MatchExactly));
    }
}

void Binden(QObject* o, const char* art, const char* schluessel) {
    o->setProperty(art, QString::fromLatin1(schluessel));
    Anwenden(o);
}

} // namespace

void TextBinden(QObject* objekt, const char* schluessel) {
    Binden(objekt, Beschriftung, schluessel);
}

void HinweisBinden(QObject* objekt, const char* schluessel) {
    Binden(objekt, Hinweis, schluessel);
}

void FenstertitelBinden(QWidget* fenster, const char* schluessel) {
    Binden(fenster, Titel, schluessel);
}

void NameBinden(QWidget* w, const char* schluessel) {
    Binden(w, Name, schluessel);
}

void EintraegeBinden(QComboBox* liste, std::initializer_list<const char*> schluessel) {
    QStringList keys;
    for (const char* k : schluessel) {
        keys << QString::fromLatin1(k);
        if (liste->count() < keys.size()) liste->addItem(QString());
    }
    liste->setProperty(Eintraege, keys);
    Anwenden(liste);
}

void AuswahlBinden(QComboBox* liste, const char* schluessel) {
    Binden(liste, Auswahl, schluessel);
}

void TexteAnwenden(QObject* wurzel) {
    Anwenden(wurzel);
    const auto alle = wurzel->findChildren<QObject*>();
    for (QObject* o : alle)
        Anwenden(o);
}
