// A save killed at any point leaves the old file or the new one, whole.
#include "testing/Testing.h"

#include <QtCore>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/TextFile.h"

namespace {
const QString Datei = QStringLiteral("PRGDATA\\ENG\\Lebensmittel.hbr");

QByteArray Inhalt(char zeichen, int zeilen)
{
    QByteArray zeile(78, zeichen);
    zeile += "\r\n";
    return zeile.repeated(zeilen);
}

// In a child: announce each save on the pipe, then save, alternately the two
// contents, until killed.
[[noreturn]] void Schreiber(int pipe, const QByteArray &a, const QByteArray &b)
{
    for (quint64 i = 0;; ++i) {
        const char c = 's';
        if (::write(pipe, &c, 1) != 1)
            ::_exit(2);
        if (!platform::writeBytes(Datei, i % 2 ? a : b))
            ::_exit(3);
    }
}
} // namespace

class TestCrashSafety : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void killedSaveLeavesAWholeFile()
    {
        testing::BaseFolder base;
        const QByteArray alt = Inhalt('a', 25000); // 2 MB
        const QByteArray neu = Inhalt('n', 37000); // 3 MB, so a cut file is seen
        base.writeBytes(Datei, alt);
        // Kill points spread over about one save's time after its start.
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(platform::writeBytes(Datei, alt));
        const quint32 spanne = quint32(qMax<qint64>(1000, uhr.nsecsElapsed() / 1000 * 3 / 2));
        QRandomGenerator zufall(20261206);
        constexpr int Runden = 120;
        int ganzAlt = 0, ganzNeu = 0;
        for (int runde = 0; runde < Runden; ++runde) {
            int fd[2];
            QCOMPARE(::pipe(fd), 0);
            const pid_t kind = ::fork();
            QVERIFY(kind >= 0);
            if (kind == 0) {
                ::close(fd[0]);
                Schreiber(fd[1], alt, neu);
            }
            ::close(fd[1]);
            // Let it start one to three saves, then kill it at a random point
            // of the last one or just after it.
            const int saves = 1 + int(zufall.bounded(3));
            char c;
            for (int i = 0; i < saves; ++i)
                QCOMPARE(::read(fd[0], &c, 1), ssize_t(1));
            ::usleep(zufall.bounded(spanne));
            ::kill(kind, SIGKILL);
            int status = 0;
            QCOMPARE(::waitpid(kind, &status, 0), kind);
            ::close(fd[0]);
            QVERIFY2(WIFSIGNALED(status), "the writer failed on its own");

            const QByteArray jetzt = base.readBytes(Datei);
            QVERIFY2(jetzt == alt || jetzt == neu,
                     qPrintable(QStringLiteral("round %1: %2 bytes").arg(runde).arg(jetzt.size())));
            ++(jetzt == alt ? ganzAlt : ganzNeu);
            // A kill before the rename may leave the temporary file beside
            // the target; it never replaces it.
            QDir ordner(base.path(QStringLiteral("PRGDATA\\ENG")));
            for (const QString &r : ordner.entryList(QDir::Files | QDir::Hidden))
                if (r != QLatin1String("Lebensmittel.hbr"))
                    ordner.remove(r);
        }
        // The kills fell before and after renames alike.
        QVERIFY(ganzAlt > 0 && ganzNeu > 0);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
