#include "traffic/diplomatic.h"

namespace kestrel {

const char cuba_posts[6][6] = {"CLP3", "CLP5", "CLP8", "CLP9", "CLP12", "CLP27"};
const char egypt_posts[6][7] = {"SUA22", "SUA38", "SUA41", "SUA56", "SUA63", "SUA79"};

}  // namespace kestrel
