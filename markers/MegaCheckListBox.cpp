// SPDX-License-Identifier: GPL-3.0-or-later
#include "markers/MegaCheckListBox.h"

#include "platform/AppError.h"
#include "platform/Prompts.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int kItemHeight = 14;
// Room the check box takes left of an entry's text.
constexpr int kCheckBoxRoom = 18;

// One line per entry, drawn exactly as given: no wrapping, no eliding.
class MarkerDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features &= ~QStyleOptionViewItem::WrapText;
        option->textElideMode = Qt::ElideNone;
        option->displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    }
};

// An entry knows its full label, so that the hint of a shortened entry is
// made only when the pointer rests on it.
class MarkerItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;

    QVariant data(int role) const override
    {
        if (role == Qt::ToolTipRole)
            return shortened ? MarkerHint(label) : QString();
        return QListWidgetItem::data(role);
    }

    QString label;
    bool shortened = false;
};

// Marks changes made by the control itself, which must not look like the
// user's clicks.
class ProgramChange {
public:
    explicit ProgramChange(int& depth) : depth_(depth) { ++depth_; }
    ~ProgramChange() { --depth_; }
    ProgramChange(const ProgramChange&) = delete;
    ProgramChange& operator=(const ProgramChange&) = delete;

private:
    int& depth_;
};

} // namespace

TMegaCheckListBox::TMegaCheckListBox(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("CheckList"));
    setItemDelegate(new MarkerDelegate(this));
    setUniformItemSizes(true);   // never measures every label for the layout
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFont(QFont(QStringLiteral("Tahoma"), 9));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    setPalette(colours);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    resize(100, height());

    // A mouse press makes the entry current before it selects it: only
    // the selection tells which entry the user chose.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (programChange_ == 0 && ItemIndex() >= 0)
            emit Click();
    });
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* entry) {
        if (programChange_ != 0)
            return;
        // A press on the box of an entry that was not selected does not
        // select it; the entry whose box was switched is chosen first.
        const int index = row(entry);
        if (ItemIndex() != index)
            setCurrentRow(index);
        emit ClickCheck(index);
    });
}

// Members go before the base: MarkerLines first, then MarkerLabels.
TMegaCheckListBox::~TMegaCheckListBox() = default;

QString TMegaCheckListBox::MakeMarkerLabel(int line) const
{
    return ::MakeMarkerLabel(line, LineText ? LineText(line) : QString());
}

void TMegaCheckListBox::AppendEntry(const QString& text)
{
    auto* entry = new MarkerItem(text);
    entry->label = text;
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    entry->setCheckState(Qt::Checked);
    addItem(entry);
}

void TMegaCheckListBox::AddMarker(int line)
{
    ProgramChange change(programChange_);
    MarkerLabels.append(MakeMarkerLabel(line));
    AppendEntry(QString());
    MarkerLines.Add(line);
    FitLabel(count() - 1);
}

void TMegaCheckListBox::RemoveMarker(int index)
{
    ProgramChange change(programChange_);
    MarkerLines.Delete(index);   // a bad index throws before anything changes
    MarkerLabels.removeAt(index);
    const bool wasSelected = ItemIndex() == index;
    delete takeItem(index);
    if (wasSelected)
        selectionModel()->clear();   // nothing is selected after removing the selected entry
}

int TMegaCheckListBox::FindMarker(int line) const
{
    for (int i = 0; i < MarkerLines.Count(); ++i)
        if (MarkerLines.GetItem(i) == line)
            return i;
    return -1;
}

void TMegaCheckListBox::ShiftMarkers(int fromLine)
{
    ProgramChange change(programChange_);
    for (int i = 0; i < MarkerLines.Count(); ++i) {
        const int line = MarkerLines.GetItem(i);
        if (line < fromLine || line == std::numeric_limits<int>::max())
            continue;
        MarkerLines.SetItem(i, line + 1);
        MarkerLabels[i] = MakeMarkerLabel(line + 1);
        FitLabel(i);
    }
}

void TMegaCheckListBox::ClearMarkers()
{
    ProgramChange change(programChange_);
    MarkerLines.Clear();
    MarkerLabels.clear();
    clear();
}

bool TMegaCheckListBox::SaveMarkers(const QString& path)
{
    saveFailure_.clear();
    if (MarkerLabels.isEmpty())
        return true;
    QString reason;
    if (WriteMarkerFile(path, MarkerLabels, &reason)) {
        knownFile_ = path;
        return true;
    }
    saveFailure_ = path + QStringLiteral(": ") + reason;
    if (prompts_)
        prompts_->MessageBox(MsgKind::Error, kMarkersNotSaved + QStringLiteral("\n%1: %2").arg(path, reason),
                             MsgButtons::Ok);
    return false;
}

bool TMegaCheckListBox::RestoreMarkers(const QString& path)
{
    ClearMarkers();
    const MarkerFileContents contents = ReadMarkerFile(path, LineCount);
    // Only a file read whole is ours to delete later.
    if (contents.ok)
        knownFile_ = path;
    else if (knownFile_ == path)
        knownFile_.clear();
    {
        ProgramChange change(programChange_);
        setUpdatesEnabled(false);
        std::vector<bool> seen(size_t(std::max(LineCount, 0)));
        for (const MarkerEntry& marker : contents.markers) {
            if (seen[size_t(marker.line)])
                continue;   // one marker a line, as F4 keeps it
            seen[size_t(marker.line)] = true;
            MarkerLabels.append(marker.label);
            // Entries come in empty and get their text fitted: an entry
            // inserted with its text is measured by the view on the spot.
            AppendEntry(QString());
            MarkerLines.Add(marker.line);
        }
        setUpdatesEnabled(true);
    }
    if (!contents.ok) {
        // What was read before the bad line stays, shown in full.
        ProgramChange change(programChange_);
        for (int i = 0; i < count(); ++i) {
            auto* entry = static_cast<MarkerItem*>(item(i));
            entry->setText(MarkerLabels.at(i));
            entry->label = MarkerLabels.at(i);
        }
        if (prompts_)
            prompts_->MessageBox(MsgKind::Error, MarkersNotRestoredMessage(contents), MsgButtons::Ok);
        return false;
    }
    FitAllLabels();
    return true;
}

bool TMegaCheckListBox::RestoreMarkers(const QString& path, int lineCount)
{
    LineCount = lineCount;
    return RestoreMarkers(path);
}

bool TMegaCheckListBox::SettleMarkerFile(const QString& documentPath)
{
    if (documentPath.isEmpty())
        return true;
    const QString path = MarkerFileName(documentPath);
    const bool exists = QFileInfo::exists(path);
    if (!exists && !MarkerLabels.isEmpty())
        return SaveMarkers(path);
    if (exists && MarkerLabels.isEmpty() && path == knownFile_)
        return QFile::remove(path);
    return true;
}

int TMegaCheckListBox::WidthBound(const QString& text) const
{
    if (TextWidth)
        return -1;
    // Most labels are far narrower than the sidebar; shaping each one to
    // learn that made restoring a large marker file take minutes.
    if (font() != advanceFont_) {
        advanceFont_ = font();
        advances_.clear();
        latinAdvances_.clear();
    }
    const auto advance = [this](QChar c) {
        auto known = advances_.constFind(c.unicode());
        if (known == advances_.cend())
            known = advances_.insert(c.unicode(), QFontMetricsF(advanceFont_).horizontalAdvance(c));
        return *known;
    };
    if (latinAdvances_.empty()) {
        latinAdvances_.resize(256);
        for (char16_t c = 0; c < 256; ++c)
            latinAdvances_[c] = advance(QChar(c));
    }
    qreal sum = 0;
    for (const QChar c : text) {
        // Runs of '&', pairs and tabs (which jump to a stop) are measured
        // exactly.
        if (c == QLatin1Char('&') || c.isSurrogate() || c.unicode() < 0x20)
            return -1;
        sum += c.unicode() < 256 ? latinAdvances_[c.unicode()] : advance(c);
    }
    // Rounding and kerning stay within the slack.
    return int(std::ceil(sum)) + 2;
}

int TMegaCheckListBox::MeasureText(const QString& text) const
{
    return TextWidth ? TextWidth(text) : fontMetrics().horizontalAdvance(text);
}

int TMegaCheckListBox::ClientWidth() const
{
    // While hidden, a new size has not reached the viewport yet.
    if (testAttribute(Qt::WA_PendingResizeEvent))
        return contentsRect().width();
    return viewport()->width();
}

void TMegaCheckListBox::FitLabel(int index)
{
    auto* entry = dynamic_cast<MarkerItem*>(item(index));
    if (!entry || index >= MarkerLabels.size())
        throw AppError(QStringLiteral("Index out of range: ") + QString::number(index));
    ProgramChange change(programChange_);
    const QString& label = MarkerLabels.at(index);
    const int available = ClientWidth() - kCheckBoxRoom;
    const int bound = WidthBound(label);
    const FittedLabel fitted = bound >= 0 && bound <= available
                                   ? FittedLabel{label, false}
                                   : FitMarkerText(label, available,
                                                   [this](const QString& text) { return MeasureText(text); });
    if (entry->text() != fitted.text)
        entry->setText(fitted.text);
    entry->label = label;
    entry->shortened = fitted.shortened;
}

void TMegaCheckListBox::FitAllLabels()
{
    for (int i = 0; i < count(); ++i)
        FitLabel(i);
}

int TMegaCheckListBox::ItemIndex() const
{
    const QListWidgetItem* entry = currentItem();
    return entry && entry->isSelected() ? currentRow() : -1;
}

void TMegaCheckListBox::SetItemIndex(int index)
{
    ProgramChange change(programChange_);
    if (index < 0 || index >= count())
        selectionModel()->clear();
    else
        setCurrentRow(index);
}

bool TMegaCheckListBox::IsShortened(int index) const
{
    const auto* entry = dynamic_cast<const MarkerItem*>(item(index));
    return entry && entry->shortened;
}

QString TMegaCheckListBox::HintAt(const QPoint& pos) const
{
    const QListWidgetItem* entry = itemAt(pos);
    return entry ? entry->toolTip() : QString();
}

// Also reached when the viewport alone changes size, as when the vertical
// scroll bar comes or goes.
void TMegaCheckListBox::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    FitAllLabels();
    emit Resized();
}

void TMegaCheckListBox::mouseMoveEvent(QMouseEvent* event)
{
    QListWidget::mouseMoveEvent(event);
    setToolTip(HintAt(event->position().toPoint()));
}
