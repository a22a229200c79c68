// The entry function of "sorvi-net.so"; everything else is reached through
// the factory it returns.
#include "HttpNetModule.h"

extern "C" Q_DECL_EXPORT NetModule* sorvi_net_module() {
    return &HttpNetModule();
}
