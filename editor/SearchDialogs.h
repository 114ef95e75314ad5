// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

// Match case and Whole word: the options the user can set. The direction
// is always down and cannot be chosen.
struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool operator==(const SearchOptions&) const = default;
};

// The modeless find dialog: a find text, the two options, Find Next.
// The dialog only reports its buttons; the searching is done by the caller.
class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);

    QString FindText() const;
    void SetFindText(const QString& text);
    SearchOptions Options() const;
    void SetOptions(const SearchOptions& options);

    std::function<void()> onFindNext;

protected:
    TFindDialog(QWidget* parent, bool withReplace);

    QLineEdit* findEdit_ = nullptr;
    QLineEdit* replaceEdit_ = nullptr;
    QCheckBox* wholeWord_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QPushButton* findNext_ = nullptr;
    QPushButton* replace_ = nullptr;
    QPushButton* replaceAll_ = nullptr;

private:
    void UpdateButtons();
};

// The modeless replace dialog: adds the replace text, Replace and Replace
// All. Like the platform's, it remembers which button was pressed last as
// the replace-all option, which keeps a search inside Replace All quiet.
class TReplaceDialog : public TFindDialog {
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget* parent = nullptr);

    QString ReplaceText() const;
    void SetReplaceText(const QString& text);
    bool ReplaceAllOption() const { return replaceAllOption_; }
    void SetReplaceAllOption(bool on) { replaceAllOption_ = on; }

    std::function<void()> onReplace;
    std::function<void()> onReplaceAll;

private:
    bool replaceAllOption_ = false;
};
