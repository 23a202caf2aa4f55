#include "checked_write.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace vevi {

qint64 ByteSink::Write(QFileDevice& file, const QByteArray& bytes) {
    return file.write(bytes);
}

QString NotReplaceable(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ELOOP) return QStringLiteral("its symbolic links form a loop");
        return {};  // a new name, or a link to one; opening tells any other trouble
    }
    if (S_ISDIR(status.st_mode)) return QStringLiteral("it is a folder, not a file");
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("it is a device or a pipe, not a regular file");
#else
    Q_UNUSED(path);
#endif
    return {};
}

QString WriteAtomically(const QString& path, const QByteArray& bytes) {
    ByteSink sink;
    return WriteAtomically(path, bytes, sink);
}

QString WriteAtomically(const QString& path, const QByteArray& bytes, ByteSink& sink) {
    if (const QString refused = NotReplaceable(path); !refused.isEmpty()) return refused;
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) shows in what write() returns: QSaveFile
    // does not notice a failure of the flush made when it commits, and would rename a cut
    // file into place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    if (sink.Write(file, bytes) != bytes.size()) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("the disk may be full");
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace vevi
