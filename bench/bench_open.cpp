// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a 25 MB plain text file into the editor, against
// QTextEdit::setPlainText of the same text. Prints the ratio of the best
// of several runs; the target is at most 1.3. Then the decoding alone, the
// byte-exact one against Qt's UTF-8 decoder with line breaks normalized
// (what reading cost before bytes were kept), a file with mixed breaks and
// stray bytes, and saving.
#include "bench/BenchCommon.h"
#include "editor/RichEdit.h"
#include "editor/TextCodec.h"

#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

int Run(int runs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    const QByteArray bytes = bench::MarkupLines(25 * 1024 * 1024);
    if (!bench::WriteFile(path, bytes))
        return 1;
    const QString text = QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    qint64 bestOurs = std::numeric_limits<qint64>::max();
    qint64 bestQt = bestOurs;
    for (int r = 0; r < runs; ++r) {
        {
            QTextEdit plain;
            plain.setLineWrapMode(QTextEdit::NoWrap);
            bestQt = std::min(bestQt, bench::Time([&] { plain.setPlainText(text); }));
        }
        TRichEdit edit;
        bestOurs = std::min(bestOurs, bench::Time([&] { edit.LoadFromFile(path); }));
    }
    std::printf("open 25 MB plain text: editor %.1f ms, QTextEdit::setPlainText %.1f ms, ratio %.2f (target <= 1.30)\n",
                bestOurs / 1e6, bestQt / 1e6, double(bestOurs) / double(bestQt));

    const auto best = [&](const std::function<void()>& work) { return bench::Best(runs, work); };
    qsizetype sink = 0;
    const qint64 exact = best(
        [&] { DecodeInChunks(bytes, DetectFormat(bytes), 1 << 20, [&](QString&& piece) { sink += piece.size(); }); });
    const qint64 normalized = best([&] {
        for (qsizetype from = 0; from < bytes.size(); from += 1 << 20)
            sink += NormalizeLineBreaks(QString::fromUtf8(QByteArrayView(bytes).sliced(
                                            from, std::min<qsizetype>(1 << 20, bytes.size() - from))))
                        .size();
    });
    std::printf("decode 25 MB: bytes kept %.1f ms, Qt's UTF-8 decoder with breaks normalized %.1f ms, ratio %.2f\n",
                exact / 1e6, normalized / 1e6, double(exact) / double(normalized));

    // Every tenth line with an LF of its own, every hundredth with a stray byte.
    QByteArray mixed = bytes;
    for (qsizetype at = 0, line = 0; (at = mixed.indexOf("\r\n", at)) >= 0; ++line) {
        if (line % 10 == 0)
            mixed.remove(at, 1);
        else if (line % 100 == 1)
            mixed[at - 1] = '\xE9';
        at += 1;
    }
    mixed.prepend("\xC3\xA9");
    const QString mixedPath = dir.filePath(QStringLiteral("mixed.txt"));
    if (!bench::WriteFile(mixedPath, mixed))
        return 1;
    TRichEdit edit;
    const qint64 mixedOpen = best([&] { edit.LoadFromFile(mixedPath); });
    const qint64 mixedSave = best([&] { edit.SaveToFile(dir.filePath(QStringLiteral("mixed.out"))); });
    edit.LoadFromFile(path);
    const qint64 save = best([&] { edit.SaveToFile(dir.filePath(QStringLiteral("big.out"))); });

    // Text mostly beyond ASCII: characters of two and three bytes.
    const QByteArray wideLine =
        QStringLiteral("\u8fd9\u662f\u4e00\u884c\u6587\u5b57 \u041f\u0440\u0438\u0432\u0435\u0442 caf\u00e9 \u00e0 la "
                       "cr\u00e8me, \u6d4b\u8bd5\u4e2d\u6587\u5b57\u7b26\n")
            .toUtf8();
    const QString widePath = dir.filePath(QStringLiteral("wide.txt"));
    if (!bench::WriteFile(widePath, wideLine.repeated(25 * 1024 * 1024 / wideLine.size())))
        return 1;
    const qint64 wideOpen = best([&] { edit.LoadFromFile(widePath); });
    std::printf("25 MB with mixed breaks and stray bytes: open %.1f ms, save %.1f ms; save of the plain file %.1f ms; "
                "open of 25 MB mostly beyond ASCII %.1f ms (%lld characters decoded)\n",
                mixedOpen / 1e6, mixedSave / 1e6, save / 1e6, wideOpen / 1e6, static_cast<long long>(sink));
    return 0;
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, Run);
}
