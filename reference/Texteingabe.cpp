#include "reference/Texteingabe.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "core/Grundoperationen.h"
#include "core/Meldung.h"
#include "core/Rezeptzeichen.h"

namespace {

void Markiere(QPlainTextEdit *memo)
{
    QList<QTextEdit::ExtraSelection> marken;
    QTextCharFormat format;
    format.setBackground(QColor(255, 200, 200));
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(Qt::red);
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        const QString text = b.text();
        if (Nicht_speicherbare_Zeichen(text).isEmpty())
            continue;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            if (!Nicht_speicherbare_Zeichen(text.mid(i, n)).isEmpty()) {
                QTextEdit::ExtraSelection m;
                m.cursor = QTextCursor(memo->document());
                m.cursor.setPosition(b.position() + int(i));
                m.cursor.setPosition(b.position() + int(i + n), QTextCursor::KeepAnchor);
                m.format = format;
                marken << m;
            }
            i += n - 1;
        }
    }
    memo->setExtraSelections(marken);
}

// Settles the blocks from position von to bis.
void Bereinige(QPlainTextEdit *memo, int von, int bis)
{
    QTextDocument *doc = memo->document();
    struct Aenderung {
        int position;
        int laenge;
        QString ersatz;
    };
    std::vector<Aenderung> aenderungen;
    for (QTextBlock b = doc->findBlock(von); b.isValid() && b.position() <= bis; b = b.next()) {
        const QString text = b.text();
        QString ersatz;
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype n = Rezeptzeichen_Ersatz(text, i, ersatz);
            if (n == 0) {
                ++i;
                continue;
            }
            aenderungen.push_back({b.position() + int(i), int(n), ersatz});
            i += n;
        }
    }
    if (aenderungen.empty())
        return;
    // from the end, so that the positions before stay valid; the user's
    // caret moves with the text
    QTextCursor c(doc);
    c.joinPreviousEditBlock();
    for (auto it = aenderungen.rbegin(); it != aenderungen.rend(); ++it) {
        c.setPosition(it->position);
        c.setPosition(it->position + it->laenge, QTextCursor::KeepAnchor);
        c.insertText(it->ersatz);
    }
    c.endEditBlock();
}

} // namespace

void Pruefe_Eingabezeichen(QPlainTextEdit *memo, bool markieren)
{
    // The range that came in is noted on contentsChange and settled once
    // the document has finished the change (contentsChanged): the document
    // takes no edits while it reports one.
    struct Stand {
        bool aktiv = false;
        int von = -1;
        int bis = -1;
    };
    auto stand = std::make_shared<Stand>();
    QTextDocument *doc = memo->document();
    QObject::connect(doc, &QTextDocument::contentsChange, memo, [stand](int position, int, int hinzu) {
        if (stand->aktiv || hinzu <= 0)
            return;
        stand->von = stand->von < 0 ? position : std::min(stand->von, position);
        stand->bis = std::max(stand->bis, position + hinzu);
    });
    QObject::connect(doc, &QTextDocument::contentsChanged, memo, [memo, stand, markieren] {
        if (stand->aktiv)
            return;
        stand->aktiv = true;
        if (stand->von >= 0)
            Bereinige(memo, stand->von, stand->bis);
        stand->von = stand->bis = -1;
        if (markieren)
            Markiere(memo);
        stand->aktiv = false;
    });
}

bool Zeilen_speicherbar(QPlainTextEdit *memo, const QStringList &zeilen)
{
    QString zeichen;
    const qsizetype zeile = Erste_nicht_speicherbare_Zeile(zeilen, zeichen);
    if (zeile < 0)
        return true;
    const QTextBlock b = memo->document()->findBlockByNumber(int(zeile));
    if (b.isValid()) {
        QTextCursor c(b);
        const qsizetype spalte = b.text().indexOf(zeichen.left(zeichen.at(0).isHighSurrogate() ? 2 : 1));
        c.setPosition(b.position() + int(std::max<qsizetype>(spalte, 0)));
        memo->setTextCursor(c);
    }
    Zeige_Meldung(QStringLiteral("Line ") + QString::number(zeile + 1) + QStringLiteral(" \"") + zeilen[zeile].trimmed()
                      + QStringLiteral("\": a recipe file cannot hold these characters: ") + zeichen
                      + QStringLiteral("\nPlease remove or replace them."),
                  QStringLiteral("Note:"), 0);
    return false;
}
