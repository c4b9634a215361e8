#pragma once
// Rich text is stored as RTF. Qt reads none, so this is a small reader and
// writer for what rich-edit fields write and common word processors produce:
// paragraphs with alignment, spacing and indents, bold, italic, underline,
// font table and size, colour table, text in the fonts' character sets or
// the document's code page, symbol-font bullets, and \uN. Hidden text and
// unknown destinations are skipped. Everything is written as ASCII, with
// \uN for characters beyond Windows-1252.
#include <QByteArray>
#include <QString>

class QTextDocument;

namespace platform {

// Replaces the document's content. False when the data is not RTF; data
// that does not start with "{\rtf" is then put in as plain text (UTF-8 when
// valid, else Windows-1252).
bool rtfToDocument(const QByteArray &rtf, QTextDocument *document);
QByteArray documentToRtf(const QTextDocument *document);

// File helpers (system paths; writes are atomic). Loading fails only when
// the file cannot be read; a file that is not RTF comes in as plain text,
// as a rich-edit field shows it. A failed save gives its cause in *error as
// writeBytes does (TextFile.h).
bool loadRtfFile(const QString &path, QTextDocument *document);
bool saveRtfFile(const QString &path, const QTextDocument *document, int *error = nullptr);

} // namespace platform
