#pragma once

#include <QString>

class NetModule;

// The network module (NetModuleApi.h) from `file`, loaded at the first call
// and kept for the rest of the run; null when it cannot be loaded, with the
// reason in `error`. A failed load is tried again at the next call, so a
// module put in place meanwhile is found.
NetModule* LoadNetModule(const QString& file, QString* error);
