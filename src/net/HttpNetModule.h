#pragma once

#include "NetModuleApi.h"

// The network module's factory on Qt Network, one for the whole run: what
// the module's entry function returns, and what tests use directly.
NetModule& HttpNetModule();
