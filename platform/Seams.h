#pragma once
// The only places a test may replace: messages, file/font/colour dialogs,
// the shell, the clock and random numbers. The program uses the real ones.
#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace platform {

// --- messages (Zeige_Meldung in core/Meldung.h asks the answerer first) ---
// A scripted answerer returns 1 (OK), 6 (Yes) or 7 (No).
using MessageAnswerer = std::function<int(const QString &text, const QString &heading, int buttons)>;
void setMessageAnswerer(MessageAnswerer answerer); // empty = the real window
const MessageAnswerer &messageAnswerer();

// --- file, font and colour dialogs ---
// Empty result = cancelled.
QString openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter);
QString saveFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter);
QString existingFolder(QWidget *parent, const QString &caption, const QString &folder);
bool chooseFont(QWidget *parent, QFont &font);
bool chooseColor(QWidget *parent, QColor &color);

enum class DialogKind { OpenFile, SaveFile, Folder };
using FileDialogScript = std::function<QString(DialogKind kind, const QString &caption, const QString &folder, const QString &filter)>;
using FontDialogScript = std::function<bool(QFont &font)>;
using ColorDialogScript = std::function<bool(QColor &color)>;
void setFileDialogScript(FileDialogScript script);
void setFontDialogScript(FontDialogScript script);
void setColorDialogScript(ColorDialogScript script);

// --- the shell ---
// Opens a document, a web page or a mail link ("mailto:").
bool openDocument(const QString &pathOrUrl);
// Starts a program and returns at once. A text editor ("notepad.exe") given
// one document opens that document instead (openDocument).
bool startProgram(const QString &program, const QStringList &arguments, const QString &folder);
struct ShellRequest {
    enum Kind { Open, Start } kind;
    QString target;
    QStringList arguments;
    QString folder;
};
using ShellRecorder = std::function<bool(const ShellRequest &)>;
void setShellRecorder(ShellRecorder recorder); // empty = the real shell

// --- clock and random numbers ---
QDateTime now();
void setClock(std::function<QDateTime()> clock);
// A number in [0, bound).
int randomInt(int bound);
void setRandom(std::function<int(int bound)> random);

// Puts every seam back to the real one.
void resetSeams();

} // namespace platform
