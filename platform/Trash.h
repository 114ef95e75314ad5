// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The user's trash as desktops share it: $XDG_DATA_HOME/Trash (by default
// ~/.local/share/Trash) with the trashed entries in files/ and, for each,
// where it came from and when in info/NAME.trashinfo.

// The trash folder; empty when neither XDG_DATA_HOME nor HOME names an
// absolute folder.
QString HomeTrashPath();

// Moves a file or folder (a link itself, not what it points to) into the
// trash, making the folders of the trash that are missing, with mode 0700.
// False, with the reason in *error, when the entry is not there or the
// trash cannot be made or used; the entry then stays where it was.
bool MoveToTrash(const QString& path, QString* error = nullptr);
