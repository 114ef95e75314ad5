#include "editor/Rtf.h"

#include "editor/TextCodec.h"

#include <QTextDocument>

bool LooksLikeRtf(const QByteArray& bytes)
{
    return bytes.startsWith("{\\rtf");
}

// Placeholder until the RTF reader and writer land: keeps the raw text so
// that nothing is lost.
void ReadRtf(const QByteArray& rtf, QTextDocument& document)
{
    document.setPlainText(DecodeText(rtf).text);
}

QByteArray WriteRtf(const QTextDocument& document)
{
    TextFormat format;
    return EncodeText(document.toPlainText(), format);
}
