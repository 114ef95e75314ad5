// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// What the program asks of the desktop shell.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file or address with its default program; the result is ignored
    // and nothing waits for the started program.
    virtual void ShellOpen(const QString& target) = 0;
    // Moves one file or folder to the trash; true on success, no message.
    virtual bool RecycleFile(const QString& path) = 0;
    // Why the last RecycleFile failed, when there is more to tell than that
    // it did (the trash cannot be made, for one); else empty.
    virtual QString RecycleError() const { return {}; }
    // The full path of a program on the PATH; empty when there is none.
    virtual QString FindProgram(const QString&) { return {}; }
    // Whether the desktop names an application for the file's type; true
    // when it cannot tell, so that the file is tried as before.
    virtual bool HasOpenerFor(const QString&) { return true; }
};

class QtShell : public Shell {
public:
    void ShellOpen(const QString& target) override;
    bool RecycleFile(const QString& path) override;
    QString RecycleError() const override { return recycleError_; }
    QString FindProgram(const QString& name) override;
    bool HasOpenerFor(const QString& path) override;

private:
    QString recycleError_;
};
