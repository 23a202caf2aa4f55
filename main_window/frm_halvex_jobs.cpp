// Job files on the main window: opening and saving them from the File menu, the recent jobs,
// and opening a job file dropped on the window.
#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <string_view>
#include <utility>

#include "frm_cities.h"
#include "frm_halvex.h"
#include "input_box.h"
#include "job_file.h"
#include "location_table.h"
#include "place_lookup.h"
#include "prompts.h"
#include "settings_store.h"
#include "utf8_text.h"

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

// After the drop has ended: a warning must not hold up the program the file came from.
void OpenLater(frmHalvex* window, const QString& path) {
    QMetaObject::invokeMethod(
        window, [window, path] { window->OpenJob(path); }, Qt::QueuedConnection);
}

// The boxes take dropped text themselves; a job file dropped on one opens, as it does
// anywhere else on the window.
class JobDropOnBox : public QObject {
public:
    explicit JobDropOnBox(frmHalvex* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DraggedJob(drop->mimeData());
        if (path.isEmpty()) return QObject::eventFilter(watched, event);
        drop->acceptProposedAction();
        if (type == QEvent::Drop) OpenLater(window_, path);
        return true;
    }

private:
    frmHalvex* window_;
};

}  // namespace

// Above the documented items of the File menu, set off by a separator.
void frmHalvex::CreateJobItems(QMenu* file) {
    OnClick(Item(file, "mnuOpenJob", QStringLiteral("&Open Job\u2026")),
            &frmHalvex::mnuOpenJob_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    OnClick(Item(file, "mnuSaveJob", QStringLiteral("&Save Job As\u2026")),
            &frmHalvex::mnuSaveJob_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuRecentJobs_ = new QMenu(QStringLiteral("Recent &Jobs"), file);
    mnuRecentJobs_->setObjectName("mnuRecentJobs");
    mnuRecentJobs_->menuAction()->setObjectName("mnuRecentJobs");
    mnuRecentJobs_->setToolTipsVisible(true);
    file->addMenu(mnuRecentJobs_);
    file->addSeparator()->setObjectName("mnuJobsSeparator");
    SetRecentJobs(settings_->RecentJobs().mid(0, kRecentJobCount));

    setAcceptDrops(true);
    auto* dropOnBox = new JobDropOnBox(this);
    for (InputBox* box : boxes_) box->installEventFilter(dropOnBox);
}

void frmHalvex::mnuOpenJob_Click() {
    const QString path = prompts_->ChooseOpenFile(kOpenTitle, kFilter);
    if (!path.isEmpty()) OpenJob(path);
}

void frmHalvex::mnuSaveJob_Click() {
    QString path = prompts_->ChooseSaveFile(kSaveTitle, kFilter,
                                            jobPath_.isEmpty() ? kSuggestedName : jobPath_);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += kExtension;
    SaveJob(path);
}

bool frmHalvex::OpenJob(const QString& path) {
    const JobRead read = ReadJob(path);
    if (!read.job) {
        prompts_->Warn(QStringLiteral("Cannot open job %1: %2").arg(Shown(path), read.error),
                       kCannotOpen);
        return false;
    }
    // The texts go in as the location dialog's OK puts its own: any change stops a displayed
    // comparison, and nothing is range-checked until a box is left or a comparison starts.
    if (resultsShown_) StopComparison();
    for (Field field : kJobFields)
        Box(field)->PutText(QString::fromStdString(read.job->inputs.FieldText(field)));
    jobNote_ = read.job->note;
    lastPlace_.reset();
    // A place of the table is where the location dialog opens next, as a pick of it would;
    // the user wants it now, whether or not the settings are to be saved on exit.
    if (const auto place = read.job->place ? FindJobPlace(*read.job->place) : std::nullopt) {
        settings_->SetState(place->first);
        settings_->SetCity(place->second);
        if (cities_) cities_->SelectPlace(place->first, place->second);
        lastPlace_ = PlacePick{place->first, place->second, Box(Field::Elevation)->text(),
                               Box(Field::OutdoorTemp)->text()};
    }
    jobPath_ = QFileInfo(path).absoluteFilePath();
    AddRecentJob(jobPath_);
    return true;
}

bool frmHalvex::SaveJob(const QString& path) {
    Job job;
    job.inputs = InputsFromBoxes();
    // While results are shown the limit boxes hold the actual values: the job keeps the
    // user's limits, which the stop puts back.
    if (resultsShown_) {
        job.inputs.DrawThruDisTemp = shared_.SavedDrawThruDisTemp;
        job.inputs.DrawThruTempRise = shared_.SavedDrawThruTempRise;
        job.inputs.BloThruDisTemp = shared_.SavedBloThruDisTemp;
        job.inputs.BloThruTempRise = shared_.SavedBloThruTempRise;
    }
    if (lastPlace_ && Box(Field::Elevation)->text() == lastPlace_->elevation &&
        Box(Field::OutdoorTemp)->text() == lastPlace_->outdoorTemp)
        job.place = NameOfPlace(lastPlace_->state, lastPlace_->city);
    job.note = jobNote_;
    const QString error = WriteJob(job, path);
    if (!error.isEmpty()) {
        prompts_->Warn(QStringLiteral("Cannot save job %1: %2").arg(Shown(path), error),
                       kCannotSave);
        return false;
    }
    jobPath_ = QFileInfo(path).absoluteFilePath();
    AddRecentJob(jobPath_);
    return true;
}

// ---- Recent jobs ----

void frmHalvex::RecentJob_Click(const QString& path) {
    if (OpenJob(path) || QFileInfo::exists(path)) return;
    QStringList paths = recentJobs_;
    paths.removeAll(path);
    SetRecentJobs(paths);
    settings_->SetRecentJobs(recentJobs_);
}

void frmHalvex::AddRecentJob(const QString& path) {
    QStringList paths = recentJobs_;
    paths.removeAll(path);
    paths.prepend(path);
    SetRecentJobs(paths.mid(0, kRecentJobCount));
    settings_->SetRecentJobs(recentJobs_);
}

// The list and the submenu that shows it; an empty list leaves the submenu disabled.
void frmHalvex::SetRecentJobs(const QStringList& paths) {
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

// After OK has put the texts into the boxes. Only a city whose own values were copied
// counts: an elevation typed over the city's is not that place's.
void frmHalvex::LocationDialog_PlacePicked(const QString& elevation, const QString& outdoorTemp) {
    lastPlace_.reset();
    const int state = cities_->SelectedState();
    const int city = cities_->SelectedCity();
    const auto values = LocationTable::LookUpCity(state, city);
    if (!values || elevation != QString::number(values->ElevationFeet) ||
        outdoorTemp != QString::number(values->DesignTempF))
        return;
    lastPlace_ =
        PlacePick{state, city, Box(Field::Elevation)->text(), Box(Field::OutdoorTemp)->text()};
}

// ---- Dropped job files ----

void frmHalvex::dragEnterEvent(QDragEnterEvent* event) {
    if (DraggedJob(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void frmHalvex::dropEvent(QDropEvent* event) {
    const QString path = DraggedJob(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    OpenLater(this, path);
}

}  // namespace vevi
