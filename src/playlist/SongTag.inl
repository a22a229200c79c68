#pragma once

#include "TextCodec.h"

template <std::size_t N> void SetTagText(std::array<char, N>& field, const QString& text) {
    SetTagBytes(field, Utf8Truncated(text, static_cast<int>(N)));
}

template <std::size_t N> QString TagText(const std::array<char, N>& field) { return DecodeText(TagBytes(field)); }
