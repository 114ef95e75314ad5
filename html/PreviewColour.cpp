// SPDX-License-Identifier: GPL-3.0-or-later
// Browser preview and colour insertion.
#include "html/PreviewColour.h"

#include "editor/RichEdit.h"
#include "html/HtmlHost.h"
#include "platform/AppError.h"
#include "platform/PrivateTemp.h"

#include <QCoreApplication>

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

QString ColourDigits(const QColor& colour)
{
    const auto pair = [](int component) {
        return QStringLiteral("%1").arg(component, 2, 16, QLatin1Char('0')).toUpper();
    };
    return pair(colour.red()) + pair(colour.green()) + pair(colour.blue());
}

void ShowPreview(HtmlHost& host, const Platform& platform)
{
    TRichEdit& edit = host.Editor();
    if (edit.TextLength() == 0)
        return;
    if (!host.CurrentFile().isEmpty()) {
        // A save that failed or was cancelled must not show the old file
        // as if it were what the user sees.
        if (host.SaveDocument() && !edit.Modified())
            platform.shell->ShellOpen(host.CurrentFile());
        edit.setFocus();
        return;
    }
    const auto showError = [&](const QString& text) {
        platform.prompts->MessageBox(MsgKind::Error, text, MsgButtons::Ok);
    };
    const QString tempDir = host.TempDir();
    QString error;
    if (!EnsurePrivateFolder(tempDir, &error)) {
        showError(error);
        return;
    }
    const QString preview = PreviewFilePath(tempDir);
    try {
        // Only the copy gets the preview's encoding; the document keeps its own.
        struct KeepFormat {
            TRichEdit& edit;
            const TextFormat stored = edit.StoredFormat();
            ~KeepFormat() { edit.SetStoredFormat(stored); }
        } keep{edit};
        edit.SetStoredFormat(PreviewFormat(keep.stored));
        edit.SaveToFile(preview);
    } catch (const AppError& e) {
        // An earlier preview is not shown in place of this text.
        //: %1 is why the file could not be written
        showError(QCoreApplication::translate("HtmlPreview", "The preview could not be written.\n%1").arg(e.message()));
        return;
    }
    host.PreviewWritten(preview);
    platform.shell->ShellOpen(preview);
    edit.setFocus();
}

void InsertChosenColour(HtmlHost& host, Prompts& prompts)
{
    QColor colour = host.ChosenColour();
    CustomColours custom = host.KeptCustomColours();
    if (!prompts.ColourDialog(colour, custom))
        return;
    host.KeepColours(colour, custom);
    const QString digits = ColourDigits(colour);
    TRichEdit& edit = host.Editor();
    edit.ReplaceSelection(digits);
    host.RecordCommand(QStringLiteral("Insert ") + digits);
    edit.setFocus();
}
