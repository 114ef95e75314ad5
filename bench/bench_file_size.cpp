// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's file size of a 25 MB document, worked out once typing
// pauses, against the plain Qt way of learning it (the whole text encoded
// as UTF-8). Prints the ratio; target <= 1.0, and no copy of the text.
#include "bench/BenchCommon.h"
#include "editor/RichEdit.h"

#include <QPlainTextDocumentLayout>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>

namespace {

using bench::Best;

int Run(int)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    QByteArray bytes;
    for (int i = 0; bytes.size() < 25 * 1024 * 1024; ++i)
        bytes += "Zeile " + QByteArray::number(i) + ": gr\xC3\xBC\xC3\x9F\xC3\xA9 \xE2\x82\xAC the lazy dog\n";
    if (!bench::WriteFile(path, bytes))
        return 1;

    TRichEdit edit;
    edit.LoadFromFile(path);
    qint64 size = 0;
    const qint64 ours = Best(5, [&] { size = edit.EncodedSize(); });
    // Qt's own way, on a document of the same text.
    QTextDocument same;
    same.setDocumentLayout(new QPlainTextDocumentLayout(&same));
    same.setPlainText(QString::fromUtf8(bytes));
    qint64 qtSize = 0;
    const qint64 qt = Best(5, [&] { qtSize = same.toPlainText().toUtf8().size(); });
    if (size != bytes.size() || qtSize != bytes.size()) {
        std::printf("sizes disagree: file %lld, ours %lld, Qt's %lld\n", qlonglong(bytes.size()), qlonglong(size),
                    qlonglong(qtSize));
        return 1;
    }
    std::printf("file size of 25 MB: %.0f ms, toPlainText().toUtf8() %.0f ms, ratio %.2f (target <= 1.00)\n",
                ours / 1e6, qt / 1e6, double(ours) / double(qt));
    return 0;
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, Run);
}
