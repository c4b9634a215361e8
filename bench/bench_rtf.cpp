// Opening long formatted instructions: an RTF of 12,500 to 50,000
// characters in 400 to 1,600 format runs,
// read into the document of a shown rich-text field, and the recipe
// editor's whole load of such a side file. The time per character must stay
// flat as the text grows.
#include "bench/Benchstart.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "platform/Paths.h"
#include "platform/Rtf.h"
#include "platform/TextFile.h"
#include "recipes/F_Rez_p.h"

namespace {

// 1,600 format runs in 50,000 characters.
int Laeufe(int zeichen)
{
    return zeichen * 32 / 1000;
}

// Instructions as a word processor writes them: zeichen characters in
// Laeufe runs, bold and plain by turns, in one paragraph with a line break
// after every eighth run. The longer the paragraph, the more a layout after
// each run costs.
QByteArray Anleitung(int zeichen)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                     "{\\colortbl ;\\red0\\green0\\blue0;}\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    static const char satz[] = "Stir the onions until golden. ";
    const int laeufe = Laeufe(zeichen);
    for (int lauf = 0; lauf < laeufe; ++lauf) {
        rtf += lauf % 2 ? "\\b0 " : "\\b ";
        for (qint64 i = qint64(lauf) * zeichen / laeufe; i < qint64(lauf + 1) * zeichen / laeufe; ++i)
            rtf += satz[i % (sizeof satz - 1)];
        if (lauf % 8 == 7)
            rtf += "\\line\r\n";
    }
    rtf += "\\par\r\n}\r\n";
    return rtf;
}

QTextEdit &Feld()
{
    static QTextEdit *feld = [] {
        auto *f = new QTextEdit;
        f->resize(640, 480);
        f->show();
        return f;
    }();
    return *feld;
}

void Zaehler(benchmark::State &state)
{
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["runs"] = double(Laeufe(int(state.range(0))));
}

void BM_RtfInsFeld(benchmark::State &state)
{
    const QByteArray rtf = Anleitung(int(state.range(0)));
    QTextEdit &feld = Feld();
    for (auto _ : state) {
        platform::rtfToDocument(rtf, feld.document());
        benchmark::DoNotOptimize(feld.document()->characterCount());
    }
    Zaehler(state);
}
BENCHMARK(BM_RtfInsFeld)->Arg(12500)->Arg(25000)->Arg(50000)->ArgName("chars")->Unit(benchmark::kMillisecond);

// The editor's load: the side file read into its field and compared with the
// record's plain lines.
void BM_EditorLaedtAnleitung(benchmark::State &state)
{
    QTemporaryDir ordner;
    platform::setBaseFolder(ordner.path());
    platform::makeFolder(QStringLiteral("Recipes"));
    const QString pfad = QStringLiteral("Recipes\\Lang.KRP.RRT");
    const QByteArray rtf = Anleitung(int(state.range(0)));
    platform::writeBytes(pfad, rtf);
    QTextDocument vorlage;
    platform::rtfToDocument(rtf, &vorlage);
    const QStringList zeilen = rezeditor::Dokumentzeilen(&vorlage);
    QTextEdit &feld = Feld();
    for (auto _ : state) {
        rezeditor::Lade_Text(&feld, pfad, zeilen);
        benchmark::DoNotOptimize(feld.document()->characterCount());
    }
    // the first run is bold when the side file, not the plain lines, was taken
    if (rezeditor::Dokumentzeilen(feld.document()) != zeilen
        || feld.document()->begin().begin().fragment().charFormat().fontWeight() < QFont::Bold)
        state.SkipWithError("the side file was not taken");
    Zaehler(state);
}
BENCHMARK(BM_EditorLaedtAnleitung)->Arg(12500)->Arg(50000)->ArgName("chars")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return Starte_Benchmarks(argc, argv);
}
