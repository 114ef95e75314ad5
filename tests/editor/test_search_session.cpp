// SPDX-License-Identifier: GPL-3.0-or-later
// The search session on its own: a fake host, no main window.
#include "editor/EditorHost.h"
#include "editor/FindReplace.h"
#include "editor/RichEdit.h"
#include "editor/SearchDialogs.h"
#include "tests/support/FakePlatform.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class FakeEditorHost : public EditorHost {
public:
    TRichEdit& Editor() override { return edit; }
    void RecordCommand(const QString& line) override { recorded << line; }
    // Enough of the real escapes to see that every text goes through here.
    QString DecodeEscapes(const QString& text) const override
    {
        return QString(text).replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    }
    void Guard(const std::function<void()>& handler) override { handler(); }
    QWidget* DialogParent() override { return &window; }
    QRect WindowFrame() const override { return QRect(0, 100, 800, 300); }

    QWidget window;
    TRichEdit edit;
    QStringList recorded;
};

}   // namespace

TEST(SearchSessionAlone, SearchesFromItsPositionThroughTheHost)
{
    struct Case {
        const char* text;
        const char* find;
        int from;
        int selStart, selLength, nextPos;   // -1: not found, nothing moves
    };
    const Case cases[] = {
        {"one two one", "one", 0, 0, 3, 1},
        {"one two one", "one", 1, 8, 3, 9},
        {"ab\ncd", "b\\ncd", 0, 1, 4, 2},   // the break is one position
        {"abc", "zzz", 2, -1, -1, 2},
    };
    for (const Case& c : cases) {
        FakePlatform fake;
        FakeEditorHost host;
        const Platform platform = fake.platform();
        SearchSession search(host, platform);
        host.edit.SetText(QString::fromUtf8(c.text));
        search.Pos() = c.from;
        search.FindDialog().SetFindText(QString::fromUtf8(c.find));
        if (c.selStart < 0)
            fake.prompts.ExpectMessage(MsgKind::Information, QStringLiteral("Reached end of file!"), MsgButtons::Ok,
                                       MsgAnswer::Ok);
        EXPECT_EQ(search.Next(SearchOrigin::FindDialog), c.selStart >= 0) << c.find;
        fake.prompts.VerifyAllShown();
        if (c.selStart >= 0) {
            EXPECT_EQ(host.edit.SelStart(), c.selStart) << c.find;
            EXPECT_EQ(host.edit.SelLength(), c.selLength) << c.find;
        }
        EXPECT_EQ(search.Pos(), c.nextPos) << c.find;
        EXPECT_EQ(search.ReplaceDialog().FindText(), QString::fromUtf8(c.find)) << "the replace dialog follows";
        EXPECT_EQ(host.recorded, QStringList{QStringLiteral("Find ") + QString::fromUtf8(c.find)});
    }
}
