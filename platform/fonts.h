// Fonts named as the windows were designed, with the Linux families of the same metrics.
#pragma once

#include <QFont>

namespace vevi {

enum class FontFace { Arial, MsSansSerif, ComicSans, System };

QFont MakeFont(FontFace face, double points, bool bold = false, bool italic = false,
               bool underline = false);

}  // namespace vevi
