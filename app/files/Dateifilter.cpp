#include "files/Dateifilter.h"

#include <QStringList>

namespace {

QString Muster(const QString& teil) {
    QStringList muster;
    for (const QString& m : teil.split(QLatin1Char(';'))) {
        const QString sauber = m.trimmed();
        if (!sauber.isEmpty()) muster << sauber;
    }
    return muster.join(QLatin1Char(' '));
}

} // namespace

QString QtFilter(const QString& filter) {
    const QStringList teile = filter.split(QLatin1Char('|'));
    if (teile.size() < 2) return Muster(filter);
    QStringList liste;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        const QString name = teile[i].trimmed();
        const QString muster = Muster(teile[i + 1]);
        if (muster.isEmpty()) continue;
        liste << (name.isEmpty() ? muster : name + QStringLiteral(" (") + muster + QLatin1Char(')'));
    }
    return liste.join(QStringLiteral(";;"));
}
