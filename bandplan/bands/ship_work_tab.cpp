// Ships working coast stations on the ship telegraphy channels of the
// maritime bands, by band function.
#include "bandplan/bands/ship_work.h"

namespace kestrel {

const ShipWork ship_work_12[] = {
    {12335, 3, "OHG"}, {12338, 3, "A9M"}, {12343, 3, "LZW"}, {12349, 3, "OST"}, {12361, 3, "UFN"}, {12370, 3, "UFL"},
    {12374, 3, "VIS"}, {12382, 3, ""}, {12386, 3, "YQI"}, {12401, 4, ""}, {12405, 2, "LPD"}, {12430, 4, "DAN"},
    {12434, 3, "9HD"}, {12436, 2, ""}, {12452, 2, "CUL"}, {12458, 3, "DAN"}, {12466, 2, "WLO"}, {12468, 3, "PCH"},
    {12471, 4, "YUR"}, {12478, 3, "OXZ"},
};
const int ship_work_12_count = sizeof ship_work_12 / sizeof ship_work_12[0];

const ShipWork ship_work_16[] = {
    {16368, 2, ""}, {16371, 3, "PCH"}, {16374, 3, ""}, {16384, 3, "SUH"}, {16389, 3, "Y5M"}, {16393, 3, ""},
    {16396, 2, "SAG"}, {16399, 4, ""}, {16401, 2, "SVA"}, {16403, 3, ""}, {16405, 2, "9VG"}, {16422, 4, "UAT"},
    {16428, 4, ""}, {16431, 3, "FFL"}, {16433, 3, "XSG"}, {16434, 3, ""}, {16437, 2, "JCS"}, {16439, 3, ""},
    {16440, 3, "ZSC"}, {16444, 3, ""}, {16452, 3, "CBV"}, {16470, 3, "UAT"}, {16471, 3, "YQI"}, {16480, 4, "FFL"},
    {16484, 2, "JCS"}, {16500, 3, "CUL"}, {16501, 2, "UFN"}, {16502, 2, "LPD"}, {16505, 3, "SUH"}, {16506, 3, "Y5M"},
    {16512, 4, "UAT"}, {16516, 4, "TAH"}, {16524, 3, "YVG"}, {16526, 2, "OHG"}, {16534, 2, "WLO"}, {16538, 2, "PPR"},
    {16541, 3, ""}, {16542, 3, "HSA"}, {16547, 3, "VWB"}, {16554, 3, "9HD"},
};
const int ship_work_16_count = sizeof ship_work_16 / sizeof ship_work_16[0];

const ShipWork ship_work_18[] = {
    {18871, 2, ""}, {18875, 4, "OST"}, {18877, 3, "KPH"}, {18887, 2, "VWB"}, {18891, 2, "YVG"},
};
const int ship_work_18_count = sizeof ship_work_18 / sizeof ship_work_18[0];

const ShipWork ship_work_22[] = {
    {22061, 4, ""}, {22064, 3, "9HD"}, {22074, 4, ""}, {22075, 4, "SUH"}, {22080, 3, ""}, {22084, 4, ""},
    {22090, 4, "WLO"}, {22092, 4, "4XO"}, {22095, 3, ""}, {22096, 3, ""}, {22098, 3, "HSA"}, {22100, 4, ""},
    {22107, 3, "9VG"}, {22116, 2, "GKA"}, {22117, 2, ""}, {22119, 2, "EAD"}, {22120, 4, ""}, {22122, 2, "HSA"},
    {22131, 3, "9VG"}, {22132, 3, ""}, {22142, 3, "4PB"}, {22148, 4, "PPR"}, {22151, 3, "UFL"}, {22152, 3, ""},
    {22155, 3, "LZW"},
};
const int ship_work_22_count = sizeof ship_work_22 / sizeof ship_work_22[0];

const ShipWork ship_work_25[] = {
    {25076, 4, "4PB"}, {25077, 4, "VIS"}, {25078, 4, "WCC"}, {25081, 2, "VCS"}, {25082, 2, "VWB"}, {25083, 3, ""},
    {25093, 3, "VCS"}, {25098, 3, ""},
};
const int ship_work_25_count = sizeof ship_work_25 / sizeof ship_work_25[0];

}  // namespace kestrel
