#include "traffic/press.h"

#include "procedures/send.h"
#include "traffic/blocks.h"

namespace kestrel {

void fig4_msg(const char *head, int groups) {
    send(head);
    for (int i = 0; i < groups; ++i) send(group4f());
    send_stack("+ ");
}

}  // namespace kestrel
