// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The temporary folder of this user only: "mirel-edit-<user>" inside the
// system's temporary folder, ending with "/". Other users share /tmp, so
// files kept there (Tidy's input and messages, the preview) must not be
// readable or replaceable by them.
QString PrivateTempPath();

// Makes sure `folder` exists as a directory of this user with mode 0700,
// creating it if needed. False, with a reason naming the folder in *error,
// when it is a symbolic link, not a directory, or belongs to someone else.
bool EnsurePrivateFolder(const QString& folder, QString* error = nullptr);
