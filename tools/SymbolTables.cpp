// The tables that name a picture's symbol: devices, verb icons, products,
// ingredient groups, categories and the food keywords.
#include "Symbols.h"

#include "PictureKit.h"

namespace symbols {

using namespace kit::colors;

// --- tables ----------------------------------------------------------------

namespace {
QString e(const char *utf8)
{
    return QString::fromUtf8(utf8);
}
} // namespace

const QList<Device> &devices()
{
    static const QList<Device> list = {
        {QStringLiteral("Brettchen"), drawn(Shape::CuttingBoard)},
        {QStringLiteral("Topf"), drawn(Shape::Pot)},
        {QStringLiteral("Schuessel"), drawn(Shape::MixingBowl)},
        {QStringLiteral("Pfanne"), emoji(e("🍳"))},
        {QStringLiteral("Auflaufform"), drawn(Shape::CasseroleDish)},
        {QStringLiteral("Backform"), drawn(Shape::Springform)},
        {QStringLiteral("Grill"), drawn(Shape::Grill)},
        {QStringLiteral("Backblech"), drawn(Shape::BakingTray)},
        {QStringLiteral("Fritteuse"), emoji(e("🍟"))},
        {QStringLiteral("Mixer"), drawn(Shape::Blender)},
        {QStringLiteral("Mikrowelle"), drawn(Shape::Microwave)},
        {QStringLiteral("Backofen"), drawn(Shape::Oven)},
        {QStringLiteral("Wasserbad"), drawn(Shape::WaterBath)},
        {QStringLiteral("Kuehlschrank"), drawn(Shape::Fridge)},
        {QStringLiteral("Eisfach"), drawn(Shape::Freezer)},
        {QStringLiteral("Entsafter"), drawn(Shape::Juicer, e("🍊"))},
    };
    return list;
}

Symbol scaleSymbol()
{
    return emoji(e("⚖️"));
}

const QList<VerbIcon> &verbIcons()
{
    static const QList<VerbIcon> list = [] {
        QList<VerbIcon> l;
        // 0..14: the devices 1..15 as vessels
        for (int d = 1; d < 16; ++d)
            l.append({devices()[d].stem + QStringLiteral("_VI.png"), devices()[d].symbol});
        const QList<VerbIcon> rest = {
            {QStringLiteral("Holzkochloeffel_VI.png"), drawn(Shape::WoodenSpoon)},
            {QStringLiteral("Kuechenmesser_VI.png"), emoji(e("🔪"))},
            {QStringLiteral("Klopfer_VI.png"), emoji(e("🔨"))},
            {QStringLiteral("Teigrolle_VI.png"), drawn(Shape::RollingPin)},
            {QStringLiteral("Haende_VI.png"), emoji(e("👐"))},
            {QStringLiteral("Knethaken_Maschine_VI.png"), drawn(Shape::DoughHook)},
            {QStringLiteral("Ruehrbesen_VI.png"), drawn(Shape::Whisk)},
            {QStringLiteral("Ruehrhaken_Maschine_VI.png"), drawn(Shape::Beater)},
            {QStringLiteral("Schaelmesser_VI.png"), drawn(Shape::Peeler, e("🥔"))},
            {QStringLiteral("Entkerner_VI.png"), emoji(e("🍒"))},
            {QStringLiteral("Teig_Mehl_VI.png"), emoji(e("🫓"))},
            {QStringLiteral("Sosse_VI.png"), drawn(Shape::SauceBoat)},
            {QStringLiteral("Suppe_VI.png"), emoji(e("🍲"))},
            {QStringLiteral("Braten_VI.png"), emoji(e("🍖"))},
            {QStringLiteral("Sieb_VI.png"), drawn(Shape::Sieve)},
            {QStringLiteral("Teig_Fleisch_VI.png"), emoji(e("🧆"))},
            {QStringLiteral("Stampfer_VI.png"), drawn(Shape::Masher)},
            {QStringLiteral("Puerierstab_VI.png"), drawn(Shape::StickBlender)},
            {QStringLiteral("Auflauf_VI.png"), emoji(e("🥘"))},
            {QStringLiteral("Tortenboden_VI.png"), emoji(e("🥧"))},
            {QStringLiteral("Obst_VI.png"), emoji(e("🍎"), e("🍐"))},
            {QStringLiteral("Creme_VI.png"), emoji(e("🍮"))},
            {QStringLiteral("Fleisch_VI.png"), emoji(e("🥩"))},
            {QStringLiteral("Gemuese_VI.png"), emoji(e("🥦"), e("🥕"))},
            {QStringLiteral("Salat_VI.png"), emoji(e("🥗"))},
            {QStringLiteral("Dessert_VI.png"), emoji(e("🍨"))},
            {QStringLiteral("Beilage_VI.png"), emoji(e("🍚"))},
            {QStringLiteral("Fruechte_VI.png"), emoji(e("🍓"), e("🍇"))},
        };
        l.append(rest);
        return l;
    }();
    return list;
}

Symbol productSymbol(int product)
{
    // Icons 25..28 make products 1..4, icon 30 product 5, icons 33..42 products 6..15.
    static const int icon[15] = {25, 26, 27, 28, 30, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42};
    if (product < 1 || product > 15)
        return emoji(e("🍽️"));
    return verbIcons()[icon[product - 1]].symbol;
}

QList<Symbol> groupSymbols(int group)
{
    static const QList<QList<Symbol>> groups = {
        {emoji(e("🥩")), emoji(e("🍗")), emoji(e("🌭"))},
        {emoji(e("🐟")), emoji(e("🦐")), emoji(e("🦪"))},
        {emoji(e("🥕")), emoji(e("🥦")), emoji(e("🍅"))},
        {emoji(e("🍎")), emoji(e("🍌")), emoji(e("🍇"))},
        {emoji(e("🥔")), emoji(e("🍚")), emoji(e("🍝"))},
        {emoji(e("🥛")), emoji(e("🥚")), emoji(e("🧈"))},
        {emoji(e("🧀"))},
        {emoji(e("🌿")), emoji(e("🍃"))},
        {emoji(e("🧂")), emoji(e("🌶️"))},
        {drawn(Shape::Sack, {}, QStringLiteral("FLOUR")), emoji(e("🌾")), emoji(e("🥚"))},
        {emoji(e("🍬")), emoji(e("🍫")), emoji(e("🍯"))},
        {emoji(e("🧈")), emoji(e("🫒"))},
        {emoji(e("🌰")), emoji(e("🥜"))},
        {emoji(e("🥫")), emoji(e("🫙"))},
        {emoji(e("🥤")), emoji(e("🧃")), emoji(e("☕"))},
        {emoji(e("🍷")), emoji(e("🍺"))},
        {emoji(e("🧺"))},
        {emoji(e("🥡")), emoji(e("🥫"))},
        {emoji(e("🍳")), drawn(Shape::WoodenSpoon), emoji(e("🔪"))},
    };
    if (group < 0 || group >= groups.size())
        return {emoji(e("🧺"))};
    return groups[group];
}

Symbol categorySymbol(int category)
{
    static const QList<Symbol> list = {
        emoji(e("🍳")), emoji(e("🥐")), emoji(e("🍨")), emoji(e("🥗")), emoji(e("🍲")),
        drawn(Shape::SauceBoat), emoji(e("🫒")), emoji(e("🍤")), emoji(e("🥦")), emoji(e("🐟")),
        emoji(e("🥩")), emoji(e("🍗")), emoji(e("🍝")), emoji(e("🍚")), emoji(e("🥔")),
        emoji(e("🥘")), emoji(e("🍞")), emoji(e("🎂")), emoji(e("🍪")), emoji(e("🫙")),
        emoji(e("🍹")),
    };
    if (category < 0 || category >= list.size())
        return emoji(e("🍽️"));
    return list[category];
}

namespace {

struct Keyword {
    QString word;
    Symbol symbol;
    bool dish = false; // names a dish rather than an ingredient
};

enum class Only { Any, Dishes, Ingredients };

// Picks the longest keyword that starts a word of the name; longer keywords
// are more specific ("strawberry jam" before "strawberr").
bool lookup(const QList<Keyword> &table, const QString &name, Symbol &out, Only only = Only::Any)
{
    const QString text = QLatin1Char(' ') + name.toLower() + QLatin1Char(' ');
    int best = -1;
    for (int i = 0; i < table.size(); ++i) {
        if ((only == Only::Dishes && !table[i].dish) || (only == Only::Ingredients && table[i].dish))
            continue;
        const QString &w = table[i].word;
        qsizetype at = text.indexOf(w);
        bool found = false;
        while (at >= 0 && !found) {
            found = !text[at - 1].isLetter();
            at = text.indexOf(w, at + 1);
        }
        if (found && (best < 0 || w.size() > table[best].word.size()))
            best = i;
    }
    if (best < 0)
        return false;
    out = table[best].symbol;
    return true;
}

Symbol bottle(const QString &label, const QColor &tint, const QString &accent = {})
{
    return drawn(Shape::Bottle, accent, label, tint);
}

Symbol sack(const QString &label, const QColor &tint = {})
{
    return drawn(Shape::Sack, {}, label, tint);
}

} // namespace

namespace {
const QList<Keyword> &foodTable()
{
    static const QList<Keyword> table = {
        // vegetables and fruit
        {QStringLiteral("tomat"), emoji(e("🍅"))},
        {QStringLiteral("chopped tomatoes"), emoji(e("🥫"), e("🍅"))},
        {QStringLiteral("tomato purée"), emoji(e("🥫"), e("🍅"))},
        {QStringLiteral("tomato puree"), emoji(e("🥫"), e("🍅"))},
        {QStringLiteral("ketchup"), bottle({}, QColor(200, 40, 30), e("🍅"))},
        {QStringLiteral("potato"), emoji(e("🥔"))},
        {QStringLiteral("sweet potato"), emoji(e("🍠"))},
        {QStringLiteral("carrot"), emoji(e("🥕"))},
        {QStringLiteral("onion"), emoji(e("🧅"))},
        {QStringLiteral("garlic"), emoji(e("🧄"))},
        {QStringLiteral("ginger"), emoji(e("🫚"))},
        {QStringLiteral("broccoli"), emoji(e("🥦"))},
        {QStringLiteral("cauliflower"), emoji(e("🥦"))},
        {QStringLiteral("cucumber"), emoji(e("🥒"))},
        {QStringLiteral("gherkin"), emoji(e("🥒"))},
        {QStringLiteral("courgette"), emoji(e("🥒"))},
        {QStringLiteral("zucchini"), emoji(e("🥒"))},
        {QStringLiteral("aubergine"), emoji(e("🍆"))},
        {QStringLiteral("eggplant"), emoji(e("🍆"))},
        {QStringLiteral("pepper"), drawn(Shape::PepperMill)},
        {QStringLiteral("red pepper"), emoji(e("🫑"))},
        {QStringLiteral("green pepper"), emoji(e("🫑"))},
        {QStringLiteral("bell pepper"), emoji(e("🫑"))},
        {QStringLiteral("chili"), emoji(e("🌶️"))},
        {QStringLiteral("chilli"), emoji(e("🌶️"))},
        {QStringLiteral("corn"), emoji(e("🌽"))},
        {QStringLiteral("cornflakes"), emoji(e("🥣"))},
        {QStringLiteral("lettuce"), emoji(e("🥬"))},
        {QStringLiteral("spinach"), emoji(e("🥬"))},
        {QStringLiteral("cabbage"), emoji(e("🥬"))},
        {QStringLiteral("leek"), emoji(e("🥬"))},
        {QStringLiteral("mushroom"), emoji(e("🍄"))},
        {QStringLiteral("avocado"), emoji(e("🥑"))},
        {QStringLiteral("olive"), emoji(e("🫒"))},
        {QStringLiteral("bean"), emoji(e("🫘"))},
        {QStringLiteral("green beans"), emoji(e("🫛"))},
        {QStringLiteral("pea"), emoji(e("🫛"))},
        {QStringLiteral("chickpea"), emoji(e("🫘"))},
        {QStringLiteral("lentil"), emoji(e("🫘"))},
        {QStringLiteral("apple"), emoji(e("🍎"))},
        {QStringLiteral("pear"), emoji(e("🍐"))},
        {QStringLiteral("banana"), emoji(e("🍌"))},
        {QStringLiteral("orange"), emoji(e("🍊"))},
        {QStringLiteral("orange juice"), emoji(e("🧃"), e("🍊"))},
        {QStringLiteral("lemon"), emoji(e("🍋"))},
        {QStringLiteral("lemon juice"), bottle(QStringLiteral("LEMON"), QColor(240, 220, 80), e("🍋"))},
        {QStringLiteral("lime"), emoji(e("🍋"))},
        {QStringLiteral("grape"), emoji(e("🍇"))},
        {QStringLiteral("cherr"), emoji(e("🍒"))},
        {QStringLiteral("cherry tomato"), emoji(e("🍅"))},
        {QStringLiteral("strawberr"), emoji(e("🍓"))},
        {QStringLiteral("raspberr"), emoji(e("🍓"))},
        {QStringLiteral("blueberr"), emoji(e("🫐"))},
        {QStringLiteral("peach"), emoji(e("🍑"))},
        {QStringLiteral("plum"), emoji(e("🍑"))},
        {QStringLiteral("apricot"), emoji(e("🍑"))},
        {QStringLiteral("mango"), emoji(e("🥭"))},
        {QStringLiteral("pineapple"), emoji(e("🍍"))},
        {QStringLiteral("melon"), emoji(e("🍈"))},
        {QStringLiteral("watermelon"), emoji(e("🍉"))},
        {QStringLiteral("kiwi"), emoji(e("🥝"))},
        {QStringLiteral("coconut"), emoji(e("🥥"))},
        {QStringLiteral("fruit"), emoji(e("🍎"), e("🍐")), true},
        {QStringLiteral("fruits"), emoji(e("🍓"), e("🍇")), true},
        {QStringLiteral("vegetable"), emoji(e("🥦"), e("🥕"))},
        {QStringLiteral("vegetable stock"), emoji(e("🍲"))},
        // herbs and spices
        {QStringLiteral("basil"), emoji(e("🌿"))},
        {QStringLiteral("parsley"), emoji(e("🌿"))},
        {QStringLiteral("mint"), emoji(e("🌿"))},
        {QStringLiteral("rosemary"), emoji(e("🌿"))},
        {QStringLiteral("thyme"), emoji(e("🌿"))},
        {QStringLiteral("oregano"), emoji(e("🌿"))},
        {QStringLiteral("dill"), emoji(e("🌿"))},
        {QStringLiteral("chive"), emoji(e("🌿"))},
        {QStringLiteral("herb"), emoji(e("🌿"))},
        {QStringLiteral("bay lea"), emoji(e("🍃"))},
        {QStringLiteral("salt"), emoji(e("🧂"))},
        {QStringLiteral("cinnamon"), emoji(e("🪵"))},
        {QStringLiteral("nutmeg"), emoji(e("🌰"))},
        {QStringLiteral("paprika"), emoji(e("🌶️"))},
        {QStringLiteral("curry"), emoji(e("🍛")), true},
        {QStringLiteral("vanilla"), sack(QStringLiteral("VANILLA"))},
        {QStringLiteral("vanilla pudding"), emoji(e("🍮"))},
        // meat and fish
        {QStringLiteral("beef"), emoji(e("🥩"))},
        {QStringLiteral("steak"), emoji(e("🥩"))},
        {QStringLiteral("pork"), emoji(e("🥩"))},
        {QStringLiteral("lamb"), emoji(e("🥩"))},
        {QStringLiteral("veal"), emoji(e("🥩"))},
        {QStringLiteral("mince"), emoji(e("🥩"))},
        {QStringLiteral("meat"), emoji(e("🥩"))},
        {QStringLiteral("meat dough"), emoji(e("🧆"))},
        {QStringLiteral("meatball"), emoji(e("🧆")), true},
        {QStringLiteral("chicken"), emoji(e("🍗"))},
        {QStringLiteral("turkey"), emoji(e("🍗"))},
        {QStringLiteral("duck"), emoji(e("🍗"))},
        {QStringLiteral("poultry"), emoji(e("🍗"))},
        {QStringLiteral("bacon"), emoji(e("🥓"))},
        {QStringLiteral("ham"), emoji(e("🍖"))},
        {QStringLiteral("roast"), emoji(e("🍖")), true},
        {QStringLiteral("salami"), emoji(e("🍖"))},
        {QStringLiteral("sausage"), emoji(e("🌭"))},
        {QStringLiteral("frankfurter"), emoji(e("🌭"))},
        {QStringLiteral("fish"), emoji(e("🐟"))},
        {QStringLiteral("cod"), emoji(e("🐟"))},
        {QStringLiteral("salmon"), emoji(e("🐟"))},
        {QStringLiteral("trout"), emoji(e("🐟"))},
        {QStringLiteral("tuna"), emoji(e("🐟"))},
        {QStringLiteral("tuna in oil"), emoji(e("🥫"), e("🐟"))},
        {QStringLiteral("tuna steak"), emoji(e("🐟"))},
        {QStringLiteral("prawn"), emoji(e("🦐"))},
        {QStringLiteral("shrimp"), emoji(e("🦐"))},
        {QStringLiteral("mussel"), emoji(e("🦪"))},
        {QStringLiteral("oyster"), emoji(e("🦪"))},
        {QStringLiteral("crab"), emoji(e("🦀"))},
        {QStringLiteral("squid"), emoji(e("🦑"))},
        // dairy and eggs
        {QStringLiteral("milk"), emoji(e("🥛"))},
        {QStringLiteral("cream"), emoji(e("🥛"))},
        {QStringLiteral("crème fraîche"), emoji(e("🥛"))},
        {QStringLiteral("yoghurt"), emoji(e("🥛"))},
        {QStringLiteral("yogurt"), emoji(e("🥛"))},
        {QStringLiteral("quark"), emoji(e("🥛"))},
        {QStringLiteral("butter"), emoji(e("🧈"))},
        {QStringLiteral("margarine"), emoji(e("🧈"))},
        {QStringLiteral("egg"), emoji(e("🥚"))},
        {QStringLiteral("cheese"), emoji(e("🧀"))},
        {QStringLiteral("cream cheese"), emoji(e("🧀"))},
        {QStringLiteral("cheddar"), emoji(e("🧀"))},
        {QStringLiteral("feta"), emoji(e("🧀"))},
        {QStringLiteral("mozzarella"), emoji(e("🧀"))},
        {QStringLiteral("parmesan"), emoji(e("🧀"))},
        {QStringLiteral("mascarpone"), emoji(e("🧀"))},
        {QStringLiteral("gouda"), emoji(e("🧀"))},
        {QStringLiteral("tofu"), drawn(Shape::Block)},
        // baking, sweets, grains
        {QStringLiteral("flour"), sack(QStringLiteral("FLOUR"))},
        {QStringLiteral("sugar"), sack(QStringLiteral("SUGAR"), QColor(240, 240, 248))},
        {QStringLiteral("icing sugar"), sack(QStringLiteral("ICING"), QColor(248, 236, 242))},
        {QStringLiteral("vanilla sugar"), sack(QStringLiteral("VANILLA"), QColor(250, 236, 190))},
        {QStringLiteral("baking powder"), sack(QStringLiteral("BAKING"), QColor(236, 214, 180))},
        {QStringLiteral("yeast"), sack(QStringLiteral("YEAST"), QColor(236, 214, 180))},
        {QStringLiteral("cocoa"), emoji(e("🍫"))},
        {QStringLiteral("chocolate"), emoji(e("🍫"))},
        {QStringLiteral("chocolate spread"), emoji(e("🫙"), e("🍫"))},
        {QStringLiteral("honey"), emoji(e("🍯"))},
        {QStringLiteral("jam"), emoji(e("🫙"))},
        {QStringLiteral("strawberry jam"), emoji(e("🫙"), e("🍓"))},
        {QStringLiteral("rice"), emoji(e("🍚"))},
        {QStringLiteral("oat"), emoji(e("🌾"))},
        {QStringLiteral("rolled oats"), emoji(e("🥣"), e("🌾"))},
        {QStringLiteral("cereal"), emoji(e("🌾"))},
        {QStringLiteral("pasta"), emoji(e("🍝")), true},
        {QStringLiteral("spaghetti"), emoji(e("🍝")), true},
        {QStringLiteral("penne"), emoji(e("🍝")), true},
        {QStringLiteral("tagliatelle"), emoji(e("🍝")), true},
        {QStringLiteral("noodle"), emoji(e("🍜")), true},
        {QStringLiteral("lasagne"), emoji(e("🥘")), true},
        {QStringLiteral("bread"), emoji(e("🍞")), true},
        {QStringLiteral("baguette"), emoji(e("🥖"))},
        {QStringLiteral("roll"), emoji(e("🥯"))},
        {QStringLiteral("puff pastry"), emoji(e("🥐"))},
        {QStringLiteral("pastry dough"), emoji(e("🫓"))},
        {QStringLiteral("dough"), emoji(e("🫓"))},
        {QStringLiteral("almond"), emoji(e("🌰"))},
        {QStringLiteral("hazelnut"), emoji(e("🌰"))},
        {QStringLiteral("walnut"), emoji(e("🌰"))},
        {QStringLiteral("nut"), emoji(e("🥜"))},
        {QStringLiteral("peanut"), emoji(e("🥜"))},
        // oils, sauces, drinks
        {QStringLiteral("oil"), bottle(QStringLiteral("OIL"), QColor(226, 196, 60))},
        {QStringLiteral("olive oil"), bottle(QStringLiteral("OLIVE"), QColor(160, 170, 60), e("🫒"))},
        {QStringLiteral("sunflower oil"), bottle(QStringLiteral("OIL"), QColor(240, 200, 50), e("🌻"))},
        {QStringLiteral("vinegar"), bottle(QStringLiteral("VINEGAR"), QColor(180, 120, 70))},
        {QStringLiteral("soy sauce"), bottle(QStringLiteral("SOY"), QColor(80, 50, 30))},
        {QStringLiteral("mustard"), bottle({}, QColor(232, 190, 40), e("🌭"))},
        {QStringLiteral("mayonnaise"), emoji(e("🫙"), e("🥚"))},
        {QStringLiteral("sauce"), drawn(Shape::SauceBoat), true},
        {QStringLiteral("stock"), emoji(e("🍲"))},
        {QStringLiteral("stock cube"), drawn(Shape::Block, {}, {}, QColor(214, 170, 80))},
        {QStringLiteral("soup"), emoji(e("🍲")), true},
        {QStringLiteral("water"), emoji(e("💧"))},
        {QStringLiteral("coffee"), emoji(e("☕"))},
        {QStringLiteral("tea"), emoji(e("🍵"))},
        {QStringLiteral("juice"), emoji(e("🧃"))},
        {QStringLiteral("wine"), emoji(e("🍷"))},
        {QStringLiteral("white wine"), emoji(e("🥂"))},
        {QStringLiteral("beer"), emoji(e("🍺"))},
        {QStringLiteral("rum"), emoji(e("🥃"))},
        {QStringLiteral("lemonade"), emoji(e("🍋"), e("🥤")), true},
        {QStringLiteral("punch"), emoji(e("🍹")), true},
        {QStringLiteral("cocktail"), emoji(e("🍸")), true},
        {QStringLiteral("smoothie"), emoji(e("🥤")), true},
        {QStringLiteral("shake"), emoji(e("🥤")), true},
        // kitchen things
        {QStringLiteral("aluminium foil"), drawn(Shape::FoilRoll)},
        {QStringLiteral("foil"), drawn(Shape::FoilRoll)},
        {QStringLiteral("baking paper"), drawn(Shape::PaperRoll)},
        // dishes
        {QStringLiteral("salad"), emoji(e("🥗")), true},
        {QStringLiteral("pizza"), emoji(e("🍕")), true},
        {QStringLiteral("burger"), emoji(e("🍔")), true},
        {QStringLiteral("sandwich"), emoji(e("🥪")), true},
        {QStringLiteral("taco"), emoji(e("🌮")), true},
        {QStringLiteral("burrito"), emoji(e("🌯")), true},
        {QStringLiteral("pancake"), emoji(e("🥞")), true},
        {QStringLiteral("waffle"), emoji(e("🧇")), true},
        {QStringLiteral("omelette"), emoji(e("🍳")), true},
        {QStringLiteral("fried egg"), emoji(e("🍳")), true},
        {QStringLiteral("scrambled"), emoji(e("🍳")), true},
        {QStringLiteral("stew"), emoji(e("🍲")), true},
        {QStringLiteral("goulash"), emoji(e("🍲")), true},
        {QStringLiteral("chowder"), emoji(e("🍲")), true},
        {QStringLiteral("casserole"), emoji(e("🥘")), true},
        {QStringLiteral("bake"), emoji(e("🥘")), true},
        {QStringLiteral("gratin"), emoji(e("🥘")), true},
        {QStringLiteral("risotto"), emoji(e("🍚")), true},
        {QStringLiteral("paella"), emoji(e("🥘")), true},
        {QStringLiteral("dumpling"), emoji(e("🥟")), true},
        {QStringLiteral("sushi"), emoji(e("🍣")), true},
        {QStringLiteral("fries"), emoji(e("🍟")), true},
        {QStringLiteral("chips"), emoji(e("🍟")), true},
        {QStringLiteral("cake"), emoji(e("🍰")), true},
        {QStringLiteral("cake base"), emoji(e("🥧")), true},
        {QStringLiteral("cheesecake"), emoji(e("🍰")), true},
        {QStringLiteral("gateau"), emoji(e("🎂")), true},
        {QStringLiteral("torte"), emoji(e("🎂")), true},
        {QStringLiteral("tart"), emoji(e("🥧")), true},
        {QStringLiteral("pie"), emoji(e("🥧")), true},
        {QStringLiteral("quiche"), emoji(e("🥧")), true},
        {QStringLiteral("crumble"), emoji(e("🥧")), true},
        {QStringLiteral("muffin"), emoji(e("🧁")), true},
        {QStringLiteral("cupcake"), emoji(e("🧁")), true},
        {QStringLiteral("cookie"), emoji(e("🍪")), true},
        {QStringLiteral("biscuit"), emoji(e("🍪")), true},
        {QStringLiteral("brownie"), emoji(e("🍫")), true},
        {QStringLiteral("pudding"), emoji(e("🍮")), true},
        {QStringLiteral("custard"), emoji(e("🍮")), true},
        {QStringLiteral("mousse"), emoji(e("🍮")), true},
        {QStringLiteral("tiramisu"), emoji(e("🍰")), true},
        {QStringLiteral("ice cream"), emoji(e("🍨")), true},
        {QStringLiteral("sorbet"), emoji(e("🍧")), true},
        {QStringLiteral("dessert"), emoji(e("🍨")), true},
        {QStringLiteral("side dish"), emoji(e("🍚")), true},
        {QStringLiteral("bruschetta"), emoji(e("🥖"), e("🍅")), true},
        {QStringLiteral("chutney"), emoji(e("🫙")), true},
        {QStringLiteral("pickle"), emoji(e("🫙"), e("🥒")), true},
        {QStringLiteral("preserve"), emoji(e("🫙")), true},
        {QStringLiteral("marmalade"), emoji(e("🫙"), e("🍊")), true},
        {QStringLiteral("roast chicken"), emoji(e("🍗")), true},
    };
    return table;
}
} // namespace

bool foodSymbol(const QString &englishName, Symbol &out)
{
    return lookup(foodTable(), englishName, out);
}

bool recipeSymbol(const QString &recipeName, Symbol &out)
{
    Symbol ingredient;
    const bool hasIngredient = lookup(foodTable(), recipeName, ingredient, Only::Ingredients);
    if (!lookup(foodTable(), recipeName, out, Only::Dishes)) {
        if (!hasIngredient)
            return false;
        out = ingredient;
        return true;
    }
    // the dish, with its main ingredient in the corner
    if (hasIngredient && out.accent.isEmpty() && ingredient.shape == Shape::None && ingredient.emoji != out.emoji)
        out.accent = ingredient.emoji;
    return true;
}

bool dictionarySymbol(const QString &germanTerm, Symbol &out)
{
    static const QList<Keyword> table = {
        {QStringLiteral("abbrüh"), drawn(Shape::Pot)},
        {QStringLiteral("abschreck"), emoji(e("🧊"))},
        {QStringLiteral("abschmeck"), emoji(e("🥄"))},
        {QStringLiteral("abschäum"), drawn(Shape::Sieve)},
        {QStringLiteral("ablösch"), emoji(e("🍷"))},
        {QStringLiteral("anbrat"), emoji(e("🍳"))},
        {QStringLiteral("andünst"), emoji(e("🍳"))},
        {QStringLiteral("aufschlag"), drawn(Shape::Whisk)},
        {QStringLiteral("ausback"), emoji(e("🍟"))},
        {QStringLiteral("ausbein"), emoji(e("🔪"))},
        {QStringLiteral("backen"), drawn(Shape::Oven)},
        {QStringLiteral("bain"), drawn(Shape::WaterBath)},
        {QStringLiteral("wasserbad"), drawn(Shape::WaterBath)},
        {QStringLiteral("blanchier"), drawn(Shape::Pot)},
        {QStringLiteral("blind"), emoji(e("🥧"))},
        {QStringLiteral("braten"), emoji(e("🍖"))},
        {QStringLiteral("brat"), emoji(e("🍳"))},
        {QStringLiteral("bräter"), drawn(Shape::CasseroleDish)},
        {QStringLiteral("dämpf"), drawn(Shape::Pot)},
        {QStringLiteral("dünst"), drawn(Shape::Pot)},
        {QStringLiteral("eindick"), drawn(Shape::SauceBoat)},
        {QStringLiteral("einkoch"), emoji(e("🫙"))},
        {QStringLiteral("einmach"), emoji(e("🫙"))},
        {QStringLiteral("filetier"), emoji(e("🐟"), e("🔪"))},
        {QStringLiteral("flambier"), emoji(e("🔥"))},
        {QStringLiteral("frittier"), emoji(e("🍟"))},
        {QStringLiteral("garnier"), emoji(e("🌿"))},
        {QStringLiteral("gratinier"), emoji(e("🥘"))},
        {QStringLiteral("grill"), drawn(Shape::Grill)},
        {QStringLiteral("hack"), emoji(e("🔪"))},
        {QStringLiteral("julienne"), emoji(e("🥕"), e("🔪"))},
        {QStringLiteral("karamell"), emoji(e("🍮"))},
        {QStringLiteral("klär"), drawn(Shape::Sieve)},
        {QStringLiteral("kneten"), drawn(Shape::DoughHook)},
        {QStringLiteral("knet"), emoji(e("🫓"))},
        {QStringLiteral("koch"), drawn(Shape::Pot)},
        {QStringLiteral("legier"), emoji(e("🥚"))},
        {QStringLiteral("marinier"), emoji(e("🫙"), e("🌿"))},
        {QStringLiteral("mehlschwitze"), drawn(Shape::SauceBoat)},
        {QStringLiteral("messbecher"), drawn(Shape::Blender)},
        {QStringLiteral("leipziger"), emoji(e("🥕"), e("🫛"))},
        {QStringLiteral("panier"), emoji(e("🍞"))},
        {QStringLiteral("parier"), emoji(e("🥩"), e("🔪"))},
        {QStringLiteral("passier"), drawn(Shape::Sieve)},
        {QStringLiteral("pochier"), emoji(e("🥚"))},
        {QStringLiteral("püri"), drawn(Shape::StickBlender)},
        {QStringLiteral("reduzier"), drawn(Shape::SauceBoat)},
        {QStringLiteral("rösten"), emoji(e("🔥"))},
        {QStringLiteral("röst"), emoji(e("🔥"))},
        {QStringLiteral("rühr"), drawn(Shape::WoodenSpoon)},
        {QStringLiteral("schäl"), drawn(Shape::Peeler)},
        {QStringLiteral("schlag"), drawn(Shape::Whisk)},
        {QStringLiteral("schmor"), drawn(Shape::CasseroleDish)},
        {QStringLiteral("schneid"), emoji(e("🔪"))},
        {QStringLiteral("sieden"), drawn(Shape::Pot)},
        {QStringLiteral("simmer"), drawn(Shape::Pot)},
        {QStringLiteral("sous"), drawn(Shape::WaterBath)},
        {QStringLiteral("spick"), emoji(e("🥓"))},
        {QStringLiteral("stock"), emoji(e("🍲"))},
        {QStringLiteral("fond"), emoji(e("🍲"))},
        {QStringLiteral("brühe"), emoji(e("🍲"))},
        {QStringLiteral("suppe"), emoji(e("🍲"))},
        {QStringLiteral("soße"), drawn(Shape::SauceBoat)},
        {QStringLiteral("sauce"), drawn(Shape::SauceBoat)},
        {QStringLiteral("teig"), emoji(e("🫓"))},
        {QStringLiteral("tranchier"), emoji(e("🍖"), e("🔪"))},
        {QStringLiteral("überback"), emoji(e("🥘"))},
        {QStringLiteral("unterheb"), drawn(Shape::WoodenSpoon)},
        {QStringLiteral("zest"), emoji(e("🍋"))},
        {QStringLiteral("zerlass"), emoji(e("🧈"))},
        {QStringLiteral("ziehen lassen"), emoji(e("🍵"))},
        {QStringLiteral("zucker"), sack(QStringLiteral("ZUCKER"), QColor(240, 240, 248))},
        {QStringLiteral("mehl"), sack(QStringLiteral("MEHL"))},
        {QStringLiteral("kräuter"), emoji(e("🌿"))},
        {QStringLiteral("gewürz"), emoji(e("🧂"))},
        {QStringLiteral("pfeffer"), drawn(Shape::PepperMill)},
        {QStringLiteral("quark"), emoji(e("🥛"))},
        {QStringLiteral("sahne"), emoji(e("🥛"))},
        {QStringLiteral("ei"), emoji(e("🥚"))},
        {QStringLiteral("fisch"), emoji(e("🐟"))},
        {QStringLiteral("fleisch"), emoji(e("🥩"))},
        {QStringLiteral("gemüse"), emoji(e("🥦"), e("🥕"))},
        {QStringLiteral("obst"), emoji(e("🍎"))},
        {QStringLiteral("nudel"), emoji(e("🍝"))},
        {QStringLiteral("reis"), emoji(e("🍚"))},
        {QStringLiteral("kartoffel"), emoji(e("🥔"))},
        {QStringLiteral("brot"), emoji(e("🍞"))},
        {QStringLiteral("wein"), emoji(e("🍷"))},
        {QStringLiteral("käse"), emoji(e("🧀"))},
        {QStringLiteral("butter"), emoji(e("🧈"))},
        {QStringLiteral("pilz"), emoji(e("🍄"))},
        {QStringLiteral("zwiebel"), emoji(e("🧅"))},
        {QStringLiteral("knoblauch"), emoji(e("🧄"))},
        {QStringLiteral("tomate"), emoji(e("🍅"))},
        {QStringLiteral("al dente"), emoji(e("🍝"))},
        {QStringLiteral("anschwitz"), emoji(e("🍳"), e("🧅"))},
        {QStringLiteral("binden"), drawn(Shape::SauceBoat)},
        {QStringLiteral("bärlauch"), emoji(e("🌿"))},
        {QStringLiteral("estragon"), emoji(e("🌿"))},
        {QStringLiteral("kerbel"), emoji(e("🌿"))},
        {QStringLiteral("liebstöckel"), emoji(e("🌿"))},
        {QStringLiteral("fenchel"), emoji(e("🥬"))},
        {QStringLiteral("kohlrabi"), emoji(e("🥬"))},
        {QStringLiteral("mangold"), emoji(e("🥬"))},
        {QStringLiteral("pak choi"), emoji(e("🥬"))},
        {QStringLiteral("glasier"), emoji(e("🍯"))},
        {QStringLiteral("kardamom"), emoji(e("🫛"))},
        {QStringLiteral("okra"), emoji(e("🫛"))},
        {QStringLiteral("montier"), emoji(e("🧈"))},
        {QStringLiteral("muskat"), emoji(e("🌰"))},
        {QStringLiteral("mörser"), drawn(Shape::Mortar)},
        {QStringLiteral("pastinake"), emoji(e("🥕"))},
        {QStringLiteral("physalis"), emoji(e("🍊"))},
        {QStringLiteral("pinienkern"), emoji(e("🥜"))},
        {QStringLiteral("plattier"), emoji(e("🔨"), e("🥩"))},
        {QStringLiteral("quitte"), emoji(e("🍐"))},
        {QStringLiteral("safran"), emoji(e("🌸"))},
        {QStringLiteral("sautier"), emoji(e("🍳"))},
        {QStringLiteral("schneebesen"), drawn(Shape::Whisk)},
        {QStringLiteral("springform"), drawn(Shape::Springform)},
        {QStringLiteral("spätzle"), emoji(e("🍝"))},
        {QStringLiteral("sternanis"), emoji(e("⭐"))},
        {QStringLiteral("topinambur"), emoji(e("🥔"))},
        {QStringLiteral("wacholder"), emoji(e("🫐"))},
        {QStringLiteral("wiegemesser"), emoji(e("🔪"), e("🌿"))},
        {QStringLiteral("wok"), emoji(e("🥘"))},
        {QStringLiteral("zur rose"), emoji(e("🌹"), e("🥄"))},
    };
    return lookup(table, germanTerm, out);
}

} // namespace symbols
