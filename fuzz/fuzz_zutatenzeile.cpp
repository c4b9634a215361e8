// The ingredient-line splitter and the quantity reader on any line, with a
// units list of the shipped kind. A line written back from its parts must
// split into the same parts.
#include "FuzzSupport.h"

#include <cstdlib>

#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "platform/TextFile.h"

namespace {
void Einheiten()
{
    static bool fertig = false;
    if (fertig)
        return;
    fertig = true;
    TString liste;
    for (const char *e : {"heaped tbsp", "level tsp", "clove(s)", "Portion(en)", "piece of", "to taste", "tbsp", "tsp",
                          "cup", "kg", "g", "ml", "l", "pinch", "Stück", "slice(s)", "can", "dash", "oz", "lb"})
        liste << QLatin1Char('[') + QString::fromUtf8(e) + QLatin1Char(']');
    VariablenTotal[0].Einheiten = liste;
    for (const char *z : {"sugar", "brown sugar", "flour", "salt", "Zwiebel(n)", "Ei(er)"}) {
        Zutatentotal.append(TTZutatentotal());
        Zutatentotal.last().Zutatname = QString::fromUtf8(z);
    }
}
} // namespace

void fuzzOne(const uint8_t *data, size_t size)
{
    Einheiten();
    QStringList zeilen;
    platform::splitLines(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), zeilen);
    for (qsizetype i = 0; i < zeilen.size() && i < 32; ++i) {
        QString menge, einheit, name;
        Zerlege_Zutatenstring(zeilen[i], menge, einheit, i % 2 == 0, name);
        // the line written back from its parts reads the same again
        QString menge2, einheit2, name2;
        Zerlege_Zutatenstring(Verbinde_Zutatenstring(menge, einheit, name), menge2, einheit2, i % 2 == 0, name2);
        if (menge2 != menge || einheit2 != einheit || name2 != name)
            std::abort();
        QString skaliert = menge;
        Multipliziere_Menge(skaliert, 1.5);
        Menge_ohne_Einheit(zeilen[i], einheit);
        double von = 0, bis = 0;
        Zerlege_Mengenbereich(menge, von, bis);
        Formatiere_Mengenbereich(von, bis);
        Setze_Pluralformen(menge, einheit, name);
        Formatiere_Zutatenname(true, name);
        Formatiere_Zutatenname(false, zeilen[i]);
        Suche_Zutat(name, -1);
    }
}
