#include "command_parser.h"

#include <QCommandLineOption>

namespace vevi {

CommandParser::CommandParser(QString command, QString description)
    : command_(std::move(command)), description_(std::move(description)) {
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser_.setApplicationDescription(description_);
    parser_.addOption(QCommandLineOption({"h", "help"}, "Shows this help."));
}

void CommandParser::AddInputs(Site site) {
    site_ = site;
    AddInputOptions(parser_, site);
}

void CommandParser::AddFormats(const QStringList& names) {
    formats_ = names;
    parser_.addOption(QCommandLineOption(
        "format", "Output format: " + names.join(u'|') + " (default " + names.first() + ").",
        "FORMAT", names.first()));
}

void CommandParser::AddUnits() {
    unitsOffered_ = true;
    parser_.addOption(UnitsOption());
}

void CommandParser::AddPositional(const QString& name, const QString& description) {
    positional_ = name;
    parser_.addPositionalArgument(name, description);
}

bool CommandParser::Parse(const QStringList& args, QTextStream& err) {
    if (!parser_.parse(QStringList{"vevi"} + args)) return UsageError(parser_.errorText(), err);
    if (parser_.isSet("help")) return true;
    const QStringList extra = parser_.positionalArguments().mid(positional_.isEmpty() ? 0 : 1);
    if (!extra.isEmpty()) return UsageError("Unexpected argument '" + extra.first() + "'.", err);
    if (!positional_.isEmpty() && parser_.positionalArguments().isEmpty())
        return UsageError("Missing " + positional_ + ".", err);
    if (site_ == Site::FromOptions && parser_.isSet("place") &&
        (parser_.isSet("elevation") || parser_.isSet("outdoor")))
        return UsageError(QString::fromLatin1(kPlaceConflict), err);
    if (unitsOffered_ && !UnitsNamed(parser_.value("units")))
        return UsageError("Unknown units '" + parser_.value("units") + "' (use us, si).", err);
    if (!formats_.isEmpty() && !formats_.contains(parser_.value("format")))
        return UsageError("Unknown format '" + parser_.value("format") + "' (use " +
                              formats_.join(QLatin1String(", ")) + ").",
                          err);
    return true;
}

Format CommandParser::format() const {
    return *FormatNamed(parser_.value("format"));
}

UnitSystem CommandParser::units() const {
    return unitsOffered_ ? *UnitsNamed(parser_.value("units")) : UnitSystem::US;
}

QString CommandParser::Help() const {
    QString text = parser_.helpText();
    text = text.mid(text.indexOf(u'\n') + 1);  // our own usage line instead of Qt's
    return "Usage: vevi " + command_ + " [options]" +
           (positional_.isEmpty() ? QString() : u' ' + positional_) + u'\n' + text;
}

bool CommandParser::UsageError(const QString& message, QTextStream& err) const {
    err << "vevi " << command_ << ": " << message << " See 'vevi " << command_ << " --help'.\n";
    return false;
}

}  // namespace vevi
