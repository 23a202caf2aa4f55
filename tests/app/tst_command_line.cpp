#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "command_line.h"
#include "job_file.h"
#include "location_table.h"
#include "si_golden.h"

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
        // A job whose elevation is far out of range.
        Job noResult;
        noResult.inputs.Elevation = "1e9";
        QCOMPARE(WriteJob(noResult, Path("no-result.vevi")), QString());
        auto job = [this](const char* name, Field field, const char* text) {
            Job j;
            j.inputs.Text(field) = text;
            QCOMPARE(WriteJob(j, Path(name)), QString());
        };
        job("low.vevi", Field::Elevation, "-99999");
        job("hot.vevi", Field::IndoorTemp, "999");
        job("long.vevi", Field::OutdoorTemp, "-10.5");
        // 70 is a fair indoor temperature in inch-pound but far too hot in SI.
        Job siHot;
        siHot.units = UnitSystem::SI;
        siHot.inputs.IndoorTemp = "70";
        QCOMPARE(WriteJob(siHot, Path("si-hot.vevi")), QString());
        QFile control(Path("control.vevi"));
        QVERIFY(control.open(QIODevice::WriteOnly));
        control.write(QString::fromUtf8(JobBytes(Job{})).replace("\"65\"", "\"6\\r5\"").toUtf8());
        control.close();
        QVERIFY(QFile::link(Path("loop.vevi"), Path("loop.vevi")));
        QCOMPARE(::mkfifo(QFile::encodeName(Path("pipe.vevi")).constData(), 0600), 0);
        QFile junk(Path("junk.vevi"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a job");
    }

    // The window's default comparison, figure for figure, as plain numbers.
    void defaultComputeAsCsv() {
        const Run run = Cli({"compute", "--format", "csv"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, QString());
        const QStringList expected = {
            "quantity,unit,draw_thru,blow_thru",
            "indoor,\u00B0F,65,65",
            "outdoor,\u00B0F,0,0",
            "elevation,ft,0,0",
            "max_discharge,\u00B0F,140,160",
            "max_rise,\u00B0F,110,160",
            "capacity,cfm,10000,10000",
            "barometric_pressure,in. Hg,29.92,29.92",
            "temperature_rise,\u00B0F,110,160",
            "air_density,lb/cu ft,0.0696,0.0863",
            "inlet_airflow,cfm,8070,10000",
            "discharge_airflow,cfm,10000,13478",
            "space_airflow,cfm,9211,11413",
            "output,MBH,1103,1987",
            "input,MBH,1199,2160",
            "air_load,MBH,652,807",
            "net,MBH,451,1180",
            "inlet_temperature,\u00B0F,0,0",
            "discharge_temperature,\u00B0F,110,160",
            "space_temperature,\u00B0F,65,65",
        };
        QCOMPARE(Lines(run.out), expected);
    }

    // Every cell past the key and unit is a number a spreadsheet reads in any locale, and
    // the place, where there is one, comes first.
    void computeCsvCellsAreNumbers() {
        const Run run = Cli({"compute", "--place", "Illinois/Chicago, O'Hare Int'l A", "--indoor",
                             "70.5", "--format", "csv"});
        QCOMPARE(run.code, 0);
        const QStringList lines = Lines(run.out);
        QCOMPARE(CsvFields(lines[1]),
                 QStringList({"place", "", "Illinois/Chicago, O\u2019Hare Int\u2019l A",
                              "Illinois/Chicago, O\u2019Hare Int\u2019l A"}));
        for (const QString& line : lines.mid(2)) {
            const QStringList cells = CsvFields(line);
            QCOMPARE(cells.size(), 4);
            for (const QString& cell : cells.mid(2)) {
                bool number = false;
                QLocale::c().toDouble(cell, &number);
                QVERIFY2(number, qPrintable(line));
            }
        }
        QVERIFY(lines.contains("indoor,\u00B0F,70.5,70.5"));
    }

    void defaultComputeAsJson() {
        const Run run = Cli({"compute", "--format", "json"});
        QCOMPARE(run.code, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(root["format"].toString(), "vevi-comparison");
        QCOMPARE(root["version"].toInt(), 1);
        const QJsonObject inputs = root["inputs"].toObject();
        QCOMPARE(inputs.size(), 9);
        QCOMPARE(inputs["indoor"]["text"].toString(), "65");
        QCOMPARE(inputs["indoor"]["value"].toDouble(), 65.0);
        QCOMPARE(inputs["draw_thru_max_rise"]["text"].toString(), "110");
        QCOMPARE(inputs["blow_thru_capacity"]["value"].toDouble(), 10000.0);
        QCOMPARE(root["barometric_pressure"]["text"].toString(), "29.92");
        QCOMPARE(root["barometric_pressure"]["unit"].toString(), "in. Hg");
        for (const char* arrangement : {"draw_thru", "blow_thru"})
            QCOMPARE(root[arrangement].toObject().size(), 12);
        const QJsonObject inlet = root["draw_thru"]["inlet_airflow"].toObject();
        QCOMPARE(inlet["text"].toString(), "8,070");
        QVERIFY(qAbs(inlet["value"].toDouble() - 8070.18) < 0.01);
        QCOMPARE(inlet["unit"].toString(), "cfm");
        QCOMPARE(root["blow_thru"]["discharge_temperature"]["unit"].toString(), "\u00B0F");
        QCOMPARE(root["blow_thru"]["temperature_rise"]["value"].toDouble(), 160.0);
        QCOMPARE(root["draw_thru"]["air_density"]["unit"].toString(), "lb/cu ft");
        // The input follows the rounded output, as the window works it.
        QCOMPARE(root["draw_thru"]["input"]["value"].toDouble(), 1103 / 0.92);
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

    // The design comparison in SI. The inch-pound design texts shown in SI give every figure of
    // the shared SI rows; the SI design texts, which are rounded, give the same physical
    // comparison as the inch-pound one, within a display step and the texts' rounding.
    void designComparisonInSi_data() {
        QTest::addColumn<bool>("siTexts");
        QTest::newRow("design texts") << false;
        QTest::newRow("design texts in SI") << true;
    }
    void designComparisonInSi() {
        QFETCH(bool, siTexts);
        QStringList args{"compute", "--units", "si", "--format", "json"};
        if (siTexts)
            for (const auto& row : si_golden::kInputs)
                args << "--" + QString(JobInputKey(row.field)).replace(u'_', u'-') << row.text;
        const Run run = Cli(args);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, QString());
        const QJsonObject si = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const QJsonObject us =
            QJsonDocument::fromJson(Cli({"compute", "--format", "json"}).out.toUtf8()).object();
        for (const auto& row : si_golden::kInputs)
            QCOMPARE(si["inputs"][JobInputKey(row.field)]["text"].toString(), row.text);
        for (const auto& row : si_golden::kFigures) {
            const QuantityInfo& info = Describe(row.quantity);
            const QJsonObject figure = si[ArrangementKey(row.arrangement)][info.key].toObject();
            const Measure measure = MeasureOf(info.unit);
            QCOMPARE(figure["unit"].toString(), QString(Symbol(measure, UnitSystem::SI)));
            if (!siTexts) {
                QCOMPARE(figure["text"].toString(), QString(row.text));
                continue;
            }
            const double converted =
                ToSystem(measure, us[ArrangementKey(row.arrangement)][info.key]["value"].toDouble(),
                         UnitSystem::SI);
            const double step = measure == Measure::Temperature ? 0.1 : 1;
            QVERIFY2(qAbs(figure["value"].toDouble() - converted) <= step + 0.002 * qAbs(converted),
                     qPrintable(QString("%1 %2: %3 against %4")
                                    .arg(ArrangementKey(row.arrangement), info.key)
                                    .arg(figure["value"].toDouble())
                                    .arg(converted)));
        }
        QCOMPARE(si["barometric_pressure"]["text"].toString(), si_golden::kPressure);
        QCOMPARE(si["barometric_pressure"]["unit"].toString(), "kPa");
        QCOMPARE(si["blow_thru"]["air_density"]["text"].toString(), si_golden::kBloThruDensity);
        QCOMPARE(si["blow_thru"]["air_density"]["unit"].toString(), "kg/m\u00B3");
        QCOMPARE(si["draw_thru"]["temperature_rise"]["unit"].toString(), "\u00B0C");
    }

    // With --units si no inch-pound unit is left in any output, and every output names SI units.
    // The text and CSV reports are the engine's, checked there.
    void noInchPoundUnitInSi_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("compute json") << QStringList{"compute", "--format", "json"};
        QTest::newRow("places text") << QStringList{"places", "--region", "Ontario"};
        QTest::newRow("places csv") << QStringList{"places", "--format", "csv"};
        QTest::newRow("sweep csv") << QStringList{"sweep", "--region", "Ontario"};
        QTest::newRow("sweep json")
            << QStringList{"sweep", "--region", "Ontario", "--format", "json"};
    }
    void noInchPoundUnitInSi() {
        QFETCH(QStringList, args);
        const Run si = Cli(args + QStringList{"--units", "si"});
        QCOMPARE(si.code, 0);
        // Case matters: a place may be "Ft. Something".
        const QRegularExpression inchPound(
            "\u00B0F|cfm|MBH|mbh|in\\. Hg|in_hg|lb/|lb_|\\bft\\b|_ft\\b|_f\\b");
        QVERIFY2(!si.out.contains(inchPound), qPrintable(inchPound.match(si.out).captured()));
        QVERIFY(si.out.contains(QRegularExpression("kPa|_kpa")));
        // The default stays inch-pound.
        QCOMPARE(Cli(args).out, Cli(args + QStringList{"--units", "us"}).out);
        QVERIFY(Cli(args).out.contains(inchPound));
    }

    // A job saved in SI keeps its SI texts and says so; it computes in either units, and saved
    // again in inch-pound its texts are converted as an inch-pound box would hold them.
    void savedSiJob() {
        const QString file = Path("saved-si.vevi");
        QCOMPARE(Cli({"save-job", "--units", "si", file, "--place", "Wyoming/Big Piney", "--indoor",
                      "21.5", "--draw-thru-capacity", "5000"})
                     .code,
                 0);
        const JobRead read = ReadJob(file);
        QVERIFY2(read.job, qPrintable(read.error));
        QCOMPARE(read.job->units, UnitSystem::SI);
        QCOMPARE(read.job->inputs.IndoorTemp, "21.5");
        QCOMPARE(read.job->inputs.DrawThruFanCapacity, "5000");
        QCOMPARE(read.job->inputs.Elevation, "2124");  // 6969 ft
        QCOMPARE(read.job->inputs.OutdoorTemp, "-30.0");
        QCOMPARE(read.job->inputs.BloThruTempRise, "88.8");  // the design 160 °F, kept in range
        QVERIFY(read.job->place);

        const Run inSi = Cli({"compute", "--job", file, "--units", "si", "--format", "json"});
        QCOMPARE(inSi.code, 0);
        const QJsonObject si = QJsonDocument::fromJson(inSi.out.toUtf8()).object();
        QCOMPARE(si["inputs"]["indoor"]["text"].toString(), "21.5");
        QCOMPARE(si["inputs"]["draw_thru_capacity"]["value"].toDouble(), 5000.0);
        QCOMPARE(si["place"]["place"].toString(), "Big Piney");
        const Run inUs = Cli({"compute", "--job", file, "--format", "json"});
        QCOMPARE(inUs.code, 0);
        const QJsonObject us = QJsonDocument::fromJson(inUs.out.toUtf8()).object();
        QCOMPARE(us["inputs"]["indoor"]["text"].toString(), "70.7");
        QVERIFY(qAbs(us["inputs"]["draw_thru_capacity"]["value"].toDouble() - 10594.40) < 0.01);
        QCOMPARE(us["draw_thru"]["output"]["unit"].toString(), "MBH");
        // The same comparison either way.
        QCOMPARE(si["draw_thru"]["output"]["value"].toDouble(),
                 ToSystem(Measure::HeatRate, us["draw_thru"]["output"]["value"].toDouble(),
                          UnitSystem::SI));

        const QString back = Path("saved-back.vevi");
        QCOMPARE(Cli({"save-job", "--job", file, back}).code, 0);
        const JobRead again = ReadJob(back);
        QVERIFY2(again.job, qPrintable(again.error));
        QCOMPARE(again.job->units, UnitSystem::US);
        QCOMPARE(again.job->inputs.IndoorTemp, "70.7");
        QCOMPARE(again.job->inputs.Elevation, "6969");
        QCOMPARE(again.job->inputs.OutdoorTemp, "-22");
        QCOMPARE(again.job->inputs.DrawThruFanCapacity, "10594");
        QCOMPARE(again.job->inputs.BloThruTempRise, "159.8");
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
        QTest::newRow("blanks at the ends and around the slashes")
            << "  Alabama / Muscle Shoals /Florence "
            << "Alabama"
            << "Muscle Shoals/Florence";
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
        QCOMPARE(root["inputs"]["elevation"]["text"].toString(),
                 QString::number(values.ElevationFeet));
        QCOMPARE(root["inputs"]["outdoor"]["value"].toDouble(), double(values.DesignTempF));
        QCOMPARE(root["place"]["region"].toString(), region);
        QCOMPARE(root["place"]["place"].toString(), place);
    }

    void placesCsv() {
        const Run run = Cli({"places", "--format", "csv"});
        QCOMPARE(run.code, 0);
        const QStringList lines = Lines(run.out);
        QCOMPARE(lines.size(), PlaceCount() + 1);
        QCOMPARE(lines.first(), "region,place,elevation_ft,outdoor_f,barometric_pressure_in_hg");
        for (const QString& line : lines) QCOMPARE(CsvFields(line).size(), 5);
        QCOMPARE(Lines(Cli({"places", "--region", "quebec", "--format", "csv"}).out).size(), 2);
        // The pressure as the location dialog shows it for Big Piney.
        QVERIFY(lines.contains("Wyoming,Big Piney,6969,-22,23.11"));
    }

    // Every place once, in table order, each row the comparison compute gives there, with
    // its inputs; JSON entries have the shape of compute's. Column names carry the units.
    void sweep_data() {
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("indoor");
        QTest::addColumn<QStringList>("firstColumns");
        QTest::addColumn<QStringList>("columns");  // among the others
        QTest::newRow("inch-pound")
            << "us"
            << "70"
            << QStringList{"region",
                           "place",
                           "indoor_f",
                           "outdoor_f",
                           "elevation_ft",
                           "draw_thru_max_discharge_f",
                           "blow_thru_max_discharge_f"}
            << QStringList{"barometric_pressure_in_hg", "draw_thru_net_mbh",
                           "blow_thru_air_density_lb_per_cu_ft", "draw_thru_capacity_cfm"};
        QTest::newRow("SI") << "si"
                            << "21.1"
                            << QStringList{"region",
                                           "place",
                                           "indoor_c",
                                           "outdoor_c",
                                           "elevation_m",
                                           "draw_thru_max_discharge_c",
                                           "blow_thru_max_discharge_c"}
                            << QStringList{"barometric_pressure_kpa",
                                           "draw_thru_net_kw",
                                           "blow_thru_air_density_kg_per_cu_m",
                                           "draw_thru_capacity_l_per_s",
                                           "blow_thru_temperature_rise_c",
                                           "draw_thru_inlet_airflow_l_per_s"};
    }
    void sweep() {
        QFETCH(QString, units);
        QFETCH(QString, indoor);
        QFETCH(QStringList, firstColumns);
        QFETCH(QStringList, columns);
        const Run csv = Cli({"sweep", "--units", units, "--indoor", indoor});
        QCOMPARE(csv.code, 0);
        const QStringList lines = Lines(csv.out);
        QCOMPARE(lines.size(), PlaceCount() + 1);
        const QStringList header = CsvFields(lines.first());
        QCOMPARE(header.size(), 2 + 9 + 1 + 24);
        QCOMPARE(header.mid(0, 7), firstColumns);
        for (const QString& column : columns) QVERIFY2(header.contains(column), qPrintable(column));
        const QStringList bigPiney =
            CsvFields(lines.filter(QRegularExpression("^Wyoming,Big Piney,")).value(0));
        QCOMPARE(bigPiney.size(), header.size());
        const QStringList computed =
            Lines(Cli({"compute", "--units", units, "--place", "Wyoming/Big Piney", "--indoor",
                       indoor, "--format", "csv"})
                      .out);
        // compute's rows after the place, each figure under its column.
        for (const QString& line : computed.mid(2)) {
            const QStringList row = CsvFields(line);
            const qsizetype shared = header.indexOf(QRegularExpression("^" + row[0] + "_[a-z_]+$"));
            if (shared >= 0) {
                QCOMPARE(bigPiney[shared], row[2]);
                continue;
            }
            const qsizetype drawThru =
                header.indexOf(QRegularExpression("^draw_thru_" + row[0] + "_[a-z_]+$"));
            QVERIFY2(drawThru >= 0, qPrintable(row[0]));
            QCOMPARE(bigPiney[drawThru], row[2]);
            QCOMPARE(bigPiney[drawThru + 1], row[3]);
        }
        if (units == "si") {
            // The JSON entries in SI have the shape and figures of compute's in SI.
            const QJsonObject root =
                QJsonDocument::fromJson(
                    Cli({"sweep", "--units", "si", "--region", "wyoming", "--format", "json"})
                        .out.toUtf8())
                    .object();
            QJsonObject one = QJsonDocument::fromJson(Cli({"compute", "--units", "si", "--place",
                                                           "Wyoming/Big Piney", "--format", "json"})
                                                          .out.toUtf8())
                                  .object();
            one.remove("format");
            one.remove("version");
            QCOMPARE(root["comparisons"].toArray().first().toObject(), one);
            QCOMPARE(one.value("draw_thru")["net"]["unit"].toString(), "kW");
            return;
        }
        const auto names = LocationTable::StateNames();
        const auto wyoming = std::find(names.begin(), names.end(), "Wyoming") - names.begin();
        QCOMPARE(Lines(Cli({"sweep", "--region", "wyoming"}).out).size(),
                 1 + qsizetype(LocationTable::CityNames(int(wyoming)).size()));

        const Run json = Cli({"sweep", "--format", "json"});
        QCOMPARE(json.code, 0);
        const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(root["format"].toString(), "vevi-sweep");
        QCOMPARE(root["version"].toInt(), 1);
        const QJsonArray comparisons = root["comparisons"].toArray();
        QCOMPARE(comparisons.size(), PlaceCount());
        QJsonObject one =
            QJsonDocument::fromJson(
                Cli({"compute", "--place", "Wyoming/Big Piney", "--format", "json"}).out.toUtf8())
                .object();
        one.remove("format");
        one.remove("version");
        bool found = false;
        for (const QJsonValue& entry : comparisons)
            if (entry["place"]["place"] == "Big Piney") {
                QCOMPARE(entry.toObject(), one);
                found = true;
            }
        QVERIFY(found);
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
            << QStringList{"save-job", "--help"} << 0 << "every job written computes";
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
        QTest::newRow("indoor refused") << QStringList{"compute", "--indoor", "29"} << 1
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
            << "--draw-thru-max-rise \"161\": The temperature rise must be between 0 and 160\n"
               "vevi compute: --blow-thru-max-discharge \"-1\": The Blow Thru discharge "
               "temperature must be between 0 and 160\n";
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
        QTest::newRow("job text out of range")
            << QStringList{"compute", "--job", "%DIR%/no-result.vevi"} << 1
            << "vevi compute: job %DIR%/no-result.vevi: elevation \"1e9\": The elevation must be "
               "between -10,000 and 145,365 ft\n";
        QTest::newRow("job not saved") << QStringList{"save-job", "%DIR%/junk.vevi/job.vevi"} << 1
                                       << "Cannot save job %DIR%/junk.vevi/job.vevi: ";
        QTest::newRow("unknown units") << QStringList{"compute", "--units", "metric"} << 2
                                       << "Unknown units 'metric' (use us, si).";
        QTest::newRow("units in capitals")
            << QStringList{"sweep", "--units", "SI"} << 2 << "Unknown units 'SI'";
        QTest::newRow("help names both units")
            << QStringList{"compute", "--help"} << 0
            << "Indoor temperature, \u00B0F (\u00B0C with --units si)";
        QTest::newRow("help names the capacity's units")
            << QStringList{"sweep", "--help"} << 0 << "--draw-thru-capacity <CFM|L/S>";
        QTest::newRow("SI indoor refused in SI bounds")
            << QStringList{"compute", "--units", "si", "--indoor", "65.6"} << 1
            << "vevi compute: --indoor \"65.6\": The indoor temperature must be between -1.1 and "
               "65.5\n";
        QTest::newRow("SI lowest indoor taken")
            << QStringList{"compute", "--units", "si", "--indoor", "-1.1"} << 0
            << " -1.1  \u00B0C\n";
        QTest::newRow("SI elevation refused")
            << QStringList{"compute", "--units", "si", "--elevation", "44308"} << 1
            << "--elevation \"44308\": The elevation must be between -3,048 and 44,307 m\n";
        QTest::newRow("SI rise refused at the rounded bound")
            << QStringList{"save-job", "--units",        "si", "--blow-thru-max-rise",
                           "88.9",     "%DIR%/rise.vevi"}
            << 1 << "The Blow Thru temperature rise must be between 0.0 and 88.8\n";
        QTest::newRow("SI job in SI bounds")
            << QStringList{"compute", "--job", "%DIR%/si-hot.vevi"} << 1
            << "vevi compute: job %DIR%/si-hot.vevi: indoor \"70\": The indoor temperature must "
               "be between -1.1 and 65.5\n";
        QTest::newRow("places in SI")
            << QStringList{"places", "--units", "si", "--region", "wyoming", "--format", "csv"} << 0
            << "region,place,elevation_m,outdoor_c,barometric_pressure_kpa\n"
               "Wyoming,Big Piney,2124,-30.0,78.26\n";
        QTest::newRow("places in SI as text")
            << QStringList{"places", "--units", "si", "--region", "wyoming"} << 0
            << "Elevation (m)  Outdoor (\u00B0C)  Pressure (kPa)";
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

    // Values that are not what a person would mean as given: each refused with one line
    // naming the option or job field, the value and the rule; nothing on standard output and
    // no job file written.
    void hostileValues_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString separators = "write numbers without separators, with a point for decimals";
        const QString notNumber = "not a plain number";
        QTest::newRow("grouped capacity")
            << QStringList{"compute", "--blow-thru-capacity", "12,000"} << 1
            << "vevi compute: --blow-thru-capacity \"12,000\": " + separators;
        QTest::newRow("grouped elevation") << QStringList{"compute", "--elevation", "5,280"} << 1
                                           << "--elevation \"5,280\": " + separators;
        QTest::newRow("decimal comma") << QStringList{"compute", "--indoor", "65,5"} << 1
                                       << "--indoor \"65,5\": " + separators;
        QTest::newRow("capacity longer than its box")
            << QStringList{"compute", "--blow-thru-capacity", "1000000"} << 1
            << "--blow-thru-capacity \"1000000\": at most 6 characters";
        QTest::newRow("outdoor -100") << QStringList{"compute", "--outdoor", "-100"} << 1
                                      << "--outdoor \"-100\": at most 3 characters";
        QTest::newRow("outdoor 1000") << QStringList{"compute", "--outdoor", "1000"} << 1
                                      << "--outdoor \"1000\": at most 3 characters";
        QTest::newRow("outdoor -9.9") << QStringList{"compute", "--outdoor", "-9.9"} << 1
                                      << "--outdoor \"-9.9\": at most 3 characters";
        QTest::newRow("elevation 1234567") << QStringList{"compute", "--elevation", "1234567"} << 1
                                           << "--elevation \"1234567\": at most 6 characters";
        QTest::newRow("letters") << QStringList{"compute", "--outdoor", "abc"} << 1
                                 << "--outdoor \"abc\": " + notNumber;
        QTest::newRow("empty") << QStringList{"compute", "--outdoor", ""} << 1
                               << "--outdoor \"\": " + notNumber;
        QTest::newRow("NaN") << QStringList{"compute", "--outdoor", "NaN"} << 1
                             << "--outdoor \"NaN\": " + notNumber;
        QTest::newRow("inf") << QStringList{"compute", "--indoor", "inf"} << 1
                             << "--indoor \"inf\": " + notNumber;
        QTest::newRow("full-width digits")
            << QStringList{"compute", "--outdoor", "\uFF11\uFF12"} << 1 << notNumber;
        QTest::newRow("number and unit")
            << QStringList{"compute", "--elevation", "12ft"} << 1 << notNumber;
        QTest::newRow("blank before")
            << QStringList{"compute", "--indoor", " 70"} << 1 << notNumber;
        QTest::newRow("two points")
            << QStringList{"compute", "--indoor", "7.0.1"} << 1 << notNumber;
        QTest::newRow("exponent without digits")
            << QStringList{"compute", "--indoor", "7e"} << 1 << notNumber;
        QTest::newRow("control character shown escaped")
            << QStringList{"compute", "--indoor",
                           "6\x1b"
                           "5"}
            << 1 << "--indoor \"6\\x1b5\": " + notNumber;
        QTest::newRow("overflowing exponent")
            << QStringList{"compute", "--indoor", "1e999"} << 1
            << "--indoor \"1e999\": The indoor temperature must be between 30 and 150";
        QTest::newRow("sweep value") << QStringList{"sweep", "--indoor", "65,5"} << 1
                                     << "vevi sweep: --indoor \"65,5\": " + separators;
        QTest::newRow("job elevation far below")
            << QStringList{"compute", "--job", "%DIR%/low.vevi"} << 1
            << "vevi compute: job %DIR%/low.vevi: elevation \"-99999\": The elevation must be "
               "between -10,000 and 145,365 ft";
        QTest::newRow("job indoor far above")
            << QStringList{"compute", "--job", "%DIR%/hot.vevi"} << 1
            << "job %DIR%/hot.vevi: indoor \"999\": The indoor temperature must be between 30 "
               "and 150";
        QTest::newRow("job text longer than its box")
            << QStringList{"compute", "--job", "%DIR%/long.vevi"} << 1
            << "job %DIR%/long.vevi: outdoor \"-10.5\": at most 3 characters";
        QTest::newRow("job with a control character")
            << QStringList{"compute", "--job", "%DIR%/control.vevi"} << 2
            << "the input \"indoor\" holds a control character";
        QTest::newRow("job by a symbolic link loop")
            << QStringList{"compute", "--job", "%DIR%/loop.vevi"} << 2
            << "its symbolic links form a loop";
        QTest::newRow("save-job of refused options")
            << QStringList{"save-job", "--indoor", "999", "--outdoor", "abc", "%DIR%/new.vevi"} << 1
            << "vevi save-job: --indoor \"999\": The indoor temperature must be";
        QTest::newRow("save-job of a refused job")
            << QStringList{"save-job", "--job", "%DIR%/low.vevi", "%DIR%/new.vevi"} << 1
            << "elevation \"-99999\"";
        QTest::newRow("save-job over a named pipe")
            << QStringList{"save-job", "%DIR%/pipe.vevi"} << 1
            << "it is a device or a pipe, not a regular file";
        QTest::newRow("SI value longer than its box")
            << QStringList{"compute", "--units", "si", "--indoor", "18.3333"} << 1
            << "--indoor \"18.3333\": at most 6 characters";
        QTest::newRow("SI grouped capacity")
            << QStringList{"sweep", "--units", "si", "--blow-thru-capacity", "4,719"} << 1
            << "vevi sweep: --blow-thru-capacity \"4,719\": " + separators;
        QTest::newRow("SI number and unit")
            << QStringList{"compute", "--units", "si", "--outdoor", "-20C"} << 1 << notNumber;
        QTest::newRow("save-job of an SI job refused in SI")
            << QStringList{"save-job", "--job", "%DIR%/si-hot.vevi",
                           "--units",  "us",    "%DIR%/new.vevi"}
            << 1 << "indoor \"70\": The indoor temperature must be between -1.1 and 65.5";
        QTest::newRow("bare place name")
            << QStringList{"compute", "--place", "portland"} << 2
            << "--place \"portland\": give the region too: Maine/Portland; Oregon/Portland";
        QTest::newRow("place name with a slash, no region")
            << QStringList{"compute", "--place", "Muscle Shoals/Florence"} << 2
            << "give the region too: Alabama/Muscle Shoals/Florence";
    }
    void hostileValues() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        message.replace("%DIR%", dir_.path());
        const QStringList before = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::System);
        const Run run = Cli(WithPaths(args));
        QCOMPARE(run.code, code);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY2(run.err.endsWith(u'\n'), qPrintable(run.err));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::System), before);
    }

    // A saved job holds the texts as cut and the place; computing from it gives what the
    // same options give, and options beside it win.
    void savedJobComputesAsItsOptions() {
        const QStringList options = {"--place", "Wyoming/Big Piney",    "--indoor",
                                     "70.25",   "--draw-thru-capacity", "12345.6"};
        const QString file = Path("saved.vevi");
        QCOMPARE(Cli(QStringList{"save-job", file} + options).code, 0);
        const JobRead read = ReadJob(file);
        QVERIFY2(read.job, qPrintable(read.error));
        QCOMPARE(read.job->inputs.IndoorTemp, "70.25");
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
        QCOMPARE(root["inputs"]["outdoor"]["text"].toString(), "10");
        QCOMPARE(root["inputs"]["elevation"]["text"].toString(), "6969");
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

    // The program itself where its output cannot go, or with no display for the window: a
    // message on standard error and the exit status, never a silent success or an abort.
    void programEdges_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("output");  // where standard output goes; "" a pipe
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("compute to a full device")
            << QStringList{"compute"} << "/dev/full" << 1
            << "vevi: Cannot write the output: No space left on device";
        QTest::newRow("sweep to a full device") << QStringList{"sweep", "--format", "json"}
                                                << "/dev/full" << 1 << "Cannot write the output";
        QTest::newRow("window without a display")
            << QStringList{} << "" << 2 << "No display to show the window on";
        QTest::newRow("job file without a display")
            << QStringList{"job.vevi"} << "" << 2 << "see 'vevi --help'";
    }
    void programEdges() {
        QFETCH(QStringList, args);
        QFETCH(QString, output);
        QFETCH(int, code);
        QFETCH(QString, message);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        program.setProcessEnvironment(env);
        if (!output.isEmpty()) program.setStandardOutputFile(output);
        program.start(VEVI_PROGRAM, args);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), code);
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(err.contains(message), qPrintable(err));
        QCOMPARE(err.count(u'\n'), 1);
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
