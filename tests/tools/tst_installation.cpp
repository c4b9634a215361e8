// The default installation tree that the build makes: data files in the
// Windows code page, the folders a fresh installation needs, and every
// picture the program loads by name.
#include "testing/Testing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace {

const QString kInstallation = QStringLiteral(TW_INSTALLATION_DIR);

QString sourceRoot()
{
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../.."));
}

QString tool()
{
    return QDir::cleanPath(kInstallation + QStringLiteral("/../tools/make_installation"));
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// What a data file must become: Windows-1252, every line ended by CR LF.
QByteArray expectedConversion(const QByteArray &utf8)
{
    QByteArray bytes = utf8;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QList<QByteArray> lines = bytes.split('\n');
    QByteArray out;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        out += platform::encodeCp1252(QString::fromUtf8(line));
        if (i + 1 < lines.size())
            out += "\r\n";
    }
    return out;
}

struct Run {
    int exitCode = -1;
    QString errorOutput;
};

Run runTool(const QString &data, const QString &output, const QString &lists = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    QStringList args = {QStringLiteral("--data"), data, QStringLiteral("--brands"),
                        sourceRoot() + QStringLiteral("/core/Markennamen.inc"), QStringLiteral("--output"), output};
    if (lists.isEmpty())
        args << QStringLiteral("--no-pictures");
    else
        args << QStringLiteral("--lists") << lists;
    p.start(tool(), args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.errorOutput = QString::fromUtf8(p.readAllStandardError());
    return r;
}

void addPicture(const QString &path, int width, int height)
{
    QTest::newRow(qPrintable(path)) << path << width << height;
}

} // namespace

class TestInstallation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(kInstallation).isDir(), "the installation tree has not been built");
        platform::setBaseFolder(kInstallation);
    }
    void init() { testing::failOnWarnings(); }

    void everyDataFileIsConverted()
    {
        const QString data = sourceRoot() + QStringLiteral("/data");
        int files = 0;
        bool sawUmlaut = false;
        for (QDirIterator it(data, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString source = it.next();
            const QString relative = QDir(data).relativeFilePath(source);
            const QByteArray installed = readAll(kInstallation + QLatin1Char('/') + relative);
            QVERIFY2(QFileInfo::exists(kInstallation + QLatin1Char('/') + relative), qPrintable(relative));
            if (relative.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
                || relative.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
                QCOMPARE(installed, readAll(source));
            else
                QVERIFY2(installed == expectedConversion(readAll(source)), qPrintable(relative));
            // no line ends with a bare LF
            for (qsizetype i = installed.indexOf('\n'); i >= 0; i = installed.indexOf('\n', i + 1))
                QVERIFY2(i > 0 && installed[i - 1] == '\r', qPrintable(relative));
            sawUmlaut = sawUmlaut || installed.contains('\xFC');
            ++files;
        }
        QVERIFY(files > 0);
        QVERIFY2(sawUmlaut, "no data file carries a \"ü\" as the byte 0xFC");
    }

    void requiredFoldersExist_data()
    {
        QTest::addColumn<QString>("folder");
        for (const char *f : {"Recipes", "Recipes\\IAKochen", "PreparedRecipes", "DRUCKTEMP", "PRGDATA\\ENG\\LEXIKON",
                              "GFXZUTAT\\ENG", "Grafiken\\ENG\\PNG", "Grafiken\\ENG\\JPG", "Grafiken\\ENG\\BMP",
                              "Grafiken\\ENG\\ICO"})
            QTest::newRow(f) << QString::fromLatin1(f);
        for (const QString &brand : Markennamen)
            QTest::newRow(qPrintable(brand)) << QStringLiteral("GFXZUTAT\\ENG\\") + brand;
    }
    void requiredFoldersExist()
    {
        QFETCH(QString, folder);
        QVERIFY(platform::folderExists(folder));
    }

    // Pictures by the names the program uses, spelled as it spells them.
    void namedPictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        const QString kitchen = QStringLiteral("Grafiken\\ENG\\PNG\\IAKOCHEN\\");
        const QStringList devices = {
            QStringLiteral("Brettchen"), QStringLiteral("Topf"),       QStringLiteral("Schuessel"),
            QStringLiteral("Pfanne"),    QStringLiteral("Auflaufform"), QStringLiteral("Backform"),
            QStringLiteral("Grill"),     QStringLiteral("Backblech"),  QStringLiteral("Fritteuse"),
            QStringLiteral("Mixer"),     QStringLiteral("Mikrowelle"), QStringLiteral("Backofen"),
            QStringLiteral("Wasserbad"), QStringLiteral("Kuehlschrank"), QStringLiteral("Eisfach"),
            QStringLiteral("Entsafter")};
        for (const QString &d : devices) {
            addPicture(kitchen + d + QStringLiteral("_Icon.png"), 32, 32);
            addPicture(kitchen + d + (d == QLatin1String("Auflaufform") ? QStringLiteral("_IconG.png")
                                                                         : QStringLiteral("_Icong.png")),
                       32, 32);
            addPicture(kitchen + d + QStringLiteral("_IconR.png"), 32, 32);
            addPicture(kitchen + d + QStringLiteral("_Ic.png"), 20, 20);
            addPicture(kitchen + QStringLiteral("K_") + d + QStringLiteral(".png"), 660, 330);
        }
        addPicture(kitchen + QStringLiteral("Waage_Icon.png"), 32, 32);
        addPicture(kitchen + QStringLiteral("K_Kuechenwaage.png"), 660, 330);
        const QStringList verbs = {
            QStringLiteral("Topf"), QStringLiteral("Schuessel"), QStringLiteral("Pfanne"), QStringLiteral("Auflaufform"),
            QStringLiteral("Backform"), QStringLiteral("Grill"), QStringLiteral("Backblech"), QStringLiteral("Fritteuse"),
            QStringLiteral("Mixer"), QStringLiteral("Mikrowelle"), QStringLiteral("Backofen"), QStringLiteral("Wasserbad"),
            QStringLiteral("Kuehlschrank"), QStringLiteral("Eisfach"), QStringLiteral("Entsafter"),
            QStringLiteral("Holzkochloeffel"), QStringLiteral("Kuechenmesser"), QStringLiteral("Klopfer"),
            QStringLiteral("Teigrolle"), QStringLiteral("Haende"), QStringLiteral("Knethaken_Maschine"),
            QStringLiteral("Ruehrbesen"), QStringLiteral("Ruehrhaken_Maschine"), QStringLiteral("Schaelmesser"),
            QStringLiteral("Entkerner"), QStringLiteral("Teig_Mehl"), QStringLiteral("Sosse"), QStringLiteral("Suppe"),
            QStringLiteral("Braten"), QStringLiteral("Sieb"), QStringLiteral("Teig_Fleisch"), QStringLiteral("Stampfer"),
            QStringLiteral("Puerierstab"), QStringLiteral("Auflauf"), QStringLiteral("Tortenboden"), QStringLiteral("Obst"),
            QStringLiteral("Creme"), QStringLiteral("Fleisch"), QStringLiteral("Gemuese"), QStringLiteral("Salat"),
            QStringLiteral("Dessert"), QStringLiteral("Beilage"), QStringLiteral("Fruechte")};
        QCOMPARE(verbs.size(), 43);
        for (const QString &v : verbs) {
            addPicture(kitchen + v + QStringLiteral("_VI.png"), 28, 28);
            addPicture(kitchen + v + QStringLiteral("_VI_G.png"), 28, 28);
        }
        // both spellings of the lower arrow name the one file
        for (const char *f : {"IGewürz.png", "IZutat.png", "IVariable.png", "IPfeilO.png", "IPfeilU.png", "IPfeilu.png",
                              "Gruppean_ICon.png", "Gruppeaus_ICon.png"})
            addPicture(kitchen + QString::fromUtf8(f), 28, 28);
        for (const QString &g : Zutatengruppengrafiken)
            addPicture(kitchen + g, 150, 140);
        for (const char *f : {"Grafiken\\ENG\\PNG\\Hintergrund.png", "Grafiken\\ENG\\PNG\\Hintergrund_Hell.png",
                              "Grafiken\\ENG\\PNG\\Original.png", "Grafiken\\ENG\\PNG\\IAKOCHEN\\Hintergrund.png",
                              "Grafiken\\ENG\\PNG\\IAKOCHEN\\Hintergrund_Hell.png"})
            addPicture(QString::fromLatin1(f), 1024, 768);
        addPicture(QStringLiteral("Grafiken\\ENG\\PNG\\DummyLex.png"), 200, 150);
        addPicture(QStringLiteral("Grafiken\\ENG\\PNG\\LEXIKON\\Abbruehen.png"), 200, 150);
        for (int t = 1; t <= 10; ++t)
            addPicture(QStringLiteral("Grafiken\\ENG\\PNG\\FirstTipp\\Tipp%1.png").arg(t), 200, 150);
        for (int c = 0; c < AnzahlKategorien; ++c) {
            addPicture(QStringLiteral("Grafiken\\ENG\\PNG\\Wizard_%1.PNG").arg(c), 128, 128);
            addPicture(QStringLiteral("Grafiken\\ENG\\ICO\\48_48\\Wizard_%1.ICO").arg(c), 48, 48);
            for (int size : {16, 32, 48})
                addPicture(QStringLiteral("Grafiken\\ENG\\ICO\\") + Kategorieicons[c] + QString::number(size)
                               + QStringLiteral(".png"),
                           size, size);
        }
        for (const char *f : {"Zutaten_pruefen.bmp", "Hilfe_blau.bmp", "Hilfe_Blau.bmp", "Speichern.bmp",
                              "Zutaten_Uebertragen.bmp", "Zutaten_aufnehmen.bmp", "Zutaten_neuaufnehmen.bmp",
                              "Pfeil_Oben.bmp", "Pfeil_Unten.bmp", "Zutaten_Reset.bmp", "Haken_gruen.bmp"})
            addPicture(QStringLiteral("Grafiken\\ENG\\BMP\\") + QString::fromLatin1(f), 32, 32);
        for (int n = 1; n <= 15; ++n)
            addPicture(QStringLiteral("GFXZUTAT\\ENG\\%1.png").arg(n), 150, 140);
    }
    void namedPictures()
    {
        QFETCH(QString, path);
        QFETCH(int, width);
        QFETCH(int, height);
        const QString file = platform::nativePath(path);
        QVERIFY2(platform::fileExists(path), qPrintable(path));
        const QImage image(file);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(width, height));
    }

    // Every picture that the data files name, through the picture lists.
    void listedPictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        struct List {
            const char *file;
            const char *folder;
            int width, height;
        };
        for (const List &l : {List{"ingredients.tsv", "GFXZUTAT\\ENG\\", 150, 140},
                              List{"lexikon.tsv", "Grafiken\\ENG\\PNG\\LEXIKON\\", 200, 150},
                              List{"recipes.tsv", "", 320, 240}}) {
            QFile f(sourceRoot() + QStringLiteral("/tools/pictures/") + QString::fromLatin1(l.file));
            QVERIFY2(f.open(QIODevice::ReadOnly), l.file);
            const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
            int rows = 0;
            for (const QString &line : lines) {
                const QString name = line.section(QLatin1Char('\t'), 0, 0).trimmed();
                if (!name.contains(QLatin1Char('.')) || name.startsWith(QLatin1Char('#')))
                    continue; // the header or an empty line
                addPicture(QString::fromLatin1(l.folder) + name, l.width, l.height);
                ++rows;
            }
            QVERIFY2(rows > 0, l.file);
        }
    }
    void listedPictures() { namedPictures(); }

    // Every picture that the installed data files name: ingredient
    // pictures of both databases, dictionary pictures, recipe pictures.
    void picturesNamedByTheData_data()
    {
        QTest::addColumn<QString>("path");
        QSet<QString> paths;
        for (const char *db : {"PRGDATA\\ENG\\Lebensmittel.hbr", "PRGDATA\\ENG\\Lebensmittel_ALL.hbr"}) {
            QStringList lines;
            QVERIFY2(platform::readLines(QString::fromLatin1(db), lines), db);
            QVERIFY(lines.size() >= 2);
            const int count = lines[1].toInt();
            QVERIFY2(lines.size() >= 2 + count * 17, db);
            for (int r = 0; r < count; ++r) {
                const QString picture = lines[2 + r * 17 + 6]; // the record's second stored string
                if (!picture.isEmpty())
                    paths.insert(QStringLiteral("GFXZUTAT\\ENG\\") + picture);
            }
        }
        QStringList dictionary;
        QVERIFY(platform::readLines(QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd"), dictionary));
        for (int i = 0; i + 1 < dictionary.size(); ++i) {
            if (!dictionary[i].startsWith(QLatin1String("{GRAFIKFILENAME}")))
                continue;
            QString picture = dictionary[i + 1];
            if (picture.isEmpty())
                continue;
            if (picture.contains(QLatin1String("-\\"))) {
                paths.insert(picture.mid(2));
                continue;
            }
            if (picture.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
                picture = picture.left(picture.size() - 4) + QStringLiteral(".PNG");
            paths.insert(QStringLiteral("Grafiken\\ENG\\PNG\\LEXIKON\\") + picture);
        }
        for (const QString &mask : Kategoriemasken) {
            for (const QString &file : platform::listFiles(QStringLiteral("Recipes"), mask)) {
                QStringList recipe;
                QVERIFY(platform::readLines(QStringLiteral("Recipes\\") + file, recipe));
                if (recipe.size() > 9 && !recipe[9].isEmpty()) // Rezeptgrafik
                    paths.insert(recipe[9]);
            }
        }
        QVERIFY(paths.size() > 100);
        QStringList sorted(paths.begin(), paths.end());
        sorted.sort();
        for (const QString &p : std::as_const(sorted))
            QTest::newRow(qPrintable(p)) << p;
    }
    void picturesNamedByTheData()
    {
        QFETCH(QString, path);
        QVERIFY2(platform::fileExists(path), qPrintable(path));
        QVERIFY(!QImage(platform::nativePath(path)).isNull());
    }

    // Each device and each verb has a picture of its own, and food is drawn
    // in colour (a missing emoji font would leave grey stand-ins).
    void picturesAreDistinctAndInColour_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("count");
        QTest::newRow("verb icons") << "*_VI.png" << 43;
        QTest::newRow("highlighted verb icons") << "*_VI_G.png" << 43;
        QTest::newRow("device icons and select-all switches") << "*_Icon.png" << 16 + 1 + 2;
        QTest::newRow("kitchen pictures") << "K_*.png" << 17;
        QTest::newRow("group pictures") << "Z_*.png" << 19;
    }
    void picturesAreDistinctAndInColour()
    {
        QFETCH(QString, mask);
        QFETCH(int, count);
        const QString kitchen = QStringLiteral("Grafiken\\ENG\\PNG\\IAKOCHEN");
        const QStringList files = platform::listFiles(kitchen, mask);
        QCOMPARE(files.size(), count);
        QHash<QByteArray, QString> seen;
        for (const QString &f : files) {
            const QByteArray bytes = readAll(platform::nativePath(kitchen + QLatin1Char('\\') + f));
            QVERIFY2(!seen.contains(bytes), qPrintable(f + QStringLiteral(" looks like ") + seen.value(bytes)));
            seen.insert(bytes, f);
        }
    }
    void foodIsInColour()
    {
        const QImage tomato(platform::nativePath(QStringLiteral("GFXZUTAT\\ENG\\tomatoes.png")));
        QVERIFY(!tomato.isNull());
        int red = 0;
        for (int y = 0; y < tomato.height(); ++y)
            for (int x = 0; x < tomato.width(); ++x) {
                const QColor c = tomato.pixelColor(x, y);
                if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                    ++red;
            }
        QVERIFY2(red > 500, "the tomato is not red: is the colour emoji font installed?");
    }

    // Every picture the tool says it drew is there and readable.
    void drawnPicturesLoad()
    {
        const QByteArray manifest = readAll(kInstallation + QStringLiteral("/../tools/installation-pictures.tsv"));
        const QList<QByteArray> lines = manifest.split('\n');
        int checked = 0;
        for (int i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> cells = lines[i].split('\t');
            if (cells.size() != 3)
                continue;
            const QString path = kInstallation + QLatin1Char('/') + QString::fromUtf8(cells[0]);
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            QCOMPARE(image.size(), QSize(cells[1].toInt(), cells[2].toInt()));
            ++checked;
        }
        QVERIFY(checked > 400);
    }

    void conversion_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("umlauts, LF") << "PRGDATA/ENG/a.hbr" << QByteArray("M\xC3\xBCsli\n\xC3\x84pfel\n")
                                     << QByteArray("M\xFCsli\r\n\xC4pfel\r\n");
        QTest::newRow("CR LF stays single") << "a.hbr" << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("no last line end") << "a.hbr" << QByteArray("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("empty lines kept") << "a.hbr" << QByteArray("a\n\n\nb\n") << QByteArray("a\r\n\r\n\r\nb\r\n");
        QTest::newRow("byte-order mark dropped") << "a.hbr" << QByteArray("\xEF\xBB\xBFx\n") << QByteArray("x\r\n");
        QTest::newRow("code page 0x80..0x9F") << "Recipes/x.KRP" << QByteArray("\xE2\x82\xAC \xE2\x80\x9Ex\xE2\x80\x9C\n")
                                               << QByteArray("\x80 \x84x\x93\r\n");
        QTest::newRow("picture copied as it is") << "Recipes/p.png" << QByteArray("\x89PNG\r\n\x1A\n\n\xFF\xFE")
                                                 << QByteArray("\x89PNG\r\n\x1A\n\n\xFF\xFE");
    }
    void conversion()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        QVERIFY(writeAll(dir.filePath(QStringLiteral("data/") + file), input));
        const Run r = runTool(dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("out")));
        QVERIFY2(r.exitCode == 0, qPrintable(r.errorOutput));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("out/") + file)), expected);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("out/GFXZUTAT/ENG/") + Markennamen[1])).isDir());
    }

    // Text the code page cannot hold stops the build with the file and line,
    // and the tree of the last good build stays as it was.
    void badTextFailsTheBuild_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("where");
        QTest::newRow("emoji") << QByteArray("a\nb\nTomato \xF0\x9F\x8D\x85\n") << "bad.hbr:3:";
        QTest::newRow("arrow") << QByteArray("x \xE2\x86\x92 y\n") << "bad.hbr:1:";
        QTest::newRow("not UTF-8") << QByteArray("ok\n\xC3(\n") << "bad.hbr:2:";
    }
    void badTextFailsTheBuild()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, where);
        QTemporaryDir dir;
        QVERIFY(writeAll(dir.filePath(QStringLiteral("data/good.hbr")), "fine\n"));
        QVERIFY(writeAll(dir.filePath(QStringLiteral("data/PRGDATA/bad.hbr")), input));
        QVERIFY(writeAll(dir.filePath(QStringLiteral("out/kept.txt")), "old tree"));
        const Run r = runTool(dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("out")));
        QVERIFY(r.exitCode > 0);
        QVERIFY2(r.errorOutput.contains(where), qPrintable(r.errorOutput));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("out/kept.txt"))), QByteArray("old tree"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out/good.hbr"))));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out.new"))));
    }

    // The resolver matches names ignoring case; two spellings of one name
    // in one folder would make it pick either.
    void noTwoSpellingsOfOneName()
    {
        QStringList folders = {kInstallation};
        for (QDirIterator it(kInstallation, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
             it.hasNext();)
            folders << it.next();
        for (const QString &folder : std::as_const(folders)) {
            QSet<QString> seen;
            for (const QString &name : QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
                const QString key = platform::lowerCase(name);
                QVERIFY2(!seen.contains(key), qPrintable(folder + QLatin1Char('/') + name));
                seen.insert(key);
            }
        }
    }

    // Icons the kitchen makes transparent by the colour of pixel (1, 1):
    // that pixel is see-through, the middle is not. Button bitmaps carry
    // the window colour behind the picture.
    void iconCornersAndGlyphBackgrounds()
    {
        const QString kitchen = kInstallation + QStringLiteral("/Grafiken/ENG/PNG/IAKOCHEN");
        int icons = 0;
        for (const QString &name : QDir(kitchen).entryList({QStringLiteral("*_Icon.png"), QStringLiteral("*_VI.png"),
                                                            QStringLiteral("I*.png"), QStringLiteral("Gruppe*.png")},
                                                           QDir::Files)) {
            const QImage icon(kitchen + QLatin1Char('/') + name);
            QVERIFY2(qAlpha(icon.pixel(1, 1)) == 0, qPrintable(name));
            QVERIFY2(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)) == 255, qPrintable(name));
            ++icons;
        }
        QVERIFY(icons >= 16 + 43 + 5 + 2);
        const QString glyphs = kInstallation + QStringLiteral("/Grafiken/ENG/BMP");
        for (const QString &name : QDir(glyphs).entryList({QStringLiteral("*.bmp")}, QDir::Files)) {
            const QImage glyph(glyphs + QLatin1Char('/') + name);
            QCOMPARE(QColor(glyph.pixel(0, 0)), QColor(229, 215, 166));
        }
    }

    // A picture that data/ brings along wins over the drawn one; a picture
    // list that points outside its folder stops the build.
    void suppliedPicturesAndBadLists()
    {
        QTemporaryDir dir;
        QImage own(10, 10, QImage::Format_RGB32);
        own.fill(Qt::red);
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("data/Grafiken/ENG/PNG"))));
        QVERIFY(own.save(dir.filePath(QStringLiteral("data/Grafiken/ENG/PNG/hintergrund.png"))));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("lists"))));
        QVERIFY(writeAll(dir.filePath(QStringLiteral("lists/ingredients.tsv")), "file\tname\ntomato.png\tTomatoes\n"));
        Run r = runTool(dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("out")),
                        dir.filePath(QStringLiteral("lists")));
        QVERIFY2(r.exitCode == 0, qPrintable(r.errorOutput));
        QDir png(dir.filePath(QStringLiteral("out/Grafiken/ENG/PNG")));
        QCOMPARE(png.entryList({QStringLiteral("Hintergrund.png")}, QDir::Files), QStringList{QStringLiteral("hintergrund.png")});
        QCOMPARE(QImage(png.filePath(QStringLiteral("hintergrund.png"))).size(), QSize(10, 10));
        QCOMPARE(QImage(dir.filePath(QStringLiteral("out/GFXZUTAT/ENG/tomato.png"))).size(), QSize(150, 140));

        QVERIFY(writeAll(dir.filePath(QStringLiteral("lists/ingredients.tsv")), "..\\..\\evil.png\tEvil\n"));
        r = runTool(dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("out")),
                    dir.filePath(QStringLiteral("lists")));
        QVERIFY(r.exitCode > 0);
        QVERIFY2(r.errorOutput.contains(QLatin1String("evil.png")), qPrintable(r.errorOutput));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out/evil.png"))));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("out/GFXZUTAT/ENG/tomato.png"))));
    }
};

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
