#pragma once
// Test support: a fresh temporary base folder per test, scripted message
// answers, and Qt warnings that fail the test.
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <sys/types.h>

#include "core/Meldung.h"

namespace testing {

// Call from every test class's init(): any Qt warning fails the test.
void failOnWarnings();

// Globals as after start-up with the folders a save writes to (PRGDATA\ENG,
// Recipes); units, ingredients and recipes are the test's.
void startState();
// The index of the recipe record of this name, -1 when there is none.
qint32 recipeIndex(const QString &name);
// Record index initialised with the head a new recipe of this name and
// category gets (extension, category line, file head, file name).
void newRecord(qint32 index, const QString &name, qint32 category);

// A fresh temporary base folder; it becomes the program's base folder
// (platform::baseFolder and Programmverzeichnis) and every seam is reset.
class BaseFolder
{
public:
    BaseFolder();
    ~BaseFolder();

    // Native path of a path below the base folder ("PRGDATA\ENG\x" or "a/b").
    QString path(const QString &relative) const;
    // The base folder with its trailing "/".
    QString root() const;

    // Copies tests/fixtures/<fixture> (a file or a whole folder) to relative.
    void copyFixture(const QString &fixture, const QString &relative);
    // Copies the whole default installation tree from the build folder.
    void copyInstallation();
    // Writes lines as a data file (Windows-1252, CR LF).
    void writeLines(const QString &relative, const QStringList &lines);
    void writeBytes(const QString &relative, const QByteArray &bytes);
    QStringList readLines(const QString &relative) const;
    QByteArray readBytes(const QString &relative) const;
    bool exists(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};

// Scripted answers to Zeige_Meldung. Every message is recorded; a message
// that no expectation matches fails the test (and is answered with No/OK).
class ScriptedMessages
{
public:
    struct Message {
        QString text;
        QString heading;
        int buttons;
    };
    ScriptedMessages();
    ~ScriptedMessages();

    // The next message whose text contains textPart gets answer.
    void expect(const QString &textPart, int answer = Antwort_OK);
    // Any number of messages containing textPart are answered with answer.
    void allow(const QString &textPart, int answer = Antwort_OK);

    QList<Message> seen;
    // Expectations not met yet.
    QStringList pending() const;

private:
    struct Rule {
        QString part;
        int answer;
        bool once;
    };
    QList<Rule> m_rules;
    int answer(const QString &text, const QString &heading, int buttons);
};

// While it lives, writes beyond this many bytes fail (EFBIG): a disk that
// fills up in the middle of a save, which even root cannot write through.
// The signal such a write raises is the program's own business, as it is
// when the program runs under "ulimit -f".
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    qint64 m_oldCurrent = 0;
};

// While it lives, nothing can be created in the folder (a native path), for
// root too: this thread gives up its right to pass over permissions.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

private:
    QString m_folder;
    mode_t m_mode = 0;
    quint32 m_effective = 0;
};

// Runs body in a forked child and tells how the child ended: "exit N" with
// body's result, or "signal N" when a signal ended it. For what may end the
// process, as the program meets it.
QString inChildProcess(const std::function<int()> &body);

} // namespace testing
