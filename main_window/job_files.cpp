#include "job_files.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <string_view>
#include <utility>

#include "comparison_session.h"
#include "input_box.h"
#include "job_file.h"
#include "location_table.h"
#include "named_controls.h"
#include "place_lookup.h"
#include "prompts.h"
#include "settings_store.h"
#include "utf8_text.h"
#include "window_units.h"

namespace vevi {
namespace {

constexpr auto kOpenTitle = "Open Job";
constexpr auto kSaveTitle = "Save Job As";
constexpr auto kCannotOpen = "Cannot Open Job";
constexpr auto kCannotSave = "Cannot Save Job";
constexpr auto kFilter = "Vevi jobs (*.vevi)";
constexpr auto kExtension = ".vevi";
constexpr auto kSuggestedName = "job.vevi";
constexpr qsizetype kRecentJobCount = 5;

// The place of the table a job names, by the one lookup the command line uses too.
std::optional<std::pair<int, int>> FindJobPlace(const PlaceName& name) {
    const auto found = FindPlace(ToUtf8(name.region), ToUtf8(name.place));
    if (!found) return std::nullopt;
    return std::pair{found->state, found->city};
}

PlaceName NameOfPlace(int state, int city) {
    return {FromUtf8(RegionName(state)), FromUtf8(CityName(state, city))};
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// The job file a drag carries: one local file ending in .vevi, or nothing.
QString DraggedJob(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QLatin1String(kExtension), Qt::CaseInsensitive) ? path : QString();
}

}  // namespace

JobFiles::JobFiles(Prompts& prompts, SettingsStore& settings, ComparisonSession& session,
                   WindowUnits& units, const Boxes& boxes, QWidget* window)
    : QObject(window),
      prompts_(prompts),
      settings_(settings),
      session_(session),
      units_(units),
      boxes_(boxes),
      window_(window) {
    setObjectName("jobFiles");
    // A job file dropped anywhere on the window opens; the boxes take dropped text themselves
    // and are watched too.
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
    for (InputBox* box : boxes_) box->installEventFilter(this);
}

// Above the documented items of the File menu, set off by a separator.
void JobFiles::AddMenuItems(QMenu* file) {
    connect(AddMenuItem(file, "mnuOpenJob", QStringLiteral("&Open Job\u2026"),
                        QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &JobFiles::mnuOpenJob_Click);
    connect(AddMenuItem(file, "mnuSaveJob", QStringLiteral("&Save Job As\u2026"),
                        QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &JobFiles::mnuSaveJob_Click);
    mnuRecentJobs_ = AddSubmenu(file, "mnuRecentJobs", QStringLiteral("Recent &Jobs"));
    mnuRecentJobs_->setToolTipsVisible(true);
    file->addMenu(mnuRecentJobs_);
    file->addSeparator()->setObjectName("mnuJobsSeparator");
    SetRecentJobs(settings_.RecentJobs().mid(0, kRecentJobCount));
}

void JobFiles::mnuOpenJob_Click() {
    const QString path = prompts_.ChooseOpenFile(kOpenTitle, kFilter);
    if (!path.isEmpty()) Open(path);
}

void JobFiles::mnuSaveJob_Click() {
    QString path = prompts_.ChooseSaveFile(kSaveTitle, kFilter,
                                           jobPath_.isEmpty() ? kSuggestedName : jobPath_);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += kExtension;
    Save(path);
}

QString JobFiles::BoxText(Field field) const {
    return boxes_[static_cast<std::size_t>(field)]->text();
}

bool JobFiles::Open(const QString& path) {
    const JobRead read = ReadJob(path);
    if (!read.job) {
        prompts_.Warn(QStringLiteral("Cannot open job %1: %2").arg(Shown(path), read.error),
                      kCannotOpen);
        return false;
    }
    // The texts go in as the location dialog's OK puts its own: any change stops a displayed
    // comparison, and nothing is range-checked until a box is left or a comparison starts.
    session_.Stop();
    for (Field field : kJobFields)
        units_.Put(field, read.job->inputs.FieldText(field), read.job->units);
    jobNote_ = read.job->note;
    lastPlace_.reset();
    // A place of the table is where the location dialog opens next, as a pick of it would;
    // the user wants it now, whether or not the settings are to be saved on exit.
    if (const auto place = read.job->place ? FindJobPlace(*read.job->place) : std::nullopt) {
        settings_.SetState(place->first);
        settings_.SetCity(place->second);
        emit placeOpened(place->first, place->second);
        lastPlace_ = PlacePick{place->first, place->second, BoxText(Field::Elevation),
                               BoxText(Field::OutdoorTemp)};
    }
    jobPath_ = QFileInfo(path).absoluteFilePath();
    AddRecentJob(jobPath_);
    return true;
}

bool JobFiles::Save(const QString& path) {
    Job job;
    // In the units shown, and saying so.
    job.units = units_.Units();
    job.inputs = units_.UserTexts(job.units);
    if (!ShownPlace().empty()) job.place = NameOfPlace(lastPlace_->state, lastPlace_->city);
    job.note = jobNote_;
    const QString error = WriteJob(job, path);
    if (!error.isEmpty()) {
        prompts_.Warn(QStringLiteral("Cannot save job %1: %2").arg(Shown(path), error),
                      kCannotSave);
        return false;
    }
    jobPath_ = QFileInfo(path).absoluteFilePath();
    AddRecentJob(jobPath_);
    return true;
}

// ---- Recent jobs ----

void JobFiles::RecentJob_Click(const QString& path) {
    if (Open(path) || QFileInfo::exists(path)) return;
    QStringList paths = recentJobs_;
    paths.removeAll(path);
    SetRecentJobs(paths);
    settings_.SetRecentJobs(recentJobs_);
}

void JobFiles::AddRecentJob(const QString& path) {
    QStringList paths = recentJobs_;
    paths.removeAll(path);
    paths.prepend(path);
    SetRecentJobs(paths.mid(0, kRecentJobCount));
    settings_.SetRecentJobs(recentJobs_);
}

// The list and the submenu that shows it; an empty list leaves the submenu disabled.
void JobFiles::SetRecentJobs(const QStringList& paths) {
    recentJobs_ = paths;
    // Not deleted at once: the item chosen may be the one whose click runs this.
    for (QAction* item : mnuRecentJobs_->actions()) {
        mnuRecentJobs_->removeAction(item);
        item->deleteLater();
    }
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        QString name = QFileInfo(path).fileName();
        name.replace(u'&', QLatin1String("&&"));
        QAction* item = mnuRecentJobs_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        item->setObjectName(QStringLiteral("mnuRecentJob%1").arg(i + 1));
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setStatusTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { RecentJob_Click(path); });
    }
    mnuRecentJobs_->setEnabled(!paths.isEmpty());
}

// ---- The place the elevation and outdoor texts came from ----

void JobFiles::PlacePicked(int state, int city, const QString& elevation,
                           const QString& outdoorTemp) {
    lastPlace_.reset();
    const auto values = LocationTable::LookUpCity(state, city);
    if (!values || elevation != PlaceText(Field::Elevation, values->ElevationFeet) ||
        outdoorTemp != PlaceText(Field::OutdoorTemp, values->DesignTempF))
        return;
    lastPlace_ = PlacePick{state, city, BoxText(Field::Elevation), BoxText(Field::OutdoorTemp)};
}

QString JobFiles::PlaceText(Field field, int inchPound) const {
    return QString::fromStdString(FieldTextIn(field, std::to_string(inchPound), units_.Units()));
}

bool JobFiles::BoxesHoldPlace(int state, int city) const {
    const auto values = LocationTable::LookUpCity(state, city);
    return values &&
           BoxText(Field::Elevation) == PlaceText(Field::Elevation, values->ElevationFeet) &&
           BoxText(Field::OutdoorTemp) == PlaceText(Field::OutdoorTemp, values->DesignTempF);
}

// The place's texts as they were put in, or as the boxes show them in other units since.
std::string JobFiles::ShownPlace() const {
    if (!lastPlace_) return {};
    const bool asPut = BoxText(Field::Elevation) == lastPlace_->elevation &&
                       BoxText(Field::OutdoorTemp) == lastPlace_->outdoorTemp;
    if (!asPut && !BoxesHoldPlace(lastPlace_->state, lastPlace_->city)) return {};
    return FullPlaceName({lastPlace_->state, lastPlace_->city});
}

// ---- Dropped job files ----

bool JobFiles::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DraggedJob(drop->mimeData());
    if (path.isEmpty()) {
        // The window takes no other drop; a box takes dropped text as usual.
        if (watched != window_) return QObject::eventFilter(watched, event);
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    // After the drop has ended: a warning must not hold up the program the file came from.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, path] { Open(path); }, Qt::QueuedConnection);
    return true;
}

}  // namespace vevi
