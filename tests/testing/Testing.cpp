#include "testing/Testing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QWidget>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"

namespace testing {

void startState()
{
    GlobalSystemInit();
    GlobalVARInit();
    Setze_GlobalOptionen();
    ProgrammOK = 1;
    platform::makeFolder(QStringLiteral("PRGDATA\\ENG"));
    platform::makeFolder(QStringLiteral("Recipes"));
}

qint32 recipeIndex(const QString &name)
{
    const TRezepteTotal &alle = RezepteTotal;
    const auto it = std::find_if(alle.cbegin(), alle.cend(), [&](auto &r) { return r.Rezeptname == name; });
    return it == alle.cend() ? -1 : qint32(it - alle.cbegin());
}

void newRecord(qint32 index, const QString &name, qint32 category)
{
    Initialisiere_Rezept(index);
    TTRezepteTotal &r = RezepteTotal[index];
    r.Rezeptname = name;
    Setze_Rezeptkategorie(r, category);
    r.Dateiname = Rezept_Dateiname(name, category);
}

void failOnWarnings()
{
    // The offscreen platform cannot raise windows or pass size hints on; it
    // says so on every call, which is no fault of the program.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support).*")));
}

namespace {
void copyTree(const QString &from, const QString &to)
{
    QFileInfo fi(from);
    if (fi.isFile()) {
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::remove(to);
        QFile::copy(from, to);
        QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        return;
    }
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = to + QLatin1Char('/') + rel;
        if (it.fileInfo().isDir()) {
            QDir().mkpath(dst);
        } else {
            QFile::remove(dst);
            QFile::copy(src, dst);
            QFile(dst).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
}
} // namespace

BaseFolder::BaseFolder()
{
    QVERIFY2(m_dir.isValid(), "no temporary folder");
    platform::resetSeams();
    platform::setBaseFolder(m_dir.path());
    QDir::setCurrent(m_dir.path());
    Programmverzeichnis = platform::baseFolder();
}

BaseFolder::~BaseFolder()
{
    platform::resetSeams();
}

QString BaseFolder::root() const
{
    return platform::baseFolder();
}

QString BaseFolder::path(const QString &relative) const
{
    return platform::nativePath(relative);
}

void BaseFolder::copyFixture(const QString &fixture, const QString &relative)
{
    const QString src = QStringLiteral(TW_FIXTURES_DIR "/") + fixture;
    QVERIFY2(QFileInfo::exists(src), qPrintable(QStringLiteral("missing fixture ") + src));
    QString dst = root() + QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'));
    copyTree(src, dst);
}

void BaseFolder::copyInstallation()
{
    const QString src = QStringLiteral(TW_INSTALLATION_DIR);
    QVERIFY2(QFileInfo(src).isDir(), "the installation tree has not been built");
    copyTree(src, m_dir.path());
}

void BaseFolder::writeLines(const QString &relative, const QStringList &lines)
{
    QDir().mkpath(QFileInfo(root() + QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'))).absolutePath());
    QVERIFY(platform::writeLines(relative, lines));
}

void BaseFolder::writeBytes(const QString &relative, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(root() + QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'))).absolutePath());
    QVERIFY(platform::writeBytes(relative, bytes));
}

QStringList BaseFolder::readLines(const QString &relative) const
{
    QStringList lines;
    platform::readLines(relative, lines);
    return lines;
}

QByteArray BaseFolder::readBytes(const QString &relative) const
{
    QByteArray bytes;
    platform::readBytes(relative, bytes);
    return bytes;
}

bool BaseFolder::exists(const QString &relative) const
{
    return platform::fileExists(relative) || platform::folderExists(relative);
}

ScriptedMessages::ScriptedMessages()
{
    platform::setMessageAnswerer([this](const QString &t, const QString &h, int b) { return answer(t, h, b); });
}

ScriptedMessages::~ScriptedMessages()
{
    platform::setMessageAnswerer({});
}

void ScriptedMessages::expect(const QString &textPart, int answer)
{
    m_rules.append({textPart, answer, true});
}

void ScriptedMessages::allow(const QString &textPart, int answer)
{
    m_rules.append({textPart, answer, false});
}

QStringList ScriptedMessages::pending() const
{
    QStringList out;
    for (const Rule &r : m_rules)
        if (r.once)
            out << r.part;
    return out;
}

int ScriptedMessages::answer(const QString &text, const QString &heading, int buttons)
{
    seen.append({text, heading, buttons});
    const QString whole = heading + QLatin1Char(' ') + text;
    for (int i = 0; i < m_rules.size(); ++i) {
        if (whole.contains(m_rules[i].part)) {
            const int a = m_rules[i].answer;
            if (m_rules[i].once)
                m_rules.removeAt(i);
            return a;
        }
    }
    QTest::qFail(qPrintable(QStringLiteral("unexpected message: ") + heading + QStringLiteral(" / ") + text),
                 __FILE__, __LINE__);
    return buttons == Knoepfe_Ja_Nein ? Antwort_Nein : Antwort_OK;
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_oldCurrent = qint64(limit.rlim_cur);
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_oldCurrent);
    setrlimit(RLIMIT_FSIZE, &limit);
}

namespace {
// The effective capabilities of this thread (the first 32, where the file
// permission ones are).
bool capabilities(quint32 *get, const quint32 *set)
{
    __user_cap_header_struct head{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &head, data) != 0)
        return false;
    if (get)
        *get = data[0].effective;
    if (!set)
        return true;
    data[0].effective = *set;
    return syscall(SYS_capset, &head, data) == 0;
}
} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &folder)
    : m_folder(folder)
{
    struct stat st {};
    QVERIFY(::stat(QFile::encodeName(folder).constData(), &st) == 0);
    m_mode = st.st_mode & 07777;
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    capabilities(&m_effective, nullptr);
    const quint32 without = m_effective & ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    QVERIFY(capabilities(nullptr, &without));
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    capabilities(nullptr, &m_effective);
    ::chmod(QFile::encodeName(m_folder).constData(), m_mode);
}

QString inChildProcess(const std::function<int()> &body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return QStringLiteral("no child");
    if (WIFSIGNALED(status))
        return QStringLiteral("signal %1").arg(WTERMSIG(status));
    return QStringLiteral("exit %1").arg(WEXITSTATUS(status));
}

} // namespace testing
