// SPDX-License-Identifier: GPL-3.0-or-later
// The marker list without any widget.
#include "markers/MarkerModel.h"
#include "platform/AppError.h"
#include "tests/markers/MarkerTestUtil.h"
#include "tests/support/MarkingTranslator.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

QString Text(int line)
{
    return QStringLiteral("text %1").arg(line);
}

QList<int> Lines(const MarkerModel& model)
{
    QList<int> out;
    for (int i = 0; i < model.Count(); ++i)
        out << model.Lines().GetItem(i);
    return out;
}

}   // namespace

TEST(MarkerModel, AnnouncesEachChangeWhenMade)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.lm"));
    const QString bad = dir.filePath(QStringLiteral("bad.lm"));
    ASSERT_TRUE(WriteBytes(good, "4, four\r\n2, two\r\n"));
    ASSERT_TRUE(WriteBytes(bad, "4, four\r\nfour\r\n2, two\r\n"));
    const struct {
        const char* name;
        std::function<void(MarkerModel&)> change;
        QStringList log;
        QList<int> lines;   // starting from markers on lines 2, 5 and 9
    } cases[] = {
        {"add", [](MarkerModel& m) { m.Add(7); }, {"added 3: 8, text 7"}, {2, 5, 9, 7}},
        {"remove", [](MarkerModel& m) { m.Remove(0); }, {"removed 0: 6, text 5"}, {5, 9}},
        {"remove beyond the end", [](MarkerModel& m) { m.Remove(3); }, {"Index out of range: 3"}, {2, 5, 9}},
        {"shift",
         [](MarkerModel& m) { m.Shift(5); },
         {"relabelled 1: 7, text 6", "relabelled 2: 11, text 10"},
         {2, 6, 10}},
        {"clear", [](MarkerModel& m) { m.Clear(); }, {"cleared, left 0: "}, {}},
        {"restore", [&](MarkerModel& m) { m.Restore(good, 10); }, {"cleared, left 0: ", "restored whole 2: "}, {3, 1}},
        {"restore a bad file",
         [&](MarkerModel& m) { m.Restore(bad, 10); },
         {"cleared, left 0: ", "restored partly 1: "},
         {3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MarkerModel model;
        model.LineText = Text;
        for (int line : {2, 5, 9})
            model.Add(line);
        // Each announcement with what the model holds by then: a view that
        // follows it must find the change made.
        QStringList log;
        const auto note = [&](const char* what, int index) {
            log << QStringLiteral("%1 %2: %3").arg(QLatin1String(what)).arg(index).arg(model.Labels().value(index));
        };
        QObject::connect(&model, &MarkerModel::Added, [&](int i) { note("added", i); });
        QObject::connect(&model, &MarkerModel::Removed, [&](int i) { note("removed", i); });
        QObject::connect(&model, &MarkerModel::Relabelled, [&](int i) { note("relabelled", i); });
        QObject::connect(&model, &MarkerModel::Cleared, [&] { note("cleared, left", model.Count()); });
        QObject::connect(&model, &MarkerModel::Restored,
                         [&](bool whole) { note(whole ? "restored whole" : "restored partly", model.Count()); });
        try {
            c.change(model);
        } catch (const AppError& error) {
            log << error.message();
        }
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(Lines(model), c.lines);
        EXPECT_EQ(model.Labels().size(), model.Count());
    }
}

TEST(MarkerModel, ShiftedMarkersSurviveTheSideFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.txt.lm"));
    QStringList text = {QStringLiteral("zero"), QString(), QStringLiteral("a & b")};
    MarkerModel model;
    model.LineText = [&](int line) { return text.value(line); };
    for (int line : {2, 0, 1})
        model.Add(line);
    text.insert(1, QStringLiteral("new"));   // Enter at the end of line 0
    model.Shift(1);
    ASSERT_TRUE(model.Save(path));
    EXPECT_EQ(ReadBytes(path), QByteArray("4, a && b\r\n1, zero\r\nLine 3\r\n"));

    // A shorter document drops what lies beyond it; a line listed twice
    // keeps its first marker.
    ASSERT_TRUE(WriteBytes(path, ReadBytes(path) + "1, again\r\n"));
    const struct {
        int lineCount;
        QList<int> lines;
    } cases[] = {{5, {3, 0, 2}}, {3, {0, 2}}, {0, {}}};
    for (const auto& c : cases) {
        MarkerModel read;
        EXPECT_TRUE(read.Restore(path, c.lineCount));
        EXPECT_EQ(Lines(read), c.lines) << c.lineCount;
        for (int i = 0; i < read.Count(); ++i)
            EXPECT_EQ(read.Labels()[i], model.Labels()[model.Find(read.Lines().GetItem(i))]);
    }
}

TEST(MarkerTexts, MessagesAreTranslatedButTheSideFileIsNot)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.txt.lm"));
    const auto rangeError = [] {
        try {
            TArray().Delete(0);
        } catch (const AppError& error) {
            return error.message();
        }
        return QString();
    };
    const auto fileRoundTrip = [&] {
        if (!WriteMarkerFile(path, {MakeMarkerLabel(4, QString()), MakeMarkerLabel(0, QStringLiteral("x"))}))
            return QStringLiteral("not written");
        QStringList labels;
        for (const MarkerEntry& marker : ReadMarkerFile(path, 10).markers)
            labels << QStringLiteral("%1=%2").arg(marker.line).arg(marker.label);
        return QString::fromUtf8(ReadBytes(path)) + labels.join(QLatin1Char(' '));
    };

    const MarkingTranslator translator;
    const struct {
        QString shown, expected;
    } cases[] = {
        {MarkersNotSavedMessage(QStringLiteral("p"), QStringLiteral("r")),
         MarkingTranslator::Marked(QStringLiteral("Line Markers could not be saved.\np: r"))},
        {MarkersNotRestoredMessage({}),
         MarkingTranslator::Marked(QStringLiteral("Line Markers could not be restored."))},
        {rangeError(), MarkingTranslator::Marked(QStringLiteral("Index out of range: 0"))},
        {fileRoundTrip(), QStringLiteral("Line 5\r\n1, x\r\n4=Line 5 0=1, x")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, c.expected);
}
