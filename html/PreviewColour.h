// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/ColourSlots.h"
#include "editor/TextCodec.h"

#include <QColor>
#include <QString>

// The preview of a document without a name, in the temporary folder.
QString PreviewFilePath(const QString& tempDir);
// How the preview copy is encoded: as the document, but UTF-8 with a
// byte-order mark, which browsers take as the page's encoding.
TextFormat PreviewFormat(TextFormat format);

// A chosen colour as two upper-case hexadecimal digits per component.
ColourSlots ColourPairs(const QColor& colour);
// The pairs as HTML writes a colour: red, green, blue ("FF8000").
QString ColourDigits(const ColourSlots& pairs);
