// SPDX-License-Identifier: GPL-3.0-or-later
#include "markers/MarkerModel.h"

#include "platform/Prompts.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <vector>

MarkerModel::MarkerModel(QObject* parent) : QObject(parent) {}

MarkerModel::~MarkerModel() = default;

QString MarkerModel::MakeMarkerLabel(int line) const
{
    return ::MakeMarkerLabel(line, LineText ? LineText(line) : QString());
}

void MarkerModel::Add(int line)
{
    labels_.append(MakeMarkerLabel(line));
    lines_.Add(line);
    emit Added(Count() - 1);
}

void MarkerModel::Remove(int index)
{
    lines_.Delete(index);
    labels_.removeAt(index);
    emit Removed(index);
}

int MarkerModel::Find(int line) const
{
    for (int i = 0; i < lines_.Count(); ++i)
        if (lines_.GetItem(i) == line)
            return i;
    return -1;
}

void MarkerModel::Shift(int fromLine)
{
    for (int i = 0; i < lines_.Count(); ++i) {
        const int line = lines_.GetItem(i);
        if (line < fromLine || line == std::numeric_limits<int>::max())
            continue;
        lines_.SetItem(i, line + 1);
        labels_[i] = MakeMarkerLabel(line + 1);
        emit Relabelled(i);
    }
}

void MarkerModel::Clear()
{
    lines_.Clear();
    labels_.clear();
    emit Cleared();
}

bool MarkerModel::Save(const QString& path)
{
    saveFailure_.clear();
    if (labels_.isEmpty())
        return true;
    QString reason;
    if (WriteMarkerFile(path, labels_, &reason)) {
        knownFile_ = path;
        return true;
    }
    saveFailure_ = path + QStringLiteral(": ") + reason;
    if (prompts_)
        prompts_->MessageBox(MsgKind::Error, MarkersNotSavedMessage(path, reason), MsgButtons::Ok);
    return false;
}

bool MarkerModel::Restore(const QString& path)
{
    Clear();
    const MarkerFileContents contents = ReadMarkerFile(path, LineCount);
    // Only a file read whole is ours to delete later.
    if (contents.ok)
        knownFile_ = path;
    else if (knownFile_ == path)
        knownFile_.clear();
    std::vector<bool> seen(size_t(std::max(LineCount, 0)));
    for (const MarkerEntry& marker : contents.markers) {
        if (seen[size_t(marker.line)])
            continue;   // one marker a line, as F4 keeps it
        seen[size_t(marker.line)] = true;
        labels_.append(marker.label);
        lines_.Add(marker.line);
    }
    emit Restored(contents.ok);
    if (!contents.ok) {
        if (prompts_)
            prompts_->MessageBox(MsgKind::Error, MarkersNotRestoredMessage(contents), MsgButtons::Ok);
        return false;
    }
    return true;
}

bool MarkerModel::Restore(const QString& path, int lineCount)
{
    LineCount = lineCount;
    return Restore(path);
}

bool MarkerModel::Settle(const QString& documentPath)
{
    if (documentPath.isEmpty())
        return true;
    const QString path = MarkerFileName(documentPath);
    const bool exists = QFileInfo::exists(path);
    if (!exists && !labels_.isEmpty())
        return Save(path);
    if (exists && labels_.isEmpty() && path == knownFile_)
        return QFile::remove(path);
    return true;
}
