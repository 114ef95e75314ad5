// SPDX-License-Identifier: GPL-3.0-or-later
#include "markers/Markers.h"
#include "tests/markers/MarkerTestUtil.h"

#include <QFont>
#include <QFontMetrics>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// The plain way: collapse ampersand runs, drop one character at a time,
// double the ampersands again.
FittedLabel NaiveFit(const QString& label, int available, const TextWidthFn& width)
{
    QString s = label;
    const bool doubled = s.contains(QStringLiteral("&&"));
    while (s.contains(QStringLiteral("&&")))
        s.remove(s.indexOf(QStringLiteral("&&")), 1);
    if (width(s) <= available)
        return {label, false};
    do {
        const bool pair = s.size() >= 2 && s.back().isLowSurrogate() && s.at(s.size() - 2).isHighSurrogate();
        s.chop(pair ? 2 : 1);
    } while (!s.isEmpty() && width(s + QStringLiteral("...")) > available);
    if (doubled)
        s.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return {s + QStringLiteral("..."), true};
}

}   // namespace

TEST(FitLabel, MatchesDroppingOneCharacterAtATime)
{
    // Characters of differing widths, some of none, ampersand runs and
    // surrogate pairs.
    const TextWidthFn width = [](const QString& text) {
        int total = 0;
        for (QChar c : text)
            total += c.isLowSurrogate() ? 0 : int(c.unicode() % 7);
        return total;
    };
    const QString pieces[] = {QStringLiteral("a"),      QStringLiteral("W"), QStringLiteral("&"),
                              QStringLiteral("&&&"),    QStringLiteral(" "), QStringLiteral("\U0001F600"),
                              QStringLiteral("\u0301"), QStringLiteral(".")};
    QRandomGenerator random(1234);
    for (int round = 0; round < 3000; ++round) {
        QString label;
        for (int n = random.bounded(0, 30); n > 0; --n)
            label += pieces[random.bounded(int(std::size(pieces)))];
        const int available = random.bounded(-5, width(label) + 10);
        const FittedLabel expected = NaiveFit(label, available, width);
        const FittedLabel fitted = FitMarkerText(label, available, width);
        ASSERT_EQ(fitted.text, expected.text) << label.toStdString() << " in " << available;
        ASSERT_EQ(fitted.shortened, expected.shortened);
    }

    const QFontMetrics metrics(QFont(QStringLiteral("Tahoma"), 9));
    const TextWidthFn real = [&](const QString& text) { return metrics.horizontalAdvance(text); };
    for (const QString& label : {QStringLiteral("3, int main(int argc, char** argv) { return 0; }"),
                                 QStringLiteral("40, &&&& W&&W iiii llll mmmm")})
        for (int available = -3; available < 300; available += 7)
            EXPECT_EQ(FitMarkerText(label, available, real).text, NaiveFit(label, available, real).text);
}

TEST(FitLabel, LongLabelNeedsLogarithmicMeasurements)
{
    const QString label = QStringLiteral("5000, ") + QString(4994, QLatin1Char('x'));
    const int bound = 2 * int(std::ceil(std::log2(label.size()))) + 2;
    int calls = 0;
    const TextWidthFn counted = [&](const QString& text) {
        ++calls;
        return int(text.size()) * 6;
    };
    for (int available : {-10, 0, 82, 6000, 29990, 29999, 30000, 40000}) {
        calls = 0;
        const FittedLabel fitted = FitMarkerText(label, available, counted);
        EXPECT_LE(calls, bound) << "in " << available;
        EXPECT_EQ(fitted.text, NaiveFit(label, available, counted).text) << "in " << available;
    }
}
