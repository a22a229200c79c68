// libFuzzer target: any bytes as a skin file. Every read the engine and the
// skin manager make must answer without reading outside the bytes or crashing.
#include "SkinFile.h"

#include <cstddef>
#include <cstdint>
#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SkinFile file;
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!file.open(std::move(buffer)).ok())
        return 0;
    SkinInfo info;
    file.readInfo(&info);
    for (int s = 0; s <= 2; ++s) {
        file.sectionHasObjects(s);
        SkinSection section;
        file.readSection(s, &section);
        for (const ObjectRecord& object : section.objects) {
            for (const QString& entry : object.stateList)
                file.readStateImage(entry);
        }
    }
    std::vector<qint32> front;
    file.readFrontList(&front);
    return 0;
}
