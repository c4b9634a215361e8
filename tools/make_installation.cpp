// make_installation: builds the default installation tree at build time.
//
//   make_installation --data <data folder> --lists <picture lists folder>
//                     --brands <Markennamen.inc> --output <installation folder>
//                     [--manifest <file>] [--no-pictures]
//
// The tree is built beside the output folder and swapped in only when
// everything succeeded, so a failed run leaves the previous tree intact.
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

#include "DataConversion.h"
#include "PictureSets.h"

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "make_installation: error: %s\n", qUtf8Printable(message));
    return 1;
}

// The brand names as the program's brand table lists them.
QStringList readBrands(const QString &path, QString &error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot read the brand table (%2)").arg(path, f.errorString());
        return {};
    }
    const QString text = QString::fromUtf8(f.readAll());
    QStringList brands;
    static const QRegularExpression entry(QStringLiteral("QStringLiteral\\(\"([^\"]*)\"\\)"));
    for (auto it = entry.globalMatch(text); it.hasNext();)
        brands << it.next().captured(1);
    if (brands.isEmpty())
        error = QStringLiteral("%1: no brand names found").arg(path);
    return brands;
}

// The empty folders a fresh installation needs.
QStringList requiredFolders(const QStringList &brands)
{
    QStringList folders = {
        QStringLiteral("Recipes"),          QStringLiteral("Recipes/IAKochen"),  QStringLiteral("PreparedRecipes"),
        QStringLiteral("DRUCKTEMP"),        QStringLiteral("PRGDATA/ENG/LEXIKON"), QStringLiteral("GFXZUTAT/ENG"),
        QStringLiteral("Grafiken/ENG/PNG"), QStringLiteral("Grafiken/ENG/JPG"),  QStringLiteral("Grafiken/ENG/BMP"),
        QStringLiteral("Grafiken/ENG/ICO"),
    };
    for (const QString &b : brands)
        folders << QStringLiteral("GFXZUTAT/ENG/") + b;
    return folders;
}

bool removeTree(const QString &path)
{
    QDir d(path);
    return !d.exists() || d.removeRecursively();
}

} // namespace

int main(int argc, char **argv)
{
    // The offscreen platform complains about a missing runtime folder; that
    // is no concern of a build step.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (msg.contains(QLatin1String("XDG_RUNTIME_DIR")))
            return;
        std::fprintf(stderr, "make_installation: %s%s\n", type >= QtCriticalMsg ? "error: " : "", qUtf8Printable(msg));
    });
    // Drawing needs no screen; the build sets this too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QElapsedTimer clock;
    clock.start();

    QCommandLineParser args;
    args.addOption({QStringLiteral("data"), QStringLiteral("The data folder (UTF-8 text)."), QStringLiteral("folder")});
    args.addOption({QStringLiteral("lists"), QStringLiteral("The picture lists folder."), QStringLiteral("folder")});
    args.addOption({QStringLiteral("brands"), QStringLiteral("The brand table source."), QStringLiteral("file")});
    args.addOption({QStringLiteral("output"), QStringLiteral("The installation folder."), QStringLiteral("folder")});
    args.addOption({QStringLiteral("manifest"), QStringLiteral("Where to list the pictures drawn."), QStringLiteral("file")});
    args.addOption({QStringLiteral("no-pictures"), QStringLiteral("Convert the data and make the folders only.")});
    args.addHelpOption();
    args.process(app);
    for (const char *required : {"data", "brands", "output"})
        if (!args.isSet(QString::fromLatin1(required)))
            return fail(QStringLiteral("--%1 is required").arg(QString::fromLatin1(required)));
    const bool pictures = !args.isSet(QStringLiteral("no-pictures"));
    if (pictures && !args.isSet(QStringLiteral("lists")))
        return fail(QStringLiteral("--lists is required"));

    const QString output = QDir::cleanPath(QDir().absoluteFilePath(args.value(QStringLiteral("output"))));
    const QString dataFolder = args.value(QStringLiteral("data"));
    const QString staging = output + QStringLiteral(".new");
    if (!removeTree(staging) || !QDir().mkpath(staging))
        return fail(QStringLiteral("%1: cannot be created").arg(staging));

    QString error;
    const QStringList brands = readBrands(args.value(QStringLiteral("brands")), error);
    if (!error.isEmpty())
        return fail(error);

    int dataFiles = 0;
    if (!installation::convertDataTree(dataFolder, staging, error, &dataFiles)) {
        removeTree(staging);
        return fail(error);
    }

    for (const QString &folder : requiredFolders(brands))
        if (!QDir(staging).mkpath(folder))
            return fail(QStringLiteral("%1/%2: cannot be created").arg(staging, folder));

    QList<installation::PictureEntry> drawn;
    if (pictures) {
        // Pictures that data/ brings along are not drawn over.
        QSet<QString> supplied;
        for (QDirIterator it(staging, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            supplied.insert(QDir(staging).relativeFilePath(it.next()).toLower());
        installation::PictureWriter writer(staging, supplied);
        installation::PictureInputs inputs{args.value(QStringLiteral("lists")), dataFolder, brands};
        if (!installation::generatePictures(writer, inputs, error)) {
            removeTree(staging);
            return fail(error);
        }
        drawn = writer.written();
    }

    if (!removeTree(output))
        return fail(QStringLiteral("%1: the old tree cannot be removed").arg(output));
    if (!QDir().rename(staging, output))
        return fail(QStringLiteral("%1: cannot be renamed to %2").arg(staging, output));

    if (args.isSet(QStringLiteral("manifest"))) {
        QSaveFile manifest(args.value(QStringLiteral("manifest")));
        if (!manifest.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("%1: cannot be written").arg(manifest.fileName()));
        QTextStream out(&manifest);
        out << "path\twidth\theight\n";
        for (const auto &p : std::as_const(drawn))
            out << p.path << '\t' << p.width << '\t' << p.height << '\n';
        out.flush();
        if (!manifest.commit())
            return fail(QStringLiteral("%1: cannot be written").arg(manifest.fileName()));
    }

    std::printf("make_installation: %d data files, %d pictures in %s (%lld ms)\n", dataFiles, int(drawn.size()),
                qUtf8Printable(output), static_cast<long long>(clock.elapsed()));
    return 0;
}
