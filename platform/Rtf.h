#pragma once
// Rich text is stored as RTF. Qt reads none, so this is a small reader and
// writer for what rich-edit fields write and common word processors produce:
// paragraphs, bold, italic, underline, font table and size, colour table,
// \'xx characters in the code page and \uN. Unknown destinations are skipped.
#include <QByteArray>
#include <QString>

class QTextDocument;

namespace platform {

// Replaces the document's content. False when the data is not RTF; plain
// text that does not start with "{\rtf" is then put in as plain text.
bool rtfToDocument(const QByteArray &rtf, QTextDocument *document);
QByteArray documentToRtf(const QTextDocument *document);

// File helpers (system paths; writes are atomic). Loading fails only when
// the file cannot be read; a file that is not RTF comes in as plain text,
// as a rich-edit field shows it.
bool loadRtfFile(const QString &path, QTextDocument *document);
bool saveRtfFile(const QString &path, const QTextDocument *document);

} // namespace platform
