// Uploaded verb files: read as the merge reads them, merged into the shipped
// master verb list and the whole verb list; the merged lists save, reload
// and save to the same bytes.
#include "FuzzSupport.h"

#include <QFile>

#include "core/Dateioperationen_p.h"
#include "mastering/Mastering.h"
#include "mastering/Verblisten.h"

namespace {
QByteArray Ausgeliefert(const char *name)
{
    QFile f(QStringLiteral(TW_INSTALLATION_DIR "/PRGDATA/ENG/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

void fuzzOne(const uint8_t *data, size_t size)
{
    static TIAVERBEN master;
    static bool geladen = false;
    if (!geladen) {
        geladen = true;
        QString grund;
        if (!dateien::liesVerben(Ausgeliefert("IAVariablenliste.hbr"), master, grund))
            master.clear();
    }
    Protokoll.clear();
    QStringList zeilen;
    platform::splitLines(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), zeilen);
    TIAVERBEN upload;
    if (!Lies_Verbupload(zeilen, QStringLiteral("Fuzz.VIA"), upload))
        return;

    TIAVERBEN verben = master;
    Fuehre_Verben_zusammen(verben, upload);
    Sortiere_Verben(verben);
    const QByteArray gemischt = platform::joinLines(dateien::schreibeVerben(verben));
    fuzzing::roundTrip<TIAVERBEN>("merged verb list", reinterpret_cast<const uint8_t *>(gemischt.constData()),
                                  size_t(gemischt.size()), dateien::liesVerben, dateien::schreibeVerben);

    TIAVTotalliste total;
    for (const TTIAVERBEN &v : master)
        total.append(TTIAVTotalliste{v.Text, 0});
    Ergaenze_Totalliste(total, verben);
    Entferne_doppelte_Verbtexte(total);
    Sortiere_Totalliste(total);
    TString texte;
    for (const TTIAVTotalliste &e : std::as_const(total))
        if (!e.Text.isEmpty())
            texte.append(e.Text);
    const QByteArray ganz = platform::joinLines(dateien::schreibeListe(dateien::KopfVTotal, texte));
    fuzzing::roundTrip<TString>(
        "whole verb list", reinterpret_cast<const uint8_t *>(ganz.constData()), size_t(ganz.size()),
        [](const QByteArray &z, TString &out, QString &grund) { return dateien::liesListe(z, dateien::KopfVTotal, out, grund); },
        [](const TString &l) { return dateien::schreibeListe(dateien::KopfVTotal, l); });
}
