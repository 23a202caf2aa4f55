// Results that leave the window: the comparison on display copied to the clipboard as a
// table, or exported as a page of the diagram, a CSV table or a text report. Both read the
// report the labels were written from, so they give exactly what the window shows.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include "frm_halvex.h"
#include "input_box.h"
#include "page_export.h"
#include "place_lookup.h"
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

void frmHalvex::CreateResultsCommands(QMenu* file) {
    mnuExportResults_ =
        OnClick(Item(file, "mnuExportResults", QStringLiteral("&Export Results\u2026")),
                &frmHalvex::mnuExportResults_Click);
    mnuCopyResults_ =
        OnClick(Item(file, "mnuCopyResults", "&Copy Results"), &frmHalvex::mnuCopyResults_Click);
    mnuCopyResults_->setShortcuts(QKeySequence::Copy);
    file->addSeparator();
    for (QAction* item : {mnuExportResults_, mnuCopyResults_}) {
        // Offered exactly while the print items are: while a comparison is on display.
        item->setEnabled(mnuPrintFormulas_->isEnabled());
        connect(mnuPrintFormulas_, &QAction::enabledChanged, item, &QAction::setEnabled);
    }
    auto* copyKeys = new CopyKeyFilter(mnuCopyResults_, this);
    for (InputBox* box : boxes_) box->installEventFilter(copyKeys);
}

// "REGION/PLACE" while the site boxes still hold the texts the place put there, else "".
std::string frmHalvex::ShownPlace() const {
    if (!lastPlace_ || Box(Field::Elevation)->text() != lastPlace_->elevation ||
        Box(Field::OutdoorTemp)->text() != lastPlace_->outdoorTemp)
        return {};
    return FullPlaceName({lastPlace_->state, lastPlace_->city});
}

void frmHalvex::mnuCopyResults_Click() {
    if (!resultsShown_ || !shownReport_) return;
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(ReportTabSeparated(*shownReport_, ShownPlace())));
    data->setHtml(QString::fromStdString(ReportHtml(*shownReport_, ShownPlace())));
    QGuiApplication::clipboard()->setMimeData(data);
}

void frmHalvex::mnuExportResults_Click() {
    if (!resultsShown_ || !shownReport_) return;
    QStringList filters;
    for (const ExportFormat& f : kExportFormats) filters << QString::fromUtf8(f.filter);
    QString filter = filters.first();
    QString path = prompts_->ChooseExportFile(kExportTitle, filters, &filter);
    if (path.isEmpty()) return;
    // A name that ends in one of the extensions says the format; any other name is given the
    // extension of the format picked.
    const ExportFormat* format = FormatOfName(path);
    if (!format) {
        format = &FormatOfFilter(filter);
        path += u'.' + QString::fromLatin1(format->extension);
    }
    const QString error = WriteExport(path, *format);
    if (!error.isEmpty()) prompts_->Warn(error, kExportFailed);
}

QString frmHalvex::WriteExport(const QString& path, const ExportFormat& format) {
    switch (format.kind) {
        case ExportKind::Csv:
            return WriteFileBytes(path, Utf8(ReportCsv(*shownReport_, ShownPlace())));
        case ExportKind::Text:
            return WriteFileBytes(path, Utf8(ReportText(*shownReport_, ShownPlace())));
        default:
            break;
    }
    // The diagram as the colour print shows it: the flames still, the buttons left out.
    timer1_->stop();
    cmdGo_->hide();
    cmdSelectCity_->hide();
    cmdShowFormulas_->hide();
    QWidget& page = *centralWidget();
    const QString error =
        format.kind == ExportKind::Pdf   ? WriteWidgetPdf(page, path, kDiagramDocument)
        : format.kind == ExportKind::Svg ? WriteWidgetSvg(page, path, kDiagramDocument)
                                         : WriteWidgetPng(page, path, kPngScale);
    timer1_->start();
    cmdGo_->show();
    cmdSelectCity_->show();
    cmdShowFormulas_->show();
    return error;
}

}  // namespace vevi
