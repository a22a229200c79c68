#include "LyricsLayer.h"

#include "PlayerApplication.h"

LyricsLayer::LyricsLayer(PlayerApplication& player) : player_(player) {}

LyricsLayer::~LyricsLayer() = default;

void LyricsLayer::Install() {}

void LyricsLayer::Close() {}
