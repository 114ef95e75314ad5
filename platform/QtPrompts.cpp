// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Prompts.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

QString MsgKindCaption(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning: return QCoreApplication::translate("Prompts", "Warning");
    case MsgKind::Error: return QCoreApplication::translate("Prompts", "Error");
    case MsgKind::Information: return QCoreApplication::translate("Prompts", "Information");
    case MsgKind::Confirmation: return QCoreApplication::translate("Prompts", "Confirm");
    }
    return {};
}

QString MsgKindName(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning: return QStringLiteral("warning");
    case MsgKind::Error: return QStringLiteral("error");
    case MsgKind::Information: return QStringLiteral("information");
    case MsgKind::Confirmation: return QStringLiteral("confirmation");
    }
    return {};
}

QString MsgButtonsName(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok: return QStringLiteral("OK");
    case MsgButtons::OkCancel: return QStringLiteral("OK/Cancel");
    case MsgButtons::YesNo: return QStringLiteral("Yes/No");
    case MsgButtons::YesNoCancel: return QStringLiteral("Yes/No/Cancel");
    }
    return {};
}

QString MsgAnswerName(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok: return QCoreApplication::translate("Prompts", "OK");
    case MsgAnswer::Cancel: return QCoreApplication::translate("Prompts", "Cancel");
    case MsgAnswer::Yes: return QCoreApplication::translate("Prompts", "Yes");
    case MsgAnswer::No: return QCoreApplication::translate("Prompts", "No");
    }
    return {};
}

bool QtPrompts::OwnerNotPlacedYet() const
{
    return owner_ && owner_->isVisible() && !(owner_->windowHandle() && owner_->windowHandle()->isExposed());
}

void QtPrompts::Hold(std::function<void()> show)
{
    held_.push_back(std::move(show));
    if (held_.size() == 1)
        ShowHeldOncePlaced();
}

void QtPrompts::ShowHeldOncePlaced()
{
    QTimer::singleShot(20, owner_, [this] {
        if (OwnerNotPlacedYet()) {
            ShowHeldOncePlaced();
            return;
        }
        const auto boxes = std::exchange(held_, {});
        for (const auto& show : boxes)
            show();
    });
}

MsgAnswer QtPrompts::MessageBox(MsgKind kind, const QString& text, MsgButtons buttons)
{
    if (buttons == MsgButtons::Ok && OwnerNotPlacedYet()) {
        Hold([this, kind, text] { MessageBox(kind, text, MsgButtons::Ok); });
        return MsgAnswer::Ok;
    }
    QMessageBox box(owner_);
    box.setWindowTitle(MsgKindCaption(kind));
    box.setText(text);
    switch (kind) {
    case MsgKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgKind::Information: box.setIcon(QMessageBox::Information); break;
    case MsgKind::Confirmation: box.setIcon(QMessageBox::Question); break;
    }
    QMessageBox::StandardButton escape = QMessageBox::Ok;
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        escape = QMessageBox::Ok;
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        escape = QMessageBox::Cancel;
        break;
    case MsgButtons::YesNo:
        // Without a Cancel button the close box answers No.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        escape = QMessageBox::No;
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        escape = QMessageBox::Cancel;
        break;
    }
    box.setEscapeButton(escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    QMessageBox::StandardButton answer = clicked ? box.standardButton(clicked) : escape;
    switch (answer) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default:
        return escape == QMessageBox::Ok   ? MsgAnswer::Ok
               : escape == QMessageBox::No ? MsgAnswer::No
                                           : MsgAnswer::Cancel;
    }
}

std::optional<QString> QtPrompts::InputBox(const QString& caption, const QString& prompt, const QString& preset)
{
    bool ok = false;
    QString text = QInputDialog::getText(owner_, caption, prompt, QLineEdit::Normal, preset, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

namespace {

bool RunFileDialog(QWidget* owner, FileDialogState& state, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, state.title, state.initialDir);
    dialog.setAcceptMode(mode);
    // Open too takes a name that does not exist: the filter's extension may
    // still be added to it, and Open itself reports "File not found!".
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);   // the callers ask themselves
    const QStringList filters = state.filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(state.filterIndex, 1, int(filters.size()));
        dialog.selectNameFilter(filters.at(index - 1));
    }
    if (!state.defaultExt.isEmpty())
        dialog.setDefaultSuffix(state.defaultExt);
    if (!state.fileName.isEmpty())
        dialog.selectFile(state.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    state.fileName = dialog.selectedFiles().constFirst();
    const int chosen = filters.indexOf(dialog.selectedNameFilter());
    if (chosen >= 0)
        state.filterIndex = chosen + 1;
    state.initialDir = dialog.directory().absolutePath();
    return true;
}

}   // namespace

bool QtPrompts::OpenDialog(FileDialogState& state)
{
    return RunFileDialog(owner_, state, QFileDialog::AcceptOpen);
}

bool QtPrompts::SaveDialog(FileDialogState& state)
{
    return RunFileDialog(owner_, state, QFileDialog::AcceptSave);
}

QString QtPrompts::ChooseFolder()
{
    const QString dir = QFileDialog::getExistingDirectory(
        owner_, QCoreApplication::translate("Prompts", "Select a directory"), QString(), QFileDialog::ShowDirsOnly);
    if (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        return dir.chopped(1);
    return dir;
}

bool QtPrompts::FontDialog(FontChoice& choice)
{
    // The platform's font dialog has no colour; ours adds the colour below it
    // so that one dialog edits the whole editor font.
    QDialog dialog(owner_);
    dialog.setWindowTitle(QCoreApplication::translate("Prompts", "Font"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* fonts = new QFontDialog(&dialog);
    // A dialog inside a dialog is a hidden window of its own unless it is
    // made a plain widget; the platform's own chooser could not be embedded.
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setCurrentFont(choice.font);
    // Escape and Enter inside it answer for the whole dialog.
    QObject::connect(fonts, &QDialog::rejected, &dialog, &QDialog::reject);
    QObject::connect(fonts, &QDialog::accepted, &dialog, &QDialog::accept);
    layout->addWidget(fonts);
    auto* colourRow = new QHBoxLayout;
    auto* colourLabel = new QLabel(QCoreApplication::translate("Prompts", "Colour:"), &dialog);
    auto* colourButton = new QPushButton(&dialog);
    QColor colour = choice.colour.isValid() ? choice.colour : QColor(Qt::black);
    auto paint = [&] {
        colourButton->setText(colour.name().toUpper());
        colourButton->setStyleSheet(QStringLiteral("background-color: %1; color: %2")
                                        .arg(colour.name(), colour.lightness() < 128 ? "white" : "black"));
    };
    paint();
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        const QColor picked = QColorDialog::getColor(colour, &dialog);
        if (picked.isValid()) {
            colour = picked;
            paint();
        }
    });
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(colourButton);
    colourRow->addStretch();
    layout->addLayout(colourRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice.font = fonts->currentFont();
    choice.colour = colour;
    return true;
}

bool QtPrompts::ColourDialog(QColor& colour, CustomColours& custom)
{
    for (int i = 0; i < int(custom.size()); ++i)
        QColorDialog::setCustomColor(i, custom[i]);
    QColorDialog dialog(colour, owner_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    colour = dialog.selectedColor();
    for (int i = 0; i < int(custom.size()); ++i)
        custom[i] = QColorDialog::customColor(i);
    return true;
}

bool QtPrompts::PrintDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, owner_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompts::PrinterSetupDialog(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, owner_);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrompts::ShowException(const QString& caption, const QString& message)
{
    if (OwnerNotPlacedYet()) {
        Hold([this, caption, message] { ShowException(caption, message); });
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption, message, QMessageBox::Ok, owner_);
    box.exec();
}
