// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

class QMimeData;

// What a file dropped on the window turns into.
enum class DropAction { ImageTag, LinkOrOpen, Open };

DropAction DropActionFor(const QString& path);

// Characters that would break the tag are written as HTML entities.
QString HtmlAttributeText(const QString& text);

// "<img src="name" alt="" />" for the file name without its folder.
QString ImageTagFor(const QString& path);
// "<a href="name">selection</a>" for the file name without its folder.
QString LinkFor(const QString& path, const QString& selection);

// Local files of a drag; empty when the drag carries none.
QStringList DroppedPaths(const QMimeData* mime);
