#include "ModuleTrust.h"

#include "FileName.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool OwnedByUserOrRoot(const struct stat& st) { return st.st_uid == ::geteuid() || st.st_uid == 0; }

// A group-writable entry is safe only when its group holds no one but the
// user: the user's own private group.
bool GroupIsTheUsersOwn(gid_t gid) {
    if (gid != ::getegid())
        return false;
    const struct group* g = ::getgrgid(gid);
    if (!g)
        return false;
    const struct passwd* me = ::getpwuid(::geteuid());
    for (char** member = g->gr_mem; member && *member; ++member) {
        if (!me || std::strcmp(*member, me->pw_name) != 0)
            return false;
    }
    return true;
}

QString WritableByOthers(const struct stat& st) {
    if (st.st_mode & S_IWOTH)
        return QStringLiteral("writable by every user");
    if ((st.st_mode & S_IWGRP) && !GroupIsTheUsersOwn(st.st_gid))
        return QStringLiteral("writable by its group");
    return QString();
}

} // namespace

QString ModuleRefusal(const QString& file, const QString& programFolder) {
    const QByteArray folder = EncodeFileName(CanonicalPath(programFolder));
    if (folder.isEmpty())
        return QStringLiteral("the program folder cannot be found");
    const QByteArray target = EncodeFileName(CanonicalPath(file));
    if (target.isEmpty())
        return QStringLiteral("the file cannot be found");
    // Links are followed only as far as they stay inside the program folder.
    const QByteArray inside = folder.endsWith('/') ? folder : folder + '/';
    if (!target.startsWith(inside))
        return QStringLiteral("it leads out of the program folder to ") + DecodeFileName(target);

    struct stat st {};
    if (::stat(target.constData(), &st) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("it is not a regular file");
    if (!OwnedByUserOrRoot(st))
        return QStringLiteral("the file belongs to another user");
    if (const QString writable = WritableByOthers(st); !writable.isEmpty())
        return QStringLiteral("the file is ") + writable;

    // Every folder above it: whoever may rename entries there may swap the file.
    QByteArray dir = target;
    while (true) {
        const int slash = dir.lastIndexOf('/');
        if (slash < 0)
            break;
        dir.truncate(slash > 0 ? slash : 1);
        if (::stat(dir.constData(), &st) != 0)
            return QString::fromLocal8Bit(std::strerror(errno));
        const QString where = QStringLiteral("the folder ") + DecodeFileName(dir);
        if (!OwnedByUserOrRoot(st))
            return where + QStringLiteral(" belongs to another user");
        if (!(st.st_mode & S_ISVTX)) {
            if (const QString writable = WritableByOthers(st); !writable.isEmpty())
                return where + QStringLiteral(" is ") + writable;
        }
        if (dir == "/")
            break;
    }
    return QString();
}

void ReportRefusedModule(const QString& file, const QString& reason) {
    const QString line = QStringLiteral("refused ") + file + QStringLiteral(": ") + reason;
    std::fprintf(stderr, "sorvi: %s\n", line.toLocal8Bit().constData());
    const QString trace = qEnvironmentVariable("SORVI_TRACE_COMMANDS");
    if (trace.isEmpty())
        return;
    QFile out(trace);
    if (out.open(QIODevice::Append))
        out.write('%' + line.toUtf8() + '\n');
}
