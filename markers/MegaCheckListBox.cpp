// SPDX-License-Identifier: GPL-3.0-or-later
#include "markers/MegaCheckListBox.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <cmath>
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

}   // namespace

TMegaCheckListBox::TMegaCheckListBox(QWidget* parent)
    : QListWidget(parent), LineCount(markers_.LineCount), MarkerLabels(markers_.Labels()),
      MarkerLines(markers_.Lines()), LineText(markers_.LineText)
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

    connect(&markers_, &MarkerModel::Added, this, &TMegaCheckListBox::EntryAdded);
    connect(&markers_, &MarkerModel::Removed, this, &TMegaCheckListBox::EntryRemoved);
    connect(&markers_, &MarkerModel::Relabelled, this, &TMegaCheckListBox::FitLabel);
    connect(&markers_, &MarkerModel::Cleared, this, [this] {
        ProgramChange change(programChange_);
        clear();
    });
    connect(&markers_, &MarkerModel::Restored, this, &TMegaCheckListBox::EntriesRestored);
}

// The model goes before the base: its lines first, then its labels.
TMegaCheckListBox::~TMegaCheckListBox() = default;

void TMegaCheckListBox::AppendEntry(const QString& text)
{
    auto* entry = new MarkerItem(text);
    entry->label = text;
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    entry->setCheckState(Qt::Checked);
    addItem(entry);
}

void TMegaCheckListBox::EntryAdded(int index)
{
    ProgramChange change(programChange_);
    AppendEntry(QString());
    FitLabel(index);
}

void TMegaCheckListBox::EntryRemoved(int index)
{
    ProgramChange change(programChange_);
    const bool wasSelected = ItemIndex() == index;
    delete takeItem(index);
    if (wasSelected)
        selectionModel()->clear();   // nothing is selected after removing the selected entry
}

void TMegaCheckListBox::EntriesRestored(bool whole)
{
    {
        ProgramChange change(programChange_);
        setUpdatesEnabled(false);
        // Entries come in empty and get their text fitted: an entry
        // inserted with its text is measured by the view on the spot.
        for (int i = count(); i < MarkerLabels.size(); ++i)
            AppendEntry(QString());
        setUpdatesEnabled(true);
    }
    if (whole) {
        FitAllLabels();
        return;
    }
    // What was read before the bad line stays, shown in full.
    ProgramChange change(programChange_);
    for (int i = 0; i < count(); ++i) {
        auto* entry = static_cast<MarkerItem*>(item(i));
        entry->setText(MarkerLabels.at(i));
        entry->label = MarkerLabels.at(i);
    }
}

void TMegaCheckListBox::ToggleMarker(int line)
{
    const int index = FindMarker(line);
    if (index < 0) {
        AddMarker(line);
        return;
    }
    SetItemIndex(index);
    RemoveSelected();
}

std::optional<int> TMegaCheckListBox::SelectedLine() const
{
    const int index = ItemIndex();
    if (index < 0)
        return std::nullopt;
    return MarkerLines.GetItem(index);
}

void TMegaCheckListBox::RemoveSelected()
{
    const int index = ItemIndex();
    if (index >= 0)
        RemoveMarker(index);
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
        TArray::ThrowRangeError(index);
    ProgramChange change(programChange_);
    const QString& label = MarkerLabels.at(index);
    const int available = ClientWidth() - kCheckBoxRoom;
    const int bound = WidthBound(label);
    const FittedLabel fitted =
        bound >= 0 && bound <= available
            ? FittedLabel{label, false}
            : FitMarkerText(label, available, [this](const QString& text) { return MeasureText(text); });
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
