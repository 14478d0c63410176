#include "main/Fensterspeicher.h"

#include <QStringList>

Fensterspeicher::Fensterspeicher() : store_(QStringLiteral("Vektra32"), QStringLiteral("Vektra32")) {}

bool Fensterspeicher::Vorhanden() const {
    return !store_.childKeys().isEmpty();
}

QString Fensterspeicher::Gespeichert(const QString& name) const {
    const QStringList namen = store_.childKeys();
    if (namen.contains(name)) return name;
    for (const QString& n : namen)
        if (n.compare(name, Qt::CaseInsensitive) == 0) return n;
    return {};
}

std::optional<QVariant> Fensterspeicher::Lesen(const QString& name) const {
    const QString n = Gespeichert(name);
    if (n.isEmpty()) return std::nullopt;
    return store_.value(n);
}

std::optional<bool> Fensterspeicher::WahrheitLesen(const QString& name) const {
    const auto v = Lesen(name);
    if (!v) return std::nullopt;
    const QString s = v->toString().trimmed().toLower();
    if (s == QLatin1String("true") || s == QLatin1String("1")) return true;
    if (s == QLatin1String("false") || s == QLatin1String("0")) return false;
    return std::nullopt;
}

std::optional<int> Fensterspeicher::ZahlLesen(const QString& name) const {
    const auto v = Lesen(name);
    if (!v) return std::nullopt;
    bool ok = false;
    const int z = v->toString().trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return z;
}

std::optional<QString> Fensterspeicher::TextLesen(const QString& name) const {
    const auto v = Lesen(name);
    if (!v || !v->canConvert<QString>()) return std::nullopt;
    return v->toString();
}

void Fensterspeicher::Schreiben(const QString& name, const QVariant& wert) {
    for (const QString& n : store_.childKeys())
        if (n != name && n.compare(name, Qt::CaseInsensitive) == 0) store_.remove(n);
    store_.setValue(name, wert);
    store_.sync();
}
