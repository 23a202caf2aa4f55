// The program's version as people read it; the one place the code takes it from.
#pragma once

#include <QString>

namespace vevi {

QString VersionText();  // "3.11"

}  // namespace vevi
