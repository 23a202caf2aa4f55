// The one way the program writes a file: all of it or nothing, through a temporary file
// renamed into place, and never over anything but a regular file.
#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace vevi {

// How the bytes reach the temporary file; tests put a failing one in its place.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual qint64 Write(QFileDevice& file, const QByteArray& bytes);
};

// Why `path` may not be written over ("it is a folder", "it is a device or a pipe, not a
// regular file", a loop of symbolic links), or "" when it names a regular file or nothing.
QString NotReplaceable(const QString& path);

// Gives "" or the reason, a sentence fragment ("the disk is full"). An earlier file at
// `path` is left byte for byte as it was when the write fails.
QString WriteAtomically(const QString& path, const QByteArray& bytes);
QString WriteAtomically(const QString& path, const QByteArray& bytes, ByteSink& sink);

}  // namespace vevi
