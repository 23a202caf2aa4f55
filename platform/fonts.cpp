#include "fonts.h"

#include <QStringList>

namespace vevi {

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
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

}  // namespace vevi
