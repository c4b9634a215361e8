#include "mastering/Webseiten.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "core/Grundoperationen.h"
#include "core/Protokoll.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Rtf.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"

const QString Seitenschnittmarke = QStringLiteral("<!-- Seitenende -->");

namespace {
constexpr quint8 Blank = 3; // a protocol line without a kind

int Werbenummer(const QString &name)
{
    static const QRegularExpression nummer(QStringLiteral("^([1-9][0-9]{0,8})\\.htm$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = nummer.match(name);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString Ohne_Schema(QString adresse)
{
    for (const QString &schema : {QStringLiteral("https://"), QStringLiteral("http://")})
        if (adresse.startsWith(schema, Qt::CaseInsensitive))
            return adresse.mid(schema.size());
    return adresse;
}

QString Ohne_Schraegstrich(QString adresse)
{
    while (adresse.endsWith(QLatin1Char('/')))
        adresse.chop(1);
    return adresse;
}

void Pruefe_Webadressen(const QString &htmlordner, const QString &webseite)
{
    Schreibe_Protokoll(Blank, QStringLiteral("Searching HTML-Files : ") + htmlordner);
    const QString falsch = Falsche_Webadresse(webseite);
    for (const QString &name : platform::listFiles(htmlordner, QStringLiteral("*.html"))) {
        QStringList zeilen;
        if (!platform::readLines(htmlordner + name, zeilen))
            continue;
        if (std::any_of(zeilen.cbegin(), zeilen.cend(), [&](const QString &z) { return z.contains(falsch); }))
            Schreibe_Protokoll(Blank, QStringLiteral("FALSE www-adress : ") + htmlordner + name);
    }
}

// The lines of one advertisement of the folder, picked at random.
TString Werbung(const QString &ordner, const QStringList &dateien)
{
    const QString name = Waehle_Werbung(dateien);
    QStringList zeilen;
    if (!name.isEmpty() && !platform::readLines(ordner + name, zeilen))
        Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Nicht lesbar: ") + ordner + name);
    return zeilen;
}

void Baue_Webseiten(const QString &ordner, const QString &webseite)
{
    const QString htmlordner = ordner + QStringLiteral("HTML\\");
    const QString neuordner = ordner + QStringLiteral("HTMLNEU\\");
    const QString textordner = neuordner + QStringLiteral("ADSTXT\\");
    const QString grafikordner = neuordner + QStringLiteral("ADSGFX\\");

    Pruefe_Webadressen(htmlordner, webseite);
    Schreibe_Protokoll(Blank, QStringLiteral("Anzahl TXT-Ads : ")
                                  + QString::number(platform::listFiles(textordner, QStringLiteral("*.htm")).size()));
    Schreibe_Protokoll(Blank, QStringLiteral("Anzahl GFX-Ads : ")
                                  + QString::number(platform::listFiles(grafikordner, QStringLiteral("*.htm")).size()));
    // Only numbered advertisements can be picked; with none the pages go
    // without that kind instead of the pick never ending.
    const QStringList texte = Werbedateien(textordner);
    const QStringList grafiken = Werbedateien(grafikordner);
    if (texte.isEmpty())
        Schreibe_Protokoll(ProtokollWarnung, QStringLiteral("Keine Werbung: ") + textordner);
    if (grafiken.isEmpty())
        Schreibe_Protokoll(ProtokollWarnung, QStringLiteral("Keine Werbung: ") + grafikordner);

    Schreibe_Protokoll(Blank, QStringLiteral("Searching RTF-Files : ") + htmlordner);
    for (const QString &name : platform::listFiles(htmlordner, QStringLiteral("*.html"))) {
        QStringList seite;
        if (!platform::readLines(htmlordner + name, seite)) {
            Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Nicht lesbar: ") + htmlordner + name);
            continue;
        }
        QList<TString> werbung;
        for (int i = 0; i < 3; ++i)
            werbung << Werbung(textordner, texte);
        werbung << Werbung(grafikordner, grafiken);
        const QString ausgabe = name.left(name.size() - 1);
        if (!platform::writeLines(neuordner + ausgabe, Baue_Webseite(seite, webseite, werbung))) {
            Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Nicht geschrieben: ") + neuordner + ausgabe);
            continue;
        }
        Schreibe_Protokoll(Blank, QStringLiteral("Werbung integriert : ") + htmlordner + ausgabe);
    }
}
} // namespace

QString RTF_Dateiname(const QString &name)
{
    const QString endung = QStringLiteral(".txt");
    const qsizetype pos = name.lastIndexOf(endung, -1, Qt::CaseInsensitive);
    return (pos < 0 ? name : name.left(pos) + name.mid(pos + endung.size())) + QStringLiteral(".rtf");
}

bool Konvertiere_Text_nach_RTF(const QString &quelle, const QString &ziel)
{
    QStringList zeilen;
    if (!platform::readLines(quelle, zeilen))
        return false;
    QTextDocument dokument;
    QTextCursor cursor(&dokument);
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(zeilen[i]);
    }
    return platform::saveRtfFile(platform::nativePath(ziel), &dokument);
}

void Konvertiere_Rezepttexte(const QString &ordner)
{
    for (const QString &name : platform::listFiles(ordner, QStringLiteral("*.txt"))) {
        Schreibe_Protokoll(Blank, QStringLiteral("Converting TXT-Files : ") + ordner + name);
        const QString neu = RTF_Dateiname(name);
        if (Konvertiere_Text_nach_RTF(ordner + name, ordner + neu))
            Schreibe_Protokoll(Blank, QStringLiteral("Saving File : ") + ordner + neu);
        else
            Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Nicht geschrieben: ") + ordner + neu);
    }
}

QString Falsche_Webadresse(const QString &webseite)
{
    return webseite.isEmpty() ? QString() : webseite.left(webseite.size() - 1) + QLatin1Char('<');
}

TString Seitenfuss(const QString &webseite)
{
    const QString adresse = Ohne_Schraegstrich(webseite);
    return {QStringLiteral("<div align=\"left\"><font face=\"Verdana\" size=\"2\" color=\"#000000\"></font>"),
            QStringLiteral("<p><a href=\"") + adresse
                + QStringLiteral("/5.html\" target=\"_parent\" title=\"Zurück zum Tafelwerkstatt\">"
                                 "Zur&uuml;ck zur Rezeptsuche auf ")
                + Ohne_Schema(adresse) + QStringLiteral("</a></p>"),
            QStringLiteral("</div>")};
}

QStringList Werbedateien(const QString &ordner)
{
    QStringList dateien;
    for (const QString &name : platform::listFiles(ordner, QStringLiteral("*.htm")))
        if (Werbenummer(name) > 0)
            dateien << name;
    std::sort(dateien.begin(), dateien.end(),
              [](const QString &a, const QString &b) { return Werbenummer(a) < Werbenummer(b); });
    return dateien;
}

QString Waehle_Werbung(const QStringList &dateien)
{
    if (dateien.isEmpty())
        return QString();
    const int n = platform::randomInt(int(dateien.size()));
    return dateien[qBound(0, n, int(dateien.size()) - 1)];
}

TString Baue_Webseite(const TString &quelle, const QString &webseite, const QList<TString> &werbung)
{
    TString seite;
    for (const QString &zeile : quelle) {
        const qsizetype marke = zeile.indexOf(Seitenschnittmarke);
        if (marke >= 0) {
            seite << zeile.left(marke);
            break;
        }
        seite << zeile;
    }
    seite << Seitenfuss(webseite);
    for (const TString &block : werbung)
        seite << block;
    seite << QStringLiteral("</html>");
    return seite;
}

void Konvertiere_Texte_und_Webseiten(const QString &ordner, const QString &webseite)
{
    Konvertiere_Rezepttexte(ordner);
    if (webseite.isEmpty()) {
        Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Keine Webseite eingestellt (WEBSITE in INTERNET.HRB)"));
        return;
    }
    Baue_Webseiten(ordner, webseite);
}

QImage Schneide_Grafik(const QImage &bild)
{
    const QRect bereich(QPoint(Schnitt_Links, Schnitt_Oben), QPoint(Schnitt_Rechts - 1, Schnitt_Unten - 1));
    QImage neu(bereich.size(), QImage::Format_RGB32);
    neu.fill(Qt::white);
    QPainter maler(&neu);
    maler.drawImage(QPoint(0, 0), bild, bereich);
    maler.end();
    return neu;
}

bool Schneide_Grafikdatei(const QString &pfad)
{
    const QImage bild = platform::loadImage(pfad);
    if (bild.isNull())
        return false;
    QByteArray format = Ermittle_Dateiname(pfad).section(QLatin1Char('.'), -1).toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "bmp";
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (!Schneide_Grafik(bild).save(&puffer, format.constData()))
        return false;
    return platform::writeBytes(pfad, daten);
}
