#include "HandedOverFiles.h"

namespace {
const QString kOpenFile = QStringLiteral("#OpenFile,");
} // namespace

bool IsHandedOverFileList(const QString& command) {
    return command.startsWith(kOpenFile, Qt::CaseInsensitive) && command.endsWith(QChar(0));
}

void JoinHandedOverFileLists(QString& list, const QString& more) {
    list += QStringView(more).mid(kOpenFile.size());
}
