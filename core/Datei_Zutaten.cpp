// The ingredient databases and the ingredient pictures.
#include "core/Dateioperationen.h"

#include <QLabel>
#include "platform/Pictures.h"
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
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace dateien {

// --- ingredient database ------------------------------------------------------

bool liesZutaten(const QByteArray &z, TZutatentotal &out, QString &grund)
{
    Leser l(z);
    if (!l.kopf(KopfZutaten, true)) {
        grund = l.grund;
        return false;
    }
    qint32 n = 0;
    TZutatentotal liste;
    // Most records repeat their name as recipe-text and search name, and
    // many share a standard unit: such values are held once.
    Textspeicher speicher;
    if (l.anzahl(n, 17)) {
        liste.reserve(n);
        liste.resize(n);
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            TTZutatentotal &r = liste[i];
            QByteArrayView name;
            if (l.roh(name))
                r.Zutatname = dekodiere(name);
            for (QString *gleich : {&r.Rezepttextname, &r.Suchname}) {
                QByteArrayView v;
                if (l.roh(v))
                    *gleich = v == name ? r.Zutatname : dekodiere(v);
            }
            // An unknown category reads as "other"; an odd status is kept
            // as it stands (the release tool counts it as wrong).
            l.ganzzahlOder(r.Kategorie, 16);
            if (r.Kategorie < -1 || r.Kategorie >= AnzahlZutatengruppen)
                r.Kategorie = 16;
            l.ganzzahl(r.Status);
            for (qsizetype k = 0; k < qsizetype(r.S.size()); ++k) {
                QByteArrayView bytes;
                if (k == 2) // the standard unit
                    speicher.wert(l, r.S[k], bytes);
                else
                    l.zeile(r.S[k]);
            }
        }
    }
    if (!l.ende()) {
        grund = l.grund;
        return false;
    }
    out = std::move(liste);
    return true;
}

QStringList schreibeZutaten(const TZutatentotal &liste)
{
    Schreiber w;
    w << KopfZutaten;
    qint32 n = 0;
    for (const TTZutatentotal &r : liste)
        if (!r.Zutatname.isEmpty())
            ++n;
    w << n;
    w.z.reserve(3 + n * 17);
    for (const TTZutatentotal &r : liste) {
        if (r.Zutatname.isEmpty())
            continue;
        w << r.Zutatname << r.Rezepttextname << r.Suchname << r.Kategorie << r.Status;
        for (const QString &s : r.S)
            w << s;
    }
    w << EOFZeile;
    return w.z;
}

// Puts the inactive records of the file that the load left out (ausgelassen:
// upper-case names) back among the records in memory, each at its place in
// the file, when memory does not hold an inactive record of that name (an
// active one of the same name is another record). A record that memory had
// and deleted stays deleted.
TZutatentotal mitInaktivenDerDatei(const TZutatentotal &speicher, const TZutatentotal &datei,
                                   const QSet<QString> &ausgelassen)
{
    QHash<QString, qsizetype> imSpeicher;
    QSet<QString> inaktivImSpeicher;
    for (qsizetype i = 0; i < speicher.size(); ++i)
        if (!speicher[i].Zutatname.isEmpty()) {
            imSpeicher.insert(platform::upperCase(speicher[i].Zutatname), i);
            if (speicher[i].Status == 0)
                inaktivImSpeicher.insert(platform::upperCase(speicher[i].Zutatname));
        }
    TZutatentotal out;
    out.reserve(speicher.size() + datei.size());
    QVector<bool> geschrieben(speicher.size(), false);
    qsizetype weiter = 0;
    auto schreibeBis = [&](qsizetype bis) {
        for (; weiter <= bis; ++weiter)
            if (!geschrieben[weiter]) {
                geschrieben[weiter] = true;
                out.append(speicher[weiter]);
            }
    };
    for (const TTZutatentotal &r : datei) {
        const QString name = platform::upperCase(r.Zutatname);
        if (r.Status == 0 && ausgelassen.contains(name)) {
            if (!inaktivImSpeicher.contains(name))
                out.append(r);
            continue;
        }
        const auto it = imSpeicher.constFind(name);
        if (it != imSpeicher.constEnd() && *it >= weiter) {
            schreibeBis(*it);
        }
    }
    schreibeBis(speicher.size() - 1);
    return out;
}

// The last Load of Zutatentotal: which file, and the inactive records it
// left out (upper-case names).
QString g_zutatenQuelle;
QSet<QString> g_zutatenAusgelassen;
// That load kept the inactive records (Alle).
bool g_zutatenAlle = false;

} // namespace dateien

using namespace dateien;

bool Lade_Zutaten(int flags, const QString &datei)
{
    const QString pfad = datenpfad(datei.isEmpty() ? QStringLiteral("Lebensmittel.hbr") : datei);
    if (flags & Save) {
        if (istGesperrt(pfad))
            return meldeGesperrt(pfad);
        TZutatentotal liste = Zutatentotal;
        if (!g_zutatenAusgelassen.isEmpty() && gleicheDatei(g_zutatenQuelle, pfad)) {
            QByteArray z;
            TZutatentotal ausDatei;
            QString grund;
            if (platform::readBytes(pfad, z) && liesZutaten(z, ausDatei, grund))
                liste = mitInaktivenDerDatei(liste, ausDatei, g_zutatenAusgelassen);
        }
        if (!schreibe(pfad, schreibeZutaten(liste)))
            return false;
    }
    if (flags & Load) {
        // Memory never keeps another file's records under this file's name:
        // a failed load leaves the database empty (and a file that could not
        // be read is kept from being saved over).
        Zutatentotal.clear();
        g_zutatenAusgelassen.clear();
        g_zutatenQuelle.clear();
        TZutatentotal liste;
        if (!ladeDatei(pfad, [&liste](const QByteArray &z, QString &g) { return liesZutaten(z, liste, g); }))
            return false;
        g_zutatenAusgelassen.clear();
        if (!(flags & Alle)) {
            for (const TTZutatentotal &r : std::as_const(liste))
                if (r.Status == 0 && !r.Zutatname.isEmpty())
                    g_zutatenAusgelassen.insert(platform::upperCase(r.Zutatname));
            liste.removeIf([](const TTZutatentotal &r) { return r.Status == 0; });
        }
        Zutatentotal = std::move(liste);
        g_zutatenQuelle = pfad;
        g_zutatenAlle = (flags & Alle) != 0;
    }
    return true;
}

bool Zutaten_mit_Inaktiven_geladen()
{
    return g_zutatenAlle && gleicheDatei(g_zutatenQuelle, datenpfad(QStringLiteral("Lebensmittel.hbr")));
}

// --- pictures, copies, shell ------------------------------------------------------

namespace {

QPixmap zutatengrafik(const TTZutatentotal &r)
{
    if (Optionen.Zutatengrafiken && !r.Grafik().isEmpty()) {
        QString rel = QStringLiteral("GFXZUTAT\\ENG\\") + r.Grafik();
        if (platform::isSafeRelativePath(rel) && platform::fileExists(rel)) {
            const QPixmap p = platform::loadPixmap(Programmverzeichnis + rel);
            if (!p.isNull())
                return p;
        }
    }
    if (Optionen.Zutatengruppengrafiken) {
        const qint32 gruppe = r.Kategorie < 0 || r.Kategorie >= AnzahlZutatengruppen ? 16 : r.Kategorie;
        return platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\IAKOCHEN\\")
                                    + Zutatengruppengrafiken[gruppe]);
    }
    return QPixmap();
}

} // namespace

bool Lade_Zutatengrafik(QLabel *bild, const TTZutatentotal &zutat)
{
    if (!bild)
        return false;
    const QPixmap p = zutatengrafik(zutat);
    if (p.isNull()) {
        bild->clear();
        return false;
    }
    bild->setPixmap(p);
    return true;
}

bool Lade_Zutatengrafik(QLabel *bild, qint32 index)
{
    if (!bild || index < 0)
        return false;
    if (index >= Zutatentotal.size()) {
        bild->clear();
        return false;
    }
    return Lade_Zutatengrafik(bild, Zutatentotal[index]);
}

bool Lade_Zutatengrafik(QImage &bild, qint32 index)
{
    if (index < 0)
        return false;
    const QPixmap p = index < Zutatentotal.size() ? zutatengrafik(Zutatentotal[index]) : QPixmap();
    bild = p.isNull() ? QImage() : p.toImage();
    return !p.isNull();
}
