#include "palettes.h"

#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace vevi {
namespace {

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

}  // namespace vevi
