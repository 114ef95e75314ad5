// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFileDevice>
#include <QString>
#include <QtGlobal>

// File attributes as the program shows them: 'R' when the owner may not
// write the file, 'H' when its name begins with ".", 'S' never.
QString AttributeLetters(const QString& path);
bool IsProtected(const QString& path);

// The permission bits of a file, to put back after a write.
QFileDevice::Permissions KeepAttributes(const QString& path);
// "Attributes 0": the owner may write the file.
bool ResetAttributes(const QString& path);
bool RestoreAttributes(const QString& path, QFileDevice::Permissions permissions);

// Last modification time in nanoseconds since the epoch; 0 when unknown.
qint64 LastWriteTime(const QString& path);
