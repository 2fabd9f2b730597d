// <regex> for the tests. GCC 12 with the sanitizers reports "may be used
// uninitialized" inside libstdc++'s regex compiler; the warning is about the
// library's own code, so it is silenced for that header only.
#pragma once
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#pragma GCC diagnostic pop
