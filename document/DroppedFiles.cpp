// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DroppedFiles.h"

#include "document/DocumentRules.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

DropAction DropActionFor(const QString& path)
{
    const QString extension = FileExtension(path).toUpper();
    if (extension == QLatin1String(".GIF") || extension == QLatin1String(".JPG"))
        return DropAction::ImageTag;
    if (extension == QLatin1String(".HTM") || extension == QLatin1String(".HTML"))
        return DropAction::LinkOrOpen;
    return DropAction::Open;
}

QString HtmlAttributeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        default: out += c;
        }
    }
    return out;
}

QString ImageTagFor(const QString& path)
{
    return QStringLiteral("<img src=\"") + HtmlAttributeText(QFileInfo(path).fileName()) +
           QStringLiteral("\" alt=\"\" />");
}

QString LinkFor(const QString& path, const QString& selection)
{
    return QStringLiteral("<a href=\"") + HtmlAttributeText(QFileInfo(path).fileName()) + QStringLiteral("\">") +
           selection + QStringLiteral("</a>");
}

QStringList DroppedPaths(const QMimeData* mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}
