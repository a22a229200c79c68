#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// True when the first MPEG audio frame of the file (after any ID3v2 tag) is a
// Xing/Info or VBRI header, which states the length of the whole file.
bool HasLengthHeader(const unsigned char* data, size_t size);
bool FileHasLengthHeader(const std::string& path);

// Length in samples per channel found by walking every frame header of the
// file; 0 when the file cannot be read.
int64_t CountSamples(const std::string& path);
