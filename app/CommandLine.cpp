// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "macro/MacroCheck.h"

#include <QCoreApplication>

namespace {

// The last line of most usage errors.
QString SeeHelp()
{
    return QCoreApplication::translate("CommandLine", "See \"vellumpad --help\".");
}

// "-" alone is a name (nothing reads standard input here, but it is no option).
bool LooksLikeOption(const QString& argument)
{
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

struct Scan {
    bool help = false;
    bool version = false;
    bool run = false;
    bool check = false;
    bool dryRun = false;
    bool allowPaths = false;
    QString unknown;   // the first unknown option

    void Take(const QString& option)
    {
        if (option == QLatin1String("--help")) {
            help = true;
        } else if (option == QLatin1String("--version")) {
            version = true;
        } else if (option == QLatin1String("--check")) {
            check = true;
        } else if (option == QLatin1String("--dry-run")) {
            dryRun = true;
        } else if (option == QLatin1String("--allow-paths")) {
            allowPaths = true;
        } else if (option == QLatin1String("--run")) {
            run = true;
        } else if (unknown.isEmpty()) {
            unknown = option;
        }
    }
};

CommandLine InMode(ProgramMode mode, const QStringList& documentParts = {})
{
    CommandLine line;
    line.mode = mode;
    line.documentParts = documentParts;
    return line;
}

CommandLine UsageError(const QString& error, const QString& hint = SeeHelp())
{
    CommandLine line;
    line.mode = ProgramMode::UsageError;
    line.error = error;
    line.hint = hint;
    return line;
}

}   // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const std::function<bool(const QString&)>& exists)
{
    Scan scan;
    qsizetype i = 0;
    bool optionsEnded = false;
    for (; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--")) {
            optionsEnded = true;
            ++i;
            break;
        }
        if (!LooksLikeOption(arguments.at(i)))
            break;
        scan.Take(arguments.at(i));
        if (scan.run || scan.check)
            break;
    }
    QStringList names;
    if (scan.run || scan.check) {
        // A shell's "*" may put a file named "--dry-run" among the names:
        // what the words mean never depends on the files there are. Such a
        // file is named after "--" or as "./--dry-run".
        for (++i; i < arguments.size(); ++i) {
            const QString& argument = arguments.at(i);
            if (!optionsEnded && argument == QLatin1String("--"))
                optionsEnded = true;
            else if (!optionsEnded && LooksLikeOption(argument))
                scan.Take(arguments.at(i));
            else
                names << argument;
        }
    } else {
        names = arguments.mid(i);
    }

    if (scan.help)
        return InMode(ProgramMode::Help);
    if (scan.version)
        return InMode(ProgramMode::Version);
    if (!scan.unknown.isEmpty()) {
        // Before options existed every argument was part of the document's
        // name; a file of that name is still opened.
        if (!scan.run && !scan.check && exists(arguments.join(QLatin1Char(' '))))
            return InMode(ProgramMode::Window, arguments);
        const QString option = scan.unknown.section(QLatin1Char('='), 0, 0);
        const auto nearest = NearestWord(option, {QStringLiteral("--help"), QStringLiteral("--version"),
                                                  QStringLiteral("--run"), QStringLiteral("--check"),
                                                  QStringLiteral("--dry-run"), QStringLiteral("--allow-paths")});
        const QString error = QCoreApplication::translate("CommandLine", "unknown option \"%1\"").arg(scan.unknown);
        if (nearest)
            //: %1 is the option meant, %2 the line that points to the help.
            return UsageError(
                error, QCoreApplication::translate("CommandLine", "Did you mean \"%1\"? %2").arg(*nearest, SeeHelp()));
        return UsageError(error, QCoreApplication::translate("CommandLine",
                                                             "See \"vellumpad --help\"; put \"--\" before a file "
                                                             "name that starts with \"-\"."));
    }
    if (scan.run && scan.check)
        return UsageError(
            QCoreApplication::translate("CommandLine", "\"--run\" and \"--check\" cannot be used together"));
    if (scan.dryRun && !scan.run)
        return UsageError(QCoreApplication::translate("CommandLine", "\"--dry-run\" goes with \"--run\""));
    if (scan.allowPaths && !scan.run)
        return UsageError(QCoreApplication::translate("CommandLine", "\"--allow-paths\" goes with \"--run\""));
    CommandLine line;
    if (scan.run) {
        if (names.size() < 2)
            return UsageError(
                QCoreApplication::translate("CommandLine", "\"--run\" needs a macro and at least one file"),
                //: %1 is the line that points to the help.
                QCoreApplication::translate("CommandLine",
                                            "Usage: vellumpad --run MACRO [--dry-run] [--allow-paths] FILE... %1")
                    .arg(SeeHelp()));
        line.mode = ProgramMode::Run;
        // The macro is the first name, wherever "--dry-run" stands.
        line.macro = names.takeFirst();
        line.files = names;
        line.dryRun = scan.dryRun;
        line.allowPaths = scan.allowPaths;
    } else if (scan.check) {
        if (names.isEmpty())
            return UsageError(
                QCoreApplication::translate("CommandLine", "\"--check\" needs at least one macro"),
                //: %1 is the line that points to the help.
                QCoreApplication::translate("CommandLine", "Usage: vellumpad --check MACRO... %1").arg(SeeHelp()));
        line.mode = ProgramMode::Check;
        line.files = names;
    } else {
        line.documentParts = names;
    }
    return line;
}

QString VersionText()
{
    return QStringLiteral("Mirel-Edit 1.5.4");
}

QString HelpText()
{
    // Paragraph by paragraph, so that each translates on its own.
    const QStringList paragraphs = {
        //: The forms of the command line; option names and "vellumpad" stay as they are.
        QCoreApplication::translate("CommandLine", "Usage: vellumpad [--] [FILE NAME...]\n"
                                                   "       vellumpad --run MACRO [--dry-run] [--allow-paths] FILE...\n"
                                                   "       vellumpad --check MACRO...\n"
                                                   "       vellumpad --help | --version\n"),
        QCoreApplication::translate("CommandLine",
                                    "Mirel-Edit edits plain text, RTF and HTML documents and runs macros on them.\n"),
        QCoreApplication::translate("CommandLine",
                                    "Without options the editor window opens. The arguments name one document:\n"
                                    "they are joined with single blanks, so a name holding blanks may be given\n"
                                    "without quotes.\n"),
        //: Option names stay as they are; the descriptions keep their column.
        QCoreApplication::translate("CommandLine",
                                    "Options:\n"
                                    "  --run MACRO FILE...  Run the macro, read once, on each file in turn, without\n"
                                    "                       a window, and save each file that it changed. A file\n"
                                    "                       whose run fails is left as it was. One line per file on\n"
                                    "                       standard output: FILE: changed, FILE: unchanged or\n"
                                    "                       FILE: error in line N: REASON; a name holding a control\n"
                                    "                       character, \" or \\ is quoted as \"a\\nb.txt\". Messages\n"
                                    "                       go to standard error as FILE:LINE: TEXT; questions get\n"
                                    "                       their safe answer (No, Cancel). A macro with exit,\n"
                                    "                       deletefile, clearfile, savefile before its end, or a\n"
                                    "                       line that needs a dialog (openfile without a path,\n"
                                    "                       print, printersetup) runs on no file.\n"
                                    "  --dry-run            With --run, before or after the macro: print a unified\n"
                                    "                       diff of what would change and write no file.\n"
                                    "  --allow-paths        With --run: let openfile read files that other users\n"
                                    "                       cannot read. The window asks before such a read; with\n"
                                    "                       nobody to ask, the line fails unless this is given.\n"
                                    "  --check MACRO...     Run nothing; list each line that a run would reject, as\n"
                                    "                       MACRO:LINE: error: MESSAGE, and arguments a run reads\n"
                                    "                       differently than they look, as MACRO:LINE: warning: ...\n"
                                    "                       Also warns of file lines that a run asks about first.\n"
                                    "  --help               Show this help and exit.\n"
                                    "  --version            Show the version and exit.\n"
                                    "  --                   End of options: what follows is a name, even when it\n"
                                    "                       starts with \"-\". After --run and --check an option\n"
                                    "                       word is an option wherever it stands, whatever files\n"
                                    "                       exist: name a file \"--dry-run\" after \"--\" or as\n"
                                    "                       \"./--dry-run\".\n"),
        QCoreApplication::translate("CommandLine",
                                    "Exit status:\n"
                                    "  0  success; --run: every file was run; --check: no line would fail\n"
                                    "  1  --run: some file failed; --check: some line would fail\n"
                                    "  2  wrong usage, or a macro that cannot be read (missing, unreadable, larger\n"
                                    "     than 64 MB or than the memory there is)\n"),
    };
    return paragraphs.join(u'\n');
}
