#include "toolkit_setup.h"

#ifdef VEVI_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <clocale>
#include <system_error>
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

FontConfigurationAhead::FontConfigurationAhead() {
#ifdef VEVI_HAVE_FONTCONFIG
    try {
        reader_ = std::thread(ReadFontConfiguration);
    } catch (const std::system_error&) {
        // No thread to be had: the toolkit reads the configuration itself, as it would anyway.
    }
#endif
}

FontConfigurationAhead::~FontConfigurationAhead() {
    Wait();
}

void FontConfigurationAhead::Wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace vevi
