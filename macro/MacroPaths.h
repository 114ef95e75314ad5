// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSet>
#include <QString>
#include <functional>
#include <optional>

class MacroHost;

// A macro file may come from anywhere. Its lines still do all they say, but
// one that writes a file outside the folder of the document the run started
// on, or reads a file that other users cannot read, goes on only when the
// user allows it: asked once per run and path.

enum class PathAccess { Read, Write };

// Where a path really leads: absolute (relative paths count from the
// current folder), with every link followed and "." and ".." taken as the
// disk takes them, also past the end of what exists. Empty when the links
// go round in circles.
QString ResolvedPath(const QString& path);

// Whether `resolved` is `folder` itself or lies below it; both resolved. An
// empty folder (an unnamed document has none) holds nothing.
bool InsideFolder(const QString& resolved, const QString& folder);

// Whether other users can read a file, judged by the modes on disk: its read
// bit for others, and the search bit for others on every folder above it.
// Private: some of that says no. Unknown: the file is not there and every
// folder above it that is lets others through.
enum class Readability { Public, Private, Unknown };
Readability ReadabilityOf(const QString& resolved);
// Whether others may pass every folder from the root down to `resolved`
// (a folder) itself; false also when one of them is not there.
bool OthersCanPass(const QString& resolved);

// The question a run asks before the access, or nothing when it needs none:
// a write outside `runFolder` (resolved; empty for an unnamed document), a
// read of a file that is Private. The path shown is the one really reached.
//   "The macro wants to write <path>.\nAllow it?"
//   "The macro wants to read <path>.\nAllow it?"
std::optional<QString> PathQuestion(PathAccess access, const QString& path, const QString& runFolder);

// Who answers the questions: the user, or (a run without a window) nobody,
// so that each is refused, or all are allowed beforehand.
enum class PathPolicy { Ask, Refuse, Allow };

// The questions of one run.
class MacroPathGuard {
public:
    // A run starts on `document` (empty: unnamed, so every write asks).
    void Begin(const QString& document);
    void End() { running_ = false; }
    bool Running() const { return running_; }
    void SetPolicy(PathPolicy policy) { policy_ = policy; }

    // Whether the access may happen. A question is asked through `ask`
    // (true: yes) once per run, access and path; its answer holds for the
    // rest of the run.
    bool Permit(PathAccess access, const QString& path, const std::function<bool(const QString&)>& ask);

    // Why the last access was refused without asking, then forgotten.
    QString TakeRefusal();

private:
    bool running_ = false;
    QString folder_;
    PathPolicy policy_ = PathPolicy::Ask;
    QSet<QString> allowed_;
    QSet<QString> refused_;
    QString refusal_;
};

// The window's hook for the file commands of a run: asks with a
// confirmation box (Yes, No). An empty path (a file dialog will ask the
// user) needs nothing. False: the line fails. A run whose start was not
// announced with Begin starts here, on the document open now.
bool PermitMacroPath(MacroHost& host, PathAccess access, const QString& path);
