// SPDX-License-Identifier: GPL-3.0-or-later
// What the help pages say, against the program.
#include "app/AboutBox.h"
#include "app/AboutHelp.h"
#include "app/StatusBar.h"
#include "tests/support/MainFormFixture.h"

#include <QFile>
#include <QTest>

namespace {

class HelpPagesTest : public MainFormTest {
protected:
    static QString Page(const char* name)
    {
        QFile page(QStringLiteral(MIREL_HELP_DIR "/") + QLatin1String(name));
        return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()).simplified() : QString();
    }
};

// What a page says, with the program behaving so.
TEST_F(HelpPagesTest, StatementsOfThePagesHoldInTheProgram)
{
    CreateAndShow();
    struct Case {
        const char* page;
        const char* says;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"getting-started.html", "the number of bytes the document takes on disk",
         [&] {
             const QString file = WriteFile(QStringLiteral("crlf.txt"), "a\r\nb\r\n\xC3\xA4");
             form().OpenNamed(file);
             return form().Ui().StatusBar->Panel(0).text == QStringLiteral("Filesize: 8 bytes");
         }},
        {"menus.html", "a key that types a character (Enter and Escape too) closes it",
         [&] {
             bool holds = true;
             for (const auto& [key, closes] :
                  {std::pair{Qt::Key_A, true}, {Qt::Key_Escape, true}, {Qt::Key_F5, false}, {Qt::Key_Shift, false}}) {
                 form().InfoClick();
                 QTest::keyClick(form().Ui().About, key);
                 holds = holds && form().Ui().About->isVisible() != closes;
                 form().Ui().About->hide();
             }
             return holds;
         }},
        {"troubleshooting.html", "Where no application opens CHM files, <kbd>F1</kbd> opens the same help as HTML",
         [&] { return HelpTarget(QStringLiteral("h.chm"), false, QStringLiteral("index.html")) == u"index.html"; }},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Page(c.page).contains(QLatin1String(c.says))) << c.page << " does not say: " << c.says;
        EXPECT_TRUE(c.holds()) << c.says;
    }
}

}   // namespace
