#pragma once

#include "ByteReader.h"
#include "SkinModel.h"

#include <vector>

// Reads ObjectRecords from the reader's position up to endOffset and appends
// them to objects (which for section 0 already holds the window body, so parent
// numbers count it). Each record is: int32 parent, int32 size, then size bytes
// copied and parsed on their own: marker, kind, properties, trailer. A record
// whose kind is not a SkinItemKind is skipped whole. Fails with a reason when a
// record runs past endOffset, names a parent that is not an earlier panel, or
// its properties run past the record.
bool ReadObjectRecords(ByteReader& in, qint64 endOffset, std::vector<ObjectRecord>* objects, QString* error);

// FrontList numbers turned into indices of a window's objects: i = number -
// base, kept when 0 <= i < objectCount, in list order.
std::vector<int> FrontOrder(const std::vector<qint32>& numbers, qint32 base, int objectCount);
