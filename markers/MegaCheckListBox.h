// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "markers/Arrays.h"
#include "markers/Markers.h"

#include <QFont>
#include <QHash>
#include <QListWidget>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class Prompts;

// The line-marker sidebar: one checked entry per marker. Entry i, position i
// of MarkerLabels and position i of MarkerLines describe the same marker;
// only the operations below change the three, and they keep them parallel.
// An entry's visible text is its full label or a shortened form of it.
class TMegaCheckListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TMegaCheckListBox(QWidget* parent = nullptr);
    ~TMegaCheckListBox() override;

    int LineCount = 0;          // the document's line count, upper bound for RestoreMarkers
    QStringList MarkerLabels;   // full label of each marker
    TArray MarkerLines;         // 0-based line of each marker

    // The editor's text of a 0-based line; labels are made from it.
    std::function<QString(int line)> LineText;
    // Text width in pixels; when unset, the control's font metrics.
    TextWidthFn TextWidth;
    // Where the two error messages are shown; none: failures are only returned.
    void SetPrompts(Prompts* prompts) { prompts_ = prompts; }

    QString MakeMarkerLabel(int line) const;

    void AddMarker(int line);
    void RemoveMarker(int index);
    int FindMarker(int line) const;          // first entry on that line, or -1
    void ShiftMarkers(int fromLine);         // markers on fromLine or below move down one line
    void ClearMarkers();

    // Writes the marker file unless the list is empty; on failure shows
    // "Line Markers could not be saved." and returns false.
    bool SaveMarkers(const QString& path);
    // Why the last SaveMarkers failed ("PATH: reason"), then forgotten;
    // empty when it did not fail. For callers that save the document and
    // do not see the result.
    QString TakeSaveFailure() { return std::exchange(saveFailure_, QString()); }
    // Replaces the markers by those of the file, keeping lines below
    // LineCount; on failure shows "Line Markers could not be restored."
    // (with the reason on a further line when the file was not read at
    // all), keeps the markers read so far and returns false.
    bool RestoreMarkers(const QString& path);
    bool RestoreMarkers(const QString& path, int lineCount);
    // At exit: writes the side file of `documentPath` when it is missing and
    // there are markers, deletes it when it exists and there are none. A
    // side file that was never read whole or written here (a damaged or
    // foreign one) is kept. An unnamed document has no side file; nothing
    // happens then.
    bool SettleMarkerFile(const QString& documentPath);

    void FitLabel(int index);
    void FitAllLabels();
    int ClientWidth() const;                 // width available to entries

    // Selected entry, or -1. Setting it does not emit Click.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The hint for a point of the viewport: the full label of a shortened
    // entry, empty otherwise.
    QString HintAt(const QPoint& pos) const;
    bool IsShortened(int index) const;

signals:
    void Click();                  // the user changed the selected entry
    void ClickCheck(int index);    // the user switched an entry's check box
    void Resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString saveFailure_;
    void AppendEntry(const QString& text);
    int MeasureText(const QString& text) const;
    // At least the text's width, from the advances of its characters; -1
    // when only a real measurement will do.
    int WidthBound(const QString& text) const;

    Prompts* prompts_ = nullptr;
    mutable QFont advanceFont_;
    mutable QHash<char16_t, qreal> advances_;
    mutable std::vector<qreal> latinAdvances_;
    QString knownFile_;            // the marker file last read whole or written
    int programChange_ = 0;        // > 0 while the control itself changes entries
};
