#include "mastering/Edition.h"

#include <QDir>
#include <QFileInfo>
#include <initializer_list>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Meldung.h"
#include "core/Tabellen.h"
#include "mastering/Masterdaten.h"
#include "mastering/Mastering.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "reference/Lexikon.h"

namespace {
const QString D = QStringLiteral("PRGDATA\\ENG\\");
const QString G = QStringLiteral("Grafiken\\ENG\\");
const QString GFX = QStringLiteral("GFXZUTAT\\ENG\\");
// The English working copies of the ingredient databases, below D.
const QString EnglischOrdner = QStringLiteral("ENG\\");

// The name the start-up takes each database over from; spelled as it reads
// them.
const QString LebensmittelNeu = QStringLiteral("Lebensmittel_Neu.hbr");
const QString VerbenNeu = QStringLiteral("IAVariablenliste_NEU.hbr");
const QString VariablenNeu = QStringLiteral("Variablen200_NEU.hbr");
const QString LexikonNeu = QStringLiteral("Lexikon_NEU.hbd");
const QString Share = QStringLiteral("LM_Share.hbr");
const QString Gesamt = QStringLiteral("Lebensmittel_ALL.hbr");
const QString Rezeptindex = QStringLiteral("RMListe.hbr");

void Zeile(quint8 art, const QString &text)
{
    Schreibe_Protokoll(art, text);
}

// --- step constructors ------------------------------------------------------

TSchritt S(TAktion a, int wert = 0)
{
    TSchritt s{a};
    s.Wert = wert;
    return s;
}

TSchritt K(TWurzel von, const QString &quelle, const QString &maske, TWurzel nach, const QString &ziel)
{
    return TSchritt{TAktion::Kopieren, von, quelle, maske, nach, ziel};
}

// Copy to the same sub-folder of the edition.
TSchritt K(TWurzel von, const QString &ordner, const QString &maske)
{
    return K(von, ordner, maske, TWurzel::E, ordner);
}

TSchritt Lade(const QString &datei)
{
    TSchritt s{TAktion::Lade_Master};
    s.Maske = datei;
    return s;
}

TSchritt Loesche(const QString &ordner, const QString &name, TAktion a = TAktion::Loeschen)
{
    TSchritt s{a};
    s.Ziel = ordner;
    s.Maske = name;
    return s;
}

TSchritt Umbenenne(const QString &ordner, const QString &von, const QString &nach)
{
    TSchritt s{TAktion::Umbenennen};
    s.Ziel = ordner;
    s.Quelle = von;
    s.Maske = nach;
    return s;
}

TSchritt Anleitung(const QString &datei)
{
    TSchritt s{TAktion::Anleitung};
    s.Maske = datei;
    return s;
}

TSchritt Markengrafiken(TWurzel von, const QString &quelle)
{
    TSchritt s{TAktion::Markengrafiken};
    s.Von = von;
    s.Quelle = quelle;
    return s;
}

// The category icons of the overview ("<name>16.png", "<name>32.png",
// "<name>48.png"): every edition that ships pictures needs them to show its
// overview as the program does.
TSchritt Kategoriesymbole()
{
    return K(TWurzel::P, G + QStringLiteral("ICO\\"), QStringLiteral("*.png"));
}

// A row of a build table: the variants it belongs to (empty = all).
struct TZeile {
    std::initializer_list<int> Varianten;
    TSchritt Schritt;
};

QList<TSchritt> Waehle(std::initializer_list<TZeile> tabelle, int variante)
{
    QList<TSchritt> out;
    for (const TZeile &z : tabelle) {
        bool dabei = z.Varianten.size() == 0;
        for (int v : z.Varianten)
            dabei = dabei || v == variante;
        if (dabei)
            out.append(z.Schritt);
    }
    return out;
}

QList<TSchritt> Komplettbau(int v)
{
    using W = TWurzel;
    using A = TAktion;
    return Waehle(
        {
            {{}, S(A::Zutatencheck)},
            {{0, 6}, S(A::Leeren, SatzT2)},
            {{1, 3}, S(A::Leeren, SatzT2_IAKletzt)},
            {{7, 8}, S(A::Leeren, SatzT)},
            {{}, S(A::Review)},
            {{3}, Lade(Gesamt)},
            {{0, 1, 6, 7, 8}, Lade(QStringLiteral("Lebensmittel.hbr"))},
            {{0, 1, 3, 8}, S(A::Zutatengrafiken, RegelAlle)},
            {{6}, S(A::Zutatengrafiken, RegelNur1)},
            {{7}, S(A::Zutatengrafiken, RegelBis1)},
            {{1}, Markengrafiken(W::P, GFX)},
            {{7, 8}, S(A::Basisgrafiken)},
            {{}, S(A::Nummerngrafiken)},
            {{}, K(W::P, G + QStringLiteral("PNG\\"), QStringLiteral("*.png"))},
            {{}, K(W::P, G + QStringLiteral("PNG\\IAKOCHEN\\"), QStringLiteral("*.png"))},
            {{0, 1, 3, 6}, K(W::P, G + QStringLiteral("JPG\\"), QStringLiteral("*.jpg"))},
            {{}, K(W::P, G + QStringLiteral("BMP\\"), QStringLiteral("*.bmp"))},
            {{0, 1, 3, 6}, K(W::P, G + QStringLiteral("ICO\\16_16\\"), QStringLiteral("*.ICO"))},
            {{0, 1, 3, 6}, K(W::P, G + QStringLiteral("ICO\\32_32\\"), QStringLiteral("*.ICO"))},
            {{0, 1, 3, 6}, K(W::P, G + QStringLiteral("ICO\\48_48\\"), QStringLiteral("*.ICO"))},
            {{}, Kategoriesymbole()},
            {{}, K(W::P, QStringLiteral("Recipes\\IAKochen\\"), QStringLiteral("Tutorial.IAK"))},
            {{1, 3}, K(W::P, G + QStringLiteral("PNG\\LEXIKON\\"), QStringLiteral("*.PNG"))},
            {{0, 6, 7, 8}, K(W::P, G + QStringLiteral("PNG\\LEXIKON\\"), QStringLiteral("Messbecher.PNG"))},
            {{0, 6, 7, 8}, K(W::P, G + QStringLiteral("PNG\\LEXIKON\\"), QStringLiteral("LeipzigerAllerlei.PNG"))},
            {{0, 1, 3, 6}, K(W::P, G + QStringLiteral("PNG\\FirstTipp\\"), QStringLiteral("*.png"))},
            {{0, 1, 3, 6}, K(W::M, D + QStringLiteral("FIRSTTIPP\\"), QStringLiteral("*.hbr"))},
            {{}, K(W::M, D, QStringLiteral("*.hbr"))},
            {{0, 1, 6, 7, 8}, K(W::M, D + QStringLiteral("IAKOCHEN\\"), QStringLiteral("*.hbr"))},
            {{0, 1}, K(W::M, D, Gesamt)},
            {{0, 1}, Umbenenne(D, Gesamt, Share)},
            {{6, 7, 8}, Loesche(D, Gesamt)},
            {{}, K(W::M, D, QStringLiteral("*.hrb"))},
            {{0, 1, 6, 7, 8}, Loesche(D, Rezeptindex)},
            {{3}, K(W::M, D + QStringLiteral("IAKOCHEN\\"), QStringLiteral("*.hbr"))},
            {{}, K(W::M, D, QStringLiteral("*.kop"))},
            {{}, K(W::M, D + QStringLiteral("LEXIKON\\"), QStringLiteral("*.hbd"))},
            {{}, S(A::Lexikon_Uebernahme)},
            {{0, 1, 6}, K(W::M, QStringLiteral("Recipes\\"), QStringLiteral("*.*"))},
            {{0, 1, 7, 8}, Loesche(D, Gesamt, A::Loeschen_mit_Zeile)},
            {{6}, K(W::M, D, Gesamt)},
            {{6}, Umbenenne(D, Gesamt, Share)},
            {{6}, S(A::LM_Share_pruefen)},
            {{6}, Loesche(D, Gesamt)},
            {{8}, TSchritt{A::Dateikopie, W::M, D + QStringLiteral("Lebensmittel.hbr"), {}, W::E, D + Gesamt}},
            {{7, 8}, K(W::M, D + QStringLiteral("Reigenkost\\"), QStringLiteral("*.hbr"))},
            {{3}, S(A::Schluessel)},
            {{}, S(A::Hintergrund)},
            {{0, 1, 6, 7, 8}, S(A::Schluessel)},
            {{0, 1, 3, 6}, Anleitung(QStringLiteral("Tafelwerkstatt.pdf"))},
            {{7, 8}, Anleitung(QStringLiteral("RGKAnleitung.pdf"))},
            {{}, K(W::M, D, QStringLiteral("Version.hrb"))},
            {{}, S(A::Umrechnung)},
            {{8}, K(W::P, G + QStringLiteral("PNG\\LEXIKON\\"), QStringLiteral("*.PNG"))},
            {{}, S(A::Uebernahme)},
            {{}, S(A::Fertig)},
        },
        v);
}

QList<TSchritt> Programmdatenbau()
{
    using W = TWurzel;
    using A = TAktion;
    return {
        S(A::Zutatencheck),
        S(A::Leeren, SatzT),
        S(A::Review),
        Lade(QStringLiteral("Lebensmittel.hbr")),
        K(W::M, D, QStringLiteral("*.hbr")),
        K(W::M, D + QStringLiteral("IAKOCHEN\\"), QStringLiteral("*.hbr")),
        Loesche(D, Gesamt),
        K(W::M, D, QStringLiteral("*.hrb")),
        Loesche(D, Rezeptindex),
        K(W::M, D, QStringLiteral("*.kop")),
        K(W::M, D + QStringLiteral("LEXIKON\\"), QStringLiteral("*.hbd")),
        S(A::Lexikon_Uebernahme),
        Loesche(D, Gesamt, A::Loeschen_mit_Zeile),
        TSchritt{A::Dateikopie, W::M, D + QStringLiteral("Lebensmittel.hbr"), {}, W::E, D + Gesamt},
        K(W::M, D + QStringLiteral("Reigenkost\\"), QStringLiteral("*.hbr")),
        Loesche(D, QStringLiteral("IAVTotal.hbr")),
        Loesche(D, QStringLiteral("Kommentare.hbr")),
        S(A::Schluessel),
        K(W::M, D, QStringLiteral("Version.hrb")),
        S(A::Umrechnung),
        S(A::Uebernahme),
        S(A::Fertig),
    };
}

// A master data file copied into the program folder and into the edition.
QList<TSchritt> Nach_P_und_E(const QString &ordner, const QString &name)
{
    return {K(TWurzel::M, ordner, name, TWurzel::P, ordner), K(TWurzel::M, ordner, name)};
}

QList<TSchritt> Programmdaten31bau()
{
    using W = TWurzel;
    using A = TAktion;
    QList<TSchritt> s{S(A::Zutatencheck), S(A::Leeren, SatzT2_IAKletzt), S(A::Umrechnung)};
    s += Nach_P_und_E(D, QStringLiteral("Anleitung.hbr"));
    for (const char *name : {"Lebensmittel_ALL.hbr", "Lebensmittel.hbr", "Variablen200.hbr", "IAVariablenliste.hbr"})
        s << K(W::M, D, QLatin1String(name));
    s << S(A::Review) << S(A::Uebernahme) << S(A::Fertig);
    return s;
}

QList<TSchritt> Grafikpaketbau(int v)
{
    using A = TAktion;
    return {
        S(A::Zutatencheck),
        S(A::Leeren, v == 9 ? SatzT : SatzT2),
        Lade(QStringLiteral("Lebensmittel.hbr")),
        S(A::Zutatengrafiken, v == 9 ? RegelUeber1 : RegelOhne1),
        K(TWurzel::P, G + QStringLiteral("PNG\\LEXIKON\\"), QStringLiteral("*.PNG")),
        S(A::Nur_Ready),
    };
}

QList<TSchritt> Updatebau(TBauart art)
{
    using W = TWurzel;
    using A = TAktion;
    QList<TSchritt> s;
    if (art == TBauart::UpdateA) {
        const QString alt = QStringLiteral("Zutaten_GFX_10_2008\\GFXZUTAT\\ENG\\");
        s << S(A::Zutatencheck) << S(A::Leeren, SatzUpdateA) << S(A::Review) << Lade(Gesamt)
          << K(W::M, alt, QStringLiteral("*.png"), W::E, GFX) << Markengrafiken(W::M, alt)
          << K(W::P, G + QStringLiteral("PNG\\"), QStringLiteral("*.png"))
          << K(W::P, G + QStringLiteral("BMP\\"), QStringLiteral("*.bmp"));
        for (const char *ico : {"ICO\\16_16\\", "ICO\\32_32\\", "ICO\\48_48\\"})
            s << K(W::P, G + QLatin1String(ico), QStringLiteral("*.ICO"));
        s << Kategoriesymbole() << K(W::P, G + QStringLiteral("PNG\\LEXIKON\\"), QStringLiteral("*.PNG"))
          << K(W::M, D, QStringLiteral("*.hbr")) << K(W::M, D, QStringLiteral("*.hrb"))
          << K(W::M, D, QStringLiteral("*.kop")) << K(W::M, D + QStringLiteral("LEXIKON\\"), QStringLiteral("*.hbd"))
          << S(A::Schluessel) << S(A::Hintergrund) << Anleitung(QStringLiteral("Tafelwerkstatt.pdf"))
          << K(W::M, D, QStringLiteral("Version.hrb"))
          // An update never ships the user's databases under their plain
          // names: two are left out, the verb list is taken over.
          << Loesche(D, QStringLiteral("Variablen200.hbr")) << Loesche(D, QStringLiteral("Lebensmittel.hbr"))
          << Umbenenne(D, QStringLiteral("IAVariablenliste.hbr"), VerbenNeu) << S(A::Fertig);
    } else if (art == TBauart::UpdateB) {
        s << S(A::Leeren, SatzUpdateB) << Anleitung(QStringLiteral("Tafelwerkstatt.pdf"))
          << Nach_P_und_E(D, QStringLiteral("Anleitung.hbr")) << Nach_P_und_E(D, QStringLiteral("RICNEU.hbr"))
          << Nach_P_und_E(D, QStringLiteral("RICWerteNEU.hbr")) << K(W::M, D, Gesamt) << S(A::Review)
          << S(A::Fertig);
    } else {
        s << S(A::Leeren, SatzUpdateC) << S(A::Review) << Anleitung(QStringLiteral("Tafelwerkstatt.pdf"))
          << Nach_P_und_E(D, QStringLiteral("Anleitung.hbr"))
          // Shipped for the take-over, which adds the new ingredients to the
          // user's database instead of replacing it.
          << K(W::M, D, QStringLiteral("Lebensmittel.hbr"))
          << Umbenenne(D, QStringLiteral("Lebensmittel.hbr"), LebensmittelNeu)
          << Nach_P_und_E(D, QStringLiteral("RICNEU.hbr")) << Nach_P_und_E(D, QStringLiteral("RICWerteNEU.hbr"))
          << S(A::Fertig);
    }
    return s;
}

QList<TSchritt> Lexikonbau(int v)
{
    using W = TWurzel;
    using A = TAktion;
    const QString lex = D + QStringLiteral("LEXIKON\\");
    QList<TSchritt> s{
        S(A::Leeren, SatzLexikon),
        K(W::M, D, QStringLiteral("nenoitpo.kop")),
        K(W::M, D, QStringLiteral("Version.hrb")),
        K(W::M, lex, QStringLiteral("*.hbd")),
        K(W::M, lex, QStringLiteral("*.hbr")),
        K(W::M, lex, QStringLiteral("Lexikon.hbd"), W::P, lex),
        S(A::Lexikon_Uebernahme),
        K(W::M, lex, QStringLiteral("Anleitung.hbr"), W::P, lex),
        S(A::Lexikon_laden),
        S(A::Lexikongrafiken),
        K(W::P, G + QStringLiteral("PNG\\"), QStringLiteral("*.png")),
        Kategoriesymbole(),
    };
    // No wizard, rating, printer or cooking-device pictures.
    const QString png = G + QStringLiteral("PNG\\");
    for (const char *maske : {"Wizard*.png", "*sterne.png", "drucker.png"})
        s << Loesche(png, QLatin1String(maske), A::Loeschen_Maske);
    for (size_t i = 1; i <= 18; ++i)
        s << Loesche(png, Kochgeraetenamen[i] + QStringLiteral(".png"), A::Loeschen_Maske);
    if (v == 4)
        s << S(A::Hintergrund) << S(A::Schluessel);
    else
        s << S(A::Schluessel) << S(A::Hintergrund);
    s << S(A::Fertig);
    return s;
}

QList<TSchritt> Englischbau(int form)
{
    using W = TWurzel;
    using A = TAktion;
    if (form == 13)
        return {S(A::Englischcheck), S(A::Review), S(A::Fertig)};
    QList<TSchritt> s{
        S(A::Englischcheck),
        S(A::Leeren, SatzEnglisch),
        S(A::Review),
        S(A::Englisch_laden),
        S(A::Zutatengrafiken, RegelOhne1000),
        K(W::M, QStringLiteral("Recipes\\"), QStringLiteral("*.*")),
        K(W::P, G + QStringLiteral("PNG\\"), QStringLiteral("*.png")),
        K(W::P, G + QStringLiteral("JPG\\"), QStringLiteral("*.jpg")),
        K(W::P, G + QStringLiteral("BMP\\"), QStringLiteral("*.bmp")),
        K(W::P, G + QStringLiteral("PNG\\IAKOCHEN\\"), QStringLiteral("*.png")),
    };
    for (const char *ico : {"ICO\\16_16\\", "ICO\\32_32\\", "ICO\\48_48\\"})
        s << K(W::P, G + QLatin1String(ico), QStringLiteral("*.ICO"));
    s << Kategoriesymbole() << K(W::P, G + QStringLiteral("PNG\\FirstTipp\\"), QStringLiteral("*.png"))
      << K(W::M, D + QStringLiteral("FIRSTTIPP\\"), QStringLiteral("*.hbr")) << K(W::M, D, QStringLiteral("*.hbr"))
      << K(W::M, D, QStringLiteral("*.hrb")) << Loesche(D, Rezeptindex) << K(W::M, D, QStringLiteral("*.kop"))
      << S(A::Hintergrund) << S(A::Schluessel) << Anleitung(QStringLiteral("TablecraftWorks.pdf"))
      << K(W::M, D, QStringLiteral("Version.hrb"))
      << Umbenenne(D, QStringLiteral("Lebensmittel.hbr"), LebensmittelNeu)
      << Umbenenne(D, QStringLiteral("Variablen200.hbr"), VariablenNeu) << S(A::Fertig);
    return s;
}

// --- running the steps ---------------------------------------------------------

struct TLauf {
    QString R, M, E;

    QString Wurzel(TWurzel w) const
    {
        switch (w) {
        case TWurzel::P:
            return Programmverzeichnis;
        case TWurzel::M:
            return M;
        case TWurzel::E:
            break;
        }
        return E;
    }
};

bool Ist_einfacher_Name(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char('/'))
        && name != QLatin1String("..") && name != QLatin1String(".");
}

void Lade_Masterzutaten(const TLauf &l, const QString &datei)
{
    Zutatentotal.clear();
    // The program's own copy is no master: nothing loads when the master
    // copy did not arrive.
    if (!Kopiere_Dateien(l.M + D, datei, Programmverzeichnis + D))
        return;
    if (!Lade_Zutaten(Load | Alle, datei)) {
        Zutatentotal.clear();
        Zeile(ProtokollFehler, QStringLiteral("Zutatendatei nicht geladen: ") + Programmverzeichnis + D + datei);
    }
}

void Kopiere_Zutatengrafiken(const TLauf &l, int regel)
{
    for (const TTZutatentotal &r : std::as_const(Zutatentotal)) {
        QString grafik = r.Grafik();
        if (grafik.isEmpty() || !Regel_erlaubt(regel, r.Kategorie))
            continue;
        QString unter;
        QString name = grafik;
        if (grafik.contains(QLatin1Char('\\'))) {
            unter = Ermittle_Verzeichnis(grafik);
            if (unter.startsWith(QLatin1Char('\\')))
                unter.remove(0, 1);
            name = Ermittle_Dateiname(grafik);
        }
        // A picture path from the database never leads out of the picture
        // folder.
        if (!platform::isSafeRelativePath(GFX + unter + name)) {
            Zeile(ProtokollFehler, QStringLiteral("Grafikpfad nicht erlaubt: ") + grafik);
            continue;
        }
        if (platform::fileExists(Programmverzeichnis + GFX + unter + name))
            Kopiere_Dateien(Programmverzeichnis + GFX + unter, name, l.E + GFX + unter);
    }
}

void Kopiere_Lexikongrafiken(const TLauf &l)
{
    const QString lexikon = G + QStringLiteral("PNG\\LEXIKON\\");
    for (const TTLexikon &e : std::as_const(GlobalLexikon)) {
        if (e.Grafik.isEmpty()) {
            Zeile(ProtokollFehler, QStringLiteral("Herdfibelgrafikdatei nicht vorhandden: ") + e.Begriff);
        } else if (e.Grafik.contains(QStringLiteral("-\\"))) {
            // "-\" starts a path relative to the base folder.
            const QString unter = Ermittle_Verzeichnis(e.Grafik).mid(2);
            const QString name = Ermittle_Dateiname(e.Grafik);
            if (!platform::isSafeRelativePath(unter + name))
                Zeile(ProtokollFehler, QStringLiteral("Grafikpfad nicht erlaubt: ") + e.Grafik);
            else
                Kopiere_Dateien(Programmverzeichnis + unter, name, l.E + unter);
        } else if (!platform::isSafeRelativePath(lexikon + e.Grafik)) {
            Zeile(ProtokollFehler, QStringLiteral("Grafikpfad nicht erlaubt: ") + e.Grafik);
        } else {
            Kopiere_Dateien(Programmverzeichnis + lexikon, e.Grafik, l.E + lexikon);
        }
    }
}

void Hintergrund_zuruecksetzen(const TLauf &l)
{
    // The edition ships its plain background under the name of the current
    // one; when that is the plain background itself nothing is to be done.
    const QString png = l.E + G + QStringLiteral("PNG\\");
    if (!Ist_einfacher_Name(Hintergrundgrafik)
        || Hintergrundgrafik.compare(QLatin1String("Original.png"), Qt::CaseInsensitive) == 0)
        return;
    if (!Kopiere_Datei(png + QStringLiteral("Original.png"), png + Hintergrundgrafik))
        Zeile(ProtokollFehler, QStringLiteral("Hintergrund nicht kopiert: ") + png + Hintergrundgrafik);
}

void Benenne_um(const QString &ordner, const QString &von, const QString &nach)
{
    // A database left under its plain name would overwrite the user's own
    // one, so a rename that fails is reported.
    if (platform::fileExists(ordner + von) && !platform::renameFile(ordner + von, ordner + nach))
        Zeile(ProtokollFehler, QStringLiteral("FEHLER: Benenne Datei um: ") + ordner + von);
}

void Starte_Review(const TLauf &l)
{
    platform::startProgram(QStringLiteral("notepad.exe"), {platform::nativePath(l.E + QStringLiteral("history.txt"))},
                           QString());
}

void Fuehre_aus(const TLauf &l, const TSchritt &s)
{
    const QString von = l.Wurzel(s.Von) + s.Quelle;
    const QString nach = l.Wurzel(s.Nach) + s.Ziel;
    switch (s.Aktion) {
    case TAktion::Zutatencheck:
        Checke_Lebensmittel(l.R);
        break;
    case TAktion::Englischcheck:
        Checke_Lebensmittel_ENG(l.R);
        break;
    case TAktion::Leeren:
        for (const QString &ordner : Ordnersatz(s.Wert))
            Loesche_Verzeichnisdateien(l.E + ordner);
        break;
    case TAktion::Review:
        Starte_Review(l);
        break;
    case TAktion::Lade_Master:
        Lade_Masterzutaten(l, s.Maske);
        break;
    case TAktion::Englisch_laden:
        Zutatentotal.clear();
        platform::makeFolder(Programmverzeichnis + D + EnglischOrdner);
        if (Kopiere_Dateien(l.M + D, QStringLiteral("Lebensmittel.hbr"), Programmverzeichnis + D + EnglischOrdner)
            && !Lade_Zutaten(Load | Alle, EnglischOrdner + QStringLiteral("Lebensmittel.hbr"))) {
            Zutatentotal.clear();
            Zeile(ProtokollFehler, QStringLiteral("Zutatendatei nicht geladen: ") + Programmverzeichnis + D
                                       + EnglischOrdner + QStringLiteral("Lebensmittel.hbr"));
        }
        break;
    case TAktion::Zutatengrafiken:
        Kopiere_Zutatengrafiken(l, s.Wert);
        break;
    case TAktion::Markengrafiken:
        for (const QString &b : Markennamen)
            Kopiere_Dateien(von + b + QLatin1Char('\\'), QStringLiteral("*.png"), l.E + GFX + b + QLatin1Char('\\'));
        break;
    case TAktion::Basisgrafiken:
        for (const char *name : {"Salz.png", "Pfeffer (gemahlen).png", "Öl.png", "Mehl.png", "Margarine.png",
                                 "Butter.png", "Minigurken.png", "Salatgurke.png", "FeinsterZucker.PNG",
                                 "eier_6er.PNG", "VanilleZucker.PNG", "Backpulver.PNG", "Wasser.PNG",
                                 "Sahne (Schlagsahne).PNG"})
            Kopiere_Dateien(Programmverzeichnis + GFX, QString::fromUtf8(name), l.E + GFX);
        break;
    case TAktion::Nummerngrafiken:
        for (int i = 0; i <= 20; ++i) {
            const QString name = QString::number(i) + QStringLiteral(".png");
            if (platform::fileExists(Programmverzeichnis + GFX + name))
                Kopiere_Dateien(Programmverzeichnis + GFX, name, l.E + GFX);
        }
        break;
    case TAktion::Kopieren:
        Kopiere_Dateien(von, s.Maske, nach);
        break;
    case TAktion::Loeschen:
        platform::removeFile(nach + s.Maske);
        break;
    case TAktion::Loeschen_mit_Zeile:
        platform::removeFile(nach + s.Maske);
        Zeile(ProtokollOK, QStringLiteral("Lösche Datei: ") + nach + s.Maske);
        break;
    case TAktion::Loeschen_Maske:
        Loesche_Dateien(nach, s.Maske);
        break;
    case TAktion::Umbenennen:
        Benenne_um(nach, s.Quelle, s.Maske);
        break;
    case TAktion::Dateikopie:
        if (!Kopiere_Datei(von, nach))
            Zeile(ProtokollFehler, QStringLiteral("Nicht kopiert: ") + von + QStringLiteral(" -> ") + nach);
        break;
    case TAktion::Hintergrund:
        Hintergrund_zuruecksetzen(l);
        break;
    case TAktion::Schluessel:
        for (const char *name : {"Pfirsich__.png", "Sossenbinder__.png"})
            Kopiere_Dateien(l.M + QStringLiteral("FTP_KEYS\\READY\\"), QLatin1String(name), l.E + GFX);
        break;
    case TAktion::Anleitung:
        Kopiere_Dateien(l.M + QStringLiteral("Anleitung\\"), s.Maske, Programmverzeichnis);
        Kopiere_Dateien(l.M + QStringLiteral("Anleitung\\"), s.Maske, l.E);
        break;
    case TAktion::Umrechnung:
        for (const char *name : {"RICNEU.hbr", "RICWerteNEU.hbr"}) {
            Kopiere_Dateien(l.M + D, QLatin1String(name), l.E + D);
            Kopiere_Dateien(l.M + D, QLatin1String(name), Programmverzeichnis + D);
        }
        break;
    case TAktion::Uebernahme:
        Benenne_um(l.E + D, QStringLiteral("IAVariablenliste.hbr"), VerbenNeu);
        Benenne_um(l.E + D, QStringLiteral("Lebensmittel.hbr"), LebensmittelNeu);
        Benenne_um(l.E + D, QStringLiteral("Variablen200.hbr"), VariablenNeu);
        break;
    case TAktion::Lexikon_Uebernahme:
        Benenne_um(l.E + D + QStringLiteral("LEXIKON\\"), QStringLiteral("Lexikon.hbd"), LexikonNeu);
        break;
    case TAktion::Lexikon_laden:
        Zutatentotal.clear();
        GlobalLexikon.clear();
        if (!Lade_Lexikon(Load, -1, QString()))
            Zeile(ProtokollFehler, QStringLiteral("Lexikon nicht geladen: ") + Programmverzeichnis + D
                                       + QStringLiteral("LEXIKON\\Lexikon.hbd"));
        break;
    case TAktion::Lexikongrafiken:
        Kopiere_Lexikongrafiken(l);
        break;
    case TAktion::LM_Share_pruefen:
        if (platform::fileExists(l.E + D + Share))
            Zeile(ProtokollOK, QStringLiteral("Benenne Datei um: ") + l.E + D + Share);
        else
            Zeile(ProtokollFehler, QStringLiteral("FEHLER: Benenne Datei um: ") + l.E + D + Share);
        break;
    case TAktion::Fertig:
        Zeile(ProtokollOK, QStringLiteral("Ready."));
        Zeige_Meldung(QStringLiteral("Noch das EXE kopieren!"), QStringLiteral("Fertig:"), Knopf_OK);
        break;
    case TAktion::Nur_Ready:
        Zeile(ProtokollOK, QStringLiteral("Ready."));
        break;
    }
}

// --- the prelude -------------------------------------------------------------------

// The copy check: the copy's own result decides the line.
void Kopie_mit_Pruefung(const QString &quelle, const QString &ziel, const QString &genannt)
{
    if (Kopiere_Datei(quelle, ziel))
        Zeile(ProtokollOK, QStringLiteral("Copying ") + genannt);
    else
        Zeile(ProtokollFehler, QStringLiteral("Copy-FAILURE ") + genannt);
}

void Laengenpruefung(const QString &pfad)
{
    const QFileInfo info(platform::nativePath(pfad));
    if (!info.isFile() || info.size() == 0)
        Zeile(ProtokollFehler, QStringLiteral("Copy-FAILURE (Length=0): ") + pfad);
}

// Protocol labels of the editions (the list's text stands above them).
QString Protokolltitel(int edition)
{
    static const char *const titel[] = {
        "Komplette Edition, Variante 0", "Komplette Edition mit Markengrafiken", "Markengrafikpaket",
        "Komplette Edition mit Gesamtdatenbank", "Lexikon-Edition", "Lexikon-Edition mit Update",
        "", "Edition ohne Tipps", "Edition mit Gesamtdatenbank = Lebensmittel", "Grafikpaket (Gruppen ab 2)",
        "Grafikpaket (ohne Gruppe 1)", "Programmdaten", "Englische Edition", "Englische Zutatenprüfung",
    };
    return edition >= 0 && edition < int(std::size(titel)) ? QString::fromUtf8(titel[edition]) : QString();
}

QString Sauberer_Pfad(const QString &pfad)
{
    return QDir::cleanPath(QString(pfad).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

bool Liegt_in(const QString &innen, const QString &aussen)
{
    return innen == aussen || innen.startsWith(aussen.endsWith(QLatin1Char('/')) ? aussen : aussen + QLatin1Char('/'));
}
} // namespace

// --- choice --------------------------------------------------------------------------

TBau Waehle_Bau(int edition, int paket)
{
    auto bau = [](TBauart art, int variante, const char *ordner) {
        return TBau{art, variante, QString::fromLatin1(ordner)};
    };
    // The tests of the run table, in its order; at most one matches.
    if ((edition == 0 || edition == 1) && paket == -1)
        return bau(TBauart::Komplett, edition, edition == 0 ? "Edition_0\\" : "Edition_1\\");
    if ((edition == 0 || edition == 1) && paket == 4)
        return bau(TBauart::UpdateC, -1, "Update_C\\");
    if (edition == 2)
        return bau(TBauart::Marken, 2, "Markengrafiken\\");
    if (edition == 3 && paket == -1)
        return bau(TBauart::Komplett, 3, "Edition_3\\");
    if (edition == 3 && paket == 0)
        return bau(TBauart::UpdateA, -1, "Update_A\\");
    if (edition == 3 && paket == 1)
        return bau(TBauart::Programmdaten31, 3, "Programmdaten_3_1\\");
    if (edition == 3 && paket == 3)
        return bau(TBauart::UpdateB, -1, "Update_B\\");
    if (edition == 4)
        return bau(TBauart::Lexikon, 4, "Lexikon_4\\");
    if (edition == 5 && paket == -1)
        return bau(TBauart::Lexikon, 5, "Lexikon_5\\");
    if (paket == -1) {
        switch (edition) {
        case 6:
            return bau(TBauart::Komplett, 6, "Edition_6\\");
        case 7:
            return bau(TBauart::Komplett, 7, "Edition_7\\");
        case 8:
            return bau(TBauart::Komplett, 8, "Edition_8\\");
        case 9:
            return bau(TBauart::Grafikpaket, 9, "Grafikpaket_9\\");
        case 10:
            return bau(TBauart::Grafikpaket, 10, "Grafikpaket_10\\");
        case 11:
            return bau(TBauart::Programmdaten, 11, "Programmdaten_11\\");
        default:
            break;
        }
    }
    if (edition == 12)
        return bau(TBauart::Englisch, 12, "Edition_ENG\\");
    if (edition == 13)
        return bau(TBauart::Englisch, 13, "Edition_ENG_Pruefung\\");
    return {};
}

QStringList Ordnersatz(int satz)
{
    QStringList marken;
    for (const QString &b : Markennamen)
        marken << GFX + b + QLatin1Char('\\');
    const QString iak = G + QStringLiteral("PNG\\IAKOCHEN\\");
    const QStringList ico{G + QStringLiteral("ICO\\"), G + QStringLiteral("ICO\\16_16\\"),
                          G + QStringLiteral("ICO\\32_32\\"), G + QStringLiteral("ICO\\48_48\\")};
    switch (satz) {
    case SatzT:
    case SatzT2:
    case SatzT2_IAKletzt: {
        QStringList s{QStringLiteral("DRUCKTEMP\\"), GFX};
        s += marken;
        if (satz != SatzT2_IAKletzt)
            s << iak;
        s << G << G + QStringLiteral("PNG\\") << G + QStringLiteral("JPG\\") << G + QStringLiteral("BMP\\");
        s += ico;
        s << G + QStringLiteral("PNG\\LEXIKON\\") << D << D + QStringLiteral("IAKOCHEN\\")
          << D + QStringLiteral("LEXIKON\\");
        if (satz == SatzT)
            s << D + QStringLiteral("Reigenkost\\");
        s << QStringLiteral("Recipes\\") << QStringLiteral("PreparedRecipes\\") << D + QStringLiteral("FIRSTTIPP\\")
          << G + QStringLiteral("PNG\\FirstTipp\\");
        if (satz == SatzT2_IAKletzt)
            s << iak;
        return s;
    }
    case SatzUpdateA:
    case SatzUpdateB:
    case SatzUpdateC: {
        QStringList s{QStringLiteral("DRUCKTEMP\\")};
        if (satz == SatzUpdateA)
            s << GFX;
        s += marken;
        s << G << G + QStringLiteral("PNG\\") << G + QStringLiteral("BMP\\");
        if (satz != SatzUpdateB)
            s << G + QStringLiteral("JPG\\");
        s += ico;
        s << G + QStringLiteral("PNG\\LEXIKON\\") << D << D + QStringLiteral("LEXIKON\\") << QStringLiteral("Recipes\\")
          << QStringLiteral("PreparedRecipes\\");
        return s;
    }
    case SatzLexikon:
        return QStringList{GFX} + marken
            + QStringList{G, G + QStringLiteral("PNG\\"), G + QStringLiteral("BMP\\"), G + QStringLiteral("ICO\\"),
                          G + QStringLiteral("PNG\\LEXIKON\\"), D, D + QStringLiteral("LEXIKON\\")};
    case SatzEnglisch:
        return QStringList{QStringLiteral("DRUCKTEMP\\"), GFX, G, G + QStringLiteral("PNG\\"), iak,
                           G + QStringLiteral("JPG\\"), G + QStringLiteral("BMP\\")}
            + ico
            + QStringList{D, QStringLiteral("Recipes\\"), QStringLiteral("PreparedRecipes\\"),
                          D + QStringLiteral("FIRSTTIPP\\"), G + QStringLiteral("PNG\\FirstTipp\\")};
    case SatzMarken:
        return QStringList{GFX} + marken;
    default:
        return {};
    }
}

bool Regel_erlaubt(int regel, qint32 kategorie)
{
    switch (regel) {
    case RegelNur1:
        return kategorie == 1;
    case RegelBis1:
        return kategorie <= 1;
    case RegelOhne1:
        return kategorie != 1;
    case RegelUeber1:
        return kategorie > 1;
    case RegelOhne1000:
        return kategorie != 1000;
    default:
        return true;
    }
}

QList<TSchritt> Bauschritte(const TBau &bau)
{
    switch (bau.Art) {
    case TBauart::Komplett:
        return Komplettbau(bau.Variante);
    case TBauart::UpdateA:
    case TBauart::UpdateB:
    case TBauart::UpdateC:
        return Updatebau(bau.Art);
    case TBauart::Marken:
        return {S(TAktion::Leeren, SatzMarken), Markengrafiken(TWurzel::P, GFX), S(TAktion::Nur_Ready)};
    case TBauart::Lexikon:
        return Lexikonbau(bau.Variante);
    case TBauart::Grafikpaket:
        return Grafikpaketbau(bau.Variante);
    case TBauart::Programmdaten:
        return Programmdatenbau();
    case TBauart::Programmdaten31:
        return Programmdaten31bau();
    case TBauart::Englisch:
        return Englischbau(bau.Variante);
    case TBauart::Keine:
        break;
    }
    return {};
}

bool Editionsordner_erlaubt(const QString &edition, const QString &programm, const QString &masterpfad)
{
    const QString e = Sauberer_Pfad(platform::nativePath(edition));
    const QString p = Sauberer_Pfad(platform::nativePath(programm));
    const QString r = Sauberer_Pfad(platform::nativePath(masterpfad));
    if (e.isEmpty())
        return false;
    return !Liegt_in(p, e) && !Liegt_in(r, e);
}

void Mastere_Vorlauf(const QString &masterpfad)
{
    const QString p = Programmverzeichnis + D;
    const QString m = masterpfad + QStringLiteral("Masterdaten\\") + D;
    Lade_Optionen(Load);
    Erstelle_Optionen();
    Zeile(ProtokollOK, QStringLiteral("Erstelle Optionen..."));
    Kopie_mit_Pruefung(p + QStringLiteral("nenoitpo.kop"), m + QStringLiteral("nenoitpo.kop"),
                       m + QStringLiteral("nenoitpo.kop"));

    // The verb list is rewritten in the current format, but only from a
    // master copy that arrived and loaded: the program's own list never goes
    // back as the master.
    const QString verben = QStringLiteral("IAVariablenliste.hbr");
    if (Kopiere_Datei(m + verben, p + verben) && Lade_IAVerben(Load) == 0) {
        Lade_IAVerben(Save);
        Zeile(ProtokollOK, QStringLiteral("Erstelle IA-Verben..."));
        Kopie_mit_Pruefung(p + verben, m + verben, m + verben);
    } else {
        Zeile(ProtokollFehler, QStringLiteral("Copy-FAILURE ") + m + verben);
    }

    Kopie_mit_Pruefung(m + QStringLiteral("IAVariablenlisteBAK.hbr"), p + QStringLiteral("IAVariablenlisteBAK.hbr"),
                       p + QStringLiteral("IAVariablenlisteBAK.hbr"));
    Laengenpruefung(p + QStringLiteral("IAVariablenlisteBAK.hbr"));
    Kopie_mit_Pruefung(m + QStringLiteral("IAVTotal.hbr"), p + QStringLiteral("IAVTotal.hbr"),
                       p + QStringLiteral("IAVTotal.hbr"));
    Laengenpruefung(p + QStringLiteral("IAVTotal.hbr"));

    Erstelle_RMListe();
    Kopie_mit_Pruefung(p + Rezeptindex, m + Rezeptindex, m + Rezeptindex);
}

void Mastere_Vorlauf_ENG(const QString &masterpfad)
{
    const QString m = masterpfad + QStringLiteral("Masterdaten\\") + D + EnglischOrdner;
    Lade_Optionen(Load);
    Erstelle_Optionen();
    Zeile(ProtokollOK, QStringLiteral("Generate options..."));
    platform::makeFolder(m);
    Kopie_mit_Pruefung(Programmverzeichnis + D + QStringLiteral("nenoitpo.kop"), m + QStringLiteral("nenoitpo.kop"),
                       m + QStringLiteral("nenoitpo.kop"));
}

void Fuehre_Bau_aus(const QString &masterpfad, const TBau &bau)
{
    const TLauf l{masterpfad, masterpfad + QStringLiteral("Masterdaten\\"), masterpfad + bau.Ordner};
    for (const TSchritt &s : Bauschritte(bau))
        Fuehre_aus(l, s);
}

void Checke_Lebensmittel_ENG(const QString &masterpfad)
{
    // Both databases pass through the English working folder: in from the
    // master, default units emptied, counted, saved, back to the master.
    platform::makeFolder(Programmverzeichnis + D + EnglischOrdner);
    const QStringList namen{QStringLiteral("Lebensmittel.hbr"), Gesamt};
    for (int pass = 0; pass < 2; ++pass) {
        const QString name = namen[pass];
        const QString master = Masterdatei(masterpfad, name);
        const QString arbeit = Programmverzeichnis + D + EnglischOrdner + name;
        Zutatentotal.clear();
        if (!Kopiere_Datei(master, arbeit)) {
            Zeile(ProtokollFehler, QStringLiteral("Copy-FAILURE ") + Lokale_Datei(name));
            continue;
        }
        Zeile(ProtokollOK, QStringLiteral("Copying ") + Lokale_Datei(name));
        Laengenpruefung(arbeit);
        if (!Lade_Zutaten(Load | Alle, EnglischOrdner + name)) {
            Zeile(ProtokollFehler, QStringLiteral("Zutatendatei nicht geladen: ") + Lokale_Datei(name));
            continue;
        }
        Zeile(ProtokollOK, QStringLiteral("Zutatendatei: ") + Lokale_Datei(name));
        Zeile(ProtokollOK, QStringLiteral("Geladene Zutaten: ") + QString::number(Zutatentotal.size()));
        if (pass == 1)
            Entferne_Endpunkte(Zutatentotal);
        for (TTZutatentotal &r : Zutatentotal)
            r.Standardeinheit().clear();
        const TZutatenzaehler z = Zaehle_Zutaten(Zutatentotal);
        const bool gespeichert = Lade_Zutaten(Save, EnglischOrdner + name);
        if (!gespeichert)
            Zeile(ProtokollFehler, QStringLiteral("Zutatendatei nicht gespeichert: ") + Lokale_Datei(name));
        Schreibe_Zutatenzaehler(z, qint32(Zutatentotal.size()), pass == 1);
        if (gespeichert)
            Kopiere_zum_Master(arbeit, master, QStringLiteral("Back-Copying "), QStringLiteral("Back-Copy-FAILURE "));
        Zeile(ProtokollOK, QStringLiteral("Ready."));
        Zeile(ProtokollOK, QString());
    }
    Zutatentotal.clear();
}

void Mastere_ENG(const QString &masterpfad, int edition)
{
    Fuehre_Bau_aus(masterpfad, Waehle_Bau(edition, -1));
}

bool Mastere_Edition(const QString &root, int edition, int paket, const QString &editionstext,
                     const QString &pakettext)
{
    const QString masterpfad = Normalisiere_Masterpfad(root);
    Zeile(ProtokollOK, editionstext);
    const QString titel = Protokolltitel(edition);
    if (!titel.isEmpty())
        Zeile(ProtokollOK, titel);
    if ((edition == 3 || edition == 5) && paket >= 0) {
        Zeile(ProtokollOK, QStringLiteral("UPDATE: ") + QString::number(paket));
        Zeile(ProtokollOK, pakettext);
    }

    // Nothing is touched unless there is a build, a master tree and an
    // edition folder that holds neither the program nor the master data.
    const TBau bau = Waehle_Bau(edition, paket);
    if (bau.Art == TBauart::Keine) {
        Zeile(ProtokollFehler, QStringLiteral("Kein Build für Edition ") + QString::number(edition)
                                   + QStringLiteral(" mit Update ") + QString::number(paket));
        return false;
    }
    if (!Pruefe_Masterpfad(masterpfad))
        return false;
    const QString e = masterpfad + bau.Ordner;
    if (!Editionsordner_erlaubt(e, Programmverzeichnis, masterpfad)) {
        Zeile(ProtokollFehler, QStringLiteral("Editionsordner enthält Programm oder Masterdaten: ") + e);
        return false;
    }

    if (edition == 12)
        Mastere_Vorlauf_ENG(masterpfad);
    else if (edition != 13)
        Mastere_Vorlauf(masterpfad);
    if (bau.Art == TBauart::Englisch)
        Mastere_ENG(masterpfad, edition);
    else
        Fuehre_Bau_aus(masterpfad, bau);
    return true;
}
