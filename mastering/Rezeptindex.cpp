#include "mastering/Rezeptindex.h"

#include <QFileInfo>
#include <limits>

#include "core/Grundoperationen.h"
#include "internet/Wertdatei.h"
#include "platform/Paths.h"

namespace {
const QString Anzahlschluessel = QStringLiteral("COUNTRECIPES");
const QString Versionsschluessel = QStringLiteral("TWSRECIPESVERSION");
const QString Indexkopf = QStringLiteral("[TWS 2.X]");
const QString Blockanfang = QStringLiteral("RECIPE=");

QString Seitendatei(const TTRezepteTotal &rezept, const QString &feld, const QString &endung)
{
    if (!feld.isEmpty())
        return feld;
    // An empty field means the default name; the file counts only when it is
    // really there.
    const QString standard = Ermittle_Dateiname(rezept.Dateiname) + endung;
    return platform::fileExists(Ermittle_Verzeichnis(rezept.Dateiname) + standard) ? standard : QString();
}

// "RECIPE=" followed by digits only; the block number, else -1.
qint32 Blocknummer(const QString &zeile)
{
    if (!zeile.startsWith(Blockanfang))
        return -1;
    const QString zahl = zeile.mid(Blockanfang.size());
    if (zahl.isEmpty())
        return -1;
    for (const QChar c : zahl)
        if (!c.isDigit() || c.unicode() > 127)
            return -1;
    bool ok = false;
    const qint32 n = zahl.toInt(&ok);
    return ok ? n : -1;
}

bool Ist_Schluesselzeile(const QString &zeile)
{
    return zeile.startsWith(Anzahlschluessel + QLatin1Char('=')) || zeile.startsWith(Versionsschluessel + QLatin1Char('='));
}
} // namespace

qint32 Dateigroesse_KB(const QString &pfad)
{
    const QString datei = platform::nativePath(pfad);
    const QFileInfo info(datei);
    if (datei.isEmpty() || !info.isFile() || !info.isReadable())
        return 1;
    return qint32(qMin<qint64>(info.size() / 1024 + 1, std::numeric_limits<qint32>::max()));
}

QStringList Rezeptblockdateien(const TTRezepteTotal &rezept)
{
    const QString ordner = Ermittle_Verzeichnis(rezept.Dateiname);
    const QString bemerkung = Seitendatei(rezept, rezept.Bemerkungsdatei, QStringLiteral(".BRT"));
    const QString anleitung = Seitendatei(rezept, rezept.Anleitungsdatei, QStringLiteral(".RRT"));
    return {rezept.Dateiname, bemerkung.isEmpty() ? QString() : ordner + bemerkung,
            anleitung.isEmpty() ? QString() : ordner + anleitung};
}

TString Erstelle_Rezeptblock(qint32 nummer, const TTRezepteTotal &rezept, qint32 groesseKB)
{
    const QString i = QString::number(nummer);
    TString z;
    z << Blockanfang + i << QStringLiteral("DOWNLOADSIZEKB=") + QString::number(groesseKB)
      << QStringLiteral("RECIPENAME=") + rezept.Rezeptname;
    for (const QString &pfad : Rezeptblockdateien(rezept))
        z << QStringLiteral("RECIPEFILE=") + Ermittle_Dateiname(pfad);
    z << QStringLiteral("RECIPETEXTBEGIN=");
    if (rezept.Rezeptkurzinfo.isEmpty())
        z << QStringLiteral(" ");
    else
        z << rezept.Rezeptkurzinfo;
    z << QStringLiteral("RECIPETEXTEND=") << QStringLiteral("RECIPEEND") + i + QLatin1Char('=');
    return z;
}

void Fuege_Rezeptbloecke_an(TString &index, const QList<TTRezepteTotal> &rezepte, TString &speicherliste)
{
    if (index.isEmpty())
        index << Indexkopf;
    qint32 anzahl = qMax(0, GetValueInt(Anzahlschluessel, index));
    for (const TTRezepteTotal &rezept : rezepte) {
        qint32 kb = 0;
        for (const QString &pfad : Rezeptblockdateien(rezept)) {
            if (pfad.isEmpty())
                continue;
            speicherliste << pfad;
            kb += Dateigroesse_KB(pfad);
        }
        index << Erstelle_Rezeptblock(anzahl, rezept, kb);
        ++anzahl;
    }
    const QString zeile = Anzahlschluessel + QLatin1Char('=') + QString::number(anzahl);
    bool gesetzt = false;
    for (QString &z : index)
        if (z.startsWith(Anzahlschluessel + QLatin1Char('='))) {
            z = zeile;
            gesetzt = true;
        }
    // Without the count the download would offer none of the blocks.
    if (!gesetzt)
        index.insert(1, zeile);
}

void Entferne_Rezeptbloecke(TString &index)
{
    TString bleibt;
    for (qsizetype i = 0; i < index.size(); ++i) {
        if (index[i].isEmpty())
            continue;
        const qint32 nummer = Blocknummer(index[i]);
        if (nummer < 0) {
            bleibt << index[i];
            continue;
        }
        const QString ende = QStringLiteral("RECIPEEND") + QString::number(nummer) + QLatin1Char('=');
        qsizetype j = i + 1;
        while (j < index.size() && !index[j].startsWith(ende) && Blocknummer(index[j]) < 0
               && !Ist_Schluesselzeile(index[j]))
            ++j;
        // The end line belongs to the block; a block cut short stops before
        // the next block or key line. Empty lines go as well.
        i = j < index.size() && index[j].startsWith(ende) ? j : j - 1;
    }
    index = bleibt;
    SetValueInt(Anzahlschluessel, 0, index);
}

void Erhoehe_Rezeptindexversion(TString &index)
{
    SetValueInt(Versionsschluessel, GetValueInt(Versionsschluessel, index) + 1, index);
}
