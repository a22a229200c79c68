#pragma once

#include "ByteReader.h"
#include "SkinModel.h"

// Property entries of an ObjectRecord: int32 code, then a payload whose form
// the code decides. Every reader here fails (with a reason in *error) when a
// payload runs past the bytes available; the caller then fails the load.

// Reads the int32 property count and that many entries into the record.
bool ReadObjectProperties(ByteReader& in, ObjectRecord* record, QString* error);

// The window's own record at the start of section 0 understands only the
// background (codes 200-299, bitmap blob) and the shape (code 8, region blob);
// every other code there carries no payload. Reads the count and the entries.
bool ReadWindowProperties(ByteReader& in, ObjectRecord* body, QString* error);
