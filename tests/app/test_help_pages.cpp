// The help's list of menus against the program's own menus.
#include "app/AboutBox.h"
#include "app/AboutHelp.h"
#include "app/StatusBar.h"
#include "tests/support/MainFormFixture.h"

#include <QTest>

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

namespace {

QString CellText(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return html.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .trimmed();
}

// A menu caption as it reads: "Save && &Quit" is "Save & Quit".
QString Visible(const QString& caption)
{
    QString text = caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

void Collect(const QMenu* menu, QList<const QAction*>& into)
{
    for (const QAction* action : menu->actions()) {
        if (action->menu())
            Collect(action->menu(), into);
        else if (!action->isSeparator())
            into.append(action);
    }
}

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
             return form().StatusBar->Panel(0).text == QStringLiteral("Filesize: 8 bytes");
         }},
        {"menus.html", "a key that types a character (Enter and Escape too) closes it",
         [&] {
             bool holds = true;
             for (const auto& [key, closes] : {std::pair{Qt::Key_A, true}, {Qt::Key_Escape, true},
                                               {Qt::Key_F5, false}, {Qt::Key_Shift, false}}) {
                 form().InfoClick();
                 QTest::keyClick(form().About, key);
                 holds = holds && form().About->isVisible() != closes;
                 form().About->hide();
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

TEST_F(HelpPagesTest, EveryCommandAndOptionOfTheMenuPageIsAsTheMenusHaveIt)
{
    QFile page(QStringLiteral(MIREL_HELP_DIR "/menus.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    CreateAndShow();   // fresh settings: every option at its default
    QList<const QAction*> actions;
    for (const QAction* top : form().menuBar()->actions())
        if (top->menu())
            Collect(top->menu(), actions);
    Collect(form().PopupMenu(), actions);

    const QRegularExpression row(QStringLiteral("<tr><td>(.*?)</td><td>(.*?)</td>"));
    int rows = 0;
    for (auto it = row.globalMatch(html); it.hasNext(); ++rows) {
        const QRegularExpressionMatch m = it.next();
        const QString caption = CellText(m.captured(1));
        const QString second = CellText(m.captured(2));
        const bool option = second == QLatin1String("on") || second == QLatin1String("off");
        bool found = false;
        bool agrees = false;
        for (const QAction* a : actions) {
            if (Visible(a->text()) != caption)
                continue;
            found = true;
            agrees = agrees || (option ? a->isChecked() == (second == QLatin1String("on"))
                                       : a->shortcut().toString(QKeySequence::PortableText) == second);
        }
        EXPECT_TRUE(found) << "no menu item \"" << caption.toStdString() << "\"";
        EXPECT_TRUE(!found || agrees) << caption.toStdString() << ": not " << second.toStdString();
    }
    EXPECT_GT(rows, 40);
}

} // namespace
