#include "frm_about.h"

#include <QFrame>
#include <QHideEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

#include "accessibility.h"
#include "fonts.h"
#include "palettes.h"
#include "twips.h"
#include "version.h"
#include "window_frame.h"

namespace vevi {
namespace {

constexpr int kIconPixels = 32;

// The designed font was wide enough for the label's width alone to put each sentence on a
// line of its own; narrower fonts would pull the second sentence's first word up. So the run
// of blanks between the sentences is shown as the line break; the text itself is unchanged.
class SentencesLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        static const QRegularExpression blanks(" {2,}");
        QPainter painter(this);
        style()->drawItemText(&painter, contentsRect(), int(alignment()) | Qt::TextWordWrap,
                              palette(), isEnabled(), text().replace(blanks, "\n"),
                              foregroundRole());
    }
};

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                 const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Grows a label to hold its text whole in its own font, from its documented top left corner;
// a font wider than the designed one (or hinted at another scale) would cut the text off.
void GrowToText(QLabel* label) {
    const QFontMetrics fm(label->font());
    const QString text = label->text();
    const int width = std::max(fm.horizontalAdvance(text), fm.boundingRect(text).right() + 1);
    label->resize(label->size().expandedTo(QSize(width, fm.height())));
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent, FixedSizeWindowFlags(Qt::Dialog)) {
    setObjectName("frmAbout");
    setWindowTitle("About Vevi Razo ro. Vozo Veri Vevirazedo");
    setModal(false);
    setFixedSize(Px(7920), Px(4650));
    const QIcon icon(":/pictures/vevi.svg");
    setWindowIcon(icon);
    setPalette(LightPalette());
    ShowFocusMarks(this);

    auto* picture = new QLabel(this);
    picture->setObjectName("Pic_ApplicationIcon");
    picture->setAccessibleName("Program icon");
    picture->setGeometry(TwipsRect(240, 255, 480, 480));
    picture->setPixmap(icon.pixmap(kIconPixels, kIconPixels));

    AddLabel(this, "Label4", "Halvex", TwipsRect(915, 120, 1725, 735),
             MakeFont(FontFace::ComicSans, 26.25, true));
    GrowToText(AddLabel(this, "Label5", "TM", TwipsRect(2760, 255, 210, 210),
                        MakeFont(FontFace::Arial, 8.25)));
    auto* description = new SentencesLabel(this);
    description->setObjectName("Lbl_Description");
    description->setTextFormat(Qt::PlainText);
    description->setText("Vevi Razo ro. Vozo Veri Vevirazedo" + QString(14, ' ') +
                         "True ratings based on temperature and elevation");
    description->setFont(MakeFont(FontFace::MsSansSerif, 13.5, true));
    description->setGeometry(TwipsRect(900, 840, 6885, 720));
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setWordWrap(true);

    // The date is the one the box has always shown, not this release's.
    AddLabel(this, "Lbl_Version", QString("Version ") + kVersion + QString(18, ' ') + "8/28/01",
             TwipsRect(975, 1920, 3120, 240), MakeFont(FontFace::MsSansSerif, 9.75, true));

    auto* line = new QFrame(this);
    line->setObjectName("lin_HorizontalLine1");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(Px(960), Px(2550), Px(4995) - Px(960), 1);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Cmd_OK");
    ok->setFont(MakeFont(FontFace::System, 9.75, true));
    ok->setGeometry(TwipsRect(6480, 4080, 1035, 360));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::Cmd_OK_Click);

    DescribeNamedControls(this);
}

void frmAbout::Cmd_OK_Click() {
    hide();
}

void frmAbout::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) emit hidden();
}

}  // namespace vevi
