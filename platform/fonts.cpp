#include "fonts.h"

#include <QFontDatabase>
#include <QSet>
#include <QStringList>

namespace vevi {

namespace {

// The installed families, without the foundry Qt appends where two foundries share a name.
const QSet<QString>& InstalledFamilies() {
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        for (QString name : QFontDatabase::families()) {
            if (const qsizetype bracket = name.indexOf(" ["); bracket > 0) name.truncate(bracket);
            names.insert(name.toCaseFolded());
        }
        return names;
    }();
    return installed;
}

// The first installed family alone: for a font given several families the toolkit has
// fontconfig sort every installed font into a fallback order at its first use, a slow step
// at start-up; for one installed family it does so only when a character is missing. Where
// none is installed, the whole list lets the toolkit choose as before.
QStringList Preferred(const QStringList& families) {
    for (const QString& family : families)
        if (InstalledFamilies().contains(family.toCaseFolded())) return {family};
    return families;
}

}  // namespace

QFont MakeFont(FontFace face, double points, bool bold, bool italic, bool underline) {
    QStringList families;
    switch (face) {
        case FontFace::Arial:
            families = {"Arial", "Liberation Sans", "DejaVu Sans"};
            break;
        case FontFace::MsSansSerif:
        case FontFace::System:
            families = {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"};
            break;
        case FontFace::ComicSans:
            families = {"Comic Sans MS", "Comic Neue", "Liberation Sans"};
            break;
    }
    QFont font;
    font.setFamilies(Preferred(families));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

}  // namespace vevi
