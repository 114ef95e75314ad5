// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "document/DocumentSession.h"

#include <QString>
#include <optional>

class TRichEdit;

// A document session's host without a window: the editor it is given, and
// nothing else; every option off, every notice dropped, nothing recorded,
// recycled or shown. Tests override what they watch.
class QuietDocumentHost : public DocumentSessionHost {
public:
    explicit QuietDocumentHost(TRichEdit& edit) : edit_(edit) {}
    TRichEdit& Editor() override { return edit_; }
    bool OptionOn(DocumentOption) const override { return false; }
    void ShowDocumentName(const QString&) override {}
    bool CaptionNamesFile() const override { return false; }
    void ApplyDocumentKind() override {}
    bool FormatBarShown() const override { return false; }
    void ShowFormatBar(bool) override {}
    FontChoice UserFont() const override { return {}; }
    QString DesktopDir() const override { return {}; }
    void ShowOpenedStatus(const QString&) override {}
    void ShowClosedStatus(std::optional<int>) override {}
    void SelectionChanged() override {}
    void NoteRecentFile(const QString&) override {}
    bool RecordFileCommand(const QString&) override { return false; }
    void TakeBackCommand() override {}
    void AddSavedMacro(const QString&) override {}
    void ShowMarkers(const QString&) override {}
    void ClearMarkers() override {}
    void SaveMarkers(const QString&) override {}
    void MarkerFileRemoved() override {}
    bool RecycleFile(const QString&) override { return false; }
    ProgressView* Progress() override { return nullptr; }
    void BringToFront() override {}
    void Quit() override {}

private:
    TRichEdit& edit_;
};
