#include "main/Dialogbau.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLabel* Beschriftung(QWidget* eltern, const char* name) {
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLineEdit* Feld(QWidget* eltern, const char* name, const char* text) {
    auto* f = new QLineEdit(QString::fromLatin1(text), eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setMaximumWidth(90);
    return f;
}

QPushButton* Schliessknopf(QDialog* dialog, const char* name, bool annehmen) {
    auto* k = new QPushButton(dialog);
    k->setObjectName(QString::fromLatin1(name));
    if (annehmen) {
        k->setDefault(true);
        QObject::connect(k, &QPushButton::clicked, dialog, &QDialog::accept);
    } else {
        QObject::connect(k, &QPushButton::clicked, dialog, &QDialog::reject);
    }
    return k;
}

QHBoxLayout* Knopfreihe(std::initializer_list<QPushButton*> knoepfe) {
    auto* reihe = new QHBoxLayout;
    reihe->addStretch(1);
    for (QPushButton* k : knoepfe)
        reihe->addWidget(k);
    return reihe;
}
