#pragma once
// The per-user settings store of the main window (geometry and macro folder). Value names are
// one name each whatever their letter case: reading finds any spelling, writing stores the
// given spelling and drops the others.
#include <QSettings>
#include <QString>
#include <QVariant>

#include <optional>

class Fensterspeicher {
  public:
    Fensterspeicher();

    // True when the store holds any value at all.
    bool Vorhanden() const;

    std::optional<QVariant> Lesen(const QString& name) const;
    // Unset or not a truth value / whole number: nothing.
    std::optional<bool> WahrheitLesen(const QString& name) const;
    std::optional<int> ZahlLesen(const QString& name) const;
    std::optional<QString> TextLesen(const QString& name) const;

    void Schreiben(const QString& name, const QVariant& wert);

  private:
    QString Gespeichert(const QString& name) const;

    mutable QSettings store_;
};
