#include "internet/Wertdatei.h"

#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "core/Meldung.h"

namespace {
const QString Wertdateikopf = QStringLiteral("[TWS 2.X]");

qsizetype Finde_Schluessel(const QString &schluessel, const TString &werte)
{
    const QString anfang = schluessel + QLatin1Char('=');
    for (qsizetype i = 0; i < werte.size(); ++i)
        if (werte[i].startsWith(anfang))
            return i;
    return -1;
}
} // namespace

qint32 LoadValueFile(const QString &datei, TString &werte)
{
    werte.clear();
    if (!platform::fileExists(datei))
        return -1;
    TString zeilen;
    // An unreadable file reads as one empty line and so fails the header test.
    if (!platform::readLines(datei, zeilen) || zeilen.isEmpty())
        zeilen = TString{QString()};
    if (!zeilen.first().startsWith(Wertdateikopf)) {
        werte = TString{zeilen.first()};
        Zeige_Meldung(QStringLiteral("Corrupt header found in file: (") + zeilen.first() + QStringLiteral(") ") + datei,
                      QStringLiteral("Error:"), Knopf_OK);
        return -2;
    }
    werte = zeilen;
    return 0;
}

qint32 SaveValueFile(const QString &datei, TString &werte)
{
    if (!platform::fileExists(datei))
        return -1;
    if (werte.isEmpty())
        werte.append(QString());
    TString zeilen;
    for (qsizetype i = 0; i < werte.size(); ++i) {
        QString &zeile = werte[i];
        if (i == 0)
            zeile = Wertdateikopf;
        else if (!zeile.startsWith(QLatin1Char(';')) && !zeile.contains(QLatin1Char('=')))
            zeile.clear();
        if (!zeile.isEmpty())
            zeilen.append(zeile);
    }
    if (!platform::writeLines(datei, zeilen)) {
        Zeige_Meldung(QStringLiteral("Could not write the file: ") + datei, QStringLiteral("Error:"), Knopf_OK);
        return -2;
    }
    return 0;
}

qint32 GetValueInt(const QString &schluessel, const TString &werte)
{
    // Decimal with an optional sign and surrounding blanks; anything else, or
    // a value outside int32, reads 0 instead of stopping the caller.
    return GetValueStr(schluessel, werte).toInt();
}

void GetValueStr(const QString &schluessel, const TString &werte, QString &text)
{
    const qsizetype i = Finde_Schluessel(schluessel, werte);
    text = i < 0 ? QString() : werte[i].mid(schluessel.size() + 1);
}

QString GetValueStr(const QString &schluessel, const TString &werte)
{
    QString text;
    GetValueStr(schluessel, werte, text);
    return text;
}

qint32 SetValueStr(const QString &schluessel, const QString &text, TString &werte)
{
    const QString zeile = schluessel + QLatin1Char('=') + text;
    const qsizetype i = Finde_Schluessel(schluessel, werte);
    if (i >= 0) {
        werte[i] = zeile;
        return 0;
    }
    // Line 0 is always the header: a set on an empty array must not put its
    // key there, where the next save would overwrite it.
    if (werte.isEmpty())
        werte.append(Wertdateikopf);
    werte.append(zeile);
    return 0;
}

qint32 SetValueInt(const QString &schluessel, qint32 zahl, TString &werte)
{
    return SetValueStr(schluessel, QString::number(zahl), werte);
}
