// The start-up take-over of delivered files and the installation check.
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
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "core/Meldung.h"

using namespace dateien;

// --- start-up ---------------------------------------------------------------------------

void Uebernehme_Neue_Zutaten()
{
    auto zutatenParser = [](TZutatentotal &out) {
        return [&out](const QByteArray &z, QString &grund) { return liesZutaten(z, out, grund); };
    };

    // The global database as shipped or downloaded.
    const QString share = datenpfad(QStringLiteral("LM_Share.hbr"));
    if (platform::fileExists(share)) {
        TZutatentotal neu;
        QString grund;
        if (liesDatei(share, zutatenParser(neu), grund)) {
            if (!platform::renameFile(share, datenpfad(QStringLiteral("Lebensmittel_ALL.hbr"))))
                meldeSchreibfehler(datenpfad(QStringLiteral("Lebensmittel_ALL.hbr")));
        } else {
            meldeLieferung(QStringLiteral("LM_Share.hbr"), grund);
        }
    }

    // New ingredients: appended when their name is missing.
    const QString lmNeu = datenpfad(QStringLiteral("Lebensmittel_Neu.hbr"));
    if (platform::fileExists(lmNeu)) {
        const QString lm = datenpfad(QStringLiteral("Lebensmittel.hbr"));
        TZutatentotal neu, alt;
        QString grund;
        if (!liesDatei(lmNeu, zutatenParser(neu), grund)) {
            meldeLieferung(QStringLiteral("Lebensmittel_Neu.hbr"), grund);
        } else if (platform::fileExists(lm) && !liesDatei(lm, zutatenParser(alt), grund)) {
            meldeLesefehler(lm, grund);
        } else {
            QSet<QString> namen;
            for (const TTZutatentotal &r : alt)
                namen.insert(platform::upperCase(r.Zutatname));
            for (const TTZutatentotal &r : neu) {
                const QString key = platform::upperCase(r.Zutatname);
                if (r.Zutatname.isEmpty() || namen.contains(key))
                    continue;
                namen.insert(key);
                alt.append(r);
            }
            if (schreibe(lm, schreibeZutaten(alt)))
                platform::removeFile(lmNeu);
        }
    }

}

bool Pruefe_Variablenliste(const QString &pfad, QString &grund)
{
    TTVariablenTotal v;
    return liesDatei(pfad, [&v](const QByteArray &z, QString &g) { return liesVariablen(z, v, g); }, grund);
}

void Uebernehme_Neue_Verbliste()
{
    // A new verb list; the current one is kept as the backup.
    const QString verbNeu = datenpfad(QStringLiteral("IAVariablenliste_NEU.hbr"));
    if (platform::fileExists(verbNeu)) {
        TIAVERBEN v;
        QString grund;
        const QString verben = datenpfad(QStringLiteral("IAVariablenliste.hbr"));
        if (!liesDatei(verbNeu, [&v](const QByteArray &z, QString &g) { return liesVerben(z, v, g); }, grund)) {
            meldeLieferung(QStringLiteral("IAVariablenliste_NEU.hbr"), grund);
        } else if (platform::fileExists(verben)
                   && !platform::copyFile(verben, datenpfad(QStringLiteral("IAVariablenlisteBAK.hbr")))) {
            meldeSchreibfehler(datenpfad(QStringLiteral("IAVariablenlisteBAK.hbr")));
        } else if (!platform::renameFile(verbNeu, verben)) {
            meldeSchreibfehler(verben);
        }
    }

}

void Uebernehme_Neue_Einheiteneintraege()
{
    // Text replacements and unit entries: merged into the units list.
    const QString ricNeu = datenpfad(QStringLiteral("RICNEU.hbr"));
    const QString ricWerteNeu = datenpfad(QStringLiteral("RICWerteNEU.hbr"));
    const bool hatRic = platform::fileExists(ricNeu);
    const bool hatWerte = platform::fileExists(ricWerteNeu);
    if (hatRic || hatWerte) {
        const QString var = datenpfad(QStringLiteral("Variablen200.hbr"));
        TTVariablenTotal v;
        QString grund;
        QVector<TTRICDATA> ric;
        TString werte;
        bool ricGut = hatRic, werteGut = hatWerte;
        if (hatRic
            && !liesDatei(ricNeu, [&ric](const QByteArray &z, QString &g) {
                   Leser l(z);
                   if (l.kopf(KopfRICDATA))
                       liesRICDATA(l, ric);
                   g = l.grund;
                   return l.ok();
               }, grund)) {
            meldeLieferung(QStringLiteral("RICNEU.hbr"), grund);
            ricGut = false;
        }
        if (hatWerte && !liesDatei(ricWerteNeu, [&werte](const QByteArray &z, QString &g) {
                return liesListe(z, KopfRICWerte, werte, g);
            }, grund)) {
            meldeLieferung(QStringLiteral("RICWerteNEU.hbr"), grund);
            werteGut = false;
        }
        if ((ricGut || werteGut)) {
            if (!liesDatei(var, [&v](const QByteArray &z, QString &g) { return liesVariablen(z, v, g); }, grund)) {
                if (platform::fileExists(var))
                    meldeLesefehler(var, grund);
            } else {
                if (ricGut) {
                    QSet<QString> da;
                    for (const TTRICDATA &d : v.RICDATA)
                        da.insert(platform::upperCase(d.Text));
                    for (const TTRICDATA &d : ric) {
                        if (d.Text.isEmpty() || da.contains(platform::upperCase(d.Text)))
                            continue;
                        da.insert(platform::upperCase(d.Text));
                        v.RICDATA.append(d);
                    }
                }
                if (werteGut) {
                    QSet<QString> da;
                    for (const QString &w : v.RICWerte)
                        da.insert(platform::upperCase(w));
                    for (const QString &w : werte) {
                        if (w.isEmpty() || da.contains(platform::upperCase(w)))
                            continue;
                        da.insert(platform::upperCase(w));
                        v.RICWerte.append(w);
                    }
                }
                if (schreibe(var, schreibeVariablen(v))) {
                    if (ricGut)
                        platform::removeFile(ricNeu);
                    if (werteGut)
                        platform::removeFile(ricWerteNeu);
                }
            }
        }
    }

}

void Uebernehme_Neue_Kommentare()
{
    // New ingredient comments.
    const QString komNeu = datenpfad(QStringLiteral("Kommentare_neu.hbr"));
    if (platform::fileExists(komNeu)) {
        const QString kom = datenpfad(QStringLiteral("Kommentare.hbr"));
        TString neu, alt;
        QString grund;
        if (!liesDatei(komNeu, [&neu](const QByteArray &z, QString &g) { return liesListe(z, KopfKommentare, neu, g); },
                       grund)) {
            meldeLieferung(QStringLiteral("Kommentare_neu.hbr"), grund);
        } else if (platform::fileExists(kom)
                   && !liesDatei(kom, [&alt](const QByteArray &z, QString &g) {
                          return liesListe(z, KopfKommentare, alt, g);
                      }, grund)) {
            meldeLesefehler(kom, grund);
        } else {
            QSet<QString> da;
            for (const QString &s : alt)
                da.insert(platform::upperCase(s));
            for (const QString &s : neu) {
                if (s.isEmpty() || da.contains(platform::upperCase(s)))
                    continue;
                da.insert(platform::upperCase(s));
                alt.append(s);
            }
            if (schreibe(kom, schreibeListe(KopfKommentare, alt)))
                platform::removeFile(komNeu);
        }
    }
}

void Melde_Lieferungsfehler(const QString &name, const QString &grund)
{
    meldeLieferung(name, grund);
}

void Melde_Schreibfehler(const QString &pfad)
{
    meldeSchreibfehler(pfad);
}

bool TWS_Dateicheck()
{
    static const char *const dateien[] = {"PRGDATA\\ENG\\Lebensmittel.hbr", "PRGDATA\\ENG\\Variablen200.hbr",
                                          "PRGDATA\\ENG\\IAVariablenliste.hbr"};
    static const char *const bildordner[] = {"GFXZUTAT\\ENG\\", "Grafiken\\ENG\\PNG\\"};
    for (const char *d : dateien) {
        if (!platform::fileExists(Programmverzeichnis + QLatin1String(d))) {
            Zeige_Meldung(QStringLiteral("Missing file: ") + QLatin1String(d), QStringLiteral("Installation error:"), Knopf_OK);
            ProgrammOK = 0;
            return false;
        }
    }
    for (const char *d : bildordner) {
        if (!platform::folderExists(Programmverzeichnis + QLatin1String(d))) {
            Zeige_Meldung(QStringLiteral("Missing file: ") + QLatin1String(d), QStringLiteral("Installation error:"), Knopf_OK);
            ProgrammOK = 0;
            return false;
        }
    }
    static const char *const arbeitsordner[] = {"Recipes\\", "Recipes\\IAKochen\\", "PreparedRecipes\\", "DRUCKTEMP\\",
                                                "PRGDATA\\ENG\\LEXIKON\\"};
    for (const char *d : arbeitsordner)
        platform::makeFolder(Programmverzeichnis + QLatin1String(d));
    return true;
}
