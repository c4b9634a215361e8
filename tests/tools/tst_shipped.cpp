// The default installation: every shipped data file loads through its own
// reader without a message, the units list passes the units editor's save
// checks, and every file the sources name exists.
#include <QtGui>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "core/Tabellen.h"
#include "internet/News.h"
#include "internet/Wertdatei.h"
#include "platform/Paths.h"
#include "platform/Rtf.h"
#include "platform/TextFile.h"
#include "reference/Lexikon.h"
#include "testing/Testing.h"

class TestShipped : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        GlobalSystemInit();
        GlobalVARInit();
        Setze_GlobalOptionen();
    }

    // What the start-up on the installation (see the start-up's round trip)
    // does not read loads without a message too.
    void dataFilesLoad()
    {
        testing::BaseFolder base;
        base.copyInstallation();
        testing::ScriptedMessages messages; // any message fails
        const QString eng = Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\");
        QCOMPARE(Lade_IAVerben(Load, QStringLiteral("IAVariablenlisteBAK.hbr")), 0);
        QVERIFY(Lade_RezeptdateiManager(Load));
        QVERIFY(RezepteTotal.size() >= 20);
        QVERIFY(Lade_News(Load, eng + QStringLiteral("NEWS.HRB")));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        TString werte;
        QVERIFY(LoadValueFile(eng + QStringLiteral("INTERNET.HRB"), werte) >= 0);
        QVERIFY(LoadValueFile(eng + QStringLiteral("VERSION.HRB"), werte) >= 0);
        QCOMPARE(GetValueInt(QStringLiteral("TWSVERSION"), werte), 400);

        // Rich text: help, tips, tutorial pages and every recipe's side files.
        QStringList rtf = {eng + QStringLiteral("Anleitung.hbr")};
        for (const QString &f : platform::listFiles(eng + QStringLiteral("FIRSTTIPP"), QStringLiteral("*.hbr")))
            rtf << eng + QStringLiteral("FIRSTTIPP\\") + f;
        for (const QString &f : platform::listFiles(eng + QStringLiteral("IAKOCHEN"), QStringLiteral("*.hbr")))
            rtf << eng + QStringLiteral("IAKOCHEN\\") + f;
        for (qint32 i = 0; i < RezepteTotal.size(); ++i)
            rtf << Rezept_Anleitungspfad(i) << Rezept_Bemerkungspfad(i);
        for (const QString &f : rtf) {
            QByteArray bytes;
            QVERIFY2(platform::readBytes(f, bytes) && bytes.startsWith("{\\rtf"), qPrintable(f));
            QTextDocument doc;
            QVERIFY2(platform::rtfToDocument(bytes, &doc) && !doc.toPlainText().trimmed().isEmpty(), qPrintable(f));
        }
        QVERIFY(messages.seen.isEmpty());
    }

    // The two checks the units editor makes before it saves.
    void unitsListPassesSaveChecks()
    {
        testing::BaseFolder base;
        base.copyInstallation();
        QVERIFY(Lade_Variablenlisten(Load));
        const TTVariablenTotal &v = VariablenTotal[0];
        for (int k = 0; k < AnzahlKategorien; ++k) {
            std::array<int, AnzahlZutatengruppen> proGruppe{};
            for (const TTEinheit &e : v.Kategorien[k]) {
                if (e.Name.isEmpty())
                    continue;
                QVERIFY2(e.Mengentabelle.size() >= 2,
                         qPrintable(Kategoriebezeichnungen[k] + QStringLiteral(": ") + e.Name));
                for (int g = 0; g < AnzahlZutatengruppen; ++g)
                    proGruppe[g] += e.Zuordnung[g];
            }
            for (int g = 0; g < AnzahlZutatengruppen; ++g)
                QVERIFY2(proGruppe[g] > 0, qPrintable(Kategoriebezeichnungen[k] + QStringLiteral(": ") + Zutatengruppen[g]));
        }
    }

    // Every data file and picture the code names by a literal exists in the
    // installation, in a spelling the resolver finds. A name added later is
    // checked too.
    void namedFilesExist()
    {
        testing::BaseFolder base;
        base.copyInstallation();
        const QString root = QStringLiteral(TW_FIXTURES_DIR "/../..");
        const QRegularExpression literal(
            QStringLiteral(R"re("((?:[A-Za-z0-9_ \-]+\\\\)*[A-Za-z0-9_ \-]+\.(?:png|PNG|bmp|BMP|jpg|JPG|ICO|ico|hbr|HRB|hrb|hbd|IAK))")re"));
        // Every file of the installation by upper-case name, for bare names.
        QSet<QString> names;
        QDirIterator all(base.root(), QDir::Files, QDirIterator::Subdirectories);
        while (all.hasNext())
            names.insert(all.next().section(QLatin1Char('/'), -1).toUpper());

        int checked = 0;
        for (const char *dir : {"core", "recipes", "reference", "interactive", "internet", "mastering"}) {
            QDirIterator it(root + QLatin1Char('/') + QLatin1String(dir), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                            QDir::Files);
            while (it.hasNext()) {
                const QString file = it.next();
                QFile f(file);
                QVERIFY(f.open(QIODevice::ReadOnly));
                const QString text = QString::fromUtf8(f.readAll());
                auto m = literal.globalMatch(text);
                while (m.hasNext()) {
                    QString name = m.next().captured(1);
                    name.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
                    // Files that are written by the program (the release tool's key
                    // pictures too), or delivered later.
                    static const QRegularExpression written(
                        QStringLiteral("(_NEU|_Neu|_neu|NEU\\.|RMListe|LM_Share|VERSIONS|RECIPESS|GRAPHICSS|NEWSS|New_|_E\\.|__\\.png)"),
                        QRegularExpression::CaseInsensitiveOption);
                    // Suffixes joined to a computed name ("16.png" after an icon name).
                    if (written.match(name).hasMatch() || name.front().isDigit())
                        continue;
                    // The edition builds ship pictures of the makers' own
                    // program folder, which holds more than an installation.
                    if (file.endsWith(QLatin1String("mastering/Edition.cpp"))
                        && name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
                        continue;
                    const bool hasFolder = name.contains(QLatin1Char('\\'));
                    const bool found = hasFolder ? (platform::fileExists(name) ||
                                                    names.contains(name.section(QLatin1Char('\\'), -1).toUpper()))
                                                 : names.contains(name.toUpper());
                    QVERIFY2(found, qPrintable(QStringLiteral("%1 names %2").arg(file.section(QLatin1Char('/'), -2), name)));
                    ++checked;
                }
            }
        }
        QVERIFY(checked > 10);
    }
};

QTEST_GUILESS_MAIN(TestShipped)
#include "tst_shipped.moc"
