// The one crossing between the engine's and the place table's UTF-8 texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vevi {

// Every character kept, a leading U+FEFF too (QString::fromStdString drops it, and a text
// must come back from a job file as it went in).
QString FromUtf8(std::string_view utf8);
std::string ToUtf8(const QString& text);

}  // namespace vevi
