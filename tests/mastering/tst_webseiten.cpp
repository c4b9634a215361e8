#include "TWSMUmgebung.h"
#include "testing/Testing.h"

#include <QtGui>

#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "mastering/Mastering.h"
#include "mastering/Webseiten.h"
#include "platform/Rtf.h"
#include "platform/Seams.h"

// Recipe texts to rich text, the rebuilt web pages and the picture crop,
// each checked on the files they write.

namespace {
const QString Seite = QStringLiteral("http://www.example.test");

QStringList Fuss()
{
    return {"<div align=\"left\"><font face=\"Verdana\" size=\"2\" color=\"#000000\"></font>",
            "<p><a href=\"http://www.example.test/5.html\" target=\"_parent\" title=\"Zurück zum Tafelwerkstatt\">"
            "Zur&uuml;ck zur Rezeptsuche auf www.example.test</a></p>",
            "</div>"};
}

QImage Farbbild(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
    return bild;
}
} // namespace

class TestWebseiten : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TWS_Grundwerte(); }
    void init()
    {
        testing::failOnWarnings();
        Protokoll.clear();
    }

    void rtfNames()
    {
        QCOMPARE(RTF_Dateiname("Soup.TXT"), "Soup.rtf");
        QCOMPARE(RTF_Dateiname("my.txtfile.Txt"), "my.txtfile.rtf");
    }

    // Each text gets a rich-text twin that reads back as its lines; the
    // texts stay. Without a site address no page is touched.
    void texts()
    {
        testing::BaseFolder base;
        base.writeLines("conv/Soup.txt", {"Tomato soup", "", "Crème fraîche, 200 g"});
        base.writeLines("conv/CAKE.TXT", {"Cake"});
        base.writeLines("conv/HTML/a.html", {"<html>"});
        QVERIFY(QDir().mkpath(base.path("conv/HTMLNEU")));
        const QString ordner = Programmverzeichnis + "conv\\";
        Konvertiere_Texte_und_Webseiten(ordner, QString());
        for (const auto &[txt, rtf, text] : {std::tuple{"Soup.txt", "Soup.rtf", "Tomato soup\n\nCrème fraîche, 200 g"},
                                             std::tuple{"CAKE.TXT", "CAKE.rtf", "Cake"}}) {
            QVERIFY(base.exists(QString("conv/") + txt));
            QTextDocument d;
            QVERIFY(platform::loadRtfFile(base.path(QString("conv/") + rtf), &d));
            QCOMPARE(d.toPlainText(), QString::fromUtf8(text));
        }
        QCOMPARE(Protokoll, Einheitlich(TString{"Converting TXT-Files : " + ordner + "CAKE.TXT", "Saving File : " + ordner + "CAKE.rtf",
                                                 "Converting TXT-Files : " + ordner + "Soup.txt", "Saving File : " + ordner + "Soup.rtf",
                                                 "ERROR:   Keine Webseite eingestellt (WEBSITE in INTERNET.HRB)"}));
        QVERIFY(QDir(base.path("conv/HTMLNEU")).isEmpty());
    }

    // Pages are cut at the marker (or kept whole), get the footer, three text
    // and one graphic advertisement and "</html>". Advertisements are any
    // numbered file, also with gaps; a misspelt site address is reported.
    void pages()
    {
        testing::BaseFolder base;
        base.writeLines("w/HTML/a.html", {"<html><body>", "<p>Soup</p><!-- Seitenende --><p>old footer</p>", "</body>"});
        base.writeLines("w/HTML/b.html", {"<html>", "<a href=\"http://www.example.tes<\">x</a>"});
        base.writeLines("w/HTMLNEU/ADSTXT/1.htm", {"<p>ad one</p>"});
        base.writeLines("w/HTMLNEU/ADSTXT/3.htm", {"<p>ad three</p>"});
        base.writeLines("w/HTMLNEU/ADSTXT/notes.htm", {"<p>never</p>"});
        base.writeLines("w/HTMLNEU/ADSGFX/1.htm", {"<img src=\"ad.png\">"});
        QList<int> zufall{1, 0, 1, 0, 0, 0, 1, 0};
        platform::setRandom([&](int grenze) { return zufall.isEmpty() ? 0 : zufall.takeFirst() % grenze; });
        const QString ordner = Programmverzeichnis + "w\\";
        Konvertiere_Texte_und_Webseiten(ordner, Seite);
        platform::resetSeams();

        const QStringList a = QStringList{"<html><body>", "<p>Soup</p>"} + Fuss()
                              + QStringList{"<p>ad three</p>", "<p>ad one</p>", "<p>ad three</p>", "<img src=\"ad.png\">",
                                            "</html>"};
        QCOMPARE(base.readLines("w/HTMLNEU/a.htm"), a);
        const QStringList b = QStringList{"<html>", "<a href=\"http://www.example.tes<\">x</a>"} + Fuss()
                              + QStringList{"<p>ad one</p>", "<p>ad one</p>", "<p>ad three</p>", "<img src=\"ad.png\">",
                                            "</html>"};
        QCOMPARE(base.readLines("w/HTMLNEU/b.htm"), b);
        const QString html = ordner + "HTML\\";
        QCOMPARE(Protokoll, Einheitlich(TString{"Searching HTML-Files : " + html, "FALSE www-adress : " + html + "b.html",
                                                 "Anzahl TXT-Ads : 3", "Anzahl GFX-Ads : 1", "Searching RTF-Files : " + html,
                                                 "Werbung integriert : " + html + "a.htm", "Werbung integriert : " + html + "b.htm"}));
    }

    // With no numbered advertisement of a kind the pages still come out.
    void noAdvertisements()
    {
        testing::BaseFolder base;
        base.writeLines("w/HTML/a.html", {"<html>"});
        base.writeLines("w/HTMLNEU/ADSTXT/2.htm", {"<p>two</p>"});
        base.writeLines("w/HTMLNEU/ADSGFX/readme.htm", {"x"});
        Konvertiere_Texte_und_Webseiten(Programmverzeichnis + "w\\", Seite);
        const QStringList a = QStringList{"<html>"} + Fuss() + QStringList{"<p>two</p>", "<p>two</p>", "<p>two</p>", "</html>"};
        QCOMPARE(base.readLines("w/HTMLNEU/a.htm"), a);
        QVERIFY(Protokoll.contains("WARNING: Keine Werbung: " + Programmverzeichnis + "w/HTMLNEU/ADSGFX/"));
    }

    // The result is always 660 x 330: the region (140, 380)-(800, 710) of the
    // source at (0, 0), white where the source ends.
    void crop_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("large png") << "a.png" << 1000 << 800 << QByteArray("png");
        QTest::newRow("small bmp") << "b.BMP" << 400 << 500 << QByteArray("bmp");
    }
    void crop()
    {
        QFETCH(QString, name);
        QFETCH(int, breite);
        QFETCH(int, hoehe);
        QFETCH(QByteArray, format);
        testing::BaseFolder base;
        const QImage quelle = Farbbild(breite, hoehe);
        QVERIFY(quelle.save(base.path(name), format.constData()));
        QVERIFY(Schneide_Grafikdatei(Programmverzeichnis + name));
        QImageReader leser(base.path(name));
        QCOMPARE(leser.format(), format);
        const QImage neu = leser.read();
        QCOMPARE(neu.size(), QSize(660, 330));
        for (const QPoint p : {QPoint(0, 0), QPoint(259, 119), QPoint(260, 120), QPoint(659, 329)}) {
            const QPoint q = p + QPoint(140, 380);
            const QRgb soll = q.x() < breite && q.y() < hoehe ? quelle.pixel(q) : qRgb(255, 255, 255);
            QCOMPARE(neu.pixel(p), soll);
        }
    }
};

QTEST_GUILESS_MAIN(TestWebseiten)
#include "tst_webseiten.moc"
