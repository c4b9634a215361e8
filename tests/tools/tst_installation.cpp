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
#include <QMap>
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
    p.start(QDir::cleanPath(kInstallation + QStringLiteral("/../tools/make_installation")), args);
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

    // Every file of data/ is installed: pictures as they are, text in the
    // Windows code page with every line ended by CR LF.
    void everyDataFileIsConverted()
    {
        const QString data = sourceRoot() + QStringLiteral("/data");
        int files = 0;
        bool sawUmlaut = false;
        for (QDirIterator it(data, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); ++files) {
            const QString source = it.next();
            const QString relative = QDir(data).relativeFilePath(source);
            QVERIFY2(QFileInfo::exists(kInstallation + QLatin1Char('/') + relative), qPrintable(relative));
            const QByteArray installed = readAll(kInstallation + QLatin1Char('/') + relative);
            if (relative.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
                || relative.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)) {
                QCOMPARE(installed, readAll(source));
                continue;
            }
            const QString text = QString::fromUtf8(readAll(source)).remove(QChar(0xFEFF));
            QCOMPARE(platform::decodeCp1252(installed).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                     QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
            for (qsizetype i = installed.indexOf('\n'); i >= 0; i = installed.indexOf('\n', i + 1))
                QVERIFY2(i > 0 && installed[i - 1] == '\r', qPrintable(relative + QStringLiteral(": a bare LF")));
            sawUmlaut = sawUmlaut || installed.contains('\xFC');
        }
        QVERIFY(files > 0);
        QVERIFY2(sawUmlaut, "no data file carries a \"ü\" as the byte 0xFC");
    }

    void requiredFoldersExist()
    {
        QStringList folders = QStringLiteral("Recipes|Recipes\\IAKochen|PreparedRecipes|DRUCKTEMP|PRGDATA\\ENG\\LEXIKON|"
                                             "GFXZUTAT\\ENG|Grafiken\\ENG\\PNG|Grafiken\\ENG\\JPG|Grafiken\\ENG\\BMP|"
                                             "Grafiken\\ENG\\ICO")
                                  .split(QLatin1Char('|'));
        for (const QString &brand : Markennamen)
            folders << QStringLiteral("GFXZUTAT\\ENG\\") + brand;
        for (const QString &folder : std::as_const(folders))
            QVERIFY2(platform::folderExists(folder), qPrintable(folder));
    }

    // Pictures by the names the program uses, spelled as it spells them.
    void namedPictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        const QString kitchen = QStringLiteral("Grafiken\\ENG\\PNG\\IAKOCHEN\\");
        const QStringList devices = QStringLiteral("Brettchen Topf Schuessel Pfanne Auflaufform Backform Grill Backblech "
                                                   "Fritteuse Mixer Mikrowelle Backofen Wasserbad Kuehlschrank Eisfach Entsafter")
                                        .split(QLatin1Char(' '));
        for (const QString &d : devices) {
            addPicture(kitchen + d + QStringLiteral("_Icon.png"), 32, 32);
            addPicture(kitchen + d + (d == QLatin1String("Auflaufform") ? "_IconG.png" : "_Icong.png"), 32, 32);
            addPicture(kitchen + d + QStringLiteral("_IconR.png"), 32, 32);
            addPicture(kitchen + d + QStringLiteral("_Ic.png"), 20, 20);
            addPicture(kitchen + QStringLiteral("K_") + d + QStringLiteral(".png"), 660, 330);
        }
        addPicture(kitchen + QStringLiteral("Waage_Icon.png"), 32, 32);
        addPicture(kitchen + QStringLiteral("K_Kuechenwaage.png"), 660, 330);
        // The 43 verbs: every device but the board, then tools and dishes.
        const QStringList verbs =
            devices.mid(1)
            + QStringLiteral("Holzkochloeffel Kuechenmesser Klopfer Teigrolle Haende Knethaken_Maschine Ruehrbesen "
                             "Ruehrhaken_Maschine Schaelmesser Entkerner Teig_Mehl Sosse Suppe Braten Sieb Teig_Fleisch "
                             "Stampfer Puerierstab Auflauf Tortenboden Obst Creme Fleisch Gemuese Salat Dessert Beilage Fruechte")
                  .split(QLatin1Char(' '));
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
                addPicture("Grafiken\\ENG\\ICO\\" + Kategorieicons[c] + QString::number(size) + ".png", size, size);
        }
        for (const QString &f : QStringLiteral("Zutaten_pruefen Hilfe_blau Hilfe_Blau Speichern Zutaten_Uebertragen "
                                               "Zutaten_aufnehmen Zutaten_neuaufnehmen Pfeil_Oben Pfeil_Unten Zutaten_Reset "
                                               "Haken_gruen")
                                    .split(QLatin1Char(' ')))
            addPicture(QStringLiteral("Grafiken\\ENG\\BMP\\") + f + QStringLiteral(".bmp"), 32, 32);
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
        if (width > 0)
            QCOMPARE(image.size(), QSize(width, height));
    }

    // Every picture that the installed data files name, at the size the
    // windows show it: ingredient pictures of both databases, dictionary
    // pictures, recipe pictures.
    void picturesNamedByTheData_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QMap<QString, QSize> paths;
        for (const char *db : {"PRGDATA\\ENG\\Lebensmittel.hbr", "PRGDATA\\ENG\\Lebensmittel_ALL.hbr"}) {
            QStringList lines;
            QVERIFY2(platform::readLines(QString::fromLatin1(db), lines), db);
            QVERIFY(lines.size() >= 2);
            const int count = lines[1].toInt();
            QVERIFY2(lines.size() >= 2 + count * 17, db);
            for (int r = 0; r < count; ++r) {
                const QString picture = lines[2 + r * 17 + 6]; // the record's second stored string
                if (!picture.isEmpty())
                    paths.insert(QStringLiteral("GFXZUTAT\\ENG\\") + picture, QSize(150, 140));
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
                paths.insert(picture.mid(2), QSize()); // a path from the base folder, of any size
                continue;
            }
            if (picture.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
                picture = picture.left(picture.size() - 4) + QStringLiteral(".PNG");
            paths.insert(QStringLiteral("Grafiken\\ENG\\PNG\\LEXIKON\\") + picture, QSize(200, 150));
        }
        for (const QString &mask : Kategoriemasken) {
            for (const QString &file : platform::listFiles(QStringLiteral("Recipes"), mask)) {
                QStringList recipe;
                QVERIFY(platform::readLines(QStringLiteral("Recipes\\") + file, recipe));
                if (recipe.size() > 9 && !recipe[9].isEmpty()) // Rezeptgrafik
                    paths.insert(recipe[9], QSize(320, 240));
            }
        }
        QVERIFY(paths.size() > 100);
        for (auto it = paths.cbegin(); it != paths.cend(); ++it)
            addPicture(it.key(), it.value().width(), it.value().height());
    }
    void picturesNamedByTheData() { namedPictures(); }

    // Each device and each verb has a picture of its own. Icons the kitchen
    // makes transparent by the colour of pixel (1, 1): that pixel is
    // see-through, the middle is not.
    void kitchenPictures_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("keyed");
        QTest::newRow("verb icons") << "*_VI.png" << 43 << true;
        QTest::newRow("highlighted verb icons") << "*_VI_G.png" << 43 << false;
        QTest::newRow("device icons and select-all switches") << "*_Icon.png" << 16 + 1 + 2 << true;
        QTest::newRow("list icons") << "I*.png" << 5 << true;
        QTest::newRow("kitchen pictures") << "K_*.png" << 17 << false;
        QTest::newRow("group pictures") << "Z_*.png" << 19 << false;
    }
    void kitchenPictures()
    {
        QFETCH(QString, mask);
        QFETCH(int, count);
        QFETCH(bool, keyed);
        const QString kitchen = QStringLiteral("Grafiken\\ENG\\PNG\\IAKOCHEN\\");
        const QStringList files = platform::listFiles(kitchen, mask);
        QCOMPARE(files.size(), count);
        QHash<QByteArray, QString> seen;
        for (const QString &f : files) {
            const QByteArray bytes = readAll(platform::nativePath(kitchen + f));
            QVERIFY2(!seen.contains(bytes), qPrintable(f + QStringLiteral(" looks like ") + seen.value(bytes)));
            seen.insert(bytes, f);
            const QImage icon = QImage::fromData(bytes);
            if (keyed) {
                QVERIFY2(qAlpha(icon.pixel(1, 1)) == 0, qPrintable(f));
                QVERIFY2(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)) == 255, qPrintable(f));
            }
        }
    }
    // Food is drawn in colour (a missing emoji font would leave grey stand-ins).
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

    void conversion_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("umlauts, LF, byte-order mark dropped")
            << "PRGDATA/ENG/a.hbr" << QByteArray("\xEF\xBB\xBFM\xC3\xBCsli\n\xC3\x84pfel\n") << QByteArray("M\xFCsli\r\n\xC4pfel\r\n");
        QTest::newRow("CR LF stays single, empty lines kept, no last line end")
            << "a.hbr" << QByteArray("a\r\nb\n\n\nc") << QByteArray("a\r\nb\r\n\r\n\r\nc");
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
        QVERIFY(writeAll(dir.filePath("data/" + file), input));
        const Run r = runTool(dir.filePath("data"), dir.filePath("out"));
        QVERIFY2(r.exitCode == 0, qPrintable(r.errorOutput));
        QCOMPARE(readAll(dir.filePath("out/" + file)), expected);
        QVERIFY(QFileInfo(dir.filePath("out/GFXZUTAT/ENG/" + Markennamen[1])).isDir());
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
        QVERIFY(writeAll(dir.filePath("data/good.hbr"), "fine\n"));
        QVERIFY(writeAll(dir.filePath("data/PRGDATA/bad.hbr"), input));
        QVERIFY(writeAll(dir.filePath("out/kept.txt"), "old tree"));
        const Run r = runTool(dir.filePath("data"), dir.filePath("out"));
        QVERIFY(r.exitCode > 0);
        QVERIFY2(r.errorOutput.contains(where), qPrintable(r.errorOutput));
        QCOMPARE(readAll(dir.filePath("out/kept.txt")), QByteArray("old tree"));
        QVERIFY(!QFileInfo::exists(dir.filePath("out/good.hbr")));
        QVERIFY(!QFileInfo::exists(dir.filePath("out.new")));
    }

    // The resolver matches names ignoring case; two spellings of one name
    // in one folder would make it pick either.
    void noTwoSpellingsOfOneName()
    {
        QSet<QString> seen;
        for (QDirIterator it(kInstallation, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QFileInfo entry(it.next());
            const QString key = entry.path() + QLatin1Char('/') + platform::lowerCase(entry.fileName());
            QVERIFY2(!seen.contains(key), qPrintable(entry.filePath()));
            seen.insert(key);
        }
    }

    // Button bitmaps carry the window colour behind the picture.
    void glyphBackgrounds()
    {
        const QString glyphs = kInstallation + QStringLiteral("/Grafiken/ENG/BMP/");
        const QStringList names = QDir(glyphs).entryList({QStringLiteral("*.bmp")}, QDir::Files);
        QVERIFY(names.size() >= 10);
        for (const QString &name : names)
            QCOMPARE(QColor(QImage(glyphs + name).pixel(0, 0)), QColor(229, 215, 166));
    }

    // A picture that data/ brings along wins over the drawn one; a picture
    // list that points outside its folder stops the build.
    void suppliedPicturesAndBadLists()
    {
        QTemporaryDir dir;
        QImage own(10, 10, QImage::Format_RGB32);
        own.fill(Qt::red);
        QVERIFY(QDir().mkpath(dir.filePath("data/Grafiken/ENG/PNG")) && QDir().mkpath(dir.filePath("lists")));
        QVERIFY(own.save(dir.filePath("data/Grafiken/ENG/PNG/hintergrund.png")));
        QVERIFY(writeAll(dir.filePath("lists/ingredients.tsv"), "file\tname\ntomato.png\tTomatoes\n"));
        Run r = runTool(dir.filePath("data"), dir.filePath("out"), dir.filePath("lists"));
        QVERIFY2(r.exitCode == 0, qPrintable(r.errorOutput));
        QDir png(dir.filePath("out/Grafiken/ENG/PNG"));
        QCOMPARE(png.entryList({QStringLiteral("Hintergrund.png")}, QDir::Files), QStringList{QStringLiteral("hintergrund.png")});
        QCOMPARE(QImage(png.filePath(QStringLiteral("hintergrund.png"))).size(), QSize(10, 10));
        QCOMPARE(QImage(dir.filePath("out/GFXZUTAT/ENG/tomato.png")).size(), QSize(150, 140));

        QVERIFY(writeAll(dir.filePath("lists/ingredients.tsv"), "..\\..\\evil.png\tEvil\n"));
        r = runTool(dir.filePath("data"), dir.filePath("out"), dir.filePath("lists"));
        QVERIFY(r.exitCode > 0);
        QVERIFY2(r.errorOutput.contains(QLatin1String("evil.png")), qPrintable(r.errorOutput));
        QVERIFY(!QFileInfo::exists(dir.filePath("out/evil.png")));
        QVERIFY(QFileInfo::exists(dir.filePath("out/GFXZUTAT/ENG/tomato.png")));
    }
};

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
