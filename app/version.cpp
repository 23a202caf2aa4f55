#include "version.h"

namespace vevi {

// Set once in CMake (the project's version) and handed in as a definition.
QString VersionText() {
    return QStringLiteral(VEVI_VERSION);
}

}  // namespace vevi
