// Takes the README's screenshots: starts the program on a copy of the default
// installation (offscreen), opens the overview and a recipe in the editor, and
// saves what the windows show.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "core/Globals.h"
#include "app/Start.h"
#include "core/Hauptprogramm.h"
#include "platform/Seams.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + QLatin1Char('/') + QDir(from).relativeFilePath(src);
        if (it.fileInfo().isDir())
            QDir().mkpath(dst);
        else
            QFile::copy(src, dst);
    }
}

void settle()
{
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

// The main window with its tool windows beside it, as a person sees them.
QImage grabWithTools(QWidget *main, const QList<QWidget *> &tools)
{
    QRect all = main->frameGeometry();
    for (QWidget *t : tools)
        if (t->isVisible())
            all = all.united(t->frameGeometry());
    QImage out(all.size(), QImage::Format_ARGB32);
    out.fill(QColor(0x3c, 0x3f, 0x41));
    QPainter p(&out);
    p.drawPixmap(main->geometry().topLeft() - all.topLeft(), main->grab());
    for (QWidget *t : tools)
        if (t->isVisible())
            p.drawPixmap(t->geometry().topLeft() - all.topLeft(), t->grab());
    return out;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("installation"), QStringLiteral("installation tree"), QStringLiteral("dir")});
    parser.addOption({QStringLiteral("output"), QStringLiteral("output folder"), QStringLiteral("dir")});
    parser.process(app);
    const QString output = QDir(parser.value(QStringLiteral("output"))).absolutePath();
    QDir().mkpath(output);

    QTemporaryDir base;
    copyTree(parser.value(QStringLiteral("installation")), base.path());
    QDir::setCurrent(base.path());
    // Answer every question with No: no update search, nothing changed.
    platform::setMessageAnswerer([](const QString &, const QString &, int buttons) { return buttons == 4 ? 7 : 1; });

    TWS_Grundwerte();
    Erzeuge_Formulare();
    if (!TWS_Programmstart_Daten())
        return 1;
    Optionen.Tipps = 0;
    Programmstart(true);

    FMain->setGeometry(40, 40, 900, 640);
    FMain->show();
    settle();
    // Select a recipe with a picture, so the preview has something to show.
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (!RezepteTotal[i].Rezeptgrafik.isEmpty() && FMain->Waehle_Rezept(i))
            break;
    settle();
    const QList<QWidget *> tools = {FMainRezeptbild, FMainTextanzeige, FMainZutatbild};
    // The offscreen screen is small; put the tool windows beside the main
    // window as on a desktop.
    int y = FMain->geometry().top();
    for (QWidget *t : tools) {
        t->move(FMain->geometry().right() + 12, y);
        y += t->frameGeometry().height() + 12;
    }
    settle();
    if (!grabWithTools(FMain, tools).save(output + QStringLiteral("/overview.png")))
        return 2;

    FMain->MRezeptoeffnenClick();
    settle();
    FRez->resize(1000, 720);
    settle();
    if (!FRez->grab().save(output + QStringLiteral("/editor.png")))
        return 3;
    return 0;
}
