// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

class QTextDocument;

// RTF in and out of the editor's document.
//
// Units: QTextBlockFormat indents (textIndent, leftMargin, rightMargin),
// paragraph spacing (topMargin, bottomMargin) and tab positions are in
// Qt's document units, pixels at 96 dpi; one unit is 15 twips. Font sizes
// are points; \fs counts half-points. Values that are whole units (or
// whole twips when read) survive a write and read unchanged.
//
// Tab stops: RTF measures them from the page margin, Qt from where the
// line starts. They are mapped for the first line of a paragraph (left plus
// first-line indent), where tabs are used most: a list item's hanging tab
// lines up as in a word processor; later lines of the same paragraph see
// the stops shifted by the first-line indent.
//
// Paragraphs: every paragraph is written with a closing \par, as word
// processors do, and the reader drops the empty remainder after the last
// \par, so a document keeps its paragraph count through a round trip.

// True when the bytes are RTF (they start with "{\rtf").
bool LooksLikeRtf(const QByteArray& bytes);

// An upper bound of the paragraphs the RTF makes (its \par, \row, \page and
// \sect words, and line breaks written as characters), counted without
// reading it, so that one too large for the editor is refused before a
// slow load.
qint64 CountRtfParagraphs(const QByteArray& rtf);

// Hyperlinks: a HYPERLINK field's result becomes anchor text (anchorHref,
// with \l's place after '#', and \o's tool tip); text of a link without a
// colour of its own is shown blue and underlined. The writer puts a
// HYPERLINK field around each run of anchor text. Other fields keep only
// their result.
//
// Highlights: \highlightN (or, lacking it, \cbN or \chcbpatN) is the
// text's background; the writer writes backgrounds as \highlightN.

struct RtfReadResult {
    // The RTF held tables (their cells are read as text) or pictures,
    // drawings or objects (left out): saving will not keep them.
    bool droppedContent = false;
};

// Replaces the document's content with what the RTF describes. Never throws
// on malformed input: whatever can be read is loaded. Time and memory grow
// linearly with the input when the document has no layout: Qt lays out the
// whole read at once in a document that has one (a view's), at a cost that
// grows faster, so views are detached while reading (see TRichEdit).
RtfReadResult ReadRtf(const QByteArray& rtf, QTextDocument& document);

// The document as RTF 1.x; the same document always gives the same bytes.
QByteArray WriteRtf(const QTextDocument& document);

// Twips per document unit (see above).
inline constexpr int kRtfTwipsPerUnit = 15;
