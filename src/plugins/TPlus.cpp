#include "TPlus.h"

#include "FileName.h"
#include "ModuleTrust.h"
#include "PluginDescription.h"
#include "ProgramFolder.h"
#include "TextCodec.h"
#include "UrlText.h"

#include <algorithm>
#include <cxxabi.h>
#include <dlfcn.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString TPlus::InternalID = QStringLiteral("{61FF3560-1B2A-11D6-A2A3-0010C60D423C}");
const QString TPlus::InternalName = QStringLiteral("XAUDIO Play Plusin  -  Internal");
const QString TPlus::InternalFileTypes = QStringLiteral("*.mp3;*.m3u;*.lrc;*.eks;");

TPlus::TPlus(PlusMessageFunc internalAdapter) : internalAdapter_(internalAdapter) {
    TPlusRec internal;
    internal.ID = InternalID;
    internal.Name = InternalName;
    internal.Priority = InternalPriority;
    internal.FileTypes = InternalFileTypes;
    items_.push_back(internal);
}

TPlus::~TPlus() {
    for (int i = InternalCount; i < Count(); ++i) {
        if (items_[i].Flags & PluginFlagLoadAtStart)
            Unload(items_[i].ID, false);
    }
    // A plug-in still loaded here (a song not stopped, a second load) is told it
    // is being unloaded and closed rather than left mapped without an owner.
    for (int i = InternalCount; i < Count(); ++i) {
        if (items_[i].Module) {
            SendAt(i, 6, QString());
            closeModule(items_[i]);
        }
    }
}

PlusMessageFunc TPlus::HostCallback() {
    return &PlusProc;
}

void TPlus::Rescan() {
    // Records whose file has gone are dropped, except while loaded: a playing
    // plug-in must still receive its stop and unload; it goes at a later rescan.
    items_.erase(std::remove_if(items_.begin() + InternalCount, items_.end(),
                                [](const TPlusRec& rec) {
                                    return rec.RefCount == 0 && !rec.Module && !QFileInfo::exists(rec.Path);
                                }),
                 items_.end());

    QDir folder(PlusinFolder());
    folder.setNameFilters({QStringLiteral("*.so")}); // name filters ignore letter case
    folder.setFilter(QDir::Files | QDir::Hidden);
    folder.setSorting(QDir::NoSort);
    QFileInfoList files = folder.entryInfoList();
    std::sort(files.begin(), files.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.fileName() < b.fileName(); });
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        const QString lower = path.toLower();
        if (IndexOfFile(lower) >= 0)
            continue;
        TPlusRec rec;
        rec.FileName = lower;
        rec.Path = path;
        items_.push_back(rec);
    }
}

void TPlus::readDescription(TPlusRec& rec) const {
    // A loaded plug-in keeps the ID it was loaded under until it is unloaded:
    // the play controller stops and releases it by that ID, even when its file
    // has been deleted or replaced meanwhile. Its other fields follow the file,
    // so a deleted plug-in (no file types) is not chosen for new files.
    const bool loaded = rec.RefCount > 0 || rec.Module;
    const std::optional<PluginDescription> d =
        ReadPluginDescriptionFile(EncodeFileName(rec.Path).toStdString());
    if (!loaded)
        rec.ID.clear();
    rec.Name = QStringLiteral("Unknown");
    rec.Priority = 0;
    rec.FileTypes.clear();
    rec.Flags = 0;
    if (!d)
        return;
    if (!loaded)
        rec.ID = QString::fromLatin1(d->id);
    rec.Name = DecodeText(QByteArray::fromStdString(d->name));
    rec.Priority = d->priority;
    rec.Flags = FlagsFromNumber(d->flagsNumber);
    rec.FileTypes = DecodeText(QByteArray::fromStdString(d->fileTypes)).toLower();
    // A type written "scheme://*" names streams the plug-in opens: names of
    // that scheme are URLs from now on.
    for (const QString& type : rec.FileTypes.split(';', Qt::SkipEmptyParts))
        if (HasUrlForm(type))
            AddUrlSchemes({type.section(QStringLiteral("://"), 0, 0)});
}

void TPlus::ReadDescriptions() {
    for (int i = InternalCount; i < Count(); ++i)
        readDescription(items_[i]);
}

void TPlus::Start() {
    Rescan();
    ReadDescriptions();
    for (int i = InternalCount; i < Count(); ++i) {
        if (items_[i].Flags & PluginFlagLoadAtStart)
            Load(QString(items_[i].ID));
    }
}

QString TPlus::FileTypes() {
    Rescan();
    ReadDescriptions();
    QString types;
    for (const TPlusRec& rec : items_)
        types += rec.FileTypes;
    return types;
}

QString TPlus::FindForFile(const QString& extension) {
    ReadDescriptions();
    // A name without an extension has no plug-in: the bare key ";" would
    // otherwise be found in every list of file types.
    if (extension.size() < 2 || !extension.startsWith('.'))
        return QString();
    const QString key = extension + ';';
    int best = -1;
    for (int i = 0; i < Count(); ++i) {
        const TPlusRec& rec = items_[i];
        if (rec.ID.isEmpty() || rec.Priority < 0 || !rec.FileTypes.contains(key))
            continue;
        if (best < 0 || rec.Priority > items_[best].Priority)
            best = i;
    }
    return best < 0 ? QString() : items_[best].ID;
}

void TPlus::Load(const QString& id) {
    const int index = IndexOfID(id);
    if (index < 0)
        return;
    TPlusRec& rec = items_[index];
    ++rec.RefCount;
    if (rec.RefCount == 1) {
        if (index < InternalCount) {
            rec.MessageProc = internalAdapter_;
        } else {
            // Code another user could have written never runs in the player.
            const QString refusal = ModuleRefusal(rec.Path, ProgramFolder());
            if (!refusal.isEmpty()) {
                rec.LoadError = refusal;
                rec.RefCount = 0;
                ReportRefusedModule(rec.Path, refusal);
                return;
            }
            dlerror();
            void* module = dlopen(EncodeFileName(rec.Path).constData(), RTLD_NOW | RTLD_LOCAL);
            if (!module) {
                const char* reason = dlerror();
                rec.LoadError =
                    reason ? QString::fromLocal8Bit(reason) : QStringLiteral("cannot load ") + rec.Path;
                rec.RefCount = 0;
                return;
            }
            rec.LoadError.clear();
            rec.Module = module;
            rec.MessageProc = reinterpret_cast<PlusMessageFunc>(dlsym(module, "PlusMessage"));
        }
        SendAt(index, 1, QString());
    }
}

void TPlus::closeModule(TPlusRec& rec) {
    if (rec.Module)
        dlclose(rec.Module);
    rec.Module = nullptr;
    rec.MessageProc = nullptr;
    rec.RefCount = 0;
}

void TPlus::Unload(const QString& id, bool force) {
    const int index = IndexOfID(id);
    if (index < 0)
        return;
    TPlusRec& rec = items_[index];
    if (rec.RefCount != 1 && (!force || rec.RefCount <= 0)) {
        rec.RefCount = std::max(rec.RefCount - 1, 0);
        return;
    }
    SendAt(index, 6, QString());
    closeModule(items_[index]);
}

int TPlus::Send(const QString& id, int code, const QString& argument) {
    return SendAt(IndexOfID(id), code, argument);
}

int TPlus::SendAt(int index, int code, const QString& argument) {
    if (index < 0 || index >= Count() || !items_[index].MessageProc)
        return -1;
    // The entry may reach back into the player; keep what the call needs apart
    // from the registry.
    const PlusMessageFunc proc = items_[index].MessageProc;
    const QByteArray text =
        QByteArray::number(static_cast<qulonglong>(reinterpret_cast<quintptr>(items_[index].Module))) + '\1' +
        QByteArray::number(code & 0xFF) + '\1' + EncodeFileName(argument);
    try {
        return proc(text.constData());
    } catch (abi::__forced_unwind&) {
        throw; // thread cancellation must go on unwinding
    } catch (...) {
        return -1;
    }
}

int TPlus::IndexOfID(const QString& id) const {
    if (id.isEmpty())
        return -1;
    for (int i = 0; i < Count(); ++i) {
        if (items_[i].ID == id)
            return i;
    }
    return -1;
}

int TPlus::IndexOfFile(const QString& fileName) const {
    if (fileName.isEmpty())
        return -1;
    for (int i = InternalCount; i < Count(); ++i) {
        if (items_[i].FileName == fileName)
            return i;
    }
    return -1;
}

QString TPlus::LastLoadError(const QString& id) const {
    const int index = IndexOfID(id);
    return index < 0 ? QString() : items_[index].LoadError;
}
