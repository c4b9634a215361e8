#include "TWSMUmgebung.h"

#include <QtWidgets>

#include "app/Start.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "internet/News.h"
#include "mastering/F_TWSM.h"
#include "mastering/F_TWSMNews.h"
#include "mastering/Newseditor.h"
#include "platform/Seams.h"

// The news editor writes the server's news file; everything is checked by
// reading that file back with the program's own news reader.

namespace {
const QString Newsdatei = QStringLiteral("Master/Masterdaten/Upload_FTP/TWS/Download/NewsS.hbr");

QStringList Eintrag(const QString &id, const QString &ziel, const QString &typ, const QString &sprache,
                    const QString &betreff, const QStringList &text)
{
    return QStringList{"**NEWSSTART**", id, " 4.53217500000000E+0004", ziel, typ, sprache, "-1", betreff,
                       QString::number(text.size())}
           + text;
}

QStringList Zeilen()
{
    QStringList z;
    for (int i = 0; i < FTWSMNews->CHLB->count(); ++i)
        z << FTWSMNews->CHLB->item(i)->text();
    return z;
}

QList<TTNewsInhalt> Datei_gelesen(testing::BaseFolder &base)
{
    const TTNewstype vorher = News;
    Lade_News(Load, base.path(Newsdatei));
    const QList<TTNewsInhalt> gelesen = News.Inhalt;
    News = vorher;
    return gelesen;
}
} // namespace

class TestNewseditor : public QObject, TWSMUmgebung
{
    Q_OBJECT
    QString m_antwort, m_ordner;
    int m_zufall = 0;

private slots:
    void initTestCase() { erzeuge(); }
    void init()
    {
        beginne({"Master/Masterdaten/Upload_FTP/TWS/Download"});
        m_base->writeLines(Newsdatei, QStringList{"[TWSNEWS]", "3"}
                                          + Eintrag("1", "*TWSTCW*", "*ALLE*", "ENG", "Welcome", {"Hello", "there"})
                                          + Eintrag("2", "*HFB*", "*VOLL*", "GER", "Neu", {"Hallo"})
                                          + Eintrag("3", "*TWSTCW*", "*SONDER*", "ENG", "Special", {}) + QStringList{""});
        m_antwort = m_base->path(Newsdatei);
        platform::setFileDialogScript([this](platform::DialogKind, const QString &, const QString &ordner, const QString &) {
            m_ordner = ordner;
            return m_antwort;
        });
        m_zufall = 0;
        platform::setRandom([this](int grenze) { return m_zufall++ % grenze; });
    }
    void cleanup()
    {
        if (FTWSMNews->isVisible())
            FTWSMNews->close();
        beende();
    }

    // The list shows every item; a line fills the fields and the radio
    // groups, and a tag the table lacks leaves its group as it was.
    void opening()
    {
        FTWSM->BNews->click();
        QCOMPARE(m_ordner, Masterpfad + "Masterdaten\\Upload_FTP\\TWS\\Download\\NewsS.hbr");
        QVERIFY(FTWSMNews->isVisible() && !FTWSM->isEnabled());
        const QString datum = QLocale::system().toString(QDate(2024, 1, 30), QLocale::ShortFormat);
        QCOMPARE(Zeilen(), (QStringList{datum + ": *TWSTCW* *ALLE* ENG / Welcome", datum + ": *HFB* *VOLL* GER / Neu",
                                        datum + ": *TWSTCW* *SONDER* ENG / Special"}));
        QCOMPARE(FTWSMNews->Memo1->toPlainText(), "Hello\nthere");
        FTWSMNews->CHLB->setCurrentRow(1);
        QCOMPARE(FTWSMNews->EBetreff->text(), "Neu");
        QCOMPARE(FTWSMNews->Auswahl(FTWSMNews->RGL), 1);
        QCOMPARE(FTWSMNews->Auswahl(FTWSMNews->RGTyp), 1);
        FTWSMNews->CHLB->setCurrentRow(2); // *SONDER* is not in the table
        QCOMPARE(FTWSMNews->Auswahl(FTWSMNews->RGTyp), 1);
        FTWSMNews->close();
        QVERIFY(FTWSM->isEnabled());
    }

    // New, save and delete each write the file at once.
    void commands()
    {
        FTWSM->BNews->click();
        FTWSMNews->EBetreff->setText("Update");
        FTWSMNews->Memo1->setPlainText("New recipes\nare online");
        FTWSMNews->DateTimePicker1->setDate(QDate(2025, 3, 4));
        FTWSMNews->Setze_Auswahl(FTWSMNews->RGPRG, 3);
        FTWSMNews->Setze_Auswahl(FTWSMNews->RGTyp, 2);
        FTWSMNews->Setze_Auswahl(FTWSMNews->RGL, 1);
        FTWSMNews->BNeu->click();
        QList<TTNewsInhalt> datei = Datei_gelesen(*m_base);
        QCOMPARE(datei.size(), 4);
        const TTNewsInhalt &neu = datei[3];
        QCOMPARE(neu.ID, "01234567890123456789");
        QCOMPARE(neu.Datum, DateTimeToTWS(QDateTime(QDate(2025, 3, 4), QTime(0, 0))));
        QCOMPARE(neu.Ziel + neu.Edition + neu.Sprache, "*PQ*" + Newstypen[2] + "GER");
        QCOMPARE(neu.Text, (TString{"New recipes", "are online"}));

        // Saving the selected item unchanged gives it a new ID.
        FTWSMNews->CHLB->setCurrentRow(0);
        FTWSMNews->BSpeichern->click();
        datei = Datei_gelesen(*m_base);
        QCOMPARE(datei[0].ID, "01234567890123456789");
        QCOMPARE(datei[0].Betreff, "Welcome");

        // Two ticked items go; no mark lands on the items that move up.
        FTWSMNews->CHLB->item(0)->setCheckState(Qt::Checked);
        FTWSMNews->CHLB->item(2)->setCheckState(Qt::Checked);
        FTWSMNews->BLoeschen->click();
        datei = Datei_gelesen(*m_base);
        QCOMPARE(datei.size(), 2);
        QCOMPARE(datei[0].Betreff + datei[1].Betreff, "NeuUpdate");
        for (int i = 0; i < 2; ++i)
            QCOMPARE(FTWSMNews->CHLB->item(i)->checkState(), Qt::Unchecked);

        // A subject is needed: the file would drop an item without one.
        FTWSMNews->EBetreff->clear();
        m_meldungen->expect("Bitte einen Betreff eingeben!");
        FTWSMNews->BNeu->click();
        QCOMPARE(Datei_gelesen(*m_base).size(), 2);

        // A group without a choice reads its first tag.
        QCOMPARE(Newstag(Newstypen, -1), Newstypen[0]);
    }

    // Without a news file of its own the editor neither opens nor saves, and
    // a file that is not a news file is left alone.
    void noFile()
    {
        m_base->writeLines("PRGDATA/ENG/NEWS.HRB", QStringList{"[TWSNEWS]", "1"}
                                                       + Eintrag("9", "*TWSTCW*", "*ALLE*", "ENG", "Mine", {}));
        Lade_News(Load, QString());
        const QByteArray eigene = m_base->readBytes("PRGDATA/ENG/NEWS.HRB");
        m_antwort.clear();
        FTWSM->BNews->click();
        QVERIFY(!FTWSMNews->isVisible() && FTWSM->isEnabled());
        FTWSMNews->EBetreff->setText("Lost");
        FTWSMNews->BNeu->click();
        FTWSMNews->FormClose();
        QCOMPARE(m_base->readBytes("PRGDATA/ENG/NEWS.HRB"), eigene);

        m_base->writeLines("fremd.hbr", {"[TWS 2.X]", "KEY=1"});
        const QByteArray fremd = m_base->readBytes("fremd.hbr");
        m_antwort = m_base->path("fremd.hbr");
        m_meldungen->expect("Keine Newsdatei: ");
        FTWSM->BNews->click();
        QVERIFY(!FTWSMNews->isVisible());
        QCOMPARE(m_base->readBytes("fremd.hbr"), fremd);
        QCOMPARE(News.Inhalt.value(0).Betreff, "Mine");
    }
};

QTEST_MAIN(TestNewseditor)
#include "tst_newseditor.moc"
