#include "SkinLayer.h"

#include "PlayerApplication.h"

SkinLayer::SkinLayer(PlayerApplication& player) : player_(player) {}

SkinLayer::~SkinLayer() = default;

void SkinLayer::Install() {}

void SkinLayer::Close() {}
