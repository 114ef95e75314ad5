#pragma once
#include "app/ColourSlots.h"

#include <QColor>
#include <QString>

// The preview of a document without a name, in the temporary folder.
QString PreviewFilePath(const QString& tempDir);

// A chosen colour as two upper-case hexadecimal digits per component.
ColourSlots ColourPairs(const QColor& colour);
// The pairs as HTML writes a colour: red, green, blue ("FF8000").
QString ColourDigits(const ColourSlots& pairs);
