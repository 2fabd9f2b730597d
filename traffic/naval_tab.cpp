#include "traffic/naval.h"

namespace kestrel {

const char rus_units[16][8] = {"RJD83", "RMX72", "RCF43", "RKLM", "UGOY", "RLO66", "RJP38", "RMDX", "RHO51", "RIT42",
                               "RAA77", "RBY36", "UCBN", "RFH24", "RMGB", "RKZF"};
const unsigned char rus_units_20_rows[14] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
const unsigned char rus_units_23_rows[10] = {0, 2, 3, 4, 8, 9, 11, 12, 14, 15};

}  // namespace kestrel
