#pragma once

#include <QString>

// Why a song could not be played, judged from what is on disk after the
// plug-in reported the failure: a short text for the information display,
// such as "cannot open: permission denied" or "cannot play: not an audio file".
QString PlayFailureReason(const QString& file);
