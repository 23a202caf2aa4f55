#include "palettes.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <memory>

namespace vevi {
namespace {

// Disabled text that still reads: about 5:1 on the dialogs' grey and more on white, yet
// plainly lighter than the black of enabled text.
const QColor kDisabledText(0x66, 0x66, 0x66);

QPalette Standard() {
    // Fusion's palette is the same on every platform and does not follow the desktop.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    QPalette palette = fusion ? fusion->standardPalette() : QPalette(Qt::black, Qt::lightGray);
    // Every role set explicitly, so that none is filled in from the application's palette.
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = static_cast<QPalette::ColorGroup>(g);
            const auto role = static_cast<QPalette::ColorRole>(r);
            if (role != QPalette::NoRole) palette.setBrush(group, role, palette.brush(group, role));
        }
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, kDisabledText);
    return palette;
}

}  // namespace

QPalette LightPalette() {
    static const QPalette palette = Standard();
    return palette;
}

QPalette PaperPalette() {
    static const QPalette palette = [] {
        QPalette p = Standard();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, QPalette::Window, Qt::white);
        return p;
    }();
    return palette;
}

void UseLightPaletteEverywhere() {
    const QPalette light = LightPalette();
    // This also drops the colours a desktop theme gives kinds of control (menus, labels, text
    // boxes) apart from the application's.
    QApplication::setPalette(light);
    QToolTip::setPalette(light);
}

}  // namespace vevi
