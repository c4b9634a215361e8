// Pasted ingredient text as the import works on it, without its window:
// the characters settled as they come in, the check pass, the transfer pass
// line by line, every line matched and split as the save splits it, with a
// share of the shipped units list and ingredient database. Settling twice
// changes nothing and makes no character a file cannot hold; every line the
// transfer pass leaves behind comes with its message, and no line is made
// up.
#include "FuzzSupport.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Rezeptzeichen.h"
#include "reference/Zutatentext.h"

// Each line allocates many small strings; keeping four frames of where a
// block was allocated and freed (instead of thirty) makes the target several
// hundred runs a second quicker. A fault's own stack is printed in full.
extern "C" const char *__asan_default_options()
{
    return "malloc_context_size=4";
}

namespace {
void fehler(const char *was)
{
    std::fprintf(stderr, "ingredient text: %s\n", was);
    std::abort();
}
} // namespace

void fuzzOne(const uint8_t *data, size_t size)
{
    static bool geladen = false;
    if (!geladen) {
        geladen = true;
        for (const char *name : {"Variablen200.hbr", "Lebensmittel.hbr"}) {
            QFile f(QStringLiteral(TW_INSTALLATION_DIR "/PRGDATA/ENG/") + QLatin1String(name));
            const QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            fuzzing::put(QStringLiteral("PRGDATA\\ENG\\") + QLatin1String(name),
                         reinterpret_cast<const uint8_t *>(b.constData()), size_t(b.size()));
        }
        if (!Lade_Variablenlisten(Load) || !Lade_Zutaten(Load))
            fehler("the shipped units list or database does not load");
        // Every line is looked up in the database and split over the units
        // list, one by one: a share of each keeps the code paths and makes
        // the target quick. The units and names of the seeds stay.
        const QStringList bleiben{"[g]",  "[kg]",  "[ml]", "[l]",     "[tbsp]",     "[tsp]",  "[cup]",  "[cups]",
                                  "[pinch]", "[piece of]", "[to taste]", "[EL]", "[TL]", "[Prise]", "[Pck.]", "[oz]",
                                  "[lb]"};
        TString &einheiten = VariablenTotal[0].Einheiten;
        TString auswahl;
        for (qsizetype i = 0; i < einheiten.size(); ++i)
            if (i % 16 == 0 || bleiben.contains(einheiten[i], Qt::CaseInsensitive))
                auswahl.append(einheiten[i]);
        einheiten = auswahl;
        const QStringList namen{"FLOUR", "SUGAR", "SALT", "BUTTER", "EGGS", "MILK", "MEHL", "ZUCKER"};
        TZutatentotal zutaten;
        for (qsizetype i = 0; i < Zutatentotal.size(); ++i)
            if (i % 32 == 0 || namen.contains(Zutatentotal[i].Zutatname, Qt::CaseInsensitive))
                zutaten.append(Zutatentotal[i]);
        Zutatentotal = zutaten;
    }
    // A pasted list is a few dozen lines, and what a line does to the passes
    // does not depend on the lines after it: the first three lines, at most
    // 512 bytes, are enough, and keep the target quick.
    size = std::min<size_t>(size, 512);
    int zeilenenden = 0;
    for (size_t i = 0; i < size; ++i)
        if (data[i] == '\n' && ++zeilenenden == 3) {
            size = i;
            break;
        }
    // As the import's memo takes pasted text: settled, one line per line break.
    const QString roh = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = Bereinige_Rezeptzeichen(roh);
    if (Bereinige_Rezeptzeichen(text) != text)
        fehler("settling twice changes the text");
    for (const QChar c : Nicht_speicherbare_Zeichen(text))
        if (!c.isSurrogate() && !roh.contains(c))
            fehler("settling made a character a file cannot hold");
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    QString fremd;
    // The window stops here with the line named; the passes still cope.
    Erste_nicht_speicherbare_Zeile(zeilen, fremd);

    const TZutatenpruefung p = Pruefe_Zutatenzeilen(zeilen);
    if (p.Zeilen.size() > zeilen.size())
        fehler("the check pass made up lines");
    Pruefmeldung(p);
    for (const QString &z : p.Zeilen)
        Hat_Nichtgefunden_Marke(z);

    // The window transfers line by line, to keep each line's place.
    for (const QString &z : p.Zeilen) {
        const TZutatenuebertragung u = Uebertrage_Zutatenzeilen({z});
        if (u.Registriert.size() + u.Verblieben.size() > 1)
            fehler("the transfer pass made up lines");
        if (u.Verblieben.isEmpty() != u.Meldung.isEmpty())
            fehler("a line left behind without a message, or a message without it");
        for (const QString &r : u.Registriert) {
            const QString zeile = Ist_Kommentartext(r) ? r : Zugeordnete_Zeile(r, QStringLiteral("Salt"));
            QString menge, einheit, name;
            Zerlege_Zutatenstring(zeile, menge, einheit, true, name);
        }
    }
}
