// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

#include <initializer_list>

// While it lives, the program's texts come out as "«text»", placeholders
// still in them: a text shown without the marks never went through the
// translator, and a macro line or inserted text with them was translated
// although it must not be. Qt's own texts (contexts "Q...") stay as they are,
// so that shortcuts and Qt's dialogs work as usual.
// With Marks::Context the context comes first, "«CommandMap|&File»", for
// tests of where a text's translation is looked up.
class MarkingTranslator : public QTranslator {
public:
    // Brackets: every text, Qt's own too, as "[text]".
    enum class Marks { Text, Context, Brackets };
    explicit MarkingTranslator(Marks marks = Marks::Text) : marks_(marks) { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    MarkingTranslator(const MarkingTranslator&) = delete;
    MarkingTranslator& operator=(const MarkingTranslator&) = delete;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        if (marks_ == Marks::Brackets)
            return u'[' + QString::fromUtf8(source) + u']';
        if (!context || context[0] == 'Q')
            return {};
        const QString text = QString::fromUtf8(source);
        return marks_ == Marks::Context ? Marked(context, text) : Marked(text);
    }
    static QString Marked(const QString& text) { return u'«' + text + u'»'; }
    static QString Marked(const char* context, const QString& text)
    {
        return Marked(QString::fromUtf8(context) + u'|' + text);
    }

private:
    Marks marks_;
};

// A text as the user is shown it under the translator, and what it must be.
struct MarkedText {
    const char* what;
    QString shown;
    QString expected;
};

inline void ExpectMarkedTexts(std::initializer_list<MarkedText> texts)
{
    for (const MarkedText& t : texts)
        EXPECT_EQ(t.shown.toStdString(), t.expected.toStdString()) << t.what;
}
