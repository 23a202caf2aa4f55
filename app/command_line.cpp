#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "cli_formats.h"
#include "cli_options.h"
#include "command_parser.h"
#include "field_rules.h"
#include "location_table.h"
#include "place_lookup.h"
#include "results.h"
#include "utf8_text.h"
#include "version.h"

namespace vevi {
namespace {

const QString kNoResult = QString::fromLatin1(kNoResultText);

// Options the toolkit takes for the window (QGuiApplication and QApplication); with one of
// them first the window starts, as it did before there were commands.
bool IsToolkitOption(const QString& argument) {
    // clang-format off
    static const QStringList kOptions = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
        "qwindowgeometry", "qwindowicon", "qwindowtitle", "reverse", "session", "display",
        "geometry", "title", "name", "style", "stylesheet", "widgetcount", "nograb", "dograb",
        "sync", "visual", "ncols", "cmap", "fn", "font", "bg", "background", "fg", "foreground",
        "btn", "button", "im", "inputstyle", "dialogs", "fontengine", "darkmode", "testability"};
    // clang-format on
    if (!argument.startsWith(u'-')) return false;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    name = name.left(name.indexOf(u'='));
    return kOptions.contains(name);
}

bool NamesJobFile(const QString& argument) {
    return !argument.startsWith(u'-') &&
           argument.endsWith(QLatin1String(".vevi"), Qt::CaseInsensitive);
}

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& args, QTextStream& out, QTextStream& err);
};

std::optional<int> FindRegionOption(const QString& name, const char* command, QTextStream& err) {
    const auto region = FindRegion(ToUtf8(name));
    if (region) return region;
    QStringList nearest;
    for (const std::string& n : NearestRegions(ToUtf8(name))) nearest << FromUtf8(n);
    err << "vevi " << command << ": Unknown region \"" << name
        << "\". Nearest: " << nearest.join(QLatin1String("; ")) << '\n';
    return std::nullopt;
}

int Refuse(const Gathered& gathered, QTextStream& err) {
    for (const QString& line : gathered.errors) err << line << '\n';
    return gathered.exitCode;
}

const QString kReading = QStringLiteral(
    "Each value must be a plain number (an optional sign, digits with at most one point,\n"
    "an optional exponent) no longer than the window's box takes and within its range;\n"
    "anything else is refused, never cut or read as 0. A job file's texts are checked as\n"
    "the window's boxes check them; a place's own figures are taken as they are.\n"
    "With --units si values are given and figures shown in \u00B0C, m, L/s, kW and kPa,\n"
    "checked against the window's ranges converted; the comparison itself works in\n"
    "inch-pound, and a rise converts x5/9 without offset.");

int Compute(const QStringList& args, QTextStream& out, QTextStream& err) {
    CommandParser command("compute",
                          "Compares Draw Thru and Blow Thru for one set of inputs and shows the\n"
                          "figures as the window does.\n" +
                              kReading);
    command.AddInputs(Site::FromOptions);
    command.AddUnits();
    command.AddFormats({"text", "csv", "json"});
    if (!command.Parse(args, err)) return kExitUsage;
    if (command.HelpAsked()) {
        out << command.Help();
        return 0;
    }
    const Gathered gathered =
        GatherInputs(command.parser(), Site::FromOptions, "compute", command.units());
    if (gathered.exitCode != 0) return Refuse(gathered, err);
    const ComparisonInputs inputs = InchPoundTexts(gathered);
    SharedValues shared;
    const auto result = ComputeComparison(inputs, shared);
    if (!result) {
        err << "vevi compute: " << kNoResult << '\n';
        return kExitRefused;
    }
    out << ComparisonOutput(ReportComparison(inputs, *result, shared), command.format(),
                            gathered.place, command.units());
    return 0;
}

int Places(const QStringList& args, QTextStream& out, QTextStream& err) {
    CommandParser command(
        "places",
        "Lists the built-in places with elevation (ft), outdoor design\n"
        "temperature (\u00B0F) and barometric pressure (in. Hg); with --units si\n"
        "in m, \u00B0C and kPa.");
    command.parser().addOption(
        QCommandLineOption("region", "Only the places of this state or province.", "NAME"));
    command.AddUnits();
    command.AddFormats({"text", "csv", "json"});
    if (!command.Parse(args, err)) return kExitUsage;
    if (command.HelpAsked()) {
        out << command.Help();
        return 0;
    }
    std::optional<int> region;
    if (command.parser().isSet("region")) {
        const QString name = command.parser().value("region");
        region = FindRegionOption(name, "places", err);
        if (!region) return kExitUsage;
    }
    out << PlacesOutput(region, command.format(), command.units());
    return 0;
}

int Sweep(const QStringList& args, QTextStream& out, QTextStream& err) {
    CommandParser command("sweep",
                          "Runs the comparison at every built-in place in table order, with the\n"
                          "place's elevation and outdoor design temperature and the other inputs\n"
                          "from the options.\n" +
                              kReading);
    command.AddInputs(Site::FromEachPlace);
    command.parser().addOption(
        QCommandLineOption("region", "Only the places of this state or province.", "NAME"));
    command.AddUnits();
    command.AddFormats({"csv", "json"});
    if (!command.Parse(args, err)) return kExitUsage;
    if (command.HelpAsked()) {
        out << command.Help();
        return 0;
    }
    std::optional<int> region;
    if (command.parser().isSet("region")) {
        region = FindRegionOption(command.parser().value("region"), "sweep", err);
        if (!region) return kExitUsage;
    }
    const Gathered gathered =
        GatherInputs(command.parser(), Site::FromEachPlace, "sweep", command.units());
    if (gathered.exitCode != 0) return Refuse(gathered, err);
    const ComparisonInputs given = InchPoundTexts(gathered);
    SweepOutput sweep(command.format(), command.units());
    int failed = 0;
    const auto states = LocationTable::States();
    for (std::size_t s = 0; s < states.size(); ++s) {
        if (region && *region != static_cast<int>(s)) continue;
        for (std::size_t c = 0; c < states[s].cities.size(); ++c) {
            ComparisonInputs inputs = given;
            TakeSite(inputs, static_cast<int>(s), static_cast<int>(c));
            SharedValues shared;
            const auto result = ComputeComparison(inputs, shared);
            if (!result) ++failed;
            const auto report =
                result ? std::optional(ReportComparison(inputs, *result, shared)) : std::nullopt;
            sweep.Add(static_cast<int>(s), static_cast<int>(c), inputs,
                      report ? &*report : nullptr);
        }
    }
    out << sweep.Finish();
    if (failed == 0) return 0;
    err << "vevi sweep: " << kNoResult << " (at " << failed << " places)\n";
    return kExitRefused;
}

int SaveJob(const QStringList& args, QTextStream& out, QTextStream& err) {
    CommandParser command("save-job",
                          "Writes a job file of the nine input texts, and the place when --place\n"
                          "(or a job's place) gives the site. The texts are checked as compute\n"
                          "checks them, so that every job written computes. Only a regular file\n"
                          "or a new name is written over. The job keeps its texts in the units\n"
                          "of --units; texts from a job or a place in the other units are\n"
                          "converted as the window converts its boxes.");
    command.AddInputs(Site::FromOptions);
    command.AddUnits();
    command.parser().addOption(QCommandLineOption("note", "A note kept with the job.", "TEXT"));
    command.AddPositional("FILE.vevi", "The job file to write.");
    if (!command.Parse(args, err)) return kExitUsage;
    if (command.HelpAsked()) {
        out << command.Help();
        return 0;
    }
    const UnitSystem units = command.units();
    Gathered gathered = GatherInputs(command.parser(), Site::FromOptions, "save-job", units);
    if (gathered.exitCode != 0) return Refuse(gathered, err);
    const ComparisonInputs texts = TextsIn(gathered, units);
    // What compute --job would refuse is never written.
    gathered.errors = JobTextProblems(texts, gathered.place, "save-job", "the job", units);
    if (!gathered.errors.isEmpty()) {
        gathered.exitCode = kExitRefused;
        return Refuse(gathered, err);
    }
    Job job{texts, gathered.place, gathered.note, units};
    if (command.parser().isSet("note")) job.note = command.parser().value("note");
    const QString path = command.parser().positionalArguments().first();
    const QString error = WriteJob(job, path);
    if (error.isEmpty()) return 0;
    err << "vevi save-job: Cannot save job " << path << ": " << error << '\n';
    return kExitRefused;
}

const std::array<Command, 4> kCommands = {{
    {"compute", "One comparison of Draw Thru and Blow Thru, as the window shows it.", Compute},
    {"places", "The built-in places with elevation, design temperature and pressure.", Places},
    {"sweep", "The comparison at every built-in place.", Sweep},
    {"save-job", "Writes a job file of the inputs.", SaveJob},
}};

QString GeneralHelp() {
    QString text = QStringLiteral(
        "Usage: vevi [FILE.vevi]\n"
        "       vevi COMMAND [options]\n"
        "\n"
        "Without a command the window opens (on the job FILE.vevi when one is named).\n"
        "\n"
        "Commands:\n");
    for (const Command& command : kCommands)
        text += QStringLiteral("  %1  %2\n")
                    .arg(QLatin1String(command.name), -9)
                    .arg(QLatin1String(command.summary));
    text += QStringLiteral(
        "\n"
        "Options:\n"
        "  -h, --help     This help; 'vevi COMMAND --help' tells a command's options.\n"
        "  -v, --version  The program's version.\n"
        "\n"
        "Exit status: 0 done; 1 a value refused, no result, the job not saved, or the\n"
        "output not written; 2 a usage error, an unknown place or region, a job file that\n"
        "cannot be opened, or no display for the window.\n");
    return text;
}

}  // namespace

bool IsCommandLine(int argc, char** argv) {
    if (argc < 2) return false;
    const QString first = QFile::decodeName(argv[1]);
    return !NamesJobFile(first) && !IsToolkitOption(first);
}

QString JobFileArgument(int argc, char** argv) {
    if (IsCommandLine(argc, argv)) return {};
    for (int i = 1; i < argc; ++i) {
        const QString argument = QFile::decodeName(argv[i]);
        if (NamesJobFile(argument)) return argument;
    }
    return {};
}

int RunCommandLine(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.isEmpty()) {
        err << "vevi: No command given. See 'vevi --help'.\n";
        return kExitUsage;
    }
    const QString& first = args.first();
    if (first == QLatin1String("-h") || first == QLatin1String("--help") ||
        first == QLatin1String("-?")) {
        out << GeneralHelp();
        return 0;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        out << "vevi " << kVersion << '\n';
        return 0;
    }
    for (const Command& command : kCommands)
        if (first == QLatin1String(command.name)) return command.run(args.mid(1), out, err);
    if (first.startsWith(u'-'))
        err << "vevi: Unknown option '" << first << "'. See 'vevi --help'.\n";
    else
        err << "vevi: Unknown command '" << first << "'. See 'vevi --help'.\n";
    return kExitUsage;
}

std::optional<QString> NoDisplay(const QProcessEnvironment& environment, int argc, char** argv) {
    if (!environment.value("QT_QPA_PLATFORM").isEmpty()) return std::nullopt;
    if (!environment.value("DISPLAY").isEmpty() || !environment.value("WAYLAND_DISPLAY").isEmpty())
        return std::nullopt;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QFile::decodeName(argv[i]);
        if (IsToolkitOption(argument) && (argument.contains(QLatin1String("platform")) ||
                                          argument.contains(QLatin1String("display"))))
            return std::nullopt;
    }
    return QStringLiteral(
        "vevi: No display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). "
        "The commands run without one: see 'vevi --help'.");
}

bool WriteAll(int fd, const QByteArray& bytes, QString& error) {
#ifdef Q_OS_UNIX
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error = QString::fromLocal8Bit(std::strerror(written < 0 ? errno : ENOSPC));
            return false;
        }
        done += written;
    }
    return true;
#else
    FILE* stream = fd == 1 ? stdout : stderr;
    const bool ok = std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()),
                                stream) == static_cast<std::size_t>(bytes.size()) &&
                    std::fflush(stream) == 0;
    if (!ok) error = QString::fromLocal8Bit(std::strerror(errno));
    return ok;
#endif
}

int RunCommandLineOnConsole() {
    // Made whole in memory, then written and checked: a full disk or a closed device must not
    // pass for success.
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    int status = RunCommandLine(QCoreApplication::arguments().mid(1), outStream, errStream);
    outStream.flush();
    errStream.flush();
    QString error;
    if (!WriteAll(1, out.toUtf8(), error)) {
        err += "vevi: Cannot write the output: " + error + u'\n';
        status = kExitRefused;
    }
    WriteAll(2, err.toUtf8(), error);  // nowhere left to tell a failure here
    return status;
}

}  // namespace vevi
