// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// Text escapes of macro arguments, recorded typed text and search texts:
// "\t" tab, "\s" blank, "\\" one backslash, "\n" a line break CR LF.
// One pass from left to right; decoded characters are never decoded again,
// and a backslash before any other character (or standing last) passes
// unchanged.
QString DecodeEscapes(const QString& text);

// The escaped form of one typed character, the inverse of DecodeEscapes:
// tab, Enter, blank and backslash get their escapes, everything else stays.
QString EscapeTypedChar(QChar c);
