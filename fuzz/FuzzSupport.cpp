#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include "core/Globals.h"
#include "platform/Paths.h"
#include "platform/Seams.h"

namespace fuzzing {

namespace {
QTemporaryDir *g_base = nullptr;

// Readers may warn about what they skip; at thousands of runs a second that
// is noise, and a warning is no finding.
void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "fatal: %s\n", qPrintable(message));
        std::abort();
    }
}
} // namespace

void start()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    g_base = new QTemporaryDir;
    platform::setBaseFolder(g_base->path());
    Programmverzeichnis = platform::baseFolder();
    platform::setMessageAnswerer([](const QString &, const QString &, int) { return 1; });
    GlobalVARInit();
}

QString put(const QString &relative, const uint8_t *data, size_t size)
{
    const QString native = platform::baseFolder() + QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QDir().mkpath(QFileInfo(native).absolutePath());
    QFile f(native);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || f.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(native));
        std::abort();
    }
    return Programmverzeichnis + relative;
}

QByteArray get(const QString &relative)
{
    QFile f(platform::baseFolder() + QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/')));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void sameBytes(const char *what, const QByteArray &first, const QByteArray &second)
{
    if (first == second)
        return;
    qsizetype at = 0;
    while (at < first.size() && at < second.size() && first[at] == second[at])
        ++at;
    std::fprintf(stderr, "%s: the second save differs from the first at byte %lld\nfirst:  %s\nsecond: %s\n", what,
                 static_cast<long long>(at), first.mid(qMax<qsizetype>(0, at - 40), 120).toPercentEncoding(" \r\n").constData(),
                 second.mid(qMax<qsizetype>(0, at - 40), 120).toPercentEncoding(" \r\n").constData());
    std::abort();
}

} // namespace fuzzing

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzing::start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzOne(data, size);
    return 0;
}
