// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QTranslator>

// While it lives, the program's texts come out as "«text»", placeholders
// still in them: a text shown without the marks never went through the
// translator, and a macro line or inserted text with them was translated
// although it must not be. Qt's own texts (contexts "Q...") stay as they are,
// so that shortcuts and Qt's dialogs work as usual.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    MarkingTranslator(const MarkingTranslator&) = delete;
    MarkingTranslator& operator=(const MarkingTranslator&) = delete;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        if (!context || context[0] == 'Q')
            return {};
        return Marked(QString::fromUtf8(source));
    }
    static QString Marked(const QString& text) { return u'«' + text + u'»'; }
};
