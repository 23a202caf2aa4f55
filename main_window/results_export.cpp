#include "results_export.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "comparison_session.h"
#include "diagram_caption.h"
#include "job_files.h"
#include "named_controls.h"
#include "page_export.h"
#include "page_readier.h"
#include "prompts.h"
#include "report_text.h"

namespace vevi {

enum class ExportKind { Pdf, Svg, Png, Csv, Text };

struct ExportFormat {
    ExportKind kind;
    const char* filter;  // as the save dialog offers it, UTF-8
    const char* extension;
};

namespace {

constexpr auto kDiagramDocument = "Heater comparison";
constexpr auto kExportTitle = "Export Results";
constexpr auto kExportFailed = "Export Failed";
constexpr double kPngScale = 2;  // sharp on slides and high-density screens

constexpr ExportFormat kExportFormats[] = {
    {ExportKind::Pdf, "PDF document (*.pdf)", "pdf"},
    {ExportKind::Svg, "SVG drawing (*.svg)", "svg"},
    {ExportKind::Png, "PNG image at 2\u00D7 (*.png)", "png"},
    {ExportKind::Csv, "CSV table (*.csv)", "csv"},
    {ExportKind::Text, "Text report (*.txt)", "txt"},
};

// The format whose extension the typed name ends with, if any.
const ExportFormat* FormatOfName(const QString& path) {
    for (const ExportFormat& f : kExportFormats)
        if (path.endsWith(u'.' + QString::fromLatin1(f.extension), Qt::CaseInsensitive)) return &f;
    return nullptr;
}

const ExportFormat& FormatOfFilter(const QString& filter) {
    for (const ExportFormat& f : kExportFormats)
        if (filter == QString::fromUtf8(f.filter)) return f;
    return kExportFormats[0];
}

QByteArray Utf8(const std::string& text) {
    return QByteArray::fromStdString(text);
}

// Ctrl+C in a box with no selection of its own copies the comparison; a box with a
// selection copies that as usual. The box would otherwise take the key and copy nothing.
class CopyKeyFilter : public QObject {
public:
    CopyKeyFilter(QAction* copy, QObject* parent) : QObject(parent), copy_(copy) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
        if (!copy_->isEnabled() || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        const auto* box = qobject_cast<const QLineEdit*>(watched);
        if (!box || box->hasSelectedText()) return false;
        // Claimed as a key of the box, so that the menu's shortcut does not copy a second time.
        event->accept();
        if (type == QEvent::KeyPress) copy_->trigger();
        return true;
    }

private:
    QAction* copy_;
};

}  // namespace

ResultsExport::ResultsExport(Prompts& prompts, ComparisonSession& session, const JobFiles& jobs,
                             PageReadier& page, const std::vector<QWidget*>& boxes, QObject* parent)
    : QObject(parent),
      prompts_(prompts),
      session_(session),
      jobs_(jobs),
      page_(page),
      boxes_(boxes) {
    setObjectName("resultsExport");
}

void ResultsExport::AddMenuItems(QMenu* file) {
    QAction* exportItem =
        AddMenuItem(file, "mnuExportResults", QStringLiteral("&Export Results\u2026"));
    connect(exportItem, &QAction::triggered, this, &ResultsExport::mnuExportResults_Click);
    QAction* copyItem = AddMenuItem(file, "mnuCopyResults", "&Copy Results");
    copyItem->setShortcuts(QKeySequence::Copy);
    connect(copyItem, &QAction::triggered, this, &ResultsExport::mnuCopyResults_Click);
    file->addSeparator();
    for (QAction* item : {exportItem, copyItem}) {
        item->setEnabled(session_.Shown());
        connect(&session_, &ComparisonSession::shownChanged, item, &QAction::setEnabled);
    }
    auto* copyKeys = new CopyKeyFilter(copyItem, this);
    for (QWidget* box : boxes_) box->installEventFilter(copyKeys);
}

void ResultsExport::mnuCopyResults_Click() {
    const ComparisonReport* report = session_.Report();
    if (!report) return;
    auto* data = new QMimeData;
    const UnitSystem units = session_.Units();
    data->setText(QString::fromStdString(ReportTabSeparated(*report, jobs_.ShownPlace(), units)));
    data->setHtml(QString::fromStdString(ReportHtml(*report, jobs_.ShownPlace(), units)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void ResultsExport::mnuExportResults_Click() {
    if (!session_.Shown()) return;
    QStringList filters;
    for (const ExportFormat& f : kExportFormats) filters << QString::fromUtf8(f.filter);
    QString filter = filters.first();
    QString path = prompts_.ChooseExportFile(kExportTitle, filters, &filter);
    if (path.isEmpty()) return;
    // A name that ends in one of the extensions says the format; a bare name is given the
    // extension of the format picked (the dialog has done so already where it could). A name
    // with some other extension is written as typed: that is the file the dialog asked about
    // replacing.
    const ExportFormat* format = FormatOfName(path);
    if (!format) {
        format = &FormatOfFilter(filter);
        if (QFileInfo(path).suffix().isEmpty())
            path += u'.' + QString::fromLatin1(format->extension);
    }
    const QString error = Write(path, *format);
    if (!error.isEmpty()) prompts_.Warn(error, kExportFailed);
}

QString ResultsExport::Write(const QString& path, const ExportFormat& format) {
    const ComparisonReport& report = *session_.Report();
    switch (format.kind) {
        case ExportKind::Csv:
            return WriteFileBytes(path,
                                  Utf8(ReportCsv(report, jobs_.ShownPlace(), session_.Units())));
        case ExportKind::Text:
            return WriteFileBytes(path,
                                  Utf8(ReportText(report, jobs_.ShownPlace(), session_.Units())));
        default:
            break;
    }
    // The diagram as the colour print shows it: the flames still, the buttons left out.
    const PageReadier::Scope ready(page_);
    QWidget& page = page_.Page();
    // The picture alone would show the actual values in the limit boxes and no site.
    const QString caption = QString::fromStdString(
        DiagramCaption(report, jobs_.ShownPlace(),
                       QDate::currentDate().toString(Qt::ISODate).toStdString(), session_.Units()));
    return format.kind == ExportKind::Pdf   ? WriteWidgetPdf(page, path, kDiagramDocument, caption)
           : format.kind == ExportKind::Svg ? WriteWidgetSvg(page, path, kDiagramDocument, caption)
                                            : WriteWidgetPng(page, path, kPngScale, caption);
}

}  // namespace vevi
