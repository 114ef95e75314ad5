// SPDX-License-Identifier: GPL-3.0-or-later
// Browser preview, colour insertion and the special-character option.
#include "html/PreviewColour.h"

#include "app/StatusBar.h"
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "platform/PrivateTemp.h"

QString PreviewFilePath(const QString& tempDir)
{
    return tempDir + QStringLiteral("~mireld.html");
}

TextFormat PreviewFormat(TextFormat format)
{
    // A browser reads a local page without a charset hint in the locale's
    // legacy encoding, unless the bytes start with a UTF-8 byte-order mark.
    if (format.encoding == TextEncoding::Utf8)
        format.encoding = TextEncoding::Utf8Bom;
    return format;
}

ColourSlots ColourPairs(const QColor& colour)
{
    const auto pair = [](int component) {
        return QStringLiteral("%1").arg(component, 2, 16, QLatin1Char('0')).toUpper();
    };
    return {pair(colour.red()), pair(colour.green()), pair(colour.blue())};
}

QString ColourDigits(const ColourSlots& pairs)
{
    return pairs.red + pairs.green + pairs.blue;
}

void TMainForm::TestDocument2Click()
{
    if (RichEdit->TextLength() == 0)
        return;
    if (!Doc.CurrentFile.isEmpty()) {
        Save1Click();
        // A save that failed or was cancelled must not show the old file
        // as if it were what the user sees.
        if (Doc.SaveDone && !RichEdit->Modified())
            ShellOpen(Doc.CurrentFile);
        RichEdit->setFocus();
        return;
    }
    QString error;
    if (!EnsurePrivateFolder(Startup.TempDir, &error)) {
        ShowError(error);
        return;
    }
    const QString preview = PreviewFilePath(Startup.TempDir);
    try {
        // Only the copy gets the preview's encoding; the document keeps its own.
        struct KeepFormat {
            TRichEdit& edit;
            const TextFormat stored = edit.StoredFormat();
            ~KeepFormat() { edit.SetStoredFormat(stored); }
        } keep{*RichEdit};
        RichEdit->SetStoredFormat(PreviewFormat(keep.stored));
        RichEdit->SaveToFile(preview);
    } catch (const AppError& e) {
        // An earlier preview is not shown in place of this text.
        //: %1 is why the file could not be written
        ShowError(tr("The preview could not be written.\n%1").arg(e.message()));
        return;
    }
    Startup.PreviewFile = preview;
    ShellOpen(preview);
    RichEdit->setFocus();
}

void TMainForm::Colour1Click()
{
    QColor colour = SwatchColour(Startup.LastChosenColour);
    CustomColours custom = CustomColoursFromLines(Startup.CustomLines);
    if (!platform().prompts->ColourDialog(colour, custom))
        return;
    Startup.CustomLines = LinesFromCustomColours(custom);
    Startup.LastChosenColour = ColourPairs(colour);
    const QString digits = ColourDigits(Startup.LastChosenColour);
    RichEdit->ReplaceSelection(digits);
    RecordCommand(QStringLiteral("Insert ") + digits);
    StatusBar->update();
    RichEdit->setFocus();
}

void TMainForm::ReplaceSpecialCharactersClick()
{
    FlipOption(QStringLiteral("Replacespecialcharacters1"), QStringLiteral("ReplaceSpecialCharacters"));
    RichEdit->setFocus();
}
