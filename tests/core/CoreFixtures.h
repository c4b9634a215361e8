#pragma once
// Small valid data files of the data core, for the core tests. Each is what
// the writers write, so a load and save gives the same bytes back.
#include <QStringList>
#include <optional>

#include "testing/RecipeFile.h"
#include "testing/Testing.h"

namespace corefixtures {
using namespace Qt::StringLiterals;

// Every test gets a fresh base folder and scripted messages: a message it
// does not expect, or one it expects and does not get, fails it. Call
// beginne() from init() and beende() from cleanup().
class Testumgebung
{
protected:
    std::optional<testing::BaseFolder> base;
    std::optional<testing::ScriptedMessages> messages;

    void beginne()
    {
        testing::failOnWarnings();
        base.emplace();
        messages.emplace();
    }
    void beende()
    {
        const QStringList offen = messages->pending();
        messages.reset();
        base.reset();
        QVERIFY2(offen.isEmpty(), qPrintable(offen.join(u", ")));
    }
};

// Lines given as one text, separated by "|".
inline QStringList zeilen(const char *text)
{
    return QString::fromUtf8(text).split(u'|');
}

// One text for each element of a list.
template <typename Liste, typename F>
QStringList spalte(const Liste &liste, F f)
{
    QStringList z;
    for (const auto &e : liste)
        z << f(e);
    return z;
}

inline QStringList zutatenRecord(const QString &name, int kategorie, int status, const QString &grafik = {})
{
    return QStringList{name, name + u" (recipe)"_s, name.toUpper(), QString::number(kategorie),
                       QString::number(status), {}, grafik, u"g"_s, {}, name + u's'} + QStringList(7);
}

// Three ingredients: Apple (active), Basil (inactive), Crème fraîche (active).
inline QStringList zutaten()
{
    return zeilen("[TAFELWERKSTATT 2.00]|3") + zutatenRecord(u"Apple"_s, 3, 1, u"Apple.png"_s)
        + zutatenRecord(u"Basil"_s, 7, 0) + zutatenRecord(u"Crème fraîche"_s, 5, 1) + zeilen("[EOF]");
}

inline QStringList einheit(const QString &schluessel, const QString &name)
{
    QStringList z{schluessel, name};
    for (int i = 0; i < 19; ++i)
        z << QString::number(i % 3 == 0 ? 1 : 0);
    return z + zeilen("0|r1||||r5|3|not stated|1|250");
}

// Units "[tbsp]", "[g]"; two replacements, one unit entry; category 0 has two
// units, category 20 one, the others none.
inline QStringList variablen()
{
    QStringList z = zeilen("[TAFELWERKSTATTVARIABLEN 2.00]|[EINHEITEN]:|2|[tbsp]|[g]|2|gr=g|EL=tbsp|1|flour=cup=g"
                           "|125.5|[KATEGORIEANZAHL]|21|2")
        + einheit(u"[g]"_s, u"g"_s) + einheit(u"[tbsp]"_s, {});
    for (int k = 1; k < 20; ++k)
        z << u"0"_s;
    return z + zeilen("1") + einheit(u"[ml]"_s, u"ml"_s) + zeilen("[EOF]");
}

inline QStringList kommentare()
{
    return zeilen("[TAFELWERKSTATTZUTATKOMMENTARE 2.0]|2|finely chopped|to taste");
}

// Two verbs: "fry ... for ZZZ minutes" (time) and "bake ... at GGG degrees".
inline QStringList verben()
{
    return zeilen("[IAVERBEN 2.00]|2|fry ... for ZZZ minutes|5|1,3,|2,|2|7|||"
                  "bake ... at GGG degrees and ZZZ minutes|42||0,15,|3|0||");
}

inline QStringList vtotal()
{
    return zeilen("[IAVTOTAL 2.00]|2|fry ... for ZZZ minutes|stir ...");
}

inline QStringList optionen()
{
    return zeilen("[TAFELWERKSTATTOPTIONEN 2.0]|[FMAIN]|2|1|5|quick|1|0|1|Arial|10|1|255|0|Times|12.5|2|0|1"
                  "|Courier|9|12|16711680|1|Verdana|8|0|0|1|[FREZ]|1|2|[FSYS]|C:\\Recipes\\|C:\\Export\\|D:\\pics\\"
                  "||0|1|0110|3|Winter.png|1|0|1|0|1|1|4|2|0|1|0|180|30|1|0|[FLEX]|Georgia|11|4|32768|0|[EOF]");
}

inline QStringList rezept(const QString &name, const QString &tag = u"[KOCHREZEPT]:"_s)
{
    testing::RecipeFile r;
    r.tag = tag;
    r.name = name;
    r.deluxe = u"1"_s;
    r.difficulty = u"3"_s;
    r.devices = u"cooking pot,skillet,"_s;
    r.picture = u"pasta.png"_s;
    r.subcategories = u"quick,Italian,"_s;
    r.price = u"7.50"_s;
    r.instructionsFile = name + u".KRP.RRT"_s;
    r.reserve[3] = u"kept"_s;
    r.summary = {u"A short note."_s};
    r.ingredients = {{u"Spaghetti"_s, 4, u"500"_s, u"g"_s}, {u"Salt"_s}};
    r.instructions = zeilen("Boil the pasta.||Serve.");
    r.shopping = {u"500 g Spaghetti"_s};
    r.deluxeList = zeilen("500|g|Spaghetti|al dente");
    r.remarks = {u"Good with cheese."_s};
    return r.lines();
}

inline QStringList index(const QList<std::pair<QString, QString>> &eintraege)
{
    // The 21 recipe extensions in category order.
    const QStringList endungen = zeilen(".KRP|.BRP|.DRP|.SRP|.URP|.ORP|.ARP|.VRP|.VGR|.FRP|.MRP|.PRP|.NRP|.RRP|.KAR"
                                        "|.AUF|.BTR|.TRP|.PLR|.ERP|.GRP");
    QStringList z{u"[TAFELWERKSTATT RM]"_s, QString::number(eintraege.size())};
    for (const auto &[datei, name] : eintraege)
        z << datei << name << QString::number(endungen.indexOf(datei.mid(datei.lastIndexOf(u'.')).toUpper()));
    return z + zeilen("[EOF]");
}

} // namespace corefixtures
