// Ingredient lines split per second against a units list and an ingredient
// database of realistic size.
#include <benchmark/benchmark.h>

#include <QStringList>

#include "core/Globals.h"
#include "core/Grundoperationen.h"

namespace {

void fuelleDaten()
{
    GlobalVARInit();
    // About 60 units, longer units before their prefixes as the reader keeps them.
    const char *einheiten[] = {
        "bottle", "bowl", "box", "bunch", "bag", "bar", "clove(s)", "can", "cup", "cl", "cm",
        "drop(s)", "dash", "dl", "dozen", "glass", "g", "heaped tbsp", "heaped tsp", "handful",
        "head", "jar", "kg", "knob", "level tbsp", "level tsp", "leaf", "leaves", "lb", "l",
        "ml", "mug", "oz", "Portion(en)", "piece of", "piece", "packet", "pinch", "pint", "pot",
        "quart", "rasher(s)", "roll", "sheet(s)", "slice(s)", "sprig(s)", "stalk(s)", "stick",
        "Stück", "scoop", "shot", "splash", "to taste", "tbsp", "tsp", "tub", "tube", "twist",
        "wedge", "wheel"};
    TString liste;
    for (const char *e : einheiten)
        liste << QLatin1Char('[') + QString::fromUtf8(e) + QLatin1Char(']');
    VariablenTotal[0].Einheiten = liste;

    const QStringList teile = {"flour", "sugar", "butter", "milk", "onion", "garlic", "tomato",
                               "pepper", "salt", "oil", "rice", "cream", "cheese", "carrot",
                               "potato", "chicken", "beef", "lemon", "apple", "basil"};
    const QStringList arten = {"white", "brown", "fresh", "dried", "smoked", "red", "green", "sweet",
                               "whole", "ground", "wild", "baby", "sea", "black", "plain", "young",
                               "organic", "frozen", "spicy", "mild", "large", "small", "old", "new",
                               "hot", "cold", "light", "dark", "raw", "soft", "hard", "fine",
                               "coarse", "long", "short", "thin", "thick", "crisp", "golden", "pale",
                               "rich", "lean", "firm", "ripe", "tender", "sharp", "pure", "toasted",
                               "double", "single"};
    for (const QString &a : arten)
        for (const QString &t : teile) {
            Zutatentotal.append(TTZutatentotal());
            Zutatentotal.last().Zutatname = a + QLatin1Char(' ') + t;
            Zutatentotal.last().Kategorie = int(Zutatentotal.size() % 19);
        }
}

const QStringList &zeilen()
{
    static const QStringList z = {
        "200 g white flour",     "2 garlic cloves",      "1 pinch sea salt",
        "3 tbsp organic oil",    "1,5 kg young potato",  "2-3 clove(s) garlic",
        "1 heaped tbsp sugar",   "500 ml whole milk",    "fresh basil",
        "4 large tomato",        "1 level tsp black pepper", "2 piece of dark chocolate",
        "salt",                  "1 cup brown rice",     "250 G hard cheese",
        "3 slice(s) smoked beef"};
    return z;
}

void BM_Zerlege_Zutatenstring(benchmark::State &state)
{
    fuelleDaten();
    const QStringList &z = zeilen();
    QString menge, einheit, name;
    qsizetype i = 0;
    for (auto _ : state) {
        Zerlege_Zutatenstring(z.at(i), menge, einheit, true, name);
        benchmark::DoNotOptimize(name.constData());
        if (++i == z.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Zerlege_Zutatenstring);

} // namespace

BENCHMARK_MAIN();
