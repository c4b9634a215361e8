#include "internet/Rezeptdownload.h"

#include <QHash>
#include <algorithm>

#include "core/Meldung.h"
#include "core/Tabellen.h"
#include "internet/Internet.h"
#include "internet/Update.h"
#include "internet/Wertdatei.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

TRecipetype Rezeptdownloadliste;

namespace {

const QString Wertkopf = QStringLiteral("[TWS 2.X]");

QString Wert(const QString &zeile)
{
    return zeile.mid(zeile.indexOf(QLatin1Char('=')) + 1).left(1000);
}

bool Ist_Rezeptdatei(const QString &datei)
{
    QStringList zeilen;
    return platform::readLines(datei, zeilen) && !zeilen.isEmpty()
        && zeilen.first().contains(QLatin1String("[TAFELWERKSTATT"));
}

} // namespace

void Lies_Rezeptliste(qint32 anzahl, const TString &zeilen, TRecipetype &eintraege, bool sortieren)
{
    eintraege.clear();
    // Every block needs at least two lines: no count beyond what the file holds.
    anzahl = qMin<qint64>(anzahl, zeilen.size());
    QHash<QString, qsizetype> bloecke;
    for (qsizetype z = 1; z < zeilen.size(); ++z)
        if (zeilen[z].startsWith(QLatin1String("RECIPE=")) && !bloecke.contains(zeilen[z].trimmed()))
            bloecke.insert(zeilen[z].trimmed(), z);

    for (qint32 i = 0; i < anzahl; ++i) {
        const qsizetype start = bloecke.value(QStringLiteral("RECIPE=") + QString::number(i), -1);
        if (start < 0 || start + 1 >= zeilen.size() || !zeilen[start + 1].contains(QLatin1String("DOWNLOADSIZEKB=")))
            continue;
        TTRecipetype e;
        e.GroesseKB = Wert(zeilen[start + 1]).trimmed().toInt();
        qsizetype z = start + 2;
        if (z < zeilen.size())
            e.Name = Wert(zeilen[z++]);
        if (z < zeilen.size() && zeilen[z].contains(QLatin1String("RECIPEFILE="))) {
            // The walk ends at the description, and never runs into the next block.
            for (; z < zeilen.size(); ++z) {
                const QString &zeile = zeilen[z];
                if (zeile.contains(QLatin1String("RECIPETEXTBEGIN=")) || zeile.startsWith(QLatin1String("RECIPE="))
                    || zeile.startsWith(QLatin1String("RECIPEEND")))
                    break;
                if (zeile.contains(QLatin1String("RECIPEFILE=")))
                    e.Dateien.append(Wert(zeile));
            }
            if (z < zeilen.size() && zeilen[z].contains(QLatin1String("RECIPETEXTBEGIN=")))
                for (++z; z < zeilen.size() && !zeilen[z].contains(QLatin1String("RECIPETEXTEND=")); ++z)
                    e.Text.append(zeilen[z]);
        }
        eintraege.append(e);
    }
    if (sortieren && eintraege.size() > 1) {
        // By the bytes the names have in the files (Windows-1252), not by
        // their decoded text: the two differ for 0x80..0x9F ("Œ" before "Ä").
        QList<std::pair<QByteArray, TTRecipetype>> nachBytes;
        nachBytes.reserve(eintraege.size());
        for (TTRecipetype &e : eintraege)
            nachBytes.append({platform::encodeCp1252(e.Name), std::move(e)});
        std::stable_sort(nachBytes.begin(), nachBytes.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (qsizetype i = 0; i < nachBytes.size(); ++i)
            eintraege[i] = std::move(nachBytes[i].second);
    }
}

TRecipetype Lies_Rezeptindex(const QByteArray &bytes)
{
    TString zeilen;
    platform::splitLines(bytes, zeilen);
    TRecipetype eintraege;
    if (!zeilen.isEmpty() && zeilen.first().startsWith(Wertkopf))
        Lies_Rezeptliste(GetValueInt(QStringLiteral("COUNTRECIPES"), zeilen), zeilen, eintraege, true);
    return eintraege;
}

QString Rezeptpfad(const QString &name)
{
    return Programmverzeichnis + QStringLiteral("Recipes\\") + name;
}

bool Ist_Rezept_neu(const TTRecipetype &eintrag)
{
    return !eintrag.Dateien.isEmpty() && Ist_einfacher_Dateiname(eintrag.Dateien.first())
        && !platform::fileExists(Rezeptpfad(eintrag.Dateien.first()));
}

QList<qint32> Kategorien_der_Datei(const QString &name)
{
    const QString gross = platform::upperCase(name);
    QList<qint32> kategorien;
    for (qint32 k = 0; k < AnzahlKategorien; ++k)
        if (gross.contains(Kategoriemasken[k].mid(1, 4)))
            kategorien.append(k);
    return kategorien;
}

std::array<qint32, AnzahlKategorien> Zaehle_Kategorien(const TRecipetype &eintraege)
{
    std::array<qint32, AnzahlKategorien> zaehler{};
    for (const TTRecipetype &e : eintraege)
        if (!e.Dateien.isEmpty() && !e.Dateien.first().isEmpty())
            for (qint32 k : Kategorien_der_Datei(e.Dateien.first()))
                ++zaehler[k];
    return zaehler;
}

qint32 Hole_Rezeptliste()
{
    Rezeptdownloadliste.clear();
    const QString index = Datenpfad(QStringLiteral("RECIPESS.HRB"));
    if (!GetInetFile(Serveradresse(QStringLiteral("/TWS/ENG/RECIPES/RECIPESS.HRB")), index)) {
        Zeige_Meldung(QStringLiteral("Download fails! Please check your firewall options!"), QStringLiteral("Error:"),
                      Knopf_OK);
        return -1;
    }
    TString zeilen;
    if (LoadValueFile(index, zeilen) != 0)
        return -1;
    TString version;
    if (LoadValueFile(Datenpfad(QStringLiteral("VERSION.HRB")), version) == 0) {
        SetValueInt(QStringLiteral("TWSRECIPESVERSION"), GetValueInt(QStringLiteral("TWSRECIPESVERSION"), zeilen),
                    version);
        SaveValueFile(Datenpfad(QStringLiteral("VERSION.HRB")), version);
    }
    const qint32 anzahl = GetValueInt(QStringLiteral("COUNTRECIPES"), zeilen);
    if (anzahl < 1) {
        Zeige_Meldung(QStringLiteral("No new recipes found!"), QStringLiteral("Note:"), Knopf_OK);
        return -1;
    }
    Lies_Rezeptliste(anzahl, zeilen, Rezeptdownloadliste, true);
    if (Rezeptdownloadliste.isEmpty()) {
        Zeige_Meldung(QStringLiteral("No recipes found!"), QStringLiteral("Error:"), Knopf_OK);
        return -1;
    }
    qint32 angeboten = 0;
    for (TTRecipetype &e : Rezeptdownloadliste) {
        const QString erste = e.Dateien.value(0);
        if (Ist_Rezept_neu(e)) {
            ++angeboten;
            continue;
        }
        if (!erste.isEmpty() && !Ist_einfacher_Dateiname(erste))
            Melde_ungueltigen_Namen(erste);
        e.Name.clear();
        e.Dateien.clear();
    }
    return angeboten;
}

bool Installiere_Rezepte(const QList<qint32> &eintraege)
{
    qint32 summe = 0;
    for (qint32 i : eintraege)
        if (i >= 0 && i < Rezeptdownloadliste.size())
            summe += qMax(0, Rezeptdownloadliste[i].GroesseKB);
    if (!platform::folderExists(Programmverzeichnis + QStringLiteral("Recipes")))
        platform::makeFolder(Programmverzeichnis + QStringLiteral("Recipes"));
    Oeffne_Fortschritt(summe);
    bool alle = true;
    for (qint32 i : eintraege) {
        if (i < 0 || i >= Rezeptdownloadliste.size())
            continue;
        // A copy: messages shown meanwhile run the event loop.
        const TTRecipetype e = Rezeptdownloadliste[i];
        for (qsizetype k = 0; k < e.Dateien.size(); ++k) {
            const QString name = e.Dateien[k];
            if (name.isEmpty())
                continue;
            const bool erste = k == 0;
            if (!Ist_einfacher_Dateiname(name)) {
                Melde_ungueltigen_Namen(name);
                alle = false;
                if (erste)
                    break;
                continue;
            }
            const QString adresse = Serveradresse(QStringLiteral("/TWS/ENG/RECIPES/") + name);
            const QString ziel = Rezeptpfad(name);
            // A failed download replaces nothing and leaves no part behind
            // (GetInetFile writes the target only when all of it arrived).
            if (!GetInetFile(adresse, ziel)) {
                Zeige_Meldung(QStringLiteral("Cannot find: ") + adresse + QStringLiteral("!"), QStringLiteral("Error:"),
                              Knopf_OK);
                alle = false;
                continue;
            }
            if (erste && !Ist_Rezeptdatei(ziel)) {
                platform::removeFile(ziel);
                Zeige_Meldung(QLatin1Char('"') + e.Name + QStringLiteral("\" cannot be found on the Internet server!"),
                              QStringLiteral("Error:"), Knopf_OK);
                alle = false;
                break;
            }
        }
    }
    Schliesse_Fortschritt();
    return alle;
}
