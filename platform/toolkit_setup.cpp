#include "toolkit_setup.h"

#ifdef VEVI_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sched.h>

#include <cerrno>
#include <clocale>
#endif

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>

#include "palettes.h"
#include "toolkit_translations.h"

namespace vevi {
namespace {

// An icon that asks the style for the real one at its first use.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(style), which_(which), widget_(const_cast<QWidget*>(widget)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Real().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Real().availableSizes(mode, state);
    }
    bool isNull() override { return Real().isNull(); }
    QString key() const override { return QStringLiteral("vevi.deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& Real() {
        if (!read_) {
            // The wrapped style may have been replaced since; then the application's answers.
            QStyle* style = style_ ? style_.data() : QApplication::style();
            real_ = style->standardIcon(which_, nullptr, widget_);
            read_ = true;
        }
        return real_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<QWidget> widget_;  // the toolkit's pointer cannot hold a const object
    bool read_ = false;
    QIcon real_;
};

class DeferredOverflowIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton && !option)
            return QIcon(new DeferredIconEngine(baseStyle(), which, widget));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

// The configuration's numbers are read with the C library's number reading, which follows the
// locale; the application object sets the process's locale meanwhile, so this reads in a
// locale of its own. The files are written in the C locale.
#ifdef VEVI_HAVE_FONTCONFIG
void ReadFontConfiguration() {
    const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    if (c) uselocale(c);
    FcInit();
    if (c) {
        uselocale(LC_GLOBAL_LOCALE);
        freelocale(c);
    }
}

// Started on a core other than the caller's: a new thread queued behind its creator waits for
// the scheduler to move it, on two cores up to 2 ms of a start-up that needs it at once. Once
// running it may go anywhere the process may.
void* ReadFontConfigurationThread(void* everywhere) {
    const auto* cores = static_cast<const cpu_set_t*>(everywhere);
    if (CPU_COUNT(cores) > 0) pthread_setaffinity_np(pthread_self(), sizeof *cores, cores);
    ReadFontConfiguration();
    return nullptr;
}
#endif

}  // namespace

void DeferMenuOverflowIcon() {
    QStyle* current = QApplication::style();
    if (dynamic_cast<DeferredOverflowIconStyle*>(current)) return;
    // The proxy takes the style over, so the application does not delete it on the swap.
    QApplication::setStyle(new DeferredOverflowIconStyle(current));
}

void PrepareToolkit(const QLocale& locale) {
    LoadToolkitTranslations(locale);
    DeferMenuOverflowIcon();
    // After the style: a new style may bring its own palette.
    UseLightPaletteEverywhere();
}

#ifdef VEVI_HAVE_FONTCONFIG
struct FontConfigurationAhead::Reader {
    pthread_t thread{};
    cpu_set_t everywhere{};  // none where unknown; read by the thread as it starts
};
#else
struct FontConfigurationAhead::Reader {};
#endif

FontConfigurationAhead::FontConfigurationAhead() {
#ifdef VEVI_HAVE_FONTCONFIG
    auto reader = std::make_unique<Reader>();
    pthread_attr_t elsewhere;
    if (pthread_attr_init(&elsewhere) != 0) return;
    if (sched_getaffinity(0, sizeof reader->everywhere, &reader->everywhere) == 0) {
        cpu_set_t others = reader->everywhere;
        const int here = sched_getcpu();
        if (here >= 0 && here < CPU_SETSIZE) CPU_CLR(here, &others);
        if (CPU_COUNT(&others) > 0) pthread_attr_setaffinity_np(&elsewhere, sizeof others, &others);
    }
    int started = pthread_create(&reader->thread, &elsewhere, ReadFontConfigurationThread,
                                 &reader->everywhere);
    pthread_attr_destroy(&elsewhere);
    // The cores may have changed meanwhile; then anywhere will do.
    if (started == EINVAL)
        started = pthread_create(&reader->thread, nullptr, ReadFontConfigurationThread,
                                 &reader->everywhere);
    // Without a thread the toolkit reads the configuration itself, as it would anyway.
    if (started == 0) reader_ = std::move(reader);
#endif
}

FontConfigurationAhead::~FontConfigurationAhead() {
    Wait();
}

void FontConfigurationAhead::Wait() {
#ifdef VEVI_HAVE_FONTCONFIG
    if (reader_) pthread_join(reader_->thread, nullptr);
#endif
    reader_.reset();
}

}  // namespace vevi
