// The cooking verb lists.
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
#include "platform/Paths.h"

namespace dateien {

// --- cooking verbs -------------------------------------------------------------

qint32 verbtyp(const QString &text)
{
    const bool grad = text.contains(QLatin1String(" GGG "));
    const bool zeit = text.contains(QLatin1String(" ZZZ "));
    return (grad ? 1 : 0) + (zeit ? 2 : 0);
}

bool liesGeraeteliste(Leser &l, std::array<quint8, AnzahlGeraete> &flags)
{
    QString s;
    if (!l.zeile(s))
        return false;
    flags.fill(0);
    const QStringList teile = s.split(QLatin1Char(','));
    for (const QString &t : teile) {
        const QStringView v = QStringView(t).trimmed();
        if (v.isEmpty())
            continue;
        bool gut = false;
        const int x = v.toInt(&gut);
        if (!gut)
            return l.fehler(QStringLiteral("a list of device numbers was expected"));
        if (x >= 0 && x < AnzahlGeraete)
            flags[x] = 1;
    }
    return true;
}

QString geraeteliste(const std::array<quint8, AnzahlGeraete> &flags)
{
    QString s;
    for (int i = 0; i < AnzahlGeraete; ++i)
        if (flags[i])
            s += QString::number(i) + QLatin1Char(',');
    return s;
}

bool liesVerben(const QByteArray &z, TIAVERBEN &out, QString &grund)
{
    Leser l(z);
    if (!l.kopf(KopfVerben)) {
        grund = l.grund;
        return false;
    }
    qint32 n = 0;
    TIAVERBEN liste;
    if (l.anzahl(n, 8)) {
        liste.resize(n);
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            TTIAVERBEN &v = liste[i];
            QString leer;
            qint32 typ = 0;
            l.zeile(v.Text);
            l.ganzzahl(v.Symbol);
            if (v.Symbol < 0 || v.Symbol > 42)
                v.Symbol = 0;
            liesGeraeteliste(l, v.Zulassung);
            liesGeraeteliste(l, v.Geraete);
            l.ganzzahl(typ);
            l.ganzzahl(v.Zaehler);
            l.zeile(leer);
            l.zeile(leer);
            v.Typ = verbtyp(v.Text);
        }
    }
    if (!l.ok()) {
        grund = l.grund;
        return false;
    }
    out = std::move(liste);
    return true;
}

QStringList schreibeVerben(const TIAVERBEN &liste)
{
    Schreiber w;
    w << KopfVerben;
    qint32 n = 0;
    for (const TTIAVERBEN &v : liste)
        if (!v.Text.isEmpty())
            ++n;
    w << n;
    for (const TTIAVERBEN &v : liste) {
        if (v.Text.isEmpty())
            continue;
        w << v.Text << v.Symbol << geraeteliste(v.Zulassung) << geraeteliste(v.Geraete) << v.Typ << v.Zaehler
          << QString() << QString();
    }
    return w.z;
}

} // namespace dateien

using namespace dateien;

qint32 Lade_IAVerben(int flags, const QString &datei)
{
    const QString pfad = datenpfad(datei.isEmpty() ? QStringLiteral("IAVariablenliste.hbr") : datei);
    if ((flags & Save) && !schreibe(pfad, schreibeVerben(IAVERBEN)))
        return -1;
    if (flags & Load) {
        TIAVERBEN neu;
        if (!ladeDatei(pfad, [&neu](const QByteArray &z, QString &g) { return liesVerben(z, neu, g); }))
            return -1;
        IAVERBEN = std::move(neu);
    }
    return 0;
}

bool Lade_IAVerbenTotal(int flags, TIAVTotalliste &liste, const QString &datei)
{
    const QString pfad = datenpfad(datei.isEmpty() ? QStringLiteral("IAVTotal.hbr") : datei);
    if (flags & Save) {
        TString texte;
        for (const TTIAVTotalliste &e : liste)
            texte << e.Text;
        if (!schreibe(pfad, schreibeListe(KopfVTotal, texte)))
            return false;
    }
    if (flags & Load) {
        TString texte;
        if (!ladeDatei(pfad, [&texte](const QByteArray &z, QString &g) { return liesListe(z, KopfVTotal, texte, g); }))
            return false;
        TIAVTotalliste neu;
        neu.reserve(texte.size());
        for (const QString &t : texte)
            neu.append(TTIAVTotalliste{t, 0});
        liste = std::move(neu);
    }
    return true;
}

bool Update_IAVTotal()
{
    const QString pfad = datenpfad(QStringLiteral("IAVTotal.hbr"));
    if (platform::fileExists(pfad)) {
        if (!Lade_IAVerbenTotal(Load, IAVTotalliste))
            return false;
    } else {
        IAVTotalliste.clear();
    }
    QSet<QString> bekannt;
    for (const TTIAVTotalliste &e : IAVTotalliste)
        bekannt.insert(e.Text);
    bool neu = false;
    for (const TTIAVERBEN &v : IAVERBEN) {
        if (v.Text.isEmpty() || bekannt.contains(v.Text))
            continue;
        bekannt.insert(v.Text);
        IAVTotalliste.append(TTIAVTotalliste{v.Text, 0});
        neu = true;
    }
    if (!neu)
        return false;
    return Lade_IAVerbenTotal(Save, IAVTotalliste);
}
