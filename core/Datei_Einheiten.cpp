// The units list.
#include "core/Dateioperationen.h"

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
#include "platform/CodePage.h"

namespace dateien {

// --- units list --------------------------------------------------------------

// The splitter takes the first unit that begins the line, so a unit must
// stand before every shorter unit that is its prefix.
void ordneEinheiten(TString &einheiten)
{
    auto kern = [](const QString &e) {
        QString k = e;
        if (k.startsWith(QLatin1Char('[')))
            k.remove(0, 1);
        if (k.endsWith(QLatin1Char(']')))
            k.chop(1);
        return platform::upperCase(k);
    };
    QStringList kerne;
    kerne.reserve(einheiten.size());
    for (const QString &e : einheiten)
        kerne << kern(e);
    bool geaendert = true;
    for (int runde = 0; geaendert && runde <= einheiten.size(); ++runde) {
        geaendert = false;
        for (qsizetype i = 0; i < einheiten.size(); ++i) {
            for (qsizetype j = i + 1; j < einheiten.size(); ++j) {
                if (kerne[j].size() > kerne[i].size() && kerne[j].startsWith(kerne[i])) {
                    einheiten.move(j, i);
                    kerne.move(j, i);
                    geaendert = true;
                }
            }
        }
    }
}

// nD, then nD entries of a text and a factor.
bool liesRICDATA(Leser &l, QVector<TTRICDATA> &out)
{
    qint32 n = 0;
    if (!l.anzahl(n, 2))
        return false;
    out.resize(n);
    for (qint32 i = 0; i < n && l.ok(); ++i) {
        l.zeile(out[i].Text);
        l.kommazahl(out[i].Faktor);
    }
    return l.ok();
}

bool liesVariablen(const QByteArray &z, TTVariablenTotal &out, QString &grund)
{
    Leser l(z);
    if (!l.kopf(KopfVariablen)) {
        grund = l.grund;
        return false;
    }
    TTVariablenTotal v;
    l.erwarte(QStringLiteral("[EINHEITEN]:"));
    l.liste(v.Einheiten);
    l.liste(v.RICWerte);
    liesRICDATA(l, v.RICDATA);
    l.erwarte(QStringLiteral("[KATEGORIEANZAHL]"));
    qint32 k = 0;
    if (l.ganzzahl(k) && k != AnzahlKategorien)
        l.fehler(QStringLiteral("21 categories expected"));
    for (int kat = 0; kat < AnzahlKategorien && l.ok(); ++kat) {
        qint32 m = 0;
        if (!l.anzahl(m, 28))
            break;
        TTAEinheit &einheiten = v.Kategorien[kat];
        einheiten.resize(m);
        for (qint32 i = 0; i < m && l.ok(); ++i) {
            TTEinheit &e = einheiten[i];
            l.zeile(e.Schluessel);
            l.zeile(e.Name);
            for (quint8 &f : e.Zuordnung)
                l.byte(f);
            l.byte(e.NichtEinkaufen);
            for (QString &s : e.Reserve)
                l.zeile(s);
            l.liste(e.Mengentabelle);
        }
    }
    if (!l.ende()) {
        grund = l.grund;
        return false;
    }
    ordneEinheiten(v.Einheiten);
    out = std::move(v);
    return true;
}

QStringList schreibeVariablen(const TTVariablenTotal &v)
{
    Schreiber w;
    w << KopfVariablen << QStringLiteral("[EINHEITEN]:");
    w.liste(ohnePlatzhalter(v.Einheiten));
    w.liste(ohnePlatzhalter(v.RICWerte));
    qint32 n = 0;
    for (const TTRICDATA &d : v.RICDATA)
        if (!d.Text.isEmpty())
            ++n;
    w << n;
    for (const TTRICDATA &d : v.RICDATA)
        if (!d.Text.isEmpty())
            w << d.Text << kurzeZahl(d.Faktor);
    w << QStringLiteral("[KATEGORIEANZAHL]") << qint32(AnzahlKategorien);
    for (const TTAEinheit &einheiten : v.Kategorien) {
        qint32 m = 0;
        for (const TTEinheit &e : einheiten)
            if (!e.Schluessel.isEmpty())
                ++m;
        w << m;
        for (const TTEinheit &e : einheiten) {
            if (e.Schluessel.isEmpty())
                continue;
            w << e.Schluessel << e.Name;
            for (quint8 f : e.Zuordnung)
                w << qint32(f);
            w << qint32(e.NichtEinkaufen);
            for (const QString &s : e.Reserve)
                w << s;
            w.liste(e.Mengentabelle);
        }
    }
    w << EOFZeile;
    return w.z;
}

} // namespace dateien

using namespace dateien;

bool Lade_Variablenlisten(int flags)
{
    const QString pfad = datenpfad(QStringLiteral("Variablen200.hbr"));
    if (VariablenTotal.isEmpty())
        VariablenTotal.resize(1);
    if ((flags & Save) && !schreibe(pfad, schreibeVariablen(VariablenTotal[0])))
        return false;
    if (flags & Load) {
        TTVariablenTotal v;
        if (!ladeDatei(pfad, [&v](const QByteArray &z, QString &g) { return liesVariablen(z, v, g); }))
            return false;
        VariablenTotal = TVariablenTotal{std::move(v)};
    }
    return true;
}
