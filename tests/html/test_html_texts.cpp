// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/HtmlToolbar.h"
#include "html/TidyErrors.h"
#include "html/TidyRules.h"
#include "tests/support/MainFormFixture.h"
#include "tests/support/MarkingTranslator.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace {

QString M(const QString& text)
{
    return MarkingTranslator::Marked(text);
}

class HtmlTextsTest : public MainFormTest {
protected:
    void SetUp() override { CreateAndShow(); }
};

}   // namespace

TEST_F(HtmlTextsTest, HintsAndCaptionsAreTranslatedButNamesAndInsertionsAreNot)
{
    const MarkingTranslator translator;
    THTMLToolbar bar(form().Html(), &form());
    EXPECT_EQ(bar.windowTitle(), M(QStringLiteral("HTML")));
    // A button's hint or a menu item's caption; the names the HTML uses stay.
    const struct {
        const char* control;
        QString shown;
        const char* inserted;
    } cases[] = {
        {"b", M(QStringLiteral("bold")), "<b>x</b>"},
        {"h2", QStringLiteral("H2"), "<h2>x</h2>"},
        {"aleft", M(QStringLiteral("Left")), "<p align=\"left\">x</p>"},
        {"face", QStringLiteral("face"), "<font face=\"\">x</font>"},
        {"author", QStringLiteral("author"), "<meta name=\"author\" content=\"x\" />"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        const QString name = QString::fromUtf8(c.control);
        if (const auto* button = bar.findChild<QToolButton*>(name))
            EXPECT_EQ(button->toolTip(), c.shown);
        else if (const auto* item = bar.findChild<QAction*>(name))
            EXPECT_EQ(item->text(), c.shown);
        else
            ADD_FAILURE() << "no such control";
        edit().SetText(QStringLiteral("x"));
        edit().SetSelStart(0);
        edit().SetSelLength(1);
        bar.InsertFor(name);
        EXPECT_EQ(edit().Text(), QString::fromUtf8(c.inserted));
    }
}

TEST_F(HtmlTextsTest, TidyTextsAreTranslatedButTidysOwnMessagesAreNot)
{
    const MarkingTranslator translator;
    const TTidyErrors list(&form());
    EXPECT_EQ(list.windowTitle(), M(QStringLiteral("Tidy: Errors")));
    EXPECT_EQ(list.StopButton->text(), M(QStringLiteral("&Stop")));
    EXPECT_EQ(TidyResultEntries("line 2 column 1 - Warning: x\n", TidyEnd::Stopped, 2500, true),
              (QStringList{"line 2 column 1 - Warning: x", M(kTidyStoppedByUser), M(kTidyDocumentChanged)}));
    EXPECT_EQ(TidyStoppedEntry(2500), QStringLiteral("«Tidy did not end within 2.5 seconds and was stopped.»"));
}
