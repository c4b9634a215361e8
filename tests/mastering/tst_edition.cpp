#include "testing/Masterbaum.h"
#include "testing/Testing.h"

#include <QtWidgets>

#include "app/Start.h"
#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "core/Tabellen.h"
#include "mastering/Edition.h"
#include "mastering/F_TWSM.h"
#include "mastering/Mastering.h"
#include "platform/Seams.h"
#include "recipes/F_Main.h"
#include "reference/Lexikon.h"

using testing::MasterTree;

namespace {
const QString Golden = QStringLiteral(TW_FIXTURES_DIR "/editionen/");

struct Ergebnis {
    QStringList protokoll; // base folder removed from every path
    QStringList dateien;   // the edition folder's files
    QString ordner;        // the edition folder relative to the base folder
    QStringList review;    // documents the text editor was asked to open
};

// The run as the operator does it: master root typed without its trailing
// separator, edition chosen, package chosen, "Mastern". Edition -1 chooses
// nothing: the run builds what the window shows.
Ergebnis Mastere(testing::BaseFolder &base, MasterTree &tree, int edition, int updateEintrag = -1)
{
    Ergebnis e;
    platform::setShellRecorder([&e](const platform::ShellRequest &r) {
        e.review << (r.arguments.isEmpty() ? QStringList{r.target} : r.arguments);
        return true;
    });
    QString root = tree.root();
    root.chop(1);
    FTWSM->CBMP->setEditText(root);
    if (edition >= 0) {
        // Edition 3 enables the package list, whatever an earlier test left.
        FTWSM->CBArt->setCurrentIndex(3);
        FTWSM->CBArtChange();
        FTWSM->CBArt->setCurrentIndex(edition);
        FTWSM->CBArtChange();
    }
    if (updateEintrag >= 0) {
        FTWSM->CBUpdate->setCurrentIndex(updateEintrag);
        FTWSM->CBUpdateChange();
    }
    const QString ordner = Waehle_Bau(Masterart, Masterupdate).Ordner;
    if (!ordner.isEmpty())
        tree.makeEditionFolders(ordner.chopped(1));
    FTWSM->BMastern->click();
    for (QString z : std::as_const(Protokoll))
        e.protokoll << z.replace(Programmverzeichnis, QString());
    for (QString &r : e.review)
        r.remove(base.root());
    if (!ordner.isEmpty()) {
        e.ordner = QStringLiteral("Master/") + ordner.chopped(1);
        e.dateien = tree.fileListing(e.ordner);
    }
    return e;
}

void Vergleiche_mit_Golden(const QString &name, const Ergebnis &e)
{
    const QStringList ist = QStringList{QStringLiteral("# files")} + e.dateien + QStringList{QStringLiteral("# protocol")}
                            + e.protokoll;
    QFile datei(Golden + name + QStringLiteral(".txt"));
    if (qEnvironmentVariableIsSet("TW_UPDATE_GOLDEN")) {
        QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        datei.write((ist.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return;
    }
    QVERIFY2(datei.open(QIODevice::ReadOnly), qPrintable(datei.fileName()));
    QStringList soll = QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'));
    soll.removeLast();
    for (qsizetype i = 0; i < std::min(ist.size(), soll.size()); ++i)
        QCOMPARE(ist[i], soll[i]);
    QCOMPARE(ist.size(), soll.size());
}

// A base folder with the master tree of an edition build and the options
// saved; the reminder to copy the program is the one message allowed.
struct Baum {
    testing::BaseFolder base;
    MasterTree tree{base};
    testing::ScriptedMessages msgs;
    Baum()
    {
        tree.writeEditionSources();
        Lade_Optionen(Save);
        msgs.allow("Noch das EXE kopieren!");
    }
    Ergebnis mastere(int edition, int updateEintrag = -1) { return Mastere(base, tree, edition, updateEintrag); }
};

// A fresh build of edition and package entry, or the one an earlier test
// made from the same tree (listings and protocols only).
Ergebnis Gebaut(int edition, int updateEintrag)
{
    static QHash<QPair<int, int>, Ergebnis> fertig;
    const auto key = qMakePair(edition, updateEintrag);
    if (!fertig.contains(key)) {
        Baum b;
        fertig.insert(key, b.mastere(edition, updateEintrag));
    }
    return fertig.value(key);
}

bool Hat(const Ergebnis &e, const QString &datei) { return e.dateien.contains(datei); }

// The pictures the start-up and the overview open from a base folder: the
// window background and each category's icons.
QStringList Startbilder()
{
    QStringList bilder{QStringLiteral("Grafiken/ENG/PNG/") + Hintergrundgrafik};
    for (const QString &icon : Kategorieicons)
        for (const char *groesse : {"16", "48"})
            bilder << QStringLiteral("Grafiken/ENG/ICO/") + icon + QLatin1String(groesse) + QStringLiteral(".png");
    return bilder;
}

// Copies every file below von into nach, keeping the sub-folders.
void Kopiere_Baum(const QString &von, const QString &nach)
{
    QDirIterator it(von, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString datei = it.next();
        const QString ziel = nach + QLatin1Char('/') + datei.mid(von.size() + 1);
        QDir().mkpath(QFileInfo(ziel).absolutePath());
        QVERIFY(QFile::copy(datei, ziel));
    }
}
} // namespace

class TestEdition : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TWS_Grundwerte();
        Erzeuge_Formulare();
    }
    void init() { testing::failOnWarnings(); }

    // The window opens on the first edition without a package; "Mastern"
    // pressed at once builds that edition. (First, before any test chooses.)
    void firstRunBuildsWhatTheWindowShows()
    {
        QCOMPARE((QStringList{FTWSM->CBArt->currentText(), FTWSM->CBUpdate->currentText()}),
                 (QStringList{"Vollversion A", "Kein Update"}));
        Baum b;
        Vergleiche_mit_Golden(QStringLiteral("edition_0"), b.mastere(-1));
    }

    // Editions that ignore the package, which the golden builds do not cover.
    void runTable()
    {
        QCOMPARE(int(Waehle_Bau(2, 3).Art), int(TBauart::Marken));
        QCOMPARE(Waehle_Bau(2, 3).Variante, 2);
        QCOMPARE(int(Waehle_Bau(13, 2).Art), int(TBauart::Englisch));
        QCOMPARE(Waehle_Bau(13, 2).Variante, 13);
    }

    // Only a folder below the master root may be emptied for an edition.
    void editionFolder()
    {
        testing::BaseFolder base;
        const QString programm = base.root() + QStringLiteral("P/"), wurzel = programm + QStringLiteral("M\\");
        QDir().mkpath(programm + QStringLiteral("M"));
        QVERIFY(Editionsordner_erlaubt(programm + "M/Edition_0\\", programm, wurzel));
        for (const QString nein : {"", "..", "M/"}) // the program folder, above it, the root in other spelling
            QVERIFY2(!Editionsordner_erlaubt(programm + nein, programm, wurzel), qPrintable(nein));
    }

    // The length check after copying the verb backup: an empty file is a
    // failed copy, one byte is not.
    void preludeLengthCheck_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("fehler");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("one byte") << QByteArray("x") << false;
    }
    void preludeLengthCheck()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, fehler);
        Baum b;
        auto &[base, tree, msgs] = b;
        base.writeBytes(MasterTree::master("IAVariablenlisteBAK.hbr"), inhalt);
        Protokoll.clear();
        Mastere_Vorlauf(tree.root());
        const QString zeile = "ERROR:   Copy-FAILURE (Length=0): " + Programmverzeichnis + "PRGDATA/ENG/IAVariablenlisteBAK.hbr";
        QCOMPARE(Protokoll.contains(zeile), fehler);
        QCOMPARE(Protokoll.filter("ERROR").size(), fehler ? 1 : 0);
    }

    // A combination without a build touches nothing, not even the master
    // copies the prelude would refresh.
    void noBuildRunsNothing()
    {
        Baum b;
        auto &[base, tree, msgs] = b;
        const QByteArray optionen = base.readBytes(MasterTree::master("nenoitpo.kop"));
        const Ergebnis e = Mastere(base, tree, 3, 3); // package 2
        QCOMPARE(base.readBytes(MasterTree::master("nenoitpo.kop")), optionen);
        QVERIFY(e.protokoll.last().startsWith("ERROR:   Kein Build"));
        QVERIFY(e.review.isEmpty());
    }

    // Without a master tree or an edition the run stops before the prelude.
    void needsRootAndEdition()
    {
        Baum b;
        auto &[base, tree, msgs] = b;
        const QByteArray optionen = base.readBytes(MasterTree::master("nenoitpo.kop"));
        FTWSM->CBMP->setEditText(QString());
        FTWSM->CBArt->setCurrentIndex(9);
        FTWSM->CBArtChange();
        FTWSM->BMastern->click();
        QCOMPARE(Protokoll.last(), "ERROR:   Masterpfad ohne Masterdaten: ");
        FTWSM->CBMP->setEditText(tree.root());
        FTWSM->CBArt->setCurrentIndex(-1);
        FTWSM->CBArtChange();
        FTWSM->BMastern->click();
        QCOMPARE(Protokoll, QStringList{"ERROR:   Keine Edition gewählt."});
        QCOMPARE(base.readBytes(MasterTree::master("nenoitpo.kop")), optionen);
    }

    void golden_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("update");
        // The golden file's name, the edition and the package list entry.
        const std::tuple<const char *, int, int> bauten[] = {
            {"edition_0", 0, 0},       {"edition_1", 1, 0},          {"markengrafiken", 2, -1},  {"edition_3", 3, 0},
            {"update_a", 3, 1},        {"programmdaten_3_1", 3, 2},  {"update_b", 3, 4},         {"update_c", 1, 5},
            {"lexikon_4", 4, -1},      {"lexikon_5", 5, 0},          {"edition_6", 6, -1},       {"edition_7", 7, -1},
            {"edition_8", 8, -1},      {"grafikpaket_9", 9, -1},     {"grafikpaket_10", 10, -1}, {"programmdaten_11", 11, -1},
            {"englisch_12", 12, -1},   {"englisch_13", 13, -1}};
        for (const auto &[name, edition, update] : bauten)
            QTest::newRow(name) << edition << update;
    }
    void golden()
    {
        QFETCH(int, edition);
        QFETCH(int, update);
        const Ergebnis e = Gebaut(edition, update);
        Vergleiche_mit_Golden(QString::fromLatin1(QTest::currentDataTag()), e);
    }

    // Every edition that ships pictures runs as the program does: the
    // pictures of its start-up and overview are all there.
    void startPictures_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("update");
        for (const auto &[edition, update] : {std::pair{0, 0}, {1, 0}, {3, 0}, {3, 1}, {4, -1}, {5, 0}, {6, -1},
                                              {7, -1}, {8, -1}, {12, -1}})
            QTest::addRow("%d/%d", edition, update) << edition << update;
    }
    void startPictures()
    {
        QFETCH(int, edition);
        QFETCH(int, update);
        const Ergebnis e = Gebaut(edition, update);
        QVERIFY(!e.dateien.isEmpty());
        for (const QString &bild : Startbilder())
            QVERIFY2(Hat(e, bild), qPrintable(bild));
    }

    // Variant 8's all-ingredients database is its shipped one (the branded
    // picture's folder is in its golden listing).
    void variant8AllEqualsShipped()
    {
        Baum b;
        auto &[base, tree, msgs] = b;
        const Ergebnis e = Mastere(base, tree, 8);
        QCOMPARE(base.readBytes(e.ordner + "/PRGDATA/ENG/Lebensmittel_ALL.hbr"),
                 base.readBytes(e.ordner + "/PRGDATA/ENG/Lebensmittel_Neu.hbr"));
    }

    // Emptying removes what an earlier build left at the top of each folder
    // and leaves sub-folders and their files alone.
    void subFoldersSurvive()
    {
        Baum b;
        auto &[base, tree, msgs] = b;
        tree.makeEditionFolders("Edition_7");
        base.writeLines("Master/Edition_7/PRGDATA/ENG/Alt.hbr", {"old"});
        base.writeLines("Master/Edition_7/Recipes/Alt/Rezept.KRP", {"kept"});
        const Ergebnis e = Mastere(base, tree, 7);
        QVERIFY(!Hat(e, "PRGDATA/ENG/Alt.hbr"));
        QVERIFY(Hat(e, "Recipes/Alt/Rezept.KRP"));
        QCOMPARE(e.review, QStringList{"Master/Edition_7/history.txt"});
    }

    // The plain background needs no copy onto itself; a picture path in the
    // database that leaves the picture folder is refused.
    void backgroundAndUnsafePicture()
    {
        Baum b;
        auto &[base, tree, msgs] = b;
        auto liste = MasterTree::editionIngredients();
        liste << testing::MasterIngredient{"Flucht", 1, 1, "\\..\\..\\Master\\Masterdaten\\Anleitung\\history.txt", false};
        tree.writeIngredients("Lebensmittel.hbr", liste);
        Hintergrundgrafik = "original.png";
        const Ergebnis e = Mastere(base, tree, 6);
        Hintergrundgrafik = "Hintergrund.png";
        QVERIFY(base.readBytes(e.ordner + "/Grafiken/ENG/PNG/Original.png").size() > 0);
        QVERIFY(e.protokoll.contains("ERROR:   Grafikpfad nicht erlaubt: /../../Master/Masterdaten/Anleitung/history.txt"));
        QVERIFY(!Hat(e, "history.txt"));
        QVERIFY(e.protokoll.filter("Hintergrund").isEmpty());
    }

    void oneCommandAtATime()
    {
        Baum b;
        auto &[base, tree, msgs] = b;
        FTWSM->show();
        int waehrend = 0;
        bool gesperrt = true;
        const auto verbindung = connect(FTWSM->MProto, &QPlainTextEdit::textChanged, this, [&] {
            if (!FTWSM->Laeuft() || waehrend++ > 0)
                return;
            gesperrt = !FTWSM->BMastern->isEnabled() && !FTWSM->BZutat->isEnabled() && !FTWSM->CBArt->isEnabled();
            FTWSM->BMasternClick();
            FTWSM->close();
        });
        const Ergebnis e = Mastere(base, tree, 2);
        disconnect(verbindung);
        QVERIFY(waehrend > 0);
        QVERIFY(gesperrt);
        QCOMPARE(e.protokoll.count("OK:      Markengrafiken"), 1);
        QVERIFY(FTWSM->BMastern->isEnabled());
        FTWSM->close();
    }

    // After a dictionary build the window closes with the program's own
    // ingredient database and dictionary in memory.
    void closingKeepsDataLoaded()
    {
        Baum b;
        auto &[base, tree, msgs] = b;
        FTWSM->show();
        Mastere(base, tree, 4);
        FTWSM->close();
        QCOMPARE(Zutatentotal.size(), MasterTree::shippedIngredients().size());
        QCOMPARE(GlobalLexikon.size(), 4);
    }

    // An edition installed as a fresh base folder starts: the start-up takes
    // its delivered files over and the main window shows the shipped recipe.
    void roundTrip()
    {
        QTemporaryDir kopie;
        {
            Baum b;
            Kopiere_Baum(b.base.path(b.mastere(0, 0).ordner), kopie.path());
        }
        testing::BaseFolder base;
        Kopiere_Baum(kopie.path(), base.root().chopped(1));
        testing::ScriptedMessages msgs;
        msgs.allow("Error in the recipe manager file!");
        TWS_Grundwerte();
        QVERIFY(TWS_Programmstart_Daten());
        for (const char *neu : {"Lebensmittel_Neu.hbr", "IAVariablenliste_NEU.hbr", "Variablen200_NEU.hbr",
                                "LEXIKON/Lexikon_NEU.hbd", "LM_Share.hbr"})
            QVERIFY2(!base.exists(QStringLiteral("PRGDATA/ENG/") + QLatin1String(neu)), neu);
        QVERIFY(base.exists("PRGDATA/ENG/Lebensmittel_ALL.hbr"));
        QCOMPARE(Zutatentotal.size(), MasterTree::editionIngredients().size());
        QCOMPARE(IAVERBEN.size(), MasterTree::verbs().size());
        QCOMPARE(GlobalLexikon.size(), 4);
        QVERIFY(std::any_of(RezepteTotal.cbegin(), RezepteTotal.cend(),
                            [](const TTRezepteTotal &r) { return r.Rezeptname == "Apple Crumble"; }));
        FMain->Vergiss_Bilder(); // as in a fresh process
        Programmstart(false);
        FMain->show();
        QVERIFY(QTest::qWaitForWindowExposed(FMain));
        for (int zeile = 1; zeile < FMain->CBKategorie->count(); ++zeile)
            QVERIFY2(!FMain->CBKategorie->itemIcon(zeile).isNull(), qPrintable(FMain->CBKategorie->itemText(zeile)));
        FMain->hide();
    }
};

QTEST_MAIN(TestEdition)
#include "tst_edition.moc"
