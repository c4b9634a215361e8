#include "mastering/Masterdaten.h"

#include <QFileInfo>
#include <QSet>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "core/Protokoll.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace {
const QString Grafikordner = QStringLiteral("GFXZUTAT\\ENG\\");

QString Grafikpfad(const QString &grafik)
{
    return Programmverzeichnis + Grafikordner + grafik;
}

void Zeile(quint8 art, const QString &text)
{
    Schreibe_Protokoll(art, text);
}

void Ende_der_Datei()
{
    Zeile(ProtokollOK, QStringLiteral("Ready."));
    Zeile(ProtokollOK, QString());
}

// Empties Zutatentotal and loads the local copy with inactive records kept.
bool Lade_Arbeitskopie(const QString &name)
{
    Zutatentotal.clear();
    const QString lokal = Lokale_Datei(name);
    if (!Lade_Zutaten(Load | Alle, name)) {
        Zeile(ProtokollFehler, QStringLiteral("Zutatendatei nicht geladen: ") + lokal);
        Zutatentotal.clear();
        return false;
    }
    Zeile(ProtokollOK, QStringLiteral("Zutatendatei: ") + lokal);
    Zeile(ProtokollOK, QStringLiteral("Geladene Zutaten: ") + QString::number(Zutatentotal.size()));
    return true;
}

bool Zurueck_zum_Master(const QString &masterpfad, const QString &name)
{
    return Kopiere_zum_Master(Lokale_Datei(name), Masterdatei(masterpfad, name), QStringLiteral("Back-Copying "),
                              QStringLiteral("Back-Copy-FAILURE "));
}
} // namespace

QString Masterdatei(const QString &masterpfad, const QString &name)
{
    return masterpfad + QStringLiteral("Masterdaten\\PRGDATA\\ENG\\") + name;
}

QString Lokale_Datei(const QString &name)
{
    return Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\") + name;
}

QString Normalisiere_Masterpfad(const QString &text)
{
    QString pfad = text.trimmed();
    if (!pfad.isEmpty() && !pfad.endsWith(QLatin1Char('\\')) && !pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('\\');
    return pfad;
}

bool Pruefe_Masterpfad(const QString &masterpfad)
{
    if (!masterpfad.isEmpty() && platform::folderExists(masterpfad + QStringLiteral("Masterdaten\\")))
        return true;
    Zeile(ProtokollFehler, QStringLiteral("Masterpfad ohne Masterdaten: ") + masterpfad);
    return false;
}

bool Kopiere_Master_herein(const QString &masterpfad, const QString &name)
{
    const QString lokal = Lokale_Datei(name);
    if (Kopiere_Datei(Masterdatei(masterpfad, name), lokal)) {
        Zeile(ProtokollOK, QStringLiteral("Copying ") + lokal);
        return true;
    }
    Zeile(ProtokollFehler, QStringLiteral("Copy-FAILURE ") + lokal);
    return false;
}

bool Kopiere_zum_Master(const QString &lokal, const QString &masterdatei, const QString &okText,
                        const QString &fehlerText)
{
    if (Kopiere_Datei(lokal, masterdatei)) {
        Zeile(ProtokollOK, okText + masterdatei);
        return true;
    }
    Zeile(ProtokollFehler, fehlerText + masterdatei);
    return false;
}

void Pruefe_Dateilaenge(const QString &pfad)
{
    // The old check took the size in 128-byte units, so anything shorter
    // counts as empty.
    const QFileInfo info(platform::nativePath(pfad));
    if (!info.isFile() || info.size() < 128)
        Zeile(ProtokollFehler, QStringLiteral("Copy-FAILURE (Length=0): ") + pfad);
}

// --- the database check -------------------------------------------------------

TZutatenzaehler Zaehle_Zutaten(const TZutatentotal &liste)
{
    TZutatenzaehler z;
    for (const TTZutatentotal &r : liste) {
        ++z.Status[std::min<size_t>(r.Status, 5)];
        if (!r.Grafik().isEmpty() && platform::fileExists(Grafikpfad(r.Grafik())))
            ++z.Grafiken;
        else if (!r.Grafik().isEmpty())
            Zeile(ProtokollFehler, QStringLiteral("Grafik fehlt: ") + Grafikpfad(r.Grafik()));
        else
            Zeile(ProtokollWarnung, QStringLiteral("Grafik fehlt, Zutatname: ") + Grafikpfad(r.Zutatname));
    }
    return z;
}

void Entferne_Endpunkte(TZutatentotal &liste)
{
    static const std::array<QString, 3> meldung{QStringLiteral("Name angepasst: "),
                                                QStringLiteral("Rezeptlistenname angepasst: "),
                                                QStringLiteral("ZElistenname angepasst: ")};
    for (TTZutatentotal &r : liste) {
        if (r.Status == 4)
            continue;
        QString *namen[3] = {&r.Zutatname, &r.Rezepttextname, &r.Suchname};
        for (int i = 0; i < 3; ++i) {
            if (!namen[i]->endsWith(QLatin1Char('.')))
                continue;
            namen[i]->chop(1);
            Zeile(ProtokollFehler, meldung[size_t(i)] + *namen[i]);
        }
    }
}

void Schreibe_Zutatenzaehler(const TZutatenzaehler &z, qint32 anzahl, bool alle)
{
    static const std::array<QString, 6> text{
        QStringLiteral("Inaktive Zutaten gefunden: "), QStringLiteral("Aktive Zutaten gefunden: "),
        QStringLiteral("[2] Zutaten gefunden: "),      QStringLiteral("[3] Zutaten gefunden: "),
        QStringLiteral("IA-Kochen Zutaten gefunden: "), QStringLiteral("Falsche Zutaten gefunden: ")};
    Zeile(z.Grafiken == anzahl ? ProtokollOK : ProtokollWarnung,
          QStringLiteral("Zutatengrafiken zugeordnet: ") + QString::number(z.Grafiken));
    for (size_t s = 0; s < text.size(); ++s) {
        // The shipped database holds active and kitchen-only ingredients
        // only; the all-ingredients database every status but a wrong one.
        const bool erwartet = alle ? s < 5 : (s == 1 || s == 4);
        const bool fehler = erwartet ? z.Status[s] == 0 : z.Status[s] > 0;
        Zeile(fehler ? ProtokollFehler : ProtokollOK, text[s] + QString::number(z.Status[s]));
    }
}

void Checke_Lebensmittel(const QString &masterpfad)
{
    const QString geliefert = QStringLiteral("Lebensmittel.hbr");
    const QString gesamt = QStringLiteral("Lebensmittel_ALL.hbr");

    // A pass whose master copy is missing or does not load is skipped: the
    // local file is not that master, so nothing of it may go back.
    if (Kopiere_Master_herein(masterpfad, geliefert)) {
        Pruefe_Dateilaenge(Lokale_Datei(geliefert));
        if (Lade_Arbeitskopie(geliefert)) {
            const TZutatenzaehler z = Zaehle_Zutaten(Zutatentotal);
            Schreibe_Zutatenzaehler(z, qint32(Zutatentotal.size()), false);
            Zurueck_zum_Master(masterpfad, geliefert);
            Ende_der_Datei();
        }
    }

    Zutatentotal.clear();
    if (Kopiere_Master_herein(masterpfad, gesamt) && Lade_Arbeitskopie(gesamt)) {
        Entferne_Endpunkte(Zutatentotal);
        const TZutatenzaehler z = Zaehle_Zutaten(Zutatentotal);
        const bool gespeichert = Lade_Zutaten(Save, gesamt);
        if (!gespeichert)
            Zeile(ProtokollFehler, QStringLiteral("Zutatendatei nicht gespeichert: ") + Lokale_Datei(gesamt));
        Schreibe_Zutatenzaehler(z, qint32(Zutatentotal.size()), true);
        if (gespeichert)
            Zurueck_zum_Master(masterpfad, gesamt);
        Ende_der_Datei();
    }
    Zutatentotal.clear();
}

// --- new ingredients from pictures ---------------------------------------------------

QString Bereinige_Grafikname(const QString &dateiname)
{
    static const QString zeichen = QStringLiteral(" ,;:?#+*\\@-/");
    QString name = dateiname;
    for (QChar c : zeichen)
        name.replace(c, QLatin1Char('_'));
    return name;
}

TZutatentotal Erzeuge_Zutaten_aus_Grafiken(const QString &ordner, quint8 status)
{
    TZutatentotal neu;
    for (const QString &datei : platform::listFiles(ordner, QStringLiteral("*.png"))) {
        TTZutatentotal r;
        r.Zutatname = datei.left(datei.size() - 4);
        r.Rezepttextname = r.Zutatname;
        r.Suchname = r.Zutatname;
        Entferne_MArkenzutatzusatz(r.Rezepttextname);
        r.Kategorie = 0;
        r.Status = status;
        const QString grafikname = Bereinige_Grafikname(datei);
        qint32 marke = -1;
        QString ziel;
        if (Finde_Markenzutatzusatz(r.Zutatname, marke) && marke >= 0 && marke < AnzahlMarken) {
            r.Grafik() = QLatin1Char('\\') + Markennamen[size_t(marke)] + QLatin1Char('\\') + grafikname;
            ziel = Programmverzeichnis + Grafikordner + Markennamen[size_t(marke)] + QLatin1Char('\\') + grafikname;
        } else {
            r.Grafik() = grafikname;
            ziel = Programmverzeichnis + Grafikordner + grafikname;
        }
        if (!Kopiere_Datei(ordner + datei, ziel))
            Zeile(ProtokollFehler, QStringLiteral("Grafik nicht kopiert: ") + ziel);
        Zeile(3, r.Zutatname + QStringLiteral(", ") + r.Grafik());
        neu.append(r);
    }
    return neu;
}

qint32 Haenge_Zutaten_an(TZutatentotal &ziel, const TZutatentotal &neu)
{
    QSet<QString> vorhanden;
    for (const TTZutatentotal &r : std::as_const(ziel))
        vorhanden.insert(platform::upperCase(r.Zutatname));
    qint32 angehaengt = 0;
    for (const TTZutatentotal &r : neu) {
        const QString schluessel = platform::upperCase(r.Zutatname);
        if (r.Zutatname.isEmpty() || vorhanden.contains(schluessel)) {
            Zeile(ProtokollWarnung, QStringLiteral("Zutat schon vorhanden, nicht aufgenommen: ") + r.Zutatname);
            continue;
        }
        vorhanden.insert(schluessel);
        ziel.append(r);
        ++angehaengt;
    }
    return angehaengt;
}

bool Hole_Lebensmitteldatenbanken(const QString &masterpfad)
{
    const QStringList namen{QStringLiteral("Lebensmittel.hbr"), QStringLiteral("Lebensmittel_ALL.hbr")};
    QList<QByteArray> eigene;
    QList<bool> vorhanden;
    for (const QString &n : namen) {
        QByteArray b;
        vorhanden << platform::readBytes(Lokale_Datei(n), b);
        eigene << b;
    }
    bool ok = true;
    for (const QString &n : namen)
        ok = ok && Kopiere_Master_herein(masterpfad, n) && Lade_Arbeitskopie(n);
    Zutatentotal.clear();
    if (ok)
        return true;
    for (qsizetype i = 0; i < namen.size(); ++i)
        if (vorhanden[i] && !platform::writeBytes(Lokale_Datei(namen[i]), eigene[i]))
            Zeile(ProtokollFehler, QStringLiteral("Copy-FAILURE ") + Lokale_Datei(namen[i]));
    return false;
}

bool Bringe_Lebensmittel_zurueck(const QString &masterpfad)
{
    const bool ok = Zurueck_zum_Master(masterpfad, QStringLiteral("Lebensmittel.hbr"));
    Ende_der_Datei();
    return ok;
}

bool Uebernehme_neue_Zutaten(const QString &masterpfad, const TZutatentotal &neu)
{
    const QString gesamt = QStringLiteral("Lebensmittel_ALL.hbr");
    Zutatentotal.clear();
    bool ok = Kopiere_Master_herein(masterpfad, gesamt) && Lade_Arbeitskopie(gesamt);
    if (ok) {
        Haenge_Zutaten_an(Zutatentotal, neu);
        ok = Lade_Zutaten(Save, gesamt);
        if (!ok)
            Zeile(ProtokollFehler, QStringLiteral("Zutatendatei nicht gespeichert: ") + Lokale_Datei(gesamt));
    }
    if (ok) {
        ok = Kopiere_zum_Master(Lokale_Datei(gesamt), Masterdatei(masterpfad, gesamt), QStringLiteral("Copying "),
                                QStringLiteral("Copy-FAILURE :"));
        ok = Kopiere_zum_Master(Lokale_Datei(gesamt), Masterdatei(masterpfad, QStringLiteral("LM_Share.hbr")),
                                QStringLiteral("Copying "), QStringLiteral("Copy-FAILURE :"))
            && ok;
    }
    Zutatentotal.clear();
    return ok;
}
