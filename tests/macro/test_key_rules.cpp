// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the key handling as text functions (macro/KeyRules.h).
#include "macro/KeyRules.h"

#include <gtest/gtest.h>

namespace {
std::string S(const QString& s)
{
    return s.toStdString();
}
QString Q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}
}   // namespace

TEST(KeyRules, EntitiesOfTheTableAndOfDoubledCharacters)
{
    int entities = 0;
    for (char16_t code = 1; code < 0x3000; ++code)
        entities += EntityFor(QChar(code)).isEmpty() ? 0 : 1;
    EXPECT_EQ(entities, 22);
    EXPECT_EQ(S(EntityFor(QChar(176)) + EntityFor(QChar(192)) + EntityFor(QChar(223)) + EntityFor(Q("ä").at(0)) +
                EntityFor(QChar(195)) + EntityFor(QChar(197)) + EntityFor(QChar('<'))),
              "&deg;&Agrave;&szlig;&auml;");
    for (const auto& [c, entity] :
         {std::pair{' ', "&nbsp;"}, {'"', "&quot;"}, {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'a', ""}})
        EXPECT_EQ(S(DoubledEntity(QLatin1Char(c), QLatin1Char(c)) + DoubledEntity(QLatin1Char(c), QChar())), entity);
}

TEST(KeyRules, BackspaceAndTheMoveMerge)
{
    for (const auto& [before, after] : {std::pair{"abx", "ab"}, {"a\\t", "a"}, {"\\\\", ""}, {"", ""}}) {
        QString pending = Q(before);
        BackspacePending(pending);
        EXPECT_EQ(S(pending), after) << before;
    }
    const QStringList cases[][2] = {{{}, {"MoveLeft"}},
                                    {{"MoveLeft"}, {"MoveLeft 2"}},
                                    {{"x", "MoveLeft 41"}, {"x", "MoveLeft 42"}},
                                    {{"MoveRight"}, {"MoveRight", "MoveLeft"}},
                                    {{"MoveLeft x"}, {"MoveLeft x", "MoveLeft"}}};
    for (const auto& [before, after] : cases) {
        QStringList lines = before;
        if (!MergeMove(lines, QStringLiteral("MoveLeft")))
            lines << QStringLiteral("MoveLeft");
        EXPECT_EQ(lines, after);
    }
}

TEST(KeyRules, BlockIndentAndUnindentAreInverse)
{
    for (const auto& [lines, indented] : {std::pair{"a\n", "\ta\n"}, {"a\nb\n\nc\n", "\ta\n\tb\n\t\n\tc\n"}}) {
        EXPECT_EQ(S(IndentBlock(Q(lines))), indented);
        EXPECT_EQ(S(UnindentBlock(Q(indented)).value_or("refused")), lines);
    }
    for (const char* refused : {"\ta\nb\n", "\ta\n\n", " a\n"})
        EXPECT_FALSE(UnindentBlock(Q(refused)).has_value()) << refused;
    EXPECT_EQ(S(LeadingIndent(u"\t\t x\t").toString()), "\t\t ");
}

TEST(KeyRules, OnlyWhatTheEditorInsertsCountsAsTyped)
{
    const Qt::KeyboardModifiers none, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
    const std::tuple<char16_t, Qt::KeyboardModifiers, bool> cases[] = {
        {u'a', alt, true},
        {u'@', ctrl | alt, true},
        {u'\t', none, true},
        {u'\r', shift, true},
        {u'\r', Qt::KeypadModifier, true},
        {0x200D, ctrl, true},   // a zero-width joiner
        {u'\x1b', none, false},
        {u'\r', ctrl, false},
        {u'\r', alt, false},
        {u'm', ctrl, false},
        {u'M', ctrl | shift, false},
    };
    for (const auto& [c, modifiers, inserted] : cases)
        EXPECT_EQ(EditorInsertsTyped(QChar(c), modifiers), inserted) << int(c) << " " << modifiers.toInt();
}
