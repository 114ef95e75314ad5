// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "markers/Arrays.h"
#include "markers/Markers.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

class Prompts;

// The line markers of the open document, without any widget: position i of
// Labels() and of Lines() describe the same marker, in the order the markers
// were added or read. Only the operations below change the two, and each
// change is announced afterwards, so a view can mirror the list.
class MarkerModel : public QObject {
    Q_OBJECT
public:
    explicit MarkerModel(QObject* parent = nullptr);
    ~MarkerModel() override;

    int LineCount = 0;   // the document's line count, upper bound for Restore
    // The editor's text of a 0-based line; labels are made from it.
    std::function<QString(int line)> LineText;
    // Where the two error messages are shown; none: failures are only returned.
    void SetPrompts(Prompts* prompts) { prompts_ = prompts; }

    int Count() const { return lines_.Count(); }
    const QStringList& Labels() const { return labels_; }   // full label of each marker
    const TArray& Lines() const { return lines_; }   // 0-based line of each marker

    QString MakeMarkerLabel(int line) const;

    void Add(int line);
    void Remove(int index);   // a bad index throws before anything changes
    int Find(int line) const;   // first marker on that line, or -1
    void Shift(int fromLine);   // markers on fromLine or below move down one line
    void Clear();

    // Writes the marker file unless the list is empty; on failure shows
    // "Line Markers could not be saved." and returns false.
    bool Save(const QString& path);
    // Why the last Save failed ("PATH: reason"), then forgotten; empty when
    // it did not fail. For callers that save the document and do not see
    // the result.
    QString TakeSaveFailure() { return std::exchange(saveFailure_, QString()); }
    // Replaces the markers by those of the file, keeping lines below
    // LineCount and the first marker of a line listed twice; on failure
    // shows "Line Markers could not be restored." (with the reason on a
    // further line when the file was not read at all), keeps the markers
    // read so far and returns false.
    bool Restore(const QString& path);
    bool Restore(const QString& path, int lineCount);
    // At exit: writes the side file of `documentPath` when it is missing and
    // there are markers, deletes it when it exists and there are none. A
    // side file that was never read whole or written here (a damaged or
    // foreign one) is kept. An unnamed document has no side file; nothing
    // happens then.
    bool Settle(const QString& documentPath);

signals:
    void Added(int index);   // appended at the end
    void Removed(int index);
    void Relabelled(int index);   // moved to another line, with a new label
    void Cleared();
    // The markers now are those read from a side file; `whole`: the file was
    // read to its end, else the restore stopped early.
    void Restored(bool whole);

private:
    // Labels go after the lines when the model is taken down.
    QStringList labels_;
    TArray lines_;
    Prompts* prompts_ = nullptr;
    QString saveFailure_;
    QString knownFile_;   // the marker file last read whole or written
};
