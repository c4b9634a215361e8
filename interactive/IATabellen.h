#pragma once
// The kitchen's fixed vocabulary: the 16 devices and their pictures, the 43
// verb icons with their hints, the intermediate products and their articles,
// the preheat sentences and the English device captions of an exported
// recipe. Pictures lie in Grafiken\ENG\PNG\IAKOCHEN\ below the base folder.
#include <QString>
#include <array>

#include "core/Globals.h"

// Device 16 is the scale, shown in place of a device.
constexpr int IAWaage = 16;
constexpr int AnzahlVerbsymbole = 43;
constexpr int AnzahlZwischenprodukte = 15;

// Folder of every kitchen picture, relative to the base folder.
extern const QString IAGrafikordner; // "Grafiken\\ENG\\PNG\\IAKOCHEN\\"

struct TTIAGeraet {
    QString Name;        // German name, "Topf"
    QString Icon;        // device icon of the left column, "Topf_Icon.png"
    QString Kueche;      // kitchen background, "K_Topf.png"
    QString Verlauf;     // small icon of the device history, "Topf_Ic.png"
    QString Gruen;       // verb editor: device allowed
    QString Rot;         // verb editor: device blocked
    QString Hinweis;     // verb editor's device name, "Kochtopf"
    bool Zeit = false;   // the device shows the time slider
    bool Grad = false;   // the device shows the temperature slider
    quint8 Schalter = 0; // 0: the device is present
};
extern const std::array<TTIAGeraet, AnzahlGeraete> IAGeraete;

// The scale's icon and picture.
extern const QString IAWaageIcon;  // "Waage_Icon.png"
extern const QString IAWaageBild;  // "K_Kuechenwaage.png"

struct TTIAVerbsymbol {
    QString Bild;        // "Topf_VI.png"
    QString Hervorgehoben; // "Topf_VI_G.png"
    QString Hinweis;     // "Dem Verb einen Topf als Symbol zuordnen"
    qint32 Produkt = 0;  // intermediate product 1..15 the verb makes, 0 none
};
extern const std::array<TTIAVerbsymbol, AnzahlVerbsymbole> IAVerbsymbole;

struct TTIAZwischenprodukt {
    QString Zutatname; // key name in the ingredient database, "Die Sauce ..."
    QString Einheit;   // "Portion(en)"
    qint32 Symbol = 0; // the verb icon that makes it
};
// Index 0 is product 1.
extern const std::array<TTIAZwischenprodukt, AnzahlZwischenprodukte> IAZwischenprodukte;

// The article a product's display name takes in a sentence about it alone
// ("Die " for "Sauce"); empty for any other name.
QString Artikel_fuer_Produkt(const QString &anzeigename);

// Prefix of the preheat sentence of a device ("Den Backofen auf "); empty for
// a device that cannot be preheated.
QString Vorheizpraefix(qint32 geraet);

// The English caption (one of Kochgeraetenamen) of a kitchen device in an
// exported recipe's device list; empty for the board, the bowl, the baking
// tray and anything outside 0..15.
QString Exportgeraetename(qint32 geraet);

// Picture paths below the base folder (Programmverzeichnis + folder + name);
// empty for an index out of range.
QString IAGrafik(const QString &name);
QString Verlaufsgrafik(qint32 geraet);
QString Zutatengruppengrafik(qint32 gruppe);
