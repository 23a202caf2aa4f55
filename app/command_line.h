// The program's commands (compute, places, sweep, save-job), run without a window, and the
// decision, made before any application object exists, whether to run one or show the window.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace vevi {

// True when the arguments name a command (or ask for help or the version). No arguments, a
// job file to open (a path ending in .vevi) or a toolkit option such as -platform mean the
// window.
bool IsCommandLine(int argc, char** argv);
// The job file the window is to open, or "" when none is named.
QString JobFileArgument(int argc, char** argv);

// Runs a command: `args` are the arguments after the program's name. Results go to `out`,
// warnings and errors to `err`, one line each. Gives the exit status: 0 done, 1 a value
// refused or no result, 2 a usage error, an unknown name or a job file that cannot be opened.
int RunCommandLine(const QStringList& args, QTextStream& out, QTextStream& err);

// The line to print, exit status 2, when the window is asked for and there is no display to
// show it on; nothing when there is one (or a toolkit option names a platform or display).
std::optional<QString> NoDisplay(const QProcessEnvironment& environment, int argc, char** argv);

// RunCommandLine on the process's own arguments, standard output and standard error. Needs a
// QCoreApplication.
int RunCommandLineOnConsole();

}  // namespace vevi
