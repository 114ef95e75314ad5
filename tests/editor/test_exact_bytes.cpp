// SPDX-License-Identifier: GPL-3.0-or-later
// Only the user's edits change the bytes of a plain document: whatever a
// file holds comes back byte for byte, through the save, the size the status
// bar shows and the recovery copy of the text.
#include "editor/RichEdit.h"
#include "editor/TextCodec.h"
#include "editor/TextReplica.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    WriteAll(path, bytes);
    return path;
}

// The recovery copy: the text as the worker keeps it, written as UTF-8
// with its kept bytes as characters, read back and put into an editor
// that is given the stored format.
QByteArray SavedFromRecoveryCopy(TRichEdit& edit, const QTemporaryDir& dir)
{
    TextReplica replica;
    replica.Apply(edit.TakeChanges());
    TextEncoder encoder({TextEncoding::Utf8, LineBreakStyle::Lf}, KeptBytes::AsCharacters);
    QByteArray payload;
    replica.ForEachPiece([&](QStringView piece) {
        QByteArray out(TextEncoder::MaxBytes(piece.size()), Qt::Uninitialized);
        out.truncate(encoder.Encode(piece, out.data()));
        payload += out;
    });
    TRichEdit restored;
    restored.SetText(QString::fromUtf8(payload));
    restored.SetStoredFormat(edit.StoredFormat());
    const QString path = dir.filePath(QStringLiteral("restored.txt"));
    restored.SaveToFile(path);
    return ReadAll(path);
}

}   // namespace

TEST(ExactBytes, LoadEditAndSaveChangeOnlyTheEditedBytes)
{
    // The edit, when there is one: at a text position, characters removed,
    // text typed ('\n' a line break).
    const struct {
        const char* name;
        QByteArray file;
        int at = -1;
        int remove = 0;
        const char16_t* type = u"";
        QByteArray expected;
    } cases[] = {
        {"UTF-8 with a stray byte, a character Windows-1252 lacks typed", "caf\xC3\xA9 \xE9t\xC3\xA9\n", 0, 0,
         u"\u4e2d",
         "\xE4\xB8\xAD"
         "caf\xC3\xA9 \xE9t\xC3\xA9\n"},
        {"UTF-8 with stray bytes, no edit", "\xC3\xA9\xFF\xFE\xC3\n\xC3\xA9\xC3\xA9", -1, 0, u"",
         "\xC3\xA9\xFF\xFE\xC3\n\xC3\xA9\xC3\xA9"},
        {"the kept-byte range itself in the file", "\xC3\xA9\xEF\x9C\x8D\xEF\x9E\xA9\xE9\n", 0, 0, u"x",
         "x\xC3\xA9\xEF\x9C\x8D\xEF\x9E\xA9\xE9\n"},
        {"separators Qt breaks lines at",
         "a\xE2\x80\xA8"
         "b\xE2\x80\xA9"
         "c\xEF\xB7\x90"
         "d\xEF\xB7\x91"
         "e\n",
         1, 0, u"!",
         "a!\xE2\x80\xA8"
         "b\xE2\x80\xA9"
         "c\xEF\xB7\x90"
         "d\xEF\xB7\x91"
         "e\n"},
        {"mixed breaks, CR LF most used", "one\r\ntwo\nthree\r\nfour\rfive\r\n", 0, 0, u"X",
         "Xone\r\ntwo\nthree\r\nfour\rfive\r\n"},
        {"a typed line gets the most used break", "one\r\ntwo\nthree\r\n", 0, 0, u"new\n",
         "new\r\none\r\ntwo\nthree\r\n"},
        {"LF most used, a line typed at the end", "a\nb\r\nc\n", 7, 0, u"\n", "a\nb\r\nc\n\n"},
        {"the CR kept before a break can be deleted", "a\r\nb\nc\n", 1, 1, u"", "a\nb\nc\n"},
        {"CR most used, a CR LF among them", "a\rb\rc\r\nd", 8, 0, u"\n", "a\rb\rc\r\nd\r"},
        {"binary: NULs and stray CRs", QByteArray("\x00\x01\xFF\r\x00\n\x89PNG\r\n\x1A\n\x00\x00\r", 17), 0, 0, u"x",
         QByteArray("x\x00\x01\xFF\r\x00\n\x89PNG\r\n\x1A\n\x00\x00\r", 18)},
        {"NUL in UTF-8", QByteArray("a\0b\xC3\xA9\n", 6), 3, 0, u"c", QByteArray("a\0bc\xC3\xA9\n", 7)},
        {"byte-order mark kept", "\xEF\xBB\xBFh\xC3\xA9\r\n", 0, 0, u"!", "\xEF\xBB\xBF!h\xC3\xA9\r\n"},
        {"Windows-1252", "caf\xE9\r\n\x80\x81\r\n", 0, 0, u"\u00e8",
         "\xE8"
         "caf\xE9\r\n\x80\x81\r\n"},
        {"empty file", "", -1, 0, u"", ""},
        {"empty file, typed into", "", 0, 0, u"x", "x"},
        {"no break at the end", "a\nb", 3, 0, u"c", "a\nbc"},
    };
    QTemporaryDir dir;
    for (const int pieceLength : {TRichEdit::kPieceLength, 2}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << c.name << ", pieces of " << pieceLength);
            TRichEdit edit;
            edit.SetPieceLength(pieceLength);
            edit.TrackChanges(true);
            const QString path = Write(dir, QStringLiteral("doc.txt"), c.file);
            edit.LoadFromFile(path);
            if (c.at >= 0) {
                edit.SetSelStart(c.at);
                edit.SetSelLength(c.remove);
                edit.ReplaceSelection(QString::fromUtf16(c.type));
            }
            EXPECT_EQ(edit.EncodedSize(), c.expected.size());
            ASSERT_FALSE(edit.NeedsWiderEncoding());
            edit.SaveToFile(path);
            EXPECT_EQ(ReadAll(path).toHex(' ').toStdString(), c.expected.toHex(' ').toStdString());
            EXPECT_EQ(SavedFromRecoveryCopy(edit, dir).toHex(' ').toStdString(), c.expected.toHex(' ').toStdString())
                << "the recovery copy";
        }
    }
}

TEST(ExactBytes, StrayBytesAreCountedAndHandedOutAsTheirOwnCharacters)
{
    QTemporaryDir dir;
    TRichEdit edit;
    edit.LoadFromFile(Write(dir, QStringLiteral("stray.txt"), "\xC3\xA9t\xC3\xA9 \xE9\xFF\r\n"));
    EXPECT_EQ(edit.StoredFormat().encoding, TextEncoding::Utf8);
    EXPECT_EQ(edit.KeptStrayBytes(), 2);
    // One position each; a CR LF in an LF file (none here) would be two.
    EXPECT_EQ(edit.Line(0), QStringLiteral("\u00e9t\u00e9 \uf7e9\uf7ff"));

    // A character of the kept range in the file is kept as bytes but is no
    // stray byte; a line separator is handed out as the character that
    // stands for it, not as a line break.
    edit.LoadFromFile(Write(dir, QStringLiteral("range.txt"), "\xEF\x9C\x8D|\xE2\x80\xA8|"));
    EXPECT_EQ(edit.KeptStrayBytes(), 0);
    EXPECT_EQ(edit.Text(), QStringLiteral("\uf7ef\uf79c\uf78d|\uf728|"));

    edit.LoadFromFile(Write(dir, QStringLiteral("stray.txt"), "\xC3\xA9\xE9"));
    ASSERT_EQ(edit.KeptStrayBytes(), 1);
    edit.SetText(QStringLiteral("new"));
    EXPECT_EQ(edit.KeptStrayBytes(), 0);
    edit.LoadFromFile(dir.filePath(QStringLiteral("stray.txt")));
    edit.Clear();
    EXPECT_EQ(edit.KeptStrayBytes(), 0);
    edit.LoadFromFile(dir.filePath(QStringLiteral("stray.txt")));
    edit.SetPlainTextMode(false);
    edit.LoadFromFile(Write(dir, QStringLiteral("doc.rtf"), "{\\rtf1\\ansi x}"));
    EXPECT_EQ(edit.KeptStrayBytes(), 0);
}
