// Diplomatic traffic: the outstations of embassy nets, as their control stations call them.
#pragma once

namespace kestrel {

extern const char cuba_posts[6][6];
extern const char egypt_posts[6][7];

}  // namespace kestrel
