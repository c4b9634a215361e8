#include "core/Tabellen.h"

#include <QWidget>

#include "platform/CodePage.h"
#include "platform/Colors.h"

const std::array<QString, AnzahlKategorien> Kategoriemasken = {
    QStringLiteral("*.KRP"), QStringLiteral("*.BRP"), QStringLiteral("*.DRP"), QStringLiteral("*.SRP"),
    QStringLiteral("*.URP"), QStringLiteral("*.ORP"), QStringLiteral("*.ARP"), QStringLiteral("*.VRP"),
    QStringLiteral("*.VGR"), QStringLiteral("*.FRP"), QStringLiteral("*.MRP"), QStringLiteral("*.PRP"),
    QStringLiteral("*.NRP"), QStringLiteral("*.RRP"), QStringLiteral("*.KAR"), QStringLiteral("*.AUF"),
    QStringLiteral("*.BTR"), QStringLiteral("*.TRP"), QStringLiteral("*.PLR"), QStringLiteral("*.ERP"),
    QStringLiteral("*.GRP")};

const std::array<QString, AnzahlKategorien> Kategorieabschnitte = {
    QStringLiteral("[KOCHREZEPT]:"),      QStringLiteral("[BACKREZEPT]:"),
    QStringLiteral("[DESSERTREZEPT]:"),   QStringLiteral("[SALATREZEPT]:"),
    QStringLiteral("[SUPPENREZEPT]:"),    QStringLiteral("[SOSSENREZEPT]:"),
    QStringLiteral("[ANTIPASTIREZEPT]:"), QStringLiteral("[VORSPEISENREZEPT]:"),
    QStringLiteral("[VEGETARISCHREZEPT]:"), QStringLiteral("[FISCHREZEPT]:"),
    QStringLiteral("[FLEISCHREZEPT]:"),   QStringLiteral("[GEFLUEGELREZEPT]:"),
    QStringLiteral("[NUDELREZEPT]:"),     QStringLiteral("[REISREZEPT]:"),
    QStringLiteral("[KARTOFFELREZEPT]:"), QStringLiteral("[AUFLAUFREZEPT]:"),
    QStringLiteral("[BROTREZEPT]:"),      QStringLiteral("[TORTENREZEPT]:"),
    QStringLiteral("[PLAETZCHENREZEPT]:"), QStringLiteral("[EINMACHREZEPT]:"),
    QStringLiteral("[GETRAENKEREZEPTE]:")};

const std::array<QString, AnzahlKategorien> Kategoriebezeichnungen = {
    QStringLiteral("Cooking Recipes"),   QStringLiteral("Baking Recipes"),
    QStringLiteral("Dessert Recipes"),   QStringLiteral("Salad Recipes"),
    QStringLiteral("Soup Recipes"),      QStringLiteral("Sauce Recipes"),
    QStringLiteral("Antipasto Recipes"), QStringLiteral("Starter Recipes"),
    QStringLiteral("Vegetarian Recipes"), QStringLiteral("Fish Recipes"),
    QStringLiteral("Meat Recipes"),      QStringLiteral("Poultry Recipes"),
    QStringLiteral("Pasta Recipes"),     QStringLiteral("Rice Recipes"),
    QStringLiteral("Potato Recipes"),    QStringLiteral("Casserole Recipes"),
    QStringLiteral("Bread Recipes"),     QStringLiteral("Cake Recipes"),
    QStringLiteral("Cookie Recipes"),    QStringLiteral("Preserve Recipes"),
    QStringLiteral("Drink Recipes")};

const std::array<QString, AnzahlKategorien> Kategorienamen = {
    QStringLiteral("Antipasto Recipes"), QStringLiteral("Baking Recipes"),
    QStringLiteral("Bread Recipes"),     QStringLiteral("Cake Recipes"),
    QStringLiteral("Casserole Recipes"), QStringLiteral("Cookie Recipes"),
    QStringLiteral("Cooking Recipes"),   QStringLiteral("Dessert Recipes"),
    QStringLiteral("Drink Recipes"),     QStringLiteral("Fish Recipes"),
    QStringLiteral("Meat Recipes"),      QStringLiteral("Pasta Recipes"),
    QStringLiteral("Potato Recipes"),    QStringLiteral("Poultry Recipes"),
    QStringLiteral("Preserve Recipes"),  QStringLiteral("Rice Recipes"),
    QStringLiteral("Salad Recipes"),     QStringLiteral("Sauce Recipes"),
    QStringLiteral("Soup Recipes"),      QStringLiteral("Starter Recipes"),
    QStringLiteral("Vegetarian Recipes")};

const std::array<QString, AnzahlKategorien> Kategorieicons = {
    QStringLiteral("Kochen"),     QStringLiteral("Backen"),      QStringLiteral("Dessert"),
    QStringLiteral("Salat"),      QStringLiteral("Suppe"),       QStringLiteral("Sosse"),
    QStringLiteral("Antipasti"),  QStringLiteral("Vorspeise"),   QStringLiteral("Vegetarisch"),
    QStringLiteral("Fisch"),      QStringLiteral("Fleisch"),     QStringLiteral("Gefluegel"),
    QStringLiteral("Nudeln"),     QStringLiteral("Reis"),        QStringLiteral("Kartoffeln"),
    QStringLiteral("Auflauf"),    QStringLiteral("Brot"),        QStringLiteral("Torte"),
    QStringLiteral("Plaetzchen"), QStringLiteral("Einmachen"),   QStringLiteral("Getraenke")};

const std::array<QString, AnzahlZutatengruppen> Zutatengruppen = {
    QStringLiteral("Meat,sausages,poultry,pork,etc."), QStringLiteral("Fish,seafood"),
    QStringLiteral("Vegetables"),          QStringLiteral("Fruit"),
    QStringLiteral("Potatoes,rice,pasta"), QStringLiteral("Dairy products,eggs"),
    QStringLiteral("Cheese"),              QStringLiteral("Herbs"),
    QStringLiteral("Spices"),              QStringLiteral("Flour,cereals,baking ingredients"),
    QStringLiteral("Sugar,sweets"),        QStringLiteral("Oils,fats"),
    QStringLiteral("Nuts,seeds"),          QStringLiteral("Sauces,condiments"),
    QStringLiteral("Drinks"),              QStringLiteral("Alcohol"),
    QStringLiteral("Other ingredients"),   QStringLiteral("Convenience products"),
    QStringLiteral("Cooking devices")};

const std::array<QString, AnzahlZutatengruppen> Zutatengruppengrafiken = {
    QStringLiteral("Z_Fleischart.png"),  QStringLiteral("Z_Fisch.png"),
    QStringLiteral("Z_Gemuese.png"),     QStringLiteral("Z_Obst.png"),
    QStringLiteral("Z_Beilagen.png"),    QStringLiteral("Z_Milchprodukte.png"),
    QStringLiteral("Z_Kaese.png"),       QStringLiteral("Z_Kraeuter.png"),
    QStringLiteral("Z_Gewuerze.png"),    QStringLiteral("Z_Backzutaten.png"),
    QStringLiteral("Z_Suesses.png"),     QStringLiteral("Z_Fette.png"),
    QStringLiteral("Z_Nuesse.png"),      QStringLiteral("Z_Saucen.png"),
    QStringLiteral("Z_Getraenke.png"),   QStringLiteral("Z_Alkohol.png"),
    QStringLiteral("Z_Sonstiges.png"),   QStringLiteral("Z_Fertigprodukte.png"),
    QStringLiteral("Z_Kochzubehoer.png")};

const std::array<QString, 19> Kochgeraetenamen = {
    QStringLiteral("Select cooking devices"), QStringLiteral("baking dish"),
    QStringLiteral("baking oven"),     QStringLiteral("barbecue"),
    QStringLiteral("cooking pot"),     QStringLiteral("deep fryer"),
    QStringLiteral("Food storage container"), QStringLiteral("fondue"),
    QStringLiteral("juicer"),          QStringLiteral("microwave"),
    QStringLiteral("mixer"),           QStringLiteral("ovenproof dish"),
    QStringLiteral("raclette set"),    QStringLiteral("refrigerator"),
    QStringLiteral("Salad dish"),      QStringLiteral("sandwich maker"),
    QStringLiteral("skillet"),         QStringLiteral("waffle iron"),
    QStringLiteral("water bath")};

#include "core/Markennamen.inc"

int Kategorie_aus_Dateiendung(const QString &endung)
{
    // Called for every file of the recipe folder: no allocation.
    QStringView e(endung);
    if (e.startsWith(QLatin1Char('.')))
        e = e.mid(1);
    if (e.size() != 3)
        return -1;
    for (int i = 0; i < AnzahlKategorien; ++i) {
        const QStringView m = QStringView(Kategoriemasken[i]).mid(2);
        if (platform::upperChar(e[0]) == m[0] && platform::upperChar(e[1]) == m[1] && platform::upperChar(e[2]) == m[2])
            return i;
    }
    return -1;
}

QString Dateiendung_aus_Kategorie(int kategorie)
{
    if (kategorie < 0 || kategorie >= AnzahlKategorien)
        return QString();
    return Kategoriemasken[kategorie].mid(1);
}

void Setze_Fensterfarbe(QWidget *w)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, platform::fromTColor(Fensterfarbe));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}
