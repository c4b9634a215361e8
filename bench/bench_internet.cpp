// Transfers against the loopback test servers: a 50 MB download with the
// progress window against libcurl alone on the same server, and the upload
// of a recipe with both side files.
#include "bench/Benchstart.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <cstdio>
#include <curl/curl.h>
#include <memory>

#include "core/Globals.h"
#include "internet/F_Down.h"
#include "internet/Internet.h"
#include "internet/Rezeptupload.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "testing/Servers.h"

namespace {
constexpr qint64 kDownloadSize = 50 * 1024 * 1024;
const QString kKonto = QStringLiteral("abc0123456789");

struct Umgebung {
    QTemporaryDir basis;
    QTemporaryDir web;
    QTemporaryDir ftp;
    std::unique_ptr<testing::HttpServer> http;
    std::unique_ptr<testing::FtpServer> ftpServer;
    TTRezepteTotal rezept;

    bool bereit()
    {
        platform::setBaseFolder(basis.path());
        Programmverzeichnis = platform::baseFolder();
        QFile gross(web.filePath(QStringLiteral("big.bin")));
        if (!gross.open(QIODevice::WriteOnly))
            return false;
        QByteArray block(1024 * 1024, 'x');
        for (int i = 0; i < block.size(); i += 97)
            block[i] = char(i);
        for (qint64 n = 0; n < kDownloadSize; n += block.size())
            gross.write(block);
        gross.close();
        QDir(ftp.path()).mkpath(kKonto + QStringLiteral("/UPLOAD"));
        http = std::make_unique<testing::HttpServer>(web.path());
        ftpServer = std::make_unique<testing::FtpServer>(ftp.path(), QStringLiteral("koch"), QStringLiteral("geheim"));
        if (!http->port() || !ftpServer->port()) {
            std::fprintf(stderr, "servers: %s %s\n", qPrintable(http->error()), qPrintable(ftpServer->error()));
            return false;
        }
        Interneteinstellungen.Serveradresse = http->url(QString());
        Interneteinstellungen.FTPHost = QStringLiteral("127.0.0.1");
        Interneteinstellungen.FTPPort = ftpServer->port();
        Interneteinstellungen.FTPKonto = kKonto;
        Interneteinstellungen.FTPBenutzer = QStringLiteral("koch");
        Interneteinstellungen.FTPPasswort = QStringLiteral("geheim");

        // A recipe of ordinary size with both rich-text side files.
        platform::makeFolder(QStringLiteral("Recipes"));
        QStringList zeilen{QStringLiteral("[TAFELWERKSTATT 2.0]"), QStringLiteral("[KOCHREZEPT]:")};
        for (int i = 0; i < 200; ++i)
            zeilen << QStringLiteral("Line %1 of a recipe with ingredients and instructions").arg(i);
        const QString datei = QStringLiteral("Recipes\\Mum's Goulash - best.KRP");
        platform::writeLines(datei, zeilen);
        platform::writeLines(datei + QStringLiteral(".BRT"), {QStringLiteral("{\\rtf1 Remarks\\par}")});
        platform::writeLines(datei + QStringLiteral(".RRT"), {QStringLiteral("{\\rtf1 Instructions\\par}")});
        rezept.Dateiname = Programmverzeichnis + datei;
        rezept.Bemerkungsdatei = QStringLiteral("Mum's Goulash - best.KRP.BRT");
        rezept.Anleitungsdatei = QStringLiteral("Mum's Goulash - best.KRP.RRT");
        return true;
    }
};
Umgebung *g = nullptr;

size_t in_datei(char *daten, size_t groesse, size_t anzahl, void *datei)
{
    return std::fwrite(daten, groesse, anzahl, static_cast<FILE *>(datei));
}

// libcurl alone: the same file from the same server into a file.
void BM_Download_libcurl(benchmark::State &state)
{
    const QByteArray url = g->http->url(QStringLiteral("/big.bin")).toUtf8();
    const QByteArray ziel = QFile::encodeName(g->basis.filePath(QStringLiteral("plain.bin")));
    for (auto _ : state) {
        FILE *f = std::fopen(ziel.constData(), "wb");
        CURL *e = curl_easy_init();
        curl_easy_setopt(e, CURLOPT_URL, url.constData());
        curl_easy_setopt(e, CURLOPT_NOPROXY, "127.0.0.1");
        curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, in_datei);
        curl_easy_setopt(e, CURLOPT_WRITEDATA, f);
        const CURLcode code = curl_easy_perform(e);
        curl_easy_cleanup(e);
        std::fclose(f);
        if (code != CURLE_OK)
            state.SkipWithError("libcurl download failed");
    }
    state.SetBytesProcessed(state.iterations() * kDownloadSize);
}

// GetInetFile with the progress window shown, its bar set to the size in KB.
void BM_Download_GetInetFile(benchmark::State &state)
{
    const QString url = g->http->url(QStringLiteral("/big.bin"));
    FDown->PBDown->setRange(0, int(kDownloadSize / 1024));
    FDown->show();
    for (auto _ : state) {
        FDown->PBDown->setValue(0);
        if (!GetInetFile(url, Programmverzeichnis + QStringLiteral("big.bin")))
            state.SkipWithError("GetInetFile failed");
    }
    FDown->hide();
    state.SetBytesProcessed(state.iterations() * kDownloadSize);
}

void BM_Upload_Rezept(benchmark::State &state)
{
    for (auto _ : state) {
        const TUploadzaehler z = Lade_Rezept_hoch(g->rezept, QStringLiteral("cook@example.org"), true);
        if (!z.Erfolgreich() || z.Versucht != 4)
            state.SkipWithError("upload failed");
    }
}

BENCHMARK(BM_Download_libcurl)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(BM_Download_GetInetFile)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(BM_Upload_Rezept)->Unit(benchmark::kMillisecond)->Iterations(20);
} // namespace

int main(int argc, char **argv)
{
    Offscreen_wenn_ungesetzt();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Umgebung umgebung;
    if (!umgebung.bereit())
        return 1;
    g = &umgebung;
    FDown = new TFDown;
    Fuehre_Benchmarks_aus();
    delete FDown;
    return 0;
}
