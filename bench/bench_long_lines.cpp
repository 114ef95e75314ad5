// SPDX-License-Identifier: GPL-3.0-or-later
// A 50 MB file on one line against the same bytes in 80-character lines:
// open with the first paint, and one typed character in the middle, with
// word wrap off and on. Then decoding 32 MB without line breaks against
// the same with breaks. Prints ratios; targets: opening costs no more, a
// keystroke stays under 50 ms, decoding costs about the same.
#include "bench/BenchCommon.h"
#include "editor/RichEdit.h"
#include "editor/TextCodec.h"

#include <QAbstractScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {

QByteArray Words(qsizetype size, bool lines)
{
    static const char kWords[] = "the quick brown fox jumps over the lazy dog &amp; <p>more</p> ";
    QByteArray bytes;
    bytes.reserve(size + 100);
    while (bytes.size() < size) {
        bytes += kWords;
        if (lines)
            bytes += "\r\n";   // 80 characters a line
    }
    return bytes;
}

struct Costs {
    double openMs = 0;
    double keyMs = 0;
};

Costs OpenAndType(const QString& path, bool wrap)
{
    TRichEdit edit;
    edit.resize(800, 600);
    edit.SetWordWrap(wrap);
    edit.show();
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    edit.LoadFromFile(path);
    edit.viewport()->repaint();
    Costs costs;
    costs.openMs = t.nsecsElapsed() / 1e6;
    edit.SetSelStart(edit.TextLength() / 2);
    edit.viewport()->repaint();
    constexpr int kKeys = 20;
    t.restart();
    for (int i = 0; i < kKeys; ++i) {
        QTest::keyClick(edit.InputWidget(), Qt::Key_A);
        edit.viewport()->repaint();
    }
    costs.keyMs = t.nsecsElapsed() / 1e6 / kKeys;
    return costs;
}

double DecodeMs(const QByteArray& bytes)
{
    qsizetype size = 0;
    return bench::Best(3,
                       [&] {
                           DecodeInChunks(bytes, DetectFormat(bytes), 1 << 20,
                                          [&](QString&& piece) { size += piece.size(); });
                       }) /
           1e6;
}

// The argument is the size of the files in MB.
int Run(int megabytes)
{
    QTemporaryDir dir;
    const qsizetype size = megabytes * qsizetype(1024 * 1024);
    const QString oneLine = dir.filePath(QStringLiteral("line.txt"));
    const QString lines = dir.filePath(QStringLiteral("lines.txt"));
    if (!bench::WriteFile(oneLine, Words(size, false)) || !bench::WriteFile(lines, Words(size, true)))
        return 1;
    for (const bool wrap : {false, true}) {
        const Costs line = OpenAndType(oneLine, wrap);
        const Costs many = OpenAndType(lines, wrap);
        std::printf(
            "%lld MB, wrap %s: open + paint one line %.0f ms, in lines %.0f ms, ratio %.2f; "
            "keystroke one line %.2f ms, in lines %.2f ms, ratio %.2f (targets: open ratio <= 1, keystroke < 50 ms)\n",
            static_cast<long long>(size >> 20), wrap ? "on" : "off", line.openMs, many.openMs,
            line.openMs / many.openMs, line.keyMs, many.keyMs, line.keyMs / many.keyMs);
    }

    const QByteArray unbroken = Words(32 * 1024 * 1024, false);
    const QByteArray broken = Words(32 * 1024 * 1024, true);
    const double without = DecodeMs(unbroken);
    const double with = DecodeMs(broken);
    std::printf("decode 32 MB: without line breaks %.0f ms, with %.0f ms, ratio %.2f (target about 1)\n", without, with,
                without / with);
    return 0;
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, Run, 50);
}
