#include "internet/Grafikdownload.h"

#include "core/Grundoperationen.h"
#include "core/Meldung.h"
#include "internet/Internet.h"
#include "internet/Update.h"
#include "internet/Wertdatei.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

TGraphictype Grafikdownloadliste;

namespace {
bool Lies_Zahl(const QString &text, qint32 &zahl)
{
    bool ok = false;
    zahl = text.trimmed().toInt(&ok);
    return ok;
}
} // namespace

bool Lies_Grafikliste(qint32 anzahl, const TString &zeilen, TGraphictype &eintraege)
{
    eintraege.clear();
    if (anzahl < 1)
        return true;
    qsizetype start = 1;
    while (start < zeilen.size() && !zeilen[start].contains(QLatin1String("GRAPHIC=")))
        ++start;
    if (start >= zeilen.size())
        return true;
    if (zeilen.size() - start < anzahl)
        return false;
    TGraphictype gelesen;
    for (qsizetype z = start; z < start + anzahl; ++z) {
        const QString &zeile = zeilen[z];
        const QString wert = zeile.mid(zeile.indexOf(QLatin1Char('=')) + 1).left(1000).trimmed();
        const qsizetype erstes = wert.indexOf(QLatin1Char(','));
        const qsizetype zweites = erstes < 0 ? -1 : wert.indexOf(QLatin1Char(','), erstes + 1);
        TTGraphictype e;
        if (zweites < 0 || !Lies_Zahl(wert.left(erstes), e.Ersetzen)
            || !Lies_Zahl(wert.mid(erstes + 1, zweites - erstes - 1), e.GroesseKB))
            return false;
        e.Pfad = wert.mid(zweites + 1);
        if (e.Pfad.isEmpty())
            return false;
        gelesen.append(e);
    }
    eintraege = gelesen;
    return true;
}

TGraphictype Lies_Grafikliste_aus_Bytes(const QByteArray &bytes)
{
    TString zeilen;
    platform::splitLines(bytes, zeilen);
    TGraphictype eintraege;
    if (!zeilen.isEmpty() && zeilen.first().startsWith(QLatin1String("[TWS 2.X]")))
        Lies_Grafikliste(GetValueInt(QStringLiteral("COUNT"), zeilen), zeilen, eintraege);
    return eintraege;
}

qint32 Hole_Grafikliste()
{
    Grafikdownloadliste.clear();
    const QString liste = Datenpfad(QStringLiteral("GRAPHICSS.HRB"));
    if (!GetInetFile(Serveradresse(QStringLiteral("/TWS/ENG/GRAPHICS/GRAPHICSS.HRB")), liste)) {
        Zeige_Meldung(QStringLiteral("Download fails!"), QStringLiteral("Error:"), Knopf_OK);
        return -1;
    }
    TString zeilen;
    if (LoadValueFile(liste, zeilen) != 0)
        return -1;
    const qint32 anzahl = GetValueInt(QStringLiteral("COUNT"), zeilen);
    if (anzahl < 1) {
        Zeige_Meldung(QStringLiteral("No new graphics found!"), QStringLiteral("Error:"), Knopf_OK);
        return -1;
    }
    if (!Lies_Grafikliste(anzahl, zeilen, Grafikdownloadliste)) {
        Zeige_Meldung(QStringLiteral("The list of new data is damaged: ") + liste, QStringLiteral("Error:"), Knopf_OK);
        return -1;
    }
    if (Grafikdownloadliste.isEmpty()) {
        Zeige_Meldung(QStringLiteral("No graphics found!"), QStringLiteral("Error:"), Knopf_OK);
        return -1;
    }
    qint32 summe = 0;
    for (TTGraphictype &e : Grafikdownloadliste) {
        if (!platform::isSafeRelativePath(e.Pfad) || Ermittle_Dateiname(e.Pfad).isEmpty()) {
            Melde_ungueltigen_Namen(e.Pfad);
            Grafikdownloadliste.clear();
            return -1;
        }
        if (e.Ersetzen == 0 && platform::fileExists(Programmverzeichnis + e.Pfad))
            e.Pfad.clear();
        else
            summe += qMax(0, e.GroesseKB);
    }
    // A list of empty files still has files to load.
    const bool etwas = std::any_of(Grafikdownloadliste.cbegin(), Grafikdownloadliste.cend(),
                                   [](const TTGraphictype &e) { return !e.Pfad.isEmpty(); });
    return etwas ? qMax(1, summe) : 0;
}

bool Installiere_Grafiken()
{
    qint32 summe = 0;
    for (const TTGraphictype &e : std::as_const(Grafikdownloadliste))
        if (!e.Pfad.isEmpty())
            summe += qMax(0, e.GroesseKB);
    Oeffne_Fortschritt(summe);
    bool alle = true;
    // A copy: messages shown meanwhile run the event loop.
    const TGraphictype liste = Grafikdownloadliste;
    for (const TTGraphictype &e : liste) {
        if (e.Pfad.isEmpty())
            continue;
        const QString ziel = Programmverzeichnis + e.Pfad;
        const QString ordner = Ermittle_Verzeichnis(ziel);
        if (!platform::folderExists(ordner))
            platform::makeFolder(ordner);
        if (!GetInetFile(Serveradresse(QStringLiteral("/TWS/ENG/GRAPHICS/") + Ermittle_Dateiname(e.Pfad)), ziel)) {
            Zeige_Meldung(QStringLiteral("Error while downloading!"), QStringLiteral("Error:"), Knopf_OK);
            alle = false;
        }
    }
    Schliesse_Fortschritt();
    if (alle) {
        TString liste, version;
        if (LoadValueFile(Datenpfad(QStringLiteral("GRAPHICSS.HRB")), liste) == 0
            && LoadValueFile(Datenpfad(QStringLiteral("VERSION.HRB")), version) == 0) {
            SetValueInt(QStringLiteral("TWSGRAPHICSVERSION"), GetValueInt(QStringLiteral("TWSGRAPHICSVERSION"), liste),
                        version);
            SaveValueFile(Datenpfad(QStringLiteral("VERSION.HRB")), version);
        }
    }
    return alle;
}
