// The ingredient comments and the other simple lists.
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

namespace dateien {

// --- simple lists (comments, whole verb list, delivered RIC files) -------------

bool liesListe(const QByteArray &z, const QString &kopf, TString &out, QString &grund)
{
    Leser l(z);
    if (!l.kopf(kopf)) {
        grund = l.grund;
        return false;
    }
    TString liste;
    if (!l.liste(liste)) {
        grund = l.grund;
        return false;
    }
    out = std::move(liste);
    return true;
}

QStringList schreibeListe(const QString &kopf, const TString &liste)
{
    Schreiber w;
    w << kopf;
    TString voll;
    for (const QString &s : liste)
        if (!s.isEmpty())
            voll << s;
    w.liste(voll);
    return w.z;
}

} // namespace dateien

using namespace dateien;

bool Lade_Zutatenkommentare(int flags, TString &liste)
{
    const QString pfad = datenpfad(QStringLiteral("Kommentare.hbr"));
    if ((flags & Save) && !schreibe(pfad, schreibeListe(KopfKommentare, liste)))
        return false;
    if (flags & Load) {
        TString neu;
        if (!ladeDatei(pfad, [&neu](const QByteArray &z, QString &g) { return liesListe(z, KopfKommentare, neu, g); }))
            return false;
        liste = std::move(neu);
    }
    return true;
}
