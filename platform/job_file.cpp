#include "job_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "checked_write.h"
#include "utf8_text.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vevi {
namespace {

constexpr char kFormatName[] = "vevi-job";
constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

JobRead Refused(const QString& reason) {
    return {std::nullopt, reason};
}

QString TooLarge() {
    return QStringLiteral("the file is larger than %1 KB, too large for a job file")
        .arg(kLargestJobFile / 1024);
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A text that survives a round trip through the file unchanged: a lone surrogate, which UTF-8
// cannot hold, becomes what writing would make of it.
QString Storable(const QString& text) {
    return FromUtf8(ToUtf8(text));
}

bool IsText(const QByteArray& bytes) {
    return !bytes.contains('\0') && bytes.isValidUtf8();
}

// Reads at most `limit` bytes. The file is opened without waiting and checked again once
// open, so a pipe put in its place after the first look cannot hold the program up.
bool ReadAtMost(const QString& path, qint64 limit, QByteArray& bytes, QString& error) {
    QFile file;
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = "the file cannot be read (" + SystemError(errno) + ")";
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error = QStringLiteral("it is not a regular file");
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = "the file cannot be read (" + file.errorString() + ")";
        return false;
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "the file cannot be read (" + file.errorString() + ")";
        return false;
    }
#endif
    bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        error = "the file cannot be read (" + file.errorString() + ")";
        return false;
    }
    return true;
}

// A box shows a line break or a carriage return as a blank, but the engine's reading stops
// there, so the figures would not be those shown; blanks, tabs and line feeds are what the
// reading skips.
bool HasControlCharacter(const QString& text) {
    for (const QChar c : text)
        if ((c.unicode() < 0x20 && c != u'\t' && c != u'\n') || c.unicode() == 0x7F) return true;
    return false;
}

std::optional<QString> ReadInputs(const QJsonValue& value, ComparisonInputs& inputs) {
    if (!value.isObject()) return QStringLiteral("it has no \"inputs\"");
    const QJsonObject object = value.toObject();
    for (Field field : kJobFields) {
        const QString key = QString::fromLatin1(JobInputKey(field));
        const QJsonValue text = object.value(key);
        if (text.isUndefined()) return "the input \"" + key + "\" is missing";
        if (!text.isString()) return "the input \"" + key + "\" is not a text";
        if (HasControlCharacter(text.toString()))
            return "the input \"" + key + "\" holds a control character";
        inputs.Text(field) = ToUtf8(text.toString());
    }
    return std::nullopt;
}

}  // namespace

const char* JobInputKey(Field field) {
    switch (field) {
        case Field::IndoorTemp:
            return "indoor";
        case Field::OutdoorTemp:
            return "outdoor";
        case Field::Elevation:
            return "elevation";
        case Field::DrawThruDisTemp:
            return "draw_thru_max_discharge";
        case Field::DrawThruTempRise:
            return "draw_thru_max_rise";
        case Field::DrawThruFanCapacity:
            return "draw_thru_capacity";
        case Field::BloThruDisTemp:
            return "blow_thru_max_discharge";
        case Field::BloThruTempRise:
            return "blow_thru_max_rise";
        case Field::BloThruFanCapacity:
            return "blow_thru_capacity";
    }
    return "";
}

JobRead ReadJob(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        const QString loop = NotReplaceable(path);
        return Refused(loop.isEmpty() ? QStringLiteral("the file does not exist") : loop);
    }
    if (info.isDir()) return Refused(QStringLiteral("it is a folder, not a file"));
    if (!info.isFile()) return Refused(QStringLiteral("it is not a regular file"));
    if (info.size() > kLargestJobFile) return Refused(TooLarge());
    QByteArray bytes;
    QString error;
    if (!ReadAtMost(path, kLargestJobFile + 1, bytes, error)) return Refused(error);
    return ParseJob(bytes);
}

JobRead ParseJob(const QByteArray& raw) {
    if (raw.size() > kLargestJobFile) return Refused(TooLarge());
    const QByteArray bytes = raw.startsWith(kUtf8Bom) ? raw.mid(3) : raw;
    if (!IsText(bytes)) return Refused(QStringLiteral("the file holds binary data, not text"));

    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        return Refused(QStringLiteral("it is not JSON (%1 at byte %2)")
                           .arg(parse.errorString())
                           .arg(parse.offset));
    if (!document.isObject()) return Refused(QStringLiteral("it holds no JSON object"));
    const QJsonObject root = document.object();

    if (root.value("format").toString() != QLatin1String(kFormatName))
        return Refused(QStringLiteral("it is not a job file (no \"format\": \"%1\")")
                           .arg(QLatin1String(kFormatName)));
    const QJsonValue version = root.value("version");
    const double number = version.toDouble();
    if (!version.isDouble() || number < 1 || std::floor(number) != number)
        return Refused(QStringLiteral("it has no valid \"version\""));
    if (number > kJobFormatVersion)
        return Refused(QStringLiteral("the job was made by a newer version of the program"));

    Job job;
    if (const auto error = ReadInputs(root.value("inputs"), job.inputs)) return Refused(*error);

    const QJsonValue place = root.value("place");
    if (!place.isUndefined() && !place.isNull()) {
        const QJsonObject names = place.toObject();
        if (!place.isObject() || !names.value("region").isString() ||
            !names.value("place").isString())
            return Refused(QStringLiteral("its \"place\" is not a region and a place name"));
        job.place = PlaceName{Storable(names.value("region").toString()),
                              Storable(names.value("place").toString())};
    }
    const QJsonValue units = root.value("units");
    if (!units.isUndefined()) {
        // Read as the other units, every text would give other figures: refuse rather than guess.
        const auto system = UnitSystemFromKey(ToUtf8(units.toString()));
        if (!units.isString() || !system)
            return Refused(QStringLiteral("its \"units\" are neither \"%1\" nor \"%2\"")
                               .arg(QLatin1String(UnitSystemKey(UnitSystem::US)),
                                    QLatin1String(UnitSystemKey(UnitSystem::SI))));
        job.units = *system;
    }
    const QJsonValue note = root.value("note");
    if (!note.isUndefined() && !note.isNull()) {
        if (!note.isString()) return Refused(QStringLiteral("its \"note\" is not a text"));
        job.note = Storable(note.toString());
    }
    return {std::move(job), {}};
}

QByteArray JobBytes(const Job& job) {
    QJsonObject inputs;
    for (Field field : kJobFields)
        inputs.insert(QLatin1String(JobInputKey(field)), FromUtf8(job.inputs.FieldText(field)));
    QJsonObject root{{"format", QLatin1String(kFormatName)},
                     {"version", kJobFormatVersion},
                     {"units", QLatin1String(UnitSystemKey(job.units))},
                     {"inputs", inputs}};
    if (job.place)
        root.insert("place",
                    QJsonObject{{"region", job.place->region}, {"place", job.place->place}});
    if (!job.note.isEmpty()) root.insert("note", job.note);
    // Qt's reader drops a U+FEFF written as it is, wherever it stands; as an escape it
    // survives. The bytes stand only inside strings, the rest of the document being ASCII.
    return QJsonDocument(root).toJson(QJsonDocument::Indented).replace(kUtf8Bom, "\\ufeff");
}

QString WriteJob(const Job& job, const QString& path) {
    const QByteArray bytes = JobBytes(job);
    // Never write what reading would refuse.
    if (bytes.size() > kLargestJobFile)
        return QStringLiteral("the job would be larger than %1 KB (its note is too long)")
            .arg(kLargestJobFile / 1024);
    const QString error = WriteAtomically(path, bytes);
    if (!error.isEmpty()) return "the file cannot be written (" + error + ")";
    return {};
}

}  // namespace vevi
