// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editor/TextCodec.h"
#include "platform/Platform.h"

#include <QColor>
#include <QString>

class HtmlHost;

// The preview of a document without a name, in the temporary folder.
QString PreviewFilePath(const QString& tempDir);
// How the preview copy is encoded: as the document, but UTF-8 with a
// byte-order mark, which browsers take as the page's encoding.
TextFormat PreviewFormat(TextFormat format);

// A colour as HTML writes it: two upper-case hexadecimal digits each for
// red, green and blue ("FF8000").
QString ColourDigits(const QColor& colour);

// Shows the document in the browser: a named one is saved first and shown
// only when the save went through; an unnamed one is written to the
// preview file, the document itself staying unsaved.
void ShowPreview(HtmlHost& host, const Platform& platform);
// Asks for a colour and puts its digits in place of the selection.
void InsertChosenColour(HtmlHost& host, Prompts& prompts);
