#pragma once

#include "PluginContract.h"

class TPlusProcHandler;

// Routes the exported PlusProc to a handler; nullptr detaches it (PlusProc then
// answers 0). Detach before the handler is destroyed.
void SetPlusProcHandler(TPlusProcHandler* handler);
TPlusProcHandler* PlusProcHandler();
