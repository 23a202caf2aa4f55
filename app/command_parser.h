// A command's parser: long options with one or two dashes, and its own help.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

#include "cli_formats.h"
#include "cli_options.h"
#include "units.h"

namespace vevi {

class CommandParser {
public:
    CommandParser(QString command, QString description);

    QCommandLineParser& parser() { return parser_; }
    void AddInputs(Site site);
    void AddFormats(const QStringList& names);
    void AddUnits();
    void AddPositional(const QString& name, const QString& description);

    // Parses the arguments; false after writing a one-line usage error (exit status 2).
    bool Parse(const QStringList& args, QTextStream& err);
    bool HelpAsked() const { return parser_.isSet("help"); }
    Format format() const;
    UnitSystem units() const;
    QString Help() const;
    bool UsageError(const QString& message, QTextStream& err) const;

private:
    QCommandLineParser parser_;
    QString command_, description_, positional_;
    QStringList formats_;
    std::optional<Site> site_;
    bool unitsOffered_ = false;
};

}  // namespace vevi
