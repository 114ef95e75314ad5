// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What each control of the HTML toolbar inserts. A template holds
// kSelPlaceholder where the editor's selection goes; line breaks are CR LF.
inline constexpr QLatin1String kSelPlaceholder{"{sel}"};

struct HtmlTemplateRow {
    const char* control;   // object name of the button or menu item
    const char* withSelection;   // used when text is selected
    const char* withoutSelection;   // nullptr: the same as withSelection
};

// Every row, in the order of the window's strips and menus.
const std::vector<HtmlTemplateRow>& HtmlTemplateTable();

// The text the control puts in place of `sel`; nothing for an unknown control.
std::optional<QString> HtmlInsertion(const QString& control, const QString& sel);
