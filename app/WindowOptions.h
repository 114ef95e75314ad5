// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPoint>
#include <QSize>
#include <QString>

// "&Center on Screen": half the screen less half the window, each half
// truncated on its own.
QPoint CentredOnScreen(QSize screen, QSize window);

// The line an option records: "AutoTab On", "AutoTab Off".
QString OptionLine(const QString& command, bool on);
