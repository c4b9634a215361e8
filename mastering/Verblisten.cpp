#include "mastering/Verblisten.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "mastering/Masterdaten.h"
#include "mastering/Mastering.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace {
const QString Verbliste = QStringLiteral("IAVariablenliste.hbr");
const QString Totalliste = QStringLiteral("IAVTotal.hbr");
const QString TotallisteNeu = QStringLiteral("IAVTotal_Neu.hbr");
const QString TotallisteMaster = QStringLiteral("IAVTotal_neu.hbr");
constexpr int ZeilenJeVerb = 8;

void Zeile(quint8 art, const QString &text)
{
    Schreibe_Protokoll(art, text);
}

bool Lies_Zahl_genau(const QString &text, qint32 &wert)
{
    bool ok = false;
    wert = text.trimmed().toInt(&ok);
    return ok;
}

// "1,3,11," -> flags; false for anything that is not a surface number.
bool Lies_Flaechen(const QString &liste, std::array<quint8, AnzahlGeraete> &flags)
{
    flags.fill(0);
    for (const QString &teil : liste.split(QLatin1Char(','))) {
        if (teil.trimmed().isEmpty())
            continue;
        qint32 n = 0;
        if (!Lies_Zahl_genau(teil, n) || n < 0 || n >= AnzahlGeraete)
            return false;
        flags[size_t(n)] = 1;
    }
    return true;
}

qint32 Verbtyp(const QString &text)
{
    return (text.contains(QLatin1String(" GGG ")) ? 1 : 0) + (text.contains(QLatin1String(" ZZZ ")) ? 2 : 0);
}

// Copy-in that deletes nothing, then the length test on the local file.
bool Hole_mit_Laengentest(const QString &masterpfad, const QString &mastername, const QString &lokalname)
{
    const QString lokal = Lokale_Datei(lokalname);
    const bool ok = Kopiere_Datei(Masterdatei(masterpfad, mastername), lokal);
    Zeile(ok ? ProtokollOK : ProtokollFehler, (ok ? QStringLiteral("Copying ") : QStringLiteral("Copy-FAILURE ")) + lokal);
    Pruefe_Dateilaenge(lokal);
    return ok;
}

bool Bringe_mit_Laengentest(const QString &masterpfad, const QString &lokalname, const QString &mastername)
{
    const QString master = Masterdatei(masterpfad, mastername);
    const bool ok = Kopiere_zum_Master(Lokale_Datei(lokalname), master, QStringLiteral("Copying "),
                                       QStringLiteral("Copy-FAILURE "));
    Pruefe_Dateilaenge(master);
    return ok;
}

// Loads the whole verb list without duplicates (saved so and read back).
bool Lade_Totalliste_bereinigt()
{
    if (!Lade_IAVerbenTotal(Load, IAVTotalliste, QStringLiteral("IAVTOTAL_Neu.hbr"))) {
        Zeile(ProtokollFehler, QStringLiteral("Verbliste nicht geladen: ") + Lokale_Datei(TotallisteNeu));
        return false;
    }
    Entferne_doppelte_Verbtexte(IAVTotalliste);
    return Lade_IAVerbenTotal(Save | Load, IAVTotalliste, QStringLiteral("IAVTOTAL_Neu.hbr"));
}
} // namespace

bool Ist_Produktsymbol(qint32 symbol)
{
    return (symbol >= 25 && symbol <= 28) || symbol == 30 || (symbol >= 33 && symbol <= 42);
}

bool Lies_Verbupload(const QStringList &zeilen, const QString &datei, TIAVERBEN &verben)
{
    verben.clear();
    qint32 anzahl = 0;
    if (zeilen.size() < 2 || !zeilen[0].startsWith(QLatin1String("[IAVERBEN 2.00]"))
        || !Lies_Zahl_genau(zeilen[1], anzahl) || anzahl < 0)
        return false;
    const qint32 vorhanden = qint32((zeilen.size() - 2) / ZeilenJeVerb);
    if (anzahl > vorhanden) {
        Zeile(ProtokollWarnung, QStringLiteral("Verbanzahl %1 größer als die Datei (%2): ").arg(anzahl).arg(vorhanden) + datei);
        anzahl = vorhanden;
    }
    for (qint32 i = 0; i < anzahl; ++i) {
        const qsizetype z = 2 + qsizetype(i) * ZeilenJeVerb;
        TTIAVERBEN v;
        v.Text = zeilen[z];
        const bool gut = !v.Text.isEmpty() && Lies_Zahl_genau(zeilen[z + 1], v.Symbol) && v.Symbol >= 0
            && v.Symbol <= 42 && Lies_Flaechen(zeilen[z + 2], v.Zulassung);
        if (!gut) {
            Zeile(ProtokollWarnung,
                  QStringLiteral("IAVerb abgelehnt (Zeile %1): ").arg(z + 1) + v.Text + QStringLiteral(" in ") + datei);
            continue;
        }
        v.Zaehler = 0;
        v.Typ = Verbtyp(v.Text);
        if (IAStatus.AlleVerben)
            v.Geraete.fill(1);
        else
            v.Geraete = v.Zulassung;
        verben.append(v);
    }
    return true;
}

void Sortiere_Verben(TIAVERBEN &verben)
{
    std::stable_sort(verben.begin(), verben.end(),
                     [](const TTIAVERBEN &a, const TTIAVERBEN &b) { return a.Text < b.Text; });
}

void Sortiere_Totalliste(TIAVTotalliste &liste)
{
    std::stable_sort(liste.begin(), liste.end(),
                     [](const TTIAVTotalliste &a, const TTIAVTotalliste &b) { return a.Text < b.Text; });
}

void Fuehre_Verben_zusammen(TIAVERBEN &master, const TIAVERBEN &upload)
{
    for (const TTIAVERBEN &u : upload) {
        const QString text = platform::upperCase(u.Text);
        bool gefunden = false;
        for (TTIAVERBEN &m : master) {
            if (platform::upperCase(m.Text) != text)
                continue;
            gefunden = true;
            if (Ist_Produktsymbol(u.Symbol))
                m.Symbol = u.Symbol;
            for (size_t f = 0; f < m.Zulassung.size(); ++f)
                m.Zulassung[f] = quint8(m.Zulassung[f] | u.Zulassung[f]);
            m.Zaehler = 0;
            Zeile(ProtokollOK, QStringLiteral("IAVerb ergänzt: ") + m.Text);
        }
        if (!gefunden) {
            master.append(u);
            Zeile(ProtokollOK, QStringLiteral("Neues IAVerb: ") + u.Text);
        }
    }
}

void Entferne_doppelte_Verbtexte(TIAVTotalliste &liste)
{
    QSet<QString> spaeter;
    for (qsizetype i = liste.size() - 1; i >= 0; --i) {
        if (liste[i].Text.isEmpty())
            continue;
        const QString text = platform::upperCase(liste[i].Text);
        if (spaeter.contains(text))
            liste[i].Text.clear();
        else
            spaeter.insert(text);
    }
}

void Ergaenze_Totalliste(TIAVTotalliste &liste, const TIAVERBEN &verben)
{
    QSet<QString> vorhanden;
    for (const TTIAVTotalliste &e : std::as_const(liste))
        vorhanden.insert(platform::upperCase(e.Text));
    for (const TTIAVERBEN &v : verben) {
        const QString text = platform::upperCase(v.Text);
        if (v.Text.isEmpty() || vorhanden.contains(text))
            continue;
        vorhanden.insert(text);
        liste.append(TTIAVTotalliste{v.Text, 0});
    }
}

TString Suche_in_Totalliste(TIAVTotalliste &liste, const QString &eingabe)
{
    qint32 modus = 0;
    TString woerter;
    Zerlege_Suchbegriffe(eingabe, false, modus, woerter, true, true);
    woerter.removeAll(QString());
    // Folded and upper-cased, the three spellings of sauce are two.
    const QString sauce = QStringLiteral("SAUCE"), sosse = QStringLiteral("SOSSE");
    auto kommt_vor = [&](const QString &text, const QString &wort) {
        if (wort == sauce || wort == sosse)
            return text.contains(sauce) || text.contains(sosse);
        return text.contains(wort);
    };
    auto beginnt_mit = [&](const QString &text, const QString &wort) {
        if (wort == sauce || wort == sosse)
            return text.startsWith(sauce) || text.startsWith(sosse);
        return text.startsWith(wort);
    };

    for (TTIAVTotalliste &e : liste) {
        e.Treffer = -1;
        if (woerter.isEmpty())
            continue;
        QString text = e.Text;
        Ersetze_Sonderbuchstaben(text);
        text = platform::upperCase(text);
        const bool alle = std::all_of(woerter.cbegin(), woerter.cend(),
                                      [&](const QString &w) { return kommt_vor(text, w); });
        e.Treffer = !alle ? -2 : beginnt_mit(text, woerter.first()) ? -3 : -1;
    }
    Sortiere_Totalliste(liste);
    std::stable_partition(liste.begin(), liste.end(), [](const TTIAVTotalliste &e) { return e.Treffer == -3; });
    std::stable_partition(liste.begin(), liste.end(), [](const TTIAVTotalliste &e) { return e.Treffer != -2; });
    TString gezeigt;
    for (TTIAVTotalliste &e : liste) {
        if (e.Treffer == -3)
            e.Treffer = -1;
        if (e.Treffer == -1 && !e.Text.isEmpty())
            gezeigt << e.Text;
    }
    return gezeigt;
}

bool Fuege_Verbtext_hinzu(TIAVTotalliste &liste, const QString &text)
{
    if (text.trimmed().isEmpty())
        return false;
    const QString gross = platform::upperCase(text);
    for (const TTIAVTotalliste &e : std::as_const(liste))
        if (platform::upperCase(e.Text) == gross)
            return false;
    liste.append(TTIAVTotalliste{text, -1});
    return true;
}

bool Werte_Verbuploads_aus(const QString &masterpfad, const QString &uploadordner)
{
    if (!Pruefe_Masterpfad(masterpfad))
        return false;
    // Without the master verb list nothing is merged and no upload is touched.
    if (!Hole_mit_Laengentest(masterpfad, Verbliste, Verbliste) || Lade_IAVerben(Load) != 0) {
        Zeile(ProtokollFehler, QStringLiteral("IAVerben nicht geladen: ") + Lokale_Datei(Verbliste));
        return false;
    }
    Hole_mit_Laengentest(masterpfad, Totalliste, Totalliste);
    const bool totalGeholt = Hole_mit_Laengentest(masterpfad, TotallisteMaster, TotallisteNeu);
    const bool totalOk = totalGeholt && Lade_Totalliste_bereinigt();

    QStringList verarbeitet;
    for (const QString &name : platform::listFiles(uploadordner, QStringLiteral("*.VIA"))) {
        const QString pfad = uploadordner + name;
        Zeile(3, QStringLiteral("Converting VIA-Files : ") + pfad);
        if (QFileInfo(platform::nativePath(pfad)).size() < 128) {
            Zeile(ProtokollWarnung, QStringLiteral("VIA-Datei zu kurz, übersprungen: ") + pfad);
            continue;
        }
        QStringList zeilen;
        if (!platform::readLines(pfad, zeilen)) {
            Zeile(ProtokollFehler, QStringLiteral("VIA-Datei nicht lesbar: ") + pfad);
            continue;
        }
        TIAVERBEN upload;
        if (!Lies_Verbupload(zeilen, pfad, upload)) {
            // Not a verb file: it goes like every other upload.
            Zeile(ProtokollWarnung, QStringLiteral("Keine IAVERBEN-Datei: ") + pfad);
            verarbeitet << name;
            continue;
        }
        if (IAVERBEN.size() > 1)
            Sortiere_Verben(IAVERBEN);
        Zeile(3, QStringLiteral("Gelesen : ") + pfad);
        Fuehre_Verben_zusammen(IAVERBEN, upload);
        Zeile(3, QStringLiteral("Überprüft : ") + pfad);
        verarbeitet << name;
    }

    if (Lade_IAVerben(Save) != 0) {
        Zeile(ProtokollFehler, QStringLiteral("IAVerben nicht gespeichert, die Uploads bleiben: ") + Lokale_Datei(Verbliste));
        return false;
    }
    for (const QString &name : std::as_const(verarbeitet))
        Loesche_Dateien(uploadordner, name);
    Zeile(3, QStringLiteral("Converting VIA-Files : End"));
    Zeile(3, QStringLiteral("Making IAVTotalliste : "));

    bool totalGespeichert = totalOk;
    if (totalOk && !IAVTotalliste.isEmpty()) {
        Ergaenze_Totalliste(IAVTotalliste, IAVERBEN);
        Entferne_doppelte_Verbtexte(IAVTotalliste);
        totalGespeichert = Lade_IAVerbenTotal(Save | Load, IAVTotalliste, QStringLiteral("IAVTOTAL_Neu.hbr"))
            && Lade_IAVerbenTotal(Save, IAVTotalliste, QStringLiteral("IAVTOTAL_Neu.hbr"));
        if (totalGespeichert)
            Zeile(3, QStringLiteral("Making IAVTotalliste : Ready."));
    }
    // A whole verb list that did not load is no master copy: it stays out.
    bool ok = !totalOk || (totalGespeichert && Bringe_mit_Laengentest(masterpfad, TotallisteNeu, TotallisteMaster));
    ok = Bringe_mit_Laengentest(masterpfad, Verbliste, Verbliste) && ok;
    return ok;
}

bool Lade_Verbeditordaten(const QString &masterpfad)
{
    if (!Pruefe_Masterpfad(masterpfad))
        return false;
    Hole_mit_Laengentest(masterpfad, Totalliste, Totalliste);
    if (!Hole_mit_Laengentest(masterpfad, TotallisteMaster, TotallisteNeu))
        return false;
    return Lade_Totalliste_bereinigt();
}

bool Speichere_Verbeditordaten(const QString &masterpfad)
{
    Entferne_doppelte_Verbtexte(IAVTotalliste);
    if (!Lade_IAVerbenTotal(Save, IAVTotalliste, QStringLiteral("IAVTOTAL_Neu.hbr"))) {
        Zeile(ProtokollFehler, QStringLiteral("Verbliste nicht gespeichert: ") + Lokale_Datei(TotallisteNeu));
        return false;
    }
    const bool a = Bringe_mit_Laengentest(masterpfad, Totalliste, Totalliste);
    const bool b = Bringe_mit_Laengentest(masterpfad, TotallisteNeu, TotallisteNeu);
    return a && b;
}
