#include "AtomicFile.h"

#include <QSaveFile>

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    auto fail = [&] {
        if (error)
            *error = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail();
    if (file.write(bytes) != bytes.size()) {
        const bool result = fail();
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return fail();
    return true;
}
