// SPDX-License-Identifier: GPL-3.0-or-later
// Marker files on arbitrary bytes: whatever the reader takes from a file
// must write out and read back as the same markers, and a label made from
// any line text must survive its own file.
#include "fuzz/FuzzCheck.h"
#include "markers/Markers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString Scratch()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/fuzz-markers-XXXXXX"));
    return dir.filePath(QStringLiteral("doc.txt.lm"));
}

QStringList Labels(const QList<MarkerEntry>& markers)
{
    QStringList labels;
    for (const MarkerEntry& m : markers)
        labels.append(m.label);
    return labels;
}
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr int kLines = 1 << 20;
    const QByteArray bytes = fuzz::Input(data, size);
    const QString path = Scratch();
    {
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Check(file.write(bytes) == bytes.size());
    }
    const MarkerFileContents read = ReadMarkerFile(path, kLines);
    for (const MarkerEntry& m : read.markers)
        Check(m.line >= 0 && m.line < kLines);

    Check(WriteMarkerFile(path, Labels(read.markers)));
    const MarkerFileContents again = ReadMarkerFile(path, kLines);
    Check(again.ok && again.markers == read.markers);

    // Labels made from the input's text, one per line number.
    const QStringList texts = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    QList<MarkerEntry> made;
    for (int i = 0; i < texts.size() && i < 64; ++i) {
        const int line = (i * 7919) % kLines;
        made.append({line, MakeMarkerLabel(line, texts[i])});
    }
    Check(WriteMarkerFile(path, Labels(made)));
    const MarkerFileContents back = ReadMarkerFile(path, kLines);
    Check(back.ok && back.markers == made);
    return 0;
}
