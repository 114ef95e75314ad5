// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DocumentFilter()
{
    // The dialogs tell the filters apart by their place, never by their text.
    return QStringList{
        QCoreApplication::translate("DocumentRules", "Text Files (*.txt)"),
        QCoreApplication::translate("DocumentRules", "Rich Text Files (*.rtf)"),
        QCoreApplication::translate("DocumentRules", "HTML Files (*.html *.htm)"),
        QCoreApplication::translate("DocumentRules",
                                    "Source Code (*.bas *.pas *.java *.cpp *.c *.h *.frm *.cls *.vbs)"),
        QCoreApplication::translate("DocumentRules", "Macros (*.macro)"),
        QCoreApplication::translate("DocumentRules", "Batch Files (*.bat *.cmd)"),
        QCoreApplication::translate("DocumentRules", "All Files (*)"),
    }
        .join(QStringLiteral(";;"));
}

QString OpenExtensionForFilter(int filterIndex)
{
    switch (filterIndex) {
    case 1: return QStringLiteral(".txt");
    case 2: return QStringLiteral(".rtf");
    case 3: return QStringLiteral(".html");
    case 5: return QStringLiteral(".macro");
    case 6: return QStringLiteral(".bat");
    default: return {};
    }
}

QString SaveAsExtensionForFilter(int filterIndex, bool plainTextOption)
{
    switch (filterIndex) {
    case 2: return QStringLiteral(".rtf");
    case 3: return QStringLiteral(".html");
    case 5: return QStringLiteral(".macro");
    case 6: return QStringLiteral(".bat");
    default: return plainTextOption ? QStringLiteral(".txt") : QStringLiteral(".rtf");
    }
}

QString FileExtension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

bool HasExtension(const QString& path)
{
    return !FileExtension(path).isEmpty();
}

bool IsRichExtension(const QString& path)
{
    return FileExtension(path).compare(QLatin1String(".rtf"), Qt::CaseInsensitive) == 0;
}

bool IsSourceCodeExtension(const QString& path)
{
    static const QStringList kinds = {".PAS", ".BAS", ".CLS", ".BAT", ".VBS", ".FRM", ".C", ".CPP", ".H", ".JAVA"};
    return kinds.contains(FileExtension(path).toUpper());
}

QString FolderOf(const QString& path)
{
    QString folder = QFileInfo(path).absolutePath();
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

namespace {
// Blanks and control characters at both ends go.
QString TrimControls(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}
}   // namespace

QString NameFromFirstLine(const QString& firstLine)
{
    QString name = TrimControls(firstLine);
    static const QString kForbidden = QStringLiteral("/|?\"<>:*\\");
    QString kept;
    kept.reserve(name.size());
    for (QChar c : name)
        if (!kForbidden.contains(c))
            kept += c;
    return TrimControls(kept);
}

QString SaveQuitTarget(const QString& firstLine, bool plainTextOption, const QDateTime& now, const QLocale& locale,
                       const QString& desktopDir, const QString& currentDir)
{
    const QString extension = plainTextOption ? QStringLiteral(".txt") : QStringLiteral(".rtf");
    QString name = NameFromFirstLine(firstLine);
    if (name.isEmpty()) {
        // Time and date; the extension is added once, below.
        name = locale.toString(now.time(), QStringLiteral("h-mm ap")).toLower() + QStringLiteral(" - ") +
               locale.toString(now.date(), QStringLiteral("d. MMMM yyyy"));
    }
    const QString lower = FileExtension(name).toLower();
    if (lower == QLatin1String(".html") || lower == QLatin1String(".macro"))
        return QDir(currentDir).absoluteFilePath(name);
    return desktopDir + name + extension;
}

QString WithExtensionLetters(const QString& path, const QString& letters)
{
    return path.left(path.size() - 3) + letters;
}

QString StrayBytesNotice(const QString& path, qint64 strayBytes)
{
    //: %1 is the file, %2 a number of bytes
    return QCoreApplication::translate("DocumentRules",
                                       "%1 is not valid UTF-8; %2 bytes that are not are kept as they are.")
        .arg(path)
        .arg(strayBytes);
}

QString DroppedContentNotice(const QString& path)
{
    return QCoreApplication::translate(
               "DocumentRules", "%1 holds tables or pictures that this editor cannot keep; saving it will drop them.")
        .arg(path);
}

QString DroppedContentQuestion(const QString& path)
{
    return QCoreApplication::translate(
               "DocumentRules", "%1\nholds tables or pictures that this editor cannot keep. Save it without them?")
        .arg(path);
}

QString WiderEncodingQuestion(const QString& path)
{
    return QCoreApplication::translate("DocumentRules",
                                       "%1\nholds characters that Windows-1252 cannot store. Save it as UTF-8?")
        .arg(path);
}
