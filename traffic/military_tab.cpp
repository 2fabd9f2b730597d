#include "traffic/military.h"

namespace kestrel {

// Row k of the two lists is one net: the headquarters and the regional station it calls.
const char nkvd_net_hq[NKVD_NET_ROWS][5] = {"RJW4", "UPQ7", "RFM2", "R8KX", "UBZ5", "RTN9",
                                            "U3HL", "RLG6", "RQV3", "UDS8", "R5YT", "UMK2"};
const char nkvd_net_reg[NKVD_NET_ROWS][5] = {"K4ZR", "D7NB", "W2FO", "H9QA", "S3LU", "P6VC",
                                             "N8JE", "G5TM", "L2XI", "F7BD", "Y4OS", "Z9GW"};

const char rdl_codeword[25][14] = {
    "ABORIGEN", "BEREZKA",  "VOLNORES", "GRANIT",  "DOZORNYJ", "ZHURAVL",    "ZVEZDOCHET",
    "IZUMRUD",  "KALINA",   "LASTOCHKA", "METEL",  "NAKOVALNYA", "OBELISK",  "PEREVAL",
    "RUBIN",    "SOKOLNIK", "TUMAN",    "UTES",    "FIALKA",   "KHRUSTAL",   "CHAJKA",
    "SHTORM",   "YANTAR",   "YASTREB",  "KOSTYOR"};

const int dkt[31] = {56269, 80978, 80726, 12993, 51541, 33571, 15960, 94253, 79750, 43280, 93069,
                     74432, 79297, 26932, 14600, 83328, 25562, 38690, 33359, 65821, 63872, 98568,
                     37650, 67786, 84558, 46650, 13506, 55746, 20385, 42861, 24520};

const int peleng_freq_tab[PELENG_FREQS] = {
    269,   555,   941,   1101,  1132,  1245,  1257,  1387,  1391,  1536,  2117,  2124,  2136,  2345,
    2414,  2688,  2944,  3091,  3144,  3353,  3549,  3670,  3796,  4673,  4684,  4704,  4772,  4859,
    5066,  5185,  5240,  5274,  5364,  5380,  5686,  5724,  5787,  5801,  5927,  6487,  6616,  6754,
    6818,  6876,  7225,  7612,  7645,  7994,  8021,  8048,  8279,  8335,  8368,  8503,  8747,  9099,
    9169,  9716,  9956,  10140, 10267, 10296, 10473, 10487, 11932, 12027, 12108, 12161, 12241, 12254,
    12404, 12525, 12855, 13059, 13165, 13236, 13477, 13535, 13676, 13697, 13748, 13760, 14461, 15080,
    15188, 15396, 15432, 15647, 15826, 15867, 15969, 16087, 16103, 16255, 16327, 16629, 16842, 17148,
    17173, 17301, 17382, 17410, 17452, 17533, 17695, 17740, 17912};

const char *const usarmy_wvt_001 =
    "PRIORITY = FM CG SAN FRANCISCO PORT OF EMBARKATION TO CO SIGNAL DEPOT HONOLULU TH = "
    "INFO COMDR HAWAIIAN SEA FRONTIER = CITE SF 4172 = 300 REELS WIRE W110 AND 60 RADIO SETS "
    "SCR 284 LOADED FIRST AVAILABLE TRANSPORT SAILING 19 JUNE UNDER NAVY ESCORT = "
    "RECEIVING PARTY AT PIER 2 REQUESTED = ACKNOWLEDGE = HOLLISTER";

const char usarmy_net_pacific[5][5] = {"WVY", "WVT", "WTJ", "WVLN", "WXBR"};
const char usarmy_net_atlantic[4][5] = {"WAR", "WVNF", "WVQA", "WXRK"};
const char usarmy_net_caribbean[3][5] = {"WVCZ", "WVPR", "WXTT"};

}  // namespace kestrel
