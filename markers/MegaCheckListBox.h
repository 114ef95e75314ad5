// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "markers/Arrays.h"
#include "markers/MarkerModel.h"
#include "markers/Markers.h"

#include <QFont>
#include <QHash>
#include <QListWidget>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class Prompts;

// The line-marker sidebar: one checked entry per marker of its MarkerModel,
// which it owns and mirrors. Entry i, position i of MarkerLabels and
// position i of MarkerLines describe the same marker. An entry's visible
// text is its full label or a shortened form of it.
class TMegaCheckListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TMegaCheckListBox(QWidget* parent = nullptr);
    ~TMegaCheckListBox() override;

    MarkerModel& Markers() { return markers_; }
    const MarkerModel& Markers() const { return markers_; }

private:
    MarkerModel markers_;   // before the views of it below

public:
    // The model's fields under the sidebar's names.
    int& LineCount;   // upper bound for RestoreMarkers
    const QStringList& MarkerLabels;   // full label of each marker
    const TArray& MarkerLines;   // 0-based line of each marker
    std::function<QString(int line)>& LineText;   // the editor's text of a line

    // Text width in pixels; when unset, the control's font metrics.
    TextWidthFn TextWidth;
    void SetPrompts(Prompts* prompts) { markers_.SetPrompts(prompts); }

    // The model's operations; the entries follow.
    QString MakeMarkerLabel(int line) const { return markers_.MakeMarkerLabel(line); }
    void AddMarker(int line) { markers_.Add(line); }
    void RemoveMarker(int index) { markers_.Remove(index); }
    int FindMarker(int line) const { return markers_.Find(line); }
    void ShiftMarkers(int fromLine) { markers_.Shift(fromLine); }
    void ClearMarkers() { markers_.Clear(); }
    bool SaveMarkers(const QString& path) { return markers_.Save(path); }
    QString TakeSaveFailure() { return markers_.TakeSaveFailure(); }
    // What was read before a bad line stays, shown in full.
    bool RestoreMarkers(const QString& path) { return markers_.Restore(path); }
    bool RestoreMarkers(const QString& path, int lineCount) { return markers_.Restore(path, lineCount); }
    bool SettleMarkerFile(const QString& documentPath) { return markers_.Settle(documentPath); }

    // F4 on `line`: a marker there is chosen and removed, leaving nothing
    // selected; otherwise a marker is added.
    void ToggleMarker(int line);
    // The line of the selected entry, or nothing.
    std::optional<int> SelectedLine() const;
    // Removes the selected entry's marker, if an entry is selected.
    void RemoveSelected();

    void FitLabel(int index);
    void FitAllLabels();
    int ClientWidth() const;   // width available to entries

    // Selected entry, or -1. Setting it does not emit Click.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The hint for a point of the viewport: the full label of a shortened
    // entry, empty otherwise.
    QString HintAt(const QPoint& pos) const;
    bool IsShortened(int index) const;

signals:
    void Click();   // the user changed the selected entry
    void ClickCheck(int index);   // the user switched an entry's check box
    void Resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void AppendEntry(const QString& text);
    void EntryAdded(int index);
    void EntryRemoved(int index);
    void EntriesRestored(bool whole);
    int MeasureText(const QString& text) const;
    // At least the text's width, from the advances of its characters; -1
    // when only a real measurement will do.
    int WidthBound(const QString& text) const;

    mutable QFont advanceFont_;
    mutable QHash<char16_t, qreal> advances_;
    mutable std::vector<qreal> latinAdvances_;
    int programChange_ = 0;   // > 0 while the control itself changes entries
};
