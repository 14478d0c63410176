#include "view/Textsatzlauf.h"

#include "text/Qtext.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace {

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

Textsatzlauf::Textsatzlauf(const std::string& praeambel, std::vector<std::string> texte,
                           Satzprogramme programme, QObject* eltern)
    : QObject(eltern), quelle_(vektra::Satzquelle(praeambel, texte)), texte_(std::move(texte)),
      programme_(std::move(programme)) {
    uhr_.setSingleShot(true);
    connect(&uhr_, &QTimer::timeout, this, [this] {
        zuLange_ = true;
        prozess_.kill();
    });
    prozess_.setProcessChannelMode(QProcess::MergedChannels);
    // Error lines and their context unbroken, however long a text is.
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("max_print_line"), QStringLiteral("10000"));
    umgebung.insert(QStringLiteral("error_line"), QStringLiteral("254"));
    umgebung.insert(QStringLiteral("half_error_line"), QStringLiteral("238"));
    prozess_.setProcessEnvironment(umgebung);
    connect(&prozess_, &QProcess::finished, this, [this] {
        uhr_.stop();
        const Stufe stufe = std::exchange(stufe_, Stufe::Keine);
        if (stufe == Stufe::Latex) LatexFertig();
        if (stufe == Stufe::Dvisvgm) DvisvgmFertig();
    });
    connect(&prozess_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError fehler) {
        if (fehler != QProcess::FailedToStart) return;
        uhr_.stop();
        fehlendes_ =
            Tq("v.KeinTeX", {prozess_.program().toStdString(), prozess_.errorString().toStdString()});
        Abschliessen();
    });
}

Textsatzlauf::~Textsatzlauf() {
    stufe_ = Stufe::Keine;
    if (prozess_.state() != QProcess::NotRunning) {
        prozess_.kill();
        prozess_.waitForFinished(1000);
    }
}

void Textsatzlauf::Starten() {
    QFile datei(QDir(ordner_.path()).filePath(QStringLiteral("satz.tex")));
    if (!ordner_.isValid() || !datei.open(QIODevice::WriteOnly) ||
        datei.write(quelle_.data(), static_cast<qint64>(quelle_.size())) !=
            static_cast<qint64>(quelle_.size())) {
        const QString grund = ordner_.isValid() ? datei.errorString() : ordner_.errorString();
        for (const std::string& t : texte_)
            funde_.push_back({t, {}, {}, grund});
        QMetaObject::invokeMethod(this, &Textsatzlauf::fertig, Qt::QueuedConnection);
        return;
    }
    datei.close();
    // The pages in a folder of their own: dvisvgm reads the working folder again for every page.
    QDir(ordner_.path()).mkdir(QStringLiteral("seiten"));
    Ausfuehren(programme_.latex,
               {QStringLiteral("-interaction=nonstopmode"), QStringLiteral("-no-shell-escape"),
                QStringLiteral("satz.tex")},
               Stufe::Latex);
}

void Textsatzlauf::Ausfuehren(const QString& programm, const QStringList& argumente, Stufe stufe) {
    stufe_ = stufe;
    zuLange_ = false;
    ++prozesse_;
    prozess_.setWorkingDirectory(ordner_.path());
    prozess_.start(programm, argumente);
    prozess_.closeWriteChannel();
    uhr_.start(programme_.grundzeitMs + programme_.jeTextMs * static_cast<int>(texte_.size()));
}

QString Textsatzlauf::Zeitfehler() const {
    const int ms = programme_.grundzeitMs + programme_.jeTextMs * static_cast<int>(texte_.size());
    return Tq("v.SatzZeit", {static_cast<long long>((ms + 999) / 1000)});
}

void Textsatzlauf::LatexFertig() {
    latexZuLange_ = zuLange_;
    const QByteArray ausgabe = prozess_.readAll();
    bericht_ = vektra::SatzberichtLesen(
        std::string_view(ausgabe.constData(), static_cast<std::size_t>(ausgabe.size())));
    const bool seiten =
        std::any_of(bericht_.seiten.begin(), bericht_.seiten.end(),
                    [](const vektra::Seitenbericht& s) { return s.gesetzt && s.fehler.empty(); });
    // A killed TeX leaves its DVI file without an end, which dvisvgm does not read.
    if (!seiten || latexZuLange_) return Abschliessen();
    Ausfuehren(programme_.dvisvgm,
               {QStringLiteral("--no-fonts"), QStringLiteral("--page=1-"),
                QStringLiteral("--output=seiten/seite-%p.svg"), QStringLiteral("satz.dvi")},
               Stufe::Dvisvgm);
}

void Textsatzlauf::DvisvgmFertig() {
    dvisvgmZuLange_ = zuLange_;
    Abschliessen();
}

void Textsatzlauf::Abschliessen() {
    stufe_ = Stufe::Keine;
    if (fehlendes_.isEmpty()) Zuordnen();
    // A program that cannot be started reports so from within QProcess::start.
    QMetaObject::invokeMethod(this, &Textsatzlauf::fertig, Qt::QueuedConnection);
}

void Textsatzlauf::Zuordnen() {
    // dvisvgm numbers the pages with as many digits as the last one has.
    std::map<int, QByteArray> seiten;
    const QDir ordner(QDir(ordner_.path()).filePath(QStringLiteral("seiten")));
    static const QRegularExpression muster(QStringLiteral("^seite-(\\d+)\\.svg$"));
    for (const QString& name : ordner.entryList({QStringLiteral("seite-*.svg")}, QDir::Files))
        if (const auto m = muster.match(name); m.hasMatch())
            seiten[m.captured(1).toInt()] = Lesen(ordner.filePath(name));

    const int n = static_cast<int>(texte_.size());
    const QString ohneSeite = Tq("v.SatzOhneSeite");
    std::set<int> gesehen;
    int seite = 0;
    for (const vektra::Seitenbericht& s : bericht_.seiten) {
        if (s.gesetzt) ++seite;
        if (s.nummer < 1 || s.nummer > n || !gesehen.insert(s.nummer).second) continue;
        Satzfund f{texte_[static_cast<std::size_t>(s.nummer - 1)], s.mass, {}, {}};
        const auto svg = seiten.find(seite);
        if (!s.fehler.empty())
            f.fehler = Tq("v.SatzFehler", {s.fehler});
        else if (!s.gesetzt)
            f.fehler = latexZuLange_ ? Zeitfehler() : ohneSeite;
        else if (svg != seiten.end() && !svg->second.isEmpty())
            f.svg = svg->second;
        else if (bericht_.offen != 0)
            // Typeset before the run broke off, but without its page: into the next run.
            continue;
        else
            f.fehler = dvisvgmZuLange_ ? Zeitfehler() : ohneSeite;
        funde_.push_back(std::move(f));
    }
    // The text the run stopped at before TeX had said it began it.
    if (bericht_.offen >= 1 && bericht_.offen <= n && gesehen.insert(bericht_.offen).second)
        funde_.push_back({texte_[static_cast<std::size_t>(bericht_.offen - 1)],
                          {},
                          {},
                          latexZuLange_ ? Zeitfehler() : ohneSeite});
    // Not a word about any text: the preamble failed, and every text with it.
    if (gesehen.empty()) {
        const QString grund = !bericht_.vorspannfehler.empty() ? Tq("v.SatzFehler", {bericht_.vorspannfehler})
                              : latexZuLange_                  ? Zeitfehler()
                                                               : ohneSeite;
        for (const std::string& t : texte_)
            funde_.push_back({t, {}, {}, grund});
    }
}
