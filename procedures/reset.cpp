#include "procedures/reset.h"

#include "procedures/procedures.h"
#include "procedures/send.h"

namespace kestrel {

void procedures_reset() {
    send_reset();
    retune_reset();
}

}  // namespace kestrel
