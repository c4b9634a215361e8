// The default installation tree that the build makes: data files in the
// Windows code page, the folders a fresh installation needs, and every
// picture the program loads by name.
#include "testing/Testing.h"

#include <QtGui>

#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace {

const QString kInstallation = QStringLiteral(TW_INSTALLATION_DIR);
const QString kSource = QStringLiteral(TW_SOURCE_DIR);

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

struct Run { int exitCode = -1; QString errorOutput; };

Run runTool(const QString &data, const QString &output, const QString &lists = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    QStringList args = {QStringLiteral("--data"), data, QStringLiteral("--brands"),
                        kSource + QStringLiteral("/core/Markennamen.inc"), QStringLiteral("--output"), output};
    args << (lists.isEmpty() ? QStringList{QStringLiteral("--no-pictures")} : QStringList{QStringLiteral("--lists"), lists});
    p.start(QDir::cleanPath(kInstallation + QStringLiteral("/../tools/make_installation")), args);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

// How a picture is checked beyond its size.
enum Look { Any, Keyed, OnWindowColour, Red };

// Pictures by the names the program uses, spelled as it spells them: "*" in
// the pattern is each name. In a group of its own, no two names share a picture.
struct PictureGroup {
    QString pattern;
    QStringList names;
    QSize size;
    Look look = Any;
    bool distinct = false;
};

QStringList numbers(int from, int to, const QString &prefix = QString())
{
    QStringList n;
    for (int i = from; i <= to; ++i)
        n << prefix + QString::number(i);
    return n;
}

QList<PictureGroup> pictureGroups()
{
    const QString png = QStringLiteral("Grafiken\\ENG\\PNG\\"), kitchen = png + QStringLiteral("IAKOCHEN\\"),
                  ico = QStringLiteral("Grafiken\\ENG\\ICO\\");
    const QStringList devices = QStringLiteral("Brettchen Topf Schuessel Pfanne Auflaufform Backform Grill Backblech "
                                               "Fritteuse Mixer Mikrowelle Backofen Wasserbad Kuehlschrank Eisfach Entsafter")
                                    .split(QLatin1Char(' '));
    // The 43 verbs: every device but the board, then tools and dishes.
    const QStringList verbs =
        devices.mid(1)
        + QStringLiteral("Holzkochloeffel Kuechenmesser Klopfer Teigrolle Haende Knethaken_Maschine Ruehrbesen "
                         "Ruehrhaken_Maschine Schaelmesser Entkerner Teig_Mehl Sosse Suppe Braten Sieb Teig_Fleisch "
                         "Stampfer Puerierstab Auflauf Tortenboden Obst Creme Fleisch Gemuese Salat Dessert Beilage Fruechte")
              .split(QLatin1Char(' '));
    QStringList highlighted = devices;
    highlighted.removeOne(QStringLiteral("Auflaufform"));
    const QStringList categories(Kategorieicons.begin(), Kategorieicons.end());
    return {
        {kitchen + "*_Icon.png", devices + QStringList{"Waage"}, {32, 32}, Keyed, true},
        {kitchen + "*_Icong.png", highlighted, {32, 32}},
        {kitchen + "*_IconG.png", {"Auflaufform"}, {32, 32}},
        {kitchen + "*_IconR.png", devices, {32, 32}},
        {kitchen + "*_Ic.png", devices, {20, 20}},
        {kitchen + "K_*.png", devices + QStringList{"Kuechenwaage"}, {660, 330}, Any, true},
        {kitchen + "*_VI.png", verbs, {28, 28}, Keyed, true},
        {kitchen + "*_VI_G.png", verbs, {28, 28}, Any, true},
        // both spellings of the lower arrow name the one file
        {kitchen + "*.png", QString::fromUtf8("IGewürz IZutat IVariable IPfeilO IPfeilU IPfeilu Gruppean_ICon Gruppeaus_ICon").split(' '),
         {28, 28}, Keyed, true},
        {kitchen + "*", QStringList(Zutatengruppengrafiken.begin(), Zutatengruppengrafiken.end()), {150, 140}, Any, true},
        {png + "*.png", QStringList{"Hintergrund", "Hintergrund_Hell", "Original", "IAKOCHEN\\Hintergrund", "IAKOCHEN\\Hintergrund_Hell"},
         {1024, 768}},
        {png + "*.png", QStringList{"DummyLex", "LEXIKON\\Abbruehen"} + numbers(1, 10, "FirstTipp\\Tipp"),
         {200, 150}},
        {png + "Wizard_*.PNG", numbers(0, AnzahlKategorien - 1), {128, 128}},
        {ico + "48_48\\Wizard_*.ICO", numbers(0, AnzahlKategorien - 1), {48, 48}},
        {ico + "*16.png", categories, {16, 16}},
        {ico + "*32.png", categories, {32, 32}},
        {ico + "*48.png", categories, {48, 48}},
        {"Grafiken\\ENG\\BMP\\*.bmp",
         QStringLiteral("Zutaten_pruefen Hilfe_blau Hilfe_Blau Speichern Zutaten_Uebertragen Zutaten_aufnehmen "
                        "Zutaten_neuaufnehmen Pfeil_Oben Pfeil_Unten Zutaten_Reset Haken_gruen").split(' '),
         {32, 32}, OnWindowColour},
        {"GFXZUTAT\\ENG\\*.png", numbers(1, 15), {150, 140}},
        {"GFXZUTAT\\ENG\\*.png", {"tomatoes"}, {150, 140}, Red}};
}

void pictureColumns()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size"); // invalid: any size
    QTest::addColumn<int>("look");
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
        const QString data = kSource + QStringLiteral("/data");
        int files = 0;
        for (QDirIterator it(data, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); ++files) {
            const QString source = it.next(), relative = QDir(data).relativeFilePath(source);
            QVERIFY2(QFileInfo::exists(kInstallation + QLatin1Char('/') + relative), qPrintable(relative));
            const QByteArray installed = readAll(kInstallation + QLatin1Char('/') + relative);
            if (QStringList{QStringLiteral("png"), QStringLiteral("jpg")}.contains(QFileInfo(source).suffix().toLower())) {
                QCOMPARE(installed, readAll(source));
                continue;
            }
            QCOMPARE(platform::decodeCp1252(installed).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                     QString::fromUtf8(readAll(source)).remove(QChar(0xFEFF)).replace(QLatin1String("\r\n"), QLatin1String("\n")));
            QVERIFY2(!QByteArray(installed).replace("\r\n", "").contains('\n'), qPrintable(relative + QStringLiteral(": a bare LF")));
        }
        QVERIFY(files > 0);
    }

    // Icons the kitchen makes transparent by the colour of pixel (1, 1) have
    // that pixel see-through and the middle not; button bitmaps carry the
    // window colour behind the picture; food is drawn in colour (a missing
    // emoji font would leave grey stand-ins).
    void namedPictures_data()
    {
        pictureColumns();
        for (const PictureGroup &g : pictureGroups())
            for (const QString &name : g.names) {
                const QString path = QString(g.pattern).replace(QLatin1Char('*'), name);
                QTest::newRow(qPrintable(path)) << path << g.size << int(g.look);
            }
    }
    void namedPictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(int, look);
        QVERIFY2(platform::fileExists(path), qPrintable(path));
        const QImage image(platform::nativePath(path));
        QVERIFY(!image.isNull());
        if (size.isValid())
            QCOMPARE(image.size(), size);
        if (look == Keyed)
            QVERIFY(qAlpha(image.pixel(1, 1)) == 0 && qAlpha(image.pixel(size.width() / 2, size.height() / 2)) == 255);
        if (look == OnWindowColour)
            QCOMPARE(QColor(image.pixel(0, 0)), QColor(229, 215, 166));
        int red = 0;
        for (int y = 0; look == Red && y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
            }
        QVERIFY2(look != Red || red > 500, "the tomato is not red: is the colour emoji font installed?");
    }

    // Every picture that the installed data files name, at the size the
    // windows show it: ingredient pictures of both databases, dictionary
    // pictures, recipe pictures.
    void picturesNamedByTheData_data()
    {
        pictureColumns();
        QMap<QString, QSize> paths;
        for (const char *db : {"PRGDATA\\ENG\\Lebensmittel.hbr", "PRGDATA\\ENG\\Lebensmittel_ALL.hbr"}) {
            QStringList lines;
            QVERIFY2(platform::readLines(QString::fromLatin1(db), lines) && lines.size() >= 2, db);
            const int count = lines[1].toInt();
            QVERIFY2(lines.size() >= 2 + count * 17, db);
            for (int r = 0; r < count; ++r) // the record's second stored string
                if (const QString picture = lines[2 + r * 17 + 6]; !picture.isEmpty())
                    paths.insert(QStringLiteral("GFXZUTAT\\ENG\\") + picture, QSize(150, 140));
        }
        QStringList dictionary;
        QVERIFY(platform::readLines(QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd"), dictionary));
        for (int i = 0; i + 1 < dictionary.size(); ++i) {
            QString picture = dictionary[i + 1];
            if (!dictionary[i].startsWith(QLatin1String("{GRAFIKFILENAME}")) || picture.isEmpty())
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
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value() << int(Any);
    }
    void picturesNamedByTheData() { namedPictures(); }

    // Each device and each verb has a picture of its own.
    void picturesOfTheirOwn()
    {
        for (const PictureGroup &g : pictureGroups()) {
            QHash<QByteArray, QString> seen;
            for (const QString &name : g.names) {
                const QString file = platform::nativePath(QString(g.pattern).replace(QLatin1Char('*'), name));
                const QByteArray bytes = readAll(file);
                QVERIFY2(!g.distinct || seen.value(bytes, file) == file, qPrintable(file + " looks like " + seen.value(bytes)));
                seen.insert(bytes, file);
            }
        }
    }

    // The tool writes text in the code page with CR LF and copies pictures as
    // they are. Text the code page cannot hold stops the build with the file
    // and line, and the tree of the last good build stays as it was.
    void conversion_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("error"); // where the build stops, or empty
        QTest::newRow("umlauts, LF, byte-order mark dropped") << "PRGDATA/ENG/a.hbr"
            << QByteArray("\xEF\xBB\xBFM\xC3\xBCsli\n\xC3\x84pfel\n") << QByteArray("M\xFCsli\r\n\xC4pfel\r\n") << "";
        QTest::newRow("CR LF stays single, empty lines kept, no last line end")
            << "a.hbr" << QByteArray("a\r\nb\n\n\nc") << QByteArray("a\r\nb\r\n\r\n\r\nc") << "";
        QTest::newRow("code page 0x80..0x9F") << "Recipes/x.KRP" << QByteArray("\xE2\x82\xAC \xE2\x80\x9Ex\xE2\x80\x9C\n")
                                               << QByteArray("\x80 \x84x\x93\r\n") << "";
        QTest::newRow("picture copied as it is") << "Recipes/p.png" << QByteArray("\x89PNG\r\n\x1A\n\n\xFF\xFE")
                                                 << QByteArray("\x89PNG\r\n\x1A\n\n\xFF\xFE") << "";
        QTest::newRow("emoji") << "PRGDATA/bad.hbr" << QByteArray("a\nb\nTomato \xF0\x9F\x8D\x85\n") << QByteArray()
                               << "bad.hbr:3:";
        QTest::newRow("not UTF-8") << "PRGDATA/bad.hbr" << QByteArray("ok\n\xC3(\n") << QByteArray() << "bad.hbr:2:";
    }
    void conversion()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QVERIFY(writeAll(dir.filePath("data/good.hbr"), "fine\n") && writeAll(dir.filePath("data/" + file), input));
        QVERIFY(writeAll(dir.filePath("out/kept.txt"), "old tree"));
        const Run r = runTool(dir.filePath("data"), dir.filePath("out"));
        if (error.isEmpty()) {
            QVERIFY2(r.exitCode == 0, qPrintable(r.errorOutput));
            QCOMPARE(readAll(dir.filePath("out/" + file)), expected);
            QCOMPARE(readAll(dir.filePath("out/good.hbr")), QByteArray("fine\r\n"));
            for (const QString &brand : Markennamen) // the folders of branded pictures
                QVERIFY2(QFileInfo(dir.filePath("out/GFXZUTAT/ENG/" + brand)).isDir(), qPrintable(brand));
            return;
        }
        QVERIFY(r.exitCode > 0);
        QVERIFY2(r.errorOutput.contains(error), qPrintable(r.errorOutput));
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

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
