// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/TidyRules.h"

#include <QCoreApplication>
#include <QRect>

#include <algorithm>
#include <climits>

namespace {
const QString kLinePrefix = QStringLiteral("line ");

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString Translated(const QString& note)
{
    return QCoreApplication::translate("TidyRules", note.toUtf8().constData());
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}
}   // namespace

bool NamesTidyLine(QStringView entry)
{
    return entry.startsWith(kLinePrefix, Qt::CaseSensitive);
}

std::optional<int> TidyMessageLine(QStringView entry)
{
    if (!NamesTidyLine(entry))
        return std::nullopt;
    qsizetype i = kLinePrefix.size();
    if (i >= entry.size() || !IsDigit(entry[i]))
        return std::nullopt;
    qint64 n = 0;
    for (; i < entry.size() && IsDigit(entry[i]); ++i)
        n = std::min<qint64>(n * 10 + (entry[i].unicode() - u'0'), INT_MAX);
    if (n == 0)
        return std::nullopt;
    return int(n);
}

QStringList TidyMessageLines(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isEmpty() && bytes.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

QStringList SplitOptionWords(QStringView text)
{
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (IsBlank(c)) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == u'\'') {
            for (++i; i < text.size() && text[i] != u'\''; ++i)
                word += text[i];
        } else if (c == u'"') {
            for (++i; i < text.size() && text[i] != u'"'; ++i) {
                if (text[i] == u'\\' && i + 1 < text.size() && QStringView(u"\"\\$`").contains(text[i + 1]))
                    ++i;
                word += text[i];
            }
        } else if (c == u'\\') {
            if (i + 1 < text.size())
                word += text[++i];
        } else {
            word += c;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

QStringList TidyArguments(const QString& options, const QString& inputPath)
{
    QStringList arguments = SplitOptionWords(options);
    arguments.append(inputPath);
    return arguments;
}

QString TidyOutputBase(const QString& inputPath, const std::function<bool(const QString&)>& isInput)
{
    QString base = inputPath;
    const qsizetype nameStart = base.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot > nameStart)
        base.truncate(dot);
    while (isInput(base + kTidyOutputSuffix))
        base += QStringLiteral(" - tidy");
    return base;
}

QString TidyProgramIn(const QString& folder, const std::function<bool(const QString&)>& isFile)
{
    if (folder.isEmpty())
        return {};
    for (const char* name : {"tidy", "tidy.exe"}) {
        const QString path = folder + QLatin1String(name);
        if (isFile(path))
            return path;
    }
    return {};
}

int WidenedWindowWidth(int windowWidth, int clientWidth, const QList<int>& entryWidths)
{
    int widest = clientWidth;
    for (int w : entryWidths)
        widest = std::max(widest, w);
    if (clientWidth >= widest)
        return windowWidth;
    return windowWidth + (widest - clientWidth) + 5;
}

QRect TidyErrorsFrame(QSize frame, const QRect& mainFrame, int barsBottom, const QRect& available)
{
    const QSize size = frame.boundedTo(available.size());
    int top = mainFrame.top() - size.height();
    if (top < available.top())
        top = barsBottom;
    top = std::clamp(top, available.top(), available.top() + available.height() - size.height());
    const int left =
        std::clamp(mainFrame.left(), available.left(), available.left() + available.width() - size.width());
    return {QPoint(left, top), size};
}

QString TidyStoppedEntry(int limitMs)
{
    //: %1 is the time limit in seconds
    return QCoreApplication::translate("TidyRules", "Tidy did not end within %1 seconds and was stopped.")
        .arg(QString::number(limitMs / 1000.0));
}

QStringList TidyResultEntries(const QByteArray& errorFile, TidyEnd end, int limitMs, bool documentChanged)
{
    QStringList entries = TidyMessageLines(errorFile);
    if (end == TidyEnd::TimedOut)
        entries.append(TidyStoppedEntry(limitMs));
    else if (end == TidyEnd::Stopped)
        entries.append(Translated(kTidyStoppedByUser));
    if (documentChanged)
        entries.append(Translated(kTidyDocumentChanged));
    return entries;
}
