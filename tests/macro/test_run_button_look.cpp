// SPDX-License-Identifier: GPL-3.0-or-later
// The Run button's two pictures read as enabled: strong colour, and
// clearly unlike the greyed picture of a disabled button.
#include "tests/support/MacroLibraryFixture.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QToolButton>

namespace {

struct Look {
    double saturation = 0;   // mean over the drawn pixels, 0 to 1
    double greyGap = 0;   // mean colour distance to the disabled picture, 0 to 1
    int drawn = 0;
};

Look LookOf(const QIcon& icon, QSize size)
{
    const QImage normal = icon.pixmap(size, QIcon::Normal).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled = icon.pixmap(size, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    Look look;
    double saturation = 0, gap = 0;
    for (int y = 0; y < normal.height(); ++y)
        for (int x = 0; x < normal.width(); ++x) {
            const QColor c = normal.pixelColor(x, y);
            if (c.alpha() < 128)
                continue;
            ++look.drawn;
            saturation += c.hsvSaturationF();
            const QColor d = disabled.pixelColor(x, y);
            gap +=
                (std::abs(c.redF() - d.redF()) + std::abs(c.greenF() - d.greenF()) + std::abs(c.blueF() - d.blueF())) /
                3;
        }
    if (look.drawn > 0) {
        look.saturation = saturation / look.drawn;
        look.greyGap = gap / look.drawn;
    }
    return look;
}

}   // namespace

TEST_F(MacroLibraryTest, RunAndRecordPicturesLookEnabled)
{
    Make(QStringLiteral("Hello.macro"));
    Start();
    struct Mode {
        const char* name;
        const char* field;
    };
    for (const Mode& mode : {Mode{"run", "Hello"}, Mode{"record", "nothing of that name"}}) {
        SCOPED_TRACE(mode.name);
        form().Ui().MakroFeld->setText(QString::fromUtf8(mode.field));
        ASSERT_EQ(form().Ui().RunButton->toolTip(), QString::fromUtf8(mode.name));
        for (const int side : {16, 22, 32}) {
            SCOPED_TRACE(side);
            const Look look = LookOf(form().Ui().RunButton->icon(), QSize(side, side));
            EXPECT_GT(look.drawn, side * side / 5) << "a picture that fills the button";
            EXPECT_GT(look.saturation, 0.5) << "a clear colour, no grey";
            EXPECT_GT(look.greyGap, 0.15) << "unlike the disabled picture";
        }
    }
}
