#include "platform/Seams.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QProcess>
#include <QRandomGenerator>
#include <QUrl>

#include "platform/Paths.h"

namespace platform {

namespace {
MessageAnswerer g_answerer;
FileDialogScript g_fileScript;
FontDialogScript g_fontScript;
ColorDialogScript g_colorScript;
ShellRecorder g_shell;
std::function<QDateTime()> g_clock;
std::function<int(int)> g_random;

QString fileDialog(DialogKind kind, QWidget *parent, const QString &caption, const QString &folder,
                   const QString &filter)
{
    if (g_fileScript)
        return g_fileScript(kind, caption, folder, filter);
    const QString dir = nativePath(folder);
    switch (kind) {
    case DialogKind::OpenFile:
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    case DialogKind::SaveFile:
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    case DialogKind::Folder:
        return QFileDialog::getExistingDirectory(parent, caption, dir);
    }
    return QString();
}
} // namespace

void setMessageAnswerer(MessageAnswerer answerer) { g_answerer = std::move(answerer); }
const MessageAnswerer &messageAnswerer() { return g_answerer; }

QString openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return fileDialog(DialogKind::OpenFile, parent, caption, folder, filter);
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return fileDialog(DialogKind::SaveFile, parent, caption, folder, filter);
}

QString existingFolder(QWidget *parent, const QString &caption, const QString &folder)
{
    return fileDialog(DialogKind::Folder, parent, caption, folder, QString());
}

bool chooseFont(QWidget *parent, QFont &font)
{
    if (g_fontScript)
        return g_fontScript(font);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (ok)
        font = chosen;
    return ok;
}

bool chooseColor(QWidget *parent, QColor &color)
{
    if (g_colorScript)
        return g_colorScript(color);
    const QColor chosen = QColorDialog::getColor(color, parent);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

void setFileDialogScript(FileDialogScript script) { g_fileScript = std::move(script); }
void setFontDialogScript(FontDialogScript script) { g_fontScript = std::move(script); }
void setColorDialogScript(ColorDialogScript script) { g_colorScript = std::move(script); }

bool openDocument(const QString &pathOrUrl)
{
    if (pathOrUrl.isEmpty())
        return false;
    if (g_shell)
        return g_shell({ShellRequest::Open, pathOrUrl, {}, {}});
    QUrl url;
    if (pathOrUrl.contains(QLatin1String("://")) || pathOrUrl.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        url = QUrl(pathOrUrl);
    else if (pathOrUrl.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        url = QUrl(QLatin1String("http://") + pathOrUrl); // the shell took these as web pages
    else
        url = QUrl::fromLocalFile(nativePath(pathOrUrl));
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool startProgram(const QString &program, const QStringList &arguments, const QString &folder)
{
    if (program.isEmpty())
        return false;
    // A text editor named for one document: the desktop opens that document
    // with whatever application it uses for text.
    static const QStringList editoren{QStringLiteral("notepad.exe"), QStringLiteral("notepad")};
    const QString name = program.section(QLatin1Char('\\'), -1).section(QLatin1Char('/'), -1);
    if (arguments.size() == 1 && editoren.contains(name, Qt::CaseInsensitive))
        return openDocument(arguments.first());
    if (g_shell)
        return g_shell({ShellRequest::Start, program, arguments, folder});
    // A bare name that is no file in the base folder is looked up on the PATH.
    QString native = nativePath(program);
    if (!program.contains(QLatin1Char('/')) && !program.contains(QLatin1Char('\\')) && !QFileInfo::exists(native))
        native = program;
    return QProcess::startDetached(native, arguments, folder.isEmpty() ? QString() : nativePath(folder));
}

void setShellRecorder(ShellRecorder recorder) { g_shell = std::move(recorder); }

QDateTime now() { return g_clock ? g_clock() : QDateTime::currentDateTime(); }
void setClock(std::function<QDateTime()> clock) { g_clock = std::move(clock); }

int randomInt(int bound)
{
    if (bound <= 0)
        return 0;
    return g_random ? g_random(bound) : int(QRandomGenerator::global()->bounded(bound));
}
void setRandom(std::function<int(int)> random) { g_random = std::move(random); }

void resetSeams()
{
    g_answerer = {};
    g_fileScript = {};
    g_fontScript = {};
    g_colorScript = {};
    g_shell = {};
    g_clock = {};
    g_random = {};
}

} // namespace platform
