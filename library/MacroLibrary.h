// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCollatorSortKey>
#include <QString>
#include <QStringList>
#include <optional>

// Decisions of the macro library that need no widget. A node is named by the
// texts of its ancestors below the root, from the top down, followed by its
// own text; the root is the empty list.

inline const QString kMacroExtension = QStringLiteral(".macro");

// Whether a directory entry belongs to the library (files and folders alike),
// and the name it shows with.
bool IsMacroEntryName(const QString& fileName);
QString MacroDisplayName(const QString& fileName);

// The file or folder behind a node; `macroDir` ends with "/". The root is the
// macro directory without its trailing "/".
QString NodeFilePath(const QString& macroDir, const QStringList& nodeTexts);

// A name typed in place, less the eight characters no file name may carry
// on the old platform: / | ? " < > : *
QString CleanMacroName(const QString& typed);
// Whether a cleaned name can name a macro file: not empty, not only dots.
bool IsUsableMacroName(const QString& cleaned);
// The name the macro field's text records under: cleaned as above, and
// empty when nothing usable is left.
QString RecordingMacroName(const QString& typed);

// Names compare as the user's locale orders them: letters first, case only
// between otherwise equal names.
bool MacroNameLess(const QString& a, const QString& b);
// The same order through keys made once per name, for sorting many.
struct MacroNameKeys {
    QCollatorSortKey folded, exact;
    QString name;
    bool operator<(const MacroNameKeys& other) const;
};
MacroNameKeys MacroNameSortKeys(const QString& name);

// Names typed in the macro field match nodes ignoring the case of A to Z only.
QString MacroNameKey(const QString& name);
bool SameMacroName(const QString& a, const QString& b);

// A drop moves something only onto another node outside the dragged one's
// own subtree.
bool DropMoves(const QStringList& source, const QStringList& target);

// Where a document saved as `savedPath` belongs in the tree: the node texts
// of the new macro, or nothing when the file is not a macro inside the macro
// directory reached through library folders only.
std::optional<QStringList> SavedMacroNodeTexts(const QString& macroDir, const QString& savedPath);
