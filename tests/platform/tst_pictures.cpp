#include "testing/Testing.h"

#include <QtGui>

#include "platform/Colors.h"
#include "platform/Pictures.h"

namespace {
// A 4x3 picture: the key colour at (1, 1) and in the corners, blue elsewhere.
QImage keyedPicture()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    for (QPoint p : {QPoint(1, 1), QPoint(0, 0), QPoint(3, 2)})
        image.setPixelColor(p, QColor(255, 0, 255));
    return image;
}
} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void colours()
    {
        QCOMPARE(platform::fromTColor(0x00C08040), QColor(0x40, 0x80, 0xC0));
        QCOMPARE(platform::toTColor(QColor(0x55, 0x02, 0)), 0x00000255u);
    }

    void unreadableGivesEmptyPicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << "fehlt.png" << QByteArray();
        QTest::newRow("text as png") << "text.png" << QByteArray("no picture at all\r\n");
        QTest::newRow("folder") << "Ordner" << QByteArray();
    }
    void unreadableGivesEmptyPicture()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        testing::BaseFolder base;
        if (name == QLatin1String("Ordner"))
            QDir().mkpath(base.root() + name);
        else if (!bytes.isNull())
            base.writeBytes(QStringLiteral("Grafiken\\") + name, bytes);
        QVERIFY(platform::loadImage(QStringLiteral("Grafiken\\") + name).isNull());
        QVERIFY(platform::loadPixmap(QStringLiteral("Grafiken\\") + name, true).isNull());
    }

    // Whatever the decoder makes of half a file, it must not complain or crash.
    void truncatedPictureGivesNoWarning()
    {
        testing::BaseFolder base;
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(Qt::green);
        for (const char *format : {"png", "jpg"}) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(image.save(&buffer, format));
            base.writeBytes(QStringLiteral("kaputt.") + QLatin1String(format), bytes.left(bytes.size() / 2));
            platform::loadImage(QStringLiteral("kaputt.") + QLatin1String(format));
        }
    }

    void readsFormatsOfThePlugins_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("png") << "Bild.png" << QByteArray("png");
        QTest::newRow("tiff") << "Bild.tif" << QByteArray("tiff");
        QTest::newRow("webp") << "Bild.webp" << QByteArray("webp");
        QTest::newRow("png named bmp") << "Falsch.bmp" << QByteArray("png");
    }
    void readsFormatsOfThePlugins()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QVERIFY2(QImageWriter::supportedImageFormats().contains(format), format.constData());
        testing::BaseFolder base;
        QDir().mkpath(base.root() + QStringLiteral("GFXZUTAT/ENG"));
        QImageWriter writer(base.root() + QStringLiteral("GFXZUTAT/ENG/") + name, format);
        if (format == "webp")
            writer.setQuality(100); // lossless
        QVERIFY(writer.write(keyedPicture()));
        const QImage read = platform::loadImage(QStringLiteral("gfxzutat\\eng\\") + name.toUpper());
        QCOMPARE(read.size(), QSize(4, 3));
        QCOMPARE(read.pixelColor(2, 1), QColor(0, 0, 255));
        QCOMPARE(read.pixelColor(1, 1), QColor(255, 0, 255));
    }

    void knowsPluginExtensions()
    {
        const QStringList ext = platform::pictureExtensions();
        for (const char *e : {"png", "jpg", "bmp", "tif", "tga", "webp"})
            QVERIFY2(ext.contains(QLatin1String(e)), e);
    }

    void transparencyKeyedOnPixelOneOne()
    {
        testing::BaseFolder base;
        QVERIFY(keyedPicture().save(base.root() + QStringLiteral("IZutat.png")));
        const QImage opaque = platform::loadImage(QStringLiteral("IZutat.png"));
        const QImage image = platform::loadImage(QStringLiteral("IZutat.png"), true);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                const bool key = opaque.pixelColor(x, y) == QColor(255, 0, 255);
                QCOMPARE(qAlpha(image.pixel(x, y)), key ? 0 : 255);
            }
        }
        QVERIFY(platform::loadPixmap(QStringLiteral("izutat.PNG"), true).hasAlpha());
        // A file dialog's absolute path is read as it is.
        QCOMPARE(platform::loadImage(base.root() + QStringLiteral("IZutat.png")).size(), QSize(4, 3));
        // A one-pixel picture keys on the pixel it has.
        QImage dot(1, 1, QImage::Format_RGB32);
        dot.fill(Qt::red);
        QCOMPARE(qAlpha(platform::makeTransparent(dot).pixel(0, 0)), 0);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
