// Seeding the user's base folder from the default installation, as run.sh
// does at every start: in full only into a new folder; later starts bring
// back nothing of the user's collection.
#include <QtTest>

namespace {
const QString Installation = QStringLiteral(TW_INSTALLATION_DIR);

bool Befuelle(const QString &base)
{
    QProcess p;
    p.start(QStringLiteral("bash"), {QStringLiteral(TW_SOURCE_DIR "/tools/seed_base.sh"), Installation, base});
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Every file below the folder with its size.
QStringList Bestand(const QString &ordner)
{
    QStringList out;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        out << f.filePath().mid(ordner.size()) + QLatin1Char(' ') + QString::number(f.size());
    }
    out.sort();
    return out;
}
} // namespace

class TestSeeding : public QObject
{
    Q_OBJECT
private slots:
    void userCollectionStays()
    {
        QTemporaryDir tmp;
        const QString base = tmp.filePath(QStringLiteral("TablecraftWorks"));
        QVERIFY(Befuelle(base));
        QCOMPARE(Bestand(base), Bestand(Installation));

        // The user files a sample recipe under another category, deletes
        // another one and a side file that a save replaced.
        const QString r = base + QStringLiteral("/Recipes/");
        QVERIFY(QFile::rename(r + "Apple Crumble.DRP", r + "Apple Crumble.KRP"));
        QVERIFY(QFile::remove(r + "Banana Bread.BRP"));
        QVERIFY(QFile::remove(r + "Apple Crumble.DRP.RRT"));
        QVERIFY(QFile::remove(base + "/PRGDATA/ENG/LEXIKON/Lexikon.hbd"));
        const QStringList vorher = Bestand(base);
        // A program picture a later build adds does arrive.
        QVERIFY(QFile::remove(base + "/Grafiken/ENG/ICO/Kochen16.png"));

        QVERIFY(Befuelle(base));
        QVERIFY(Befuelle(base));
        QCOMPARE(Bestand(base), vorher);
    }
};

QTEST_MAIN(TestSeeding)
#include "tst_seeding.moc"
