#pragma once
#include <QByteArray>

class QTextDocument;

// True when the bytes are RTF (they start with "{\rtf").
bool LooksLikeRtf(const QByteArray& bytes);

// Replaces the document's content with what the RTF describes. Never throws
// on malformed input: whatever can be read is loaded.
void ReadRtf(const QByteArray& rtf, QTextDocument& document);

// The document as RTF 1.x; the same document always gives the same bytes.
QByteArray WriteRtf(const QTextDocument& document);
