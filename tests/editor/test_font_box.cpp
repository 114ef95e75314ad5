// SPDX-License-Identifier: GPL-3.0-or-later
// The font box of the format toolbar on a machine that lacks the fonts
// documents name.
#include "tests/support/MainFormFixture.h"

#include <QComboBox>
#include <QFontInfo>
#include <QTest>

namespace {
class FontBoxTest : public MainFormTest {};
}   // namespace

TEST_F(FontBoxTest, ShowsTheFamilyDrawnForOneTheMachineLacks)
{
    StoreSetting(QStringLiteral("PlainText"), false);
    CreateAndShow();
    ASSERT_FALSE(edit().IsPlainText());
    int checked = 0;
    for (const char* missing : {"MS Sans Serif", "Courier New"}) {
        const QString name = QString::fromLatin1(missing);
        if (QFontInfo(QFont(name)).family() == name)
            continue;   // the machine has it after all
        const QString rtf = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 %1;}}\\f0\\fs20 words\\par}").arg(name);
        fake.prompts.ExpectOpenDialog([&](FileDialogState& s) {
            s.fileName = WriteFile(name + QStringLiteral(".rtf"), rtf.toLatin1());
            return true;
        });
        form().Open1Click();
        // A click into the words, as the user puts the caret there.
        QWidget* view = edit().viewport();
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
        ASSERT_EQ(edit().SelAttributes().name, name) << "the text keeps the stored name";
        EXPECT_EQ(form().Ui().Schriftarten->currentText(), QFontInfo(QFont(name)).family()) << missing;
        ++checked;
    }
    if (checked == 0)
        GTEST_SKIP() << "this machine has every font the test names: no family is drawn for another";
}
