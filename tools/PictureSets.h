#pragma once
// Every picture the program loads by name, drawn into the installation tree.
#include <QImage>
#include <QList>
#include <QSet>
#include <QString>

namespace installation {

struct PictureEntry {
    QString path; // relative to the installation root, "/" separated
    int width = 0;
    int height = 0;
};

struct PictureInputs {
    QString listsFolder;  // ingredients.tsv, lexikon.tsv, recipes.tsv
    QString dataFolder;   // data/ (tip texts are read from it)
    QStringList brands;   // brand sub-folders of GFXZUTAT\ENG\.
};

class PictureWriter
{
public:
    // Pictures that data/ already supplies (compared ignoring case) are
    // left as they are.
    PictureWriter(const QString &root, const QSet<QString> &suppliedLowerCase);

    // Draws nothing twice: a name that differs only in case from one
    // written before is skipped (the program's resolver ignores case).
    bool write(const QString &relative, const QImage &image);

    const QList<PictureEntry> &written() const { return m_written; }
    QString error() const { return m_error; }
    bool ok() const { return m_error.isEmpty(); }

private:
    QString m_root;
    QSet<QString> m_taken;
    QList<PictureEntry> m_written;
    QString m_error;
};

// Draws every picture group. Returns false on the first failure (the
// writer's error says which file).
bool generatePictures(PictureWriter &writer, const PictureInputs &inputs, QString &error);

// The rows of a tab-separated picture list. A first line naming the
// columns, empty lines and lines starting with "#" are skipped.
QList<QStringList> readPictureList(const QString &path, QString &error);

} // namespace installation
