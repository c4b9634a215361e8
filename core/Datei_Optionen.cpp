// The options file.
#include "core/Dateioperationen.h"

#include <QFont>
#include <QPointer>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <climits>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/Dateioperationen_p.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace dateien {

// --- options -----------------------------------------------------------------

// The values of one section, taken in order; a value missing at the end or
// unreadable keeps the default.
class Abschnitt
{
public:
    explicit Abschnitt(const QStringList &werte) : w(werte) {}
    bool text(QString &out)
    {
        if (i >= w.size())
            return false;
        out = w[i++];
        return true;
    }
    void ordner(QString &out)
    {
        QString s;
        if (text(s) && !s.isEmpty())
            out = s;
    }
    template <typename T> void zahl(T &out, qint64 min, qint64 max)
    {
        QString s;
        if (!text(s))
            return;
        bool gut = false;
        const qlonglong x = QStringView(s).trimmed().toLongLong(&gut);
        if (gut && x >= min && x <= max)
            out = T(x);
    }
    void flag(quint8 &out) { zahl(out, 0, 255); }
    void int32(qint32 &out) { zahl(out, INT_MIN, INT_MAX); }
    void schrift(QFont &f, quint32 &farbe, qint32 &zeichensatz)
    {
        QString familie, groesse;
        if (text(familie) && !familie.isEmpty())
            f.setFamily(familie);
        if (text(groesse)) {
            bool gut = false;
            const double g = groesse.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&gut);
            if (gut && g >= 1 && g <= 500)
                f.setPointSizeF(g);
        }
        qint32 stil = -1;
        zahl(stil, 0, 15);
        if (stil >= 0) {
            f.setBold(stil & 1);
            f.setItalic(stil & 2);
            f.setUnderline(stil & 4);
            f.setStrikeOut(stil & 8);
        }
        zahl(farbe, 0, 0xFFFFFFFFLL);
        int32(zeichensatz);
    }

private:
    const QStringList w;
    qsizetype i = 0;
};

void schreibeSchrift(Schreiber &w, const QFont &f, quint32 farbe, qint32 zeichensatz)
{
    const int stil = (f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) | (f.strikeOut() ? 8 : 0);
    w << f.family() << kurzeZahl(f.pointSizeF()) << qint32(stil) << QString::number(farbe) << zeichensatz;
}

QStringList schreibeOptionen()
{
    const TOptionen &o = Optionen;
    Schreiber w;
    w << KopfOptionen;
    w << QStringLiteral("[FMAIN]") << o.Ansicht << o.Sortierung << o.Kategoriefilter << o.Unterkategoriefilter
      << qint32(o.Zutatbildzeigen) << qint32(o.Textanzeigezeigen) << qint32(o.Rezeptbildzeigen);
    schreibeSchrift(w, o.Schrift1, o.Schriftfarbe[0], o.Schriftzeichensatz[0]);
    schreibeSchrift(w, o.Schrift2, o.Schriftfarbe[1], o.Schriftzeichensatz[1]);
    schreibeSchrift(w, o.Schrift3, o.Schriftfarbe[2], o.Schriftzeichensatz[2]);
    schreibeSchrift(w, o.Schrift4, o.Schriftfarbe[3], o.Schriftzeichensatz[3]);
    w << QStringLiteral("[FREZ]") << qint32(o.Rezeptautospeichern) << o.Einkaufslistensortierung;
    // The default folders lie below the base folder: stored empty, so the
    // file stays right when the base folder moves.
    auto ordner = [](const QString &wert, const char *standard) {
        return wert == Programmverzeichnis + QLatin1String(standard) ? QString() : wert;
    };
    w << QStringLiteral("[FSYS]") << ordner(o.Rezeptverzeichnis, "Recipes\\")
      << ordner(o.Exportverzeichnis, "PreparedRecipes\\") << o.Zutatgrafikverzeichnis
      << o.Rezeptgrafikverzeichnis << qint32(o.Tooltipps) << qint32(o.Tipps) << o.TippsGezeigt << o.Hintergrundmodus
      << Hintergrundgrafik << qint32(o.Zutatengrafiken) << qint32(o.Zutatengruppengrafiken)
      << qint32(o.AutoMengenergaenzung) << qint32(o.TooltippsFDigI)
      << qint32(1); // a slot no longer used, kept so that the file's layout stays
    const TTIAStatus &s = IAStatus;
    w << s.Panel << s.Geraet << s.Auswahlmodus << qint32(s.AlleVerben) << qint32(s.Tooltipps)
      << qint32(s.TooltippsVerbeditor) << s.Temperatur << s.Zeit << s.VTotalSpeichern << s.VerbenSpeichern;
    w << QStringLiteral("[FLEX]");
    schreibeSchrift(w, o.Lexikonschrift, o.Schriftfarbe[4], o.Schriftzeichensatz[4]);
    w << EOFZeile;
    return w.z;
}

void liesOptionen(const QStringList &z)
{
    // Only these lines start a section: a value may begin with "[" too (a
    // sub-category "[Party]"), and a later section reads as surplus values.
    static const QStringList namen = {QStringLiteral("[FMAIN]"), QStringLiteral("[FREZ]"), QStringLiteral("[FSYS]"),
                                      QStringLiteral("[FLEX]")};
    QHash<QString, QStringList> abschnitte;
    QString aktuell;
    for (qsizetype i = 1; i < z.size(); ++i) {
        const QString &s = z[i];
        if (s == EOFZeile)
            break;
        if (namen.contains(s)) {
            aktuell = s;
            continue;
        }
        if (!aktuell.isEmpty())
            abschnitte[aktuell].append(s);
    }
    TOptionen &o = Optionen;
    Abschnitt m(abschnitte.value(QStringLiteral("[FMAIN]")));
    m.int32(o.Ansicht);
    m.int32(o.Sortierung);
    m.int32(o.Kategoriefilter);
    m.text(o.Unterkategoriefilter);
    m.flag(o.Zutatbildzeigen);
    m.flag(o.Textanzeigezeigen);
    m.flag(o.Rezeptbildzeigen);
    m.schrift(o.Schrift1, o.Schriftfarbe[0], o.Schriftzeichensatz[0]);
    m.schrift(o.Schrift2, o.Schriftfarbe[1], o.Schriftzeichensatz[1]);
    m.schrift(o.Schrift3, o.Schriftfarbe[2], o.Schriftzeichensatz[2]);
    m.schrift(o.Schrift4, o.Schriftfarbe[3], o.Schriftzeichensatz[3]);
    Abschnitt r(abschnitte.value(QStringLiteral("[FREZ]")));
    r.flag(o.Rezeptautospeichern);
    r.int32(o.Einkaufslistensortierung);
    Abschnitt y(abschnitte.value(QStringLiteral("[FSYS]")));
    y.ordner(o.Rezeptverzeichnis);
    y.ordner(o.Exportverzeichnis);
    y.text(o.Zutatgrafikverzeichnis);
    y.text(o.Rezeptgrafikverzeichnis);
    y.flag(o.Tooltipps);
    y.flag(o.Tipps);
    y.text(o.TippsGezeigt);
    y.int32(o.Hintergrundmodus);
    QString hg;
    if (y.text(hg) && !hg.isEmpty() && platform::isSafeRelativePath(hg))
        Hintergrundgrafik = hg;
    y.flag(o.Zutatengrafiken);
    y.flag(o.Zutatengruppengrafiken);
    y.flag(o.AutoMengenergaenzung);
    y.flag(o.TooltippsFDigI);
    QString frei; // the unused slot
    y.text(frei);
    TTIAStatus &s = IAStatus;
    // The kitchen indexes its panels and devices with these.
    y.zahl(s.Panel, 0, 2);
    y.zahl(s.Geraet, 0, 16);
    y.zahl(s.Auswahlmodus, 0, 2);
    y.flag(s.AlleVerben);
    y.flag(s.Tooltipps);
    y.flag(s.TooltippsVerbeditor);
    y.zahl(s.Temperatur, 50, 250);
    y.zahl(s.Zeit, 0, 120);
    y.int32(s.VTotalSpeichern);
    y.int32(s.VerbenSpeichern);
    Abschnitt x(abschnitte.value(QStringLiteral("[FLEX]")));
    x.schrift(o.Lexikonschrift, o.Schriftfarbe[4], o.Schriftzeichensatz[4]);
}

} // namespace dateien

using namespace dateien;

bool Lade_Optionen(int flags)
{
    const QString pfad = datenpfad(QStringLiteral("nenoitpo.kop"));
    if ((flags & Save) && !schreibe(pfad, schreibeOptionen()))
        return false;
    if (flags & Load) {
        if (!platform::fileExists(pfad))
            return true; // defaults
        QStringList z;
        if (!ladeDatei(pfad, [&z](const QByteArray &b, QString &g) {
                platform::splitLines(b, z);
                return pruefeKopf(z, KopfOptionen, g);
            }))
            return false;
        liesOptionen(z);
        Wende_Optionsschriften_an();
    }
    return true;
}

namespace {

struct Schriftanwender {
    QPointer<QObject> fenster;
    std::function<void()> anwenden;
};

QList<Schriftanwender> &schriftanwender()
{
    static QList<Schriftanwender> l;
    return l;
}

} // namespace

void Registriere_Optionsschrift(QObject *fenster, std::function<void()> anwenden)
{
    if (!fenster || !anwenden)
        return;
    schriftanwender().append({fenster, anwenden});
    anwenden();
}

void Wende_Optionsschriften_an()
{
    auto &liste = schriftanwender();
    liste.removeIf([](const Schriftanwender &a) { return !a.fenster; });
    for (const Schriftanwender &a : std::as_const(liste))
        a.anwenden();
}
