#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "command_line.h"
#include "job_file.h"
#include "location_table.h"

using namespace vevi;

namespace {

struct Run {
    int code;
    QString out;
    QString err;
};

Run Cli(const QStringList& args) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = RunCommandLine(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

// Splits one CSV line into its fields, undoing the quoting.
QStringList CsvFields(const QString& line) {
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            fields.last() += u'"';
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            fields << QString();
        } else {
            fields.last() += c;
        }
    }
    return fields;
}

QStringList Lines(const QString& text) {
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The table's values for a place named exactly as the table names it.
CityValues TableValues(const QString& region, const QString& place) {
    const auto states = LocationTable::States();
    for (std::size_t s = 0; s < states.size(); ++s)
        for (std::size_t c = 0; c < states[s].cities.size(); ++c)
            if (Utf8(states[s].name) == region && Utf8(states[s].cities[c].name) == place)
                return *LocationTable::LookUpCity(int(s), int(c));
    qFatal("no such place in the table");
}

int PlaceCount() {
    int count = 0;
    for (const StateEntry& state : LocationTable::States()) count += int(state.cities.size());
    return count;
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QStringList WithPaths(QStringList args) const {
        for (QString& a : args) a.replace("%DIR%", dir_.path());
        return args;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // A job whose elevation has no pressure: job texts are not range-checked.
        Job noResult;
        noResult.inputs.Elevation = "1e9";
        QCOMPARE(WriteJob(noResult, Path("no-result.vevi")), QString());
        QFile junk(Path("junk.vevi"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a job");
    }

    // The window's default comparison, figure for figure.
    void defaultComputeAsCsv() {
        const Run run = Cli({"compute", "--format", "csv"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, QString());
        const QStringList expected = {
            "quantity,unit,draw_thru,blow_thru",
            "inlet_airflow,cfm,\"8,070\",\"10,000\"",
            "discharge_airflow,cfm,\"10,000\",\"13,478\"",
            "space_airflow,cfm,\"9,211\",\"11,413\"",
            "output,MBH,1103,1987",
            "input,MBH,1199,2160",
            "air_load,MBH,652,807",
            "net,MBH,451,1180",
            "inlet_temperature,\u00B0F,@ 0\u00B0F,@ 0\u00B0F",
            "discharge_temperature,\u00B0F,@  110\u00B0F,@  160\u00B0F",
            "space_temperature,\u00B0F,@ 65\u00B0F,@ 65\u00B0F",
        };
        QCOMPARE(Lines(run.out), expected);
    }

    void defaultComputeAsJson() {
        const Run run = Cli({"compute", "--format", "json"});
        QCOMPARE(run.code, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const QJsonObject inputs = root["inputs"].toObject();
        QCOMPARE(inputs.size(), 9);
        QCOMPARE(inputs["indoor"].toString(), "65");
        QCOMPARE(inputs["draw_thru_max_rise"].toString(), "110");
        QCOMPARE(inputs["blow_thru_capacity"].toString(), "10000");
        QCOMPARE(root["barometric_pressure"].toDouble(), 29.92);
        for (const char* arrangement : {"draw_thru", "blow_thru"})
            QCOMPARE(root[arrangement].toObject().size(), 10);
        const QJsonObject inlet = root["draw_thru"]["inlet_airflow"].toObject();
        QCOMPARE(inlet["text"].toString(), "8,070");
        QVERIFY(qAbs(inlet["value"].toDouble() - 8070.18) < 0.01);
        QCOMPARE(inlet["unit"].toString(), "cfm");
        QCOMPARE(root["blow_thru"]["discharge_temperature"]["unit"].toString(), "\u00B0F");
    }

    void defaultComputeAsText() {
        const Run run = Cli({"compute"});
        QCOMPARE(run.code, 0);
        const QStringList lines = Lines(run.out);
        QVERIFY(lines.contains(QRegularExpression("^Barometric pressure +29\\.92  in\\. Hg$")));
        // The figures stand in aligned columns: each row ends where its heading ends.
        const qsizetype heading = lines.indexOf(QRegularExpression("Quantity +Unit .*"));
        QVERIFY(heading > 0);
        QCOMPARE(lines.size(), heading + 11);
        for (qsizetype i = heading + 1; i < lines.size(); ++i)
            QCOMPARE(lines[i].size(), lines[heading].size());
        QVERIFY(
            lines[heading + 1].contains(QRegularExpression("^Inlet airflow +cfm +8,070 +10,000$")));
    }

    // Elevation and outdoor temperature come from the table, as the location dialog's OK
    // copies them, whatever the letter case and apostrophes typed.
    void place_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("place");
        QTest::newRow("exact") << "Wyoming/Big Piney"
                               << "Wyoming"
                               << "Big Piney";
        QTest::newRow("letter case") << "wYOMING/big piney"
                                     << "Wyoming"
                                     << "Big Piney";
        QTest::newRow("plain for typographic apostrophes") << "Illinois/Chicago, O'Hare Int'l A"
                                                           << "Illinois"
                                                           << "Chicago, O\u2019Hare Int\u2019l A";
        QTest::newRow("slash in the place's name") << "Alabama/Muscle Shoals/Florence"
                                                   << "Alabama"
                                                   << "Muscle Shoals/Florence";
        QTest::newRow("below the outdoor box's range") << "Alaska/Nenana"
                                                       << "Alaska"
                                                       << "Nenana";
    }
    void place() {
        QFETCH(QString, typed);
        QFETCH(QString, region);
        QFETCH(QString, place);
        const Run run = Cli({"compute", "--place", typed, "--format", "json"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.code, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const CityValues values = TableValues(region, place);
        QCOMPARE(root["inputs"]["elevation"].toString(), QString::number(values.ElevationFeet));
        QCOMPARE(root["inputs"]["outdoor"].toString(), QString::number(values.DesignTempF));
        QCOMPARE(root["place"]["region"].toString(), region);
        QCOMPARE(root["place"]["place"].toString(), place);
    }

    void placesCsv() {
        const Run run = Cli({"places", "--format", "csv"});
        QCOMPARE(run.code, 0);
        const QStringList lines = Lines(run.out);
        QCOMPARE(lines.size(), PlaceCount() + 1);
        QCOMPARE(lines.first(), "region,place,elevation,outdoor,barometric_pressure");
        for (const QString& line : lines) QCOMPARE(CsvFields(line).size(), 5);
        QCOMPARE(Lines(Cli({"places", "--region", "quebec", "--format", "csv"}).out).size(), 2);
        // The pressure as the location dialog shows it for Big Piney.
        QVERIFY(lines.contains("Wyoming,Big Piney,6969,-22,23.11"));
    }

    // Every place once, in table order, each row the comparison compute gives there.
    void sweep() {
        const Run csv = Cli({"sweep", "--indoor", "70"});
        QCOMPARE(csv.code, 0);
        const QStringList lines = Lines(csv.out);
        QCOMPARE(lines.size(), PlaceCount() + 1);
        const QStringList header = CsvFields(lines.first());
        QCOMPARE(header.size(), 4 + 20);
        QCOMPARE(header.mid(0, 6),
                 QStringList({"region", "place", "elevation", "outdoor", "draw_thru_inlet_airflow",
                              "blow_thru_inlet_airflow"}));
        const QStringList bigPiney =
            CsvFields(lines.filter(QRegularExpression("^Wyoming,Big Piney,")).value(0));
        QCOMPARE(bigPiney.size(), 24);
        const QStringList computed = Lines(
            Cli({"compute", "--place", "Wyoming/Big Piney", "--indoor", "70", "--format", "csv"})
                .out);
        for (int q = 0; q < 10; ++q) {
            const QStringList row = CsvFields(computed[q + 1]);
            QCOMPARE(bigPiney[4 + 2 * q], row[2]);
            QCOMPARE(bigPiney[5 + 2 * q], row[3]);
        }
        const Run json = Cli({"sweep", "--format", "json"});
        QCOMPARE(json.code, 0);
        QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8()).array().size(), PlaceCount());
    }

    // What each way of asking gives: the exit status, and a line on the stream expected,
    // with nothing on the other one.
    void outcomes_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");  // on stdout for 0, else on stderr
        QTest::newRow("help") << QStringList{"--help"} << 0 << "vevi COMMAND [options]";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "vevi " VEVI_VERSION "\n";
        QTest::newRow("command help")
            << QStringList{"save-job", "--help"} << 0 << "not range-checked";
        QTest::newRow("typed text cut before its check")
            << QStringList{"compute", "--outdoor", "1000", "--format", "csv"} << 0
            << "inlet_temperature,\u00B0F,@ 100\u00B0F";
        QTest::newRow("unknown option")
            << QStringList{"compute", "--bogus"} << 2 << "Unknown option 'bogus'";
        QTest::newRow("missing value")
            << QStringList{"compute", "--indoor"} << 2 << "Missing value after '--indoor'";
        QTest::newRow("unknown command")
            << QStringList{"frobnicate"} << 2 << "Unknown command 'frobnicate'";
        QTest::newRow("unknown format")
            << QStringList{"compute", "--format", "xml"} << 2 << "Unknown format 'xml'";
        QTest::newRow("no text format for sweep")
            << QStringList{"sweep", "--format", "text"} << 2 << "Unknown format 'text'";
        QTest::newRow("extra argument")
            << QStringList{"places", "Ohio"} << 2 << "Unexpected argument 'Ohio'";
        QTest::newRow("sweep takes no elevation")
            << QStringList{"sweep", "--elevation", "0"} << 2 << "Unknown option 'elevation'";
        QTest::newRow("indoor refused") << QStringList{"compute", "--indoor", "abc"} << 1
                                        << "The indoor temperature must be between 30 and 150\n";
        QTest::newRow("elevation refused")
            << QStringList{"compute", "--elevation", "145366"} << 1
            << "The elevation must be between -10,000 and 145,365 ft\n";
        QTest::newRow("Blow Thru capacity refused")
            << QStringList{"compute", "--blow-thru-capacity", "500001"} << 1
            << "The Blow Thru fan capacity must be between 0 and 500,000\n";
        QTest::newRow("each refusal on its line")
            << QStringList{"compute", "--draw-thru-max-rise", "161", "--blow-thru-max-discharge",
                           "-1"}
            << 1
            << "The temperature rise must be between 0 and 160\n"
               "The Blow Thru discharge temperature must be between 0 and 160\n";
        QTest::newRow("unknown place")
            << QStringList{"compute", "--place", "Wyomin/Big Piny"} << 2
            << "Unknown place \"Wyomin/Big Piny\". Nearest: Wyoming/Big Piney;";
        QTest::newRow("unknown region")
            << QStringList{"places", "--region", "Wyomin"} << 2 << "Nearest: Wyoming;";
        QTest::newRow("elevation beside place")
            << QStringList{"compute", "--place", "Wyoming/Big Piney", "--elevation", "0"} << 2
            << "--place sets the elevation";
        QTest::newRow("bad job file") << QStringList{"compute", "--job", "%DIR%/junk.vevi"} << 2
                                      << "Cannot open job %DIR%/junk.vevi: it is not JSON";
        QTest::newRow("no result") << QStringList{"compute", "--job", "%DIR%/no-result.vevi"} << 1
                                   << "The values entered give no result that can be shown\n";
        QTest::newRow("job not saved") << QStringList{"save-job", "%DIR%/junk.vevi/job.vevi"} << 1
                                       << "Cannot save job %DIR%/junk.vevi/job.vevi: ";
    }
    void outcomes() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, expected);
        expected.replace("%DIR%", dir_.path());
        const Run run = Cli(WithPaths(args));
        QCOMPARE(run.code, code);
        const QString& shown = code == 0 ? run.out : run.err;
        const QString& other = code == 0 ? run.err : run.out;
        QVERIFY2(shown.contains(expected), qPrintable(shown));
        QCOMPARE(other, QString());
        if (code != 0 && !expected.contains(u'\n')) QCOMPARE(run.err.count(u'\n'), 1);
    }

    // A saved job holds the texts as cut and the place; computing from it gives what the
    // same options give, and options beside it win.
    void savedJobComputesAsItsOptions() {
        const QStringList options = {"--place", "Wyoming/Big Piney",    "--indoor",
                                     " 70.25",  "--draw-thru-capacity", "12345.678"};
        const QString file = Path("saved.vevi");
        QCOMPARE(Cli(QStringList{"save-job", file} + options).code, 0);
        const JobRead read = ReadJob(file);
        QVERIFY2(read.job, qPrintable(read.error));
        QCOMPARE(read.job->inputs.IndoorTemp, " 70.2");
        QCOMPARE(read.job->inputs.DrawThruFanCapacity, "12345.6");
        QCOMPARE(read.job->inputs.Elevation, "6969");
        QVERIFY(read.job->place);
        QCOMPARE(read.job->place->place, "Big Piney");

        const Run fromJob = Cli({"compute", "--job", file, "--format", "json"});
        const Run fromOptions = Cli(QStringList{"compute", "--format", "json"} + options);
        QCOMPARE(fromJob.code, 0);
        QCOMPARE(fromJob.out, fromOptions.out);
        const Run overridden =
            Cli({"compute", "--job", file, "--outdoor", "10", "--format", "json"});
        const QJsonObject root = QJsonDocument::fromJson(overridden.out.toUtf8()).object();
        QCOMPARE(root["inputs"]["outdoor"].toString(), "10");
        QCOMPARE(root["inputs"]["elevation"].toString(), "6969");
        QVERIFY(!root.contains("place"));  // the site is no longer the place's
    }

    // Which arguments start the window and which run a command, decided before any
    // application object exists.
    void launch_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("command");
        QTest::addColumn<QString>("jobFile");
        QTest::newRow("none") << QStringList{} << false << "";
        QTest::newRow("job file") << QStringList{"/tmp/My Job.VEVI"} << false << "/tmp/My Job.VEVI";
        QTest::newRow("toolkit option")
            << QStringList{"-platform", "offscreen", "a.vevi"} << false << "a.vevi";
        QTest::newRow("toolkit option with =") << QStringList{"--style=fusion"} << false << "";
        QTest::newRow("command") << QStringList{"compute", "--job", "a.vevi"} << true << "";
        QTest::newRow("help") << QStringList{"-h"} << true << "";
        QTest::newRow("unknown command") << QStringList{"a.json"} << true << "";
    }
    void launch() {
        QFETCH(QStringList, args);
        QFETCH(bool, command);
        QFETCH(QString, jobFile);
        QList<QByteArray> bytes{"vevi"};
        for (const QString& a : args) bytes << a.toUtf8();
        std::vector<char*> argv;
        for (QByteArray& b : bytes) argv.push_back(b.data());
        argv.push_back(nullptr);
        const int argc = int(bytes.size());
        QCOMPARE(IsCommandLine(argc, argv.data()), command);
        QCOMPARE(JobFileArgument(argc, argv.data()), jobFile);
    }

    // The program itself, with no display of any kind: a command needs no platform plugin.
    void runsWithoutDisplay() {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        program.setProcessEnvironment(env);
        program.start(VEVI_PROGRAM, {"sweep", "--format", "csv"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), QString());
        QCOMPARE(program.exitCode(), 0);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        QCOMPARE(Lines(out).size(), PlaceCount() + 1);
        QCOMPARE(out, Cli({"sweep", "--format", "csv"}).out);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
