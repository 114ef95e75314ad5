// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QString>
#include <QStringView>
#include <array>
#include <vector>

// Colouring of markup (HTML, XML, SVG) and CSS source, line by line. Pure
// logic: what the editor shows is done by VisibleColouring.

enum class SyntaxLanguage { None, Markup, Css };

// By the file's extension: .htm .html .xhtml .xml .svg are markup, .css CSS.
SyntaxLanguage LanguageForFile(const QString& fileName);

// CSS reuses the roles: selectors and at-rules as tags, properties as
// attributes, values and strings as values.
enum class SyntaxRole : int { Tag, Attribute, Value, Entity, Comment, Count };

struct SyntaxSpan {
    int start = 0;
    int length = 0;
    SyntaxRole role = SyntaxRole::Tag;
    bool operator==(const SyntaxSpan&) const = default;
};

// The state between lines: 0 at the start of a document. Comments, tags
// and strings may go on over line ends.
constexpr int kSyntaxStart = 0;

// Adds the spans of one line that begins in `state` and gives the state at
// its end.
int ColourLine(SyntaxLanguage language, QStringView line, int state, std::vector<SyntaxSpan>& spans);

// Colours by role that stay readable on the editor's background: a dark
// set on a light background, a light set on a dark one, each brought to a
// contrast ratio of at least kMinContrast against the background.
constexpr double kMinContrast = 4.5;
using SyntaxPalette = std::array<QColor, size_t(SyntaxRole::Count)>;
SyntaxPalette PaletteFor(const QColor& background);
bool IsDarkBackground(const QColor& background);
// WCAG contrast ratio, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);
