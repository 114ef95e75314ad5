// Loading a 25 MB plain text file into the editor, against
// QTextEdit::setPlainText of the same text. Prints the ratio of the best
// of several runs; the target is at most 1.3.
#include "editor/RichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    QByteArray bytes;
    bytes.reserve(25 * 1024 * 1024 + 200);
    for (int i = 0; bytes.size() < 25 * 1024 * 1024; ++i)
        bytes += "Line " + QByteArray::number(i) +
                 ": the quick brown fox jumps over the lazy dog, <p>&amp; more</p>\r\n";
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }
    const QString text = QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    qint64 bestOurs = std::numeric_limits<qint64>::max();
    qint64 bestQt = std::numeric_limits<qint64>::max();
    for (int r = 0; r < runs; ++r) {
        {
            QTextEdit plain;
            plain.setLineWrapMode(QTextEdit::NoWrap);
            QElapsedTimer t;
            t.start();
            plain.setPlainText(text);
            bestQt = std::min(bestQt, t.nsecsElapsed());
        }
        {
            TRichEdit edit;
            QElapsedTimer t;
            t.start();
            edit.LoadFromFile(path);
            bestOurs = std::min(bestOurs, t.nsecsElapsed());
        }
    }
    std::printf("open 25 MB plain text: editor %.1f ms, QTextEdit::setPlainText %.1f ms, ratio %.2f (target <= 1.30)\n",
                bestOurs / 1e6, bestQt / 1e6, double(bestOurs) / double(bestQt));
    return 0;
}
