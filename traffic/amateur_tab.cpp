// The amateurs heard on each band, and the international beacon chain.
#include "traffic/amateur.h"

namespace kestrel {

namespace {
// Calls and the operators' names, row by row.
const char ham_calls_21[][8] = {"DK4RX",  "G4NQC",  "OK1FMJ", "UA3AGW", "JA1XPQ", "W8JYZ",  "VK2BQS", "LU7DZ",
                                "I2KMV",  "SP9RTA", "YO3FLR", "PY2OX",  "ZS6BRK", "EA5GVT", "F6CWB",  "HA5KDQ",
                                "K4ZLE",  "VE3MTQ", "OZ1ACB", "SM5DJZ", "UR5WCA", "LZ1NK",  "9A3LW",  "4X4JU",
                                "ON4XG",  "PA3CVR", "OH6KZP", "UA9CGL", "VU2RBK", "5B4AHJ"};
const char ham_names_21[][8] = {"HANS", "JOHN",  "PAVEL", "YURI", "KEN",  "BOB",   "GRAHAM", "CARLOS",
                                "MARIO", "JUREK", "ION",   "ZE",   "PIET", "JOSE",  "ANDRE",  "LACI",
                                "JIM",   "DAVE",  "OLE",   "LARS", "VASYL", "NIKO",  "ZVONKO", "AVI",
                                "LUC",   "KEES",  "PEKKA", "OLEG", "RAVI", "ANDY"};
static_assert(sizeof ham_calls_21 == sizeof ham_names_21);

const char ham_calls_24[][8] = {"DL3KVR", "G3WPH", "OK2PBG", "RA3DNC", "JH1EAF", "N4YDU",  "VK3GMZ", "LU1FAM",
                                "IK4ZHH", "SP5EWX", "YO9HP",  "PY1NB",  "ZS1ANF", "EA3BOX", "F5NQL",  "HA8EK",
                                "K1GQ",   "VE7NI",  "OZ7YY",  "SM6DHU", "UT2UB",  "LZ2UZ",  "S57DX",  "4Z5LA"};
const char ham_names_24[][8] = {"UWE",  "PETER", "MIREK", "SASHA", "HIRO", "TOM",  "IAN",   "PABLO",
                                "GIANNI", "ADAM", "DAN",   "NELSON", "RIAAN", "JORDI", "MICHEL", "SANYI",
                                "FRANK", "STEVE", "JENS",  "BJORN", "VLAD",  "GEORGI", "BRANKO", "EYAL"};
static_assert(sizeof ham_calls_24 == sizeof ham_names_24);

const char ham_calls_28[][8] = {"DJ7RT",  "G0KPW",  "OK1DTP", "UA6LGH", "JA3OSV", "WA2HIP", "VK4FW",  "LU3CQ",
                                "IZ2BKA", "SP3GEM", "YO4AAC", "PY5EG",  "ZS2ZA",  "EA1DR",  "F5IN",   "HA3HX",
                                "K5TR",   "VE1JS",  "OZ5UR",  "SM3EVR", "US1VM",  "LZ3FN",  "9A5Y",   "4X1VF",
                                "ON7DQ",  "PA0FAW", "OH1XT",  "RW9UP",  "VU2PTT", "5B4AGN"};
const char ham_names_28[][8] = {"KLAUS",  "MIKE",  "JIRI",  "SERGEY", "TAKA",  "HARRY", "FRED",  "JORGE",
                                "LUCA",   "MAREK", "DAN",   "EDSON",  "KOOS",  "LUIS",  "JACQUES", "TIBOR",
                                "TREE",   "JACK",  "NIELS", "GORAN",  "MYKOLA", "TODOR", "ZORAN", "MOSHE",
                                "PATRICK", "WIM",  "TIMO",  "IGOR",   "SURESH", "STELIOS"};
static_assert(sizeof ham_calls_28 == sizeof ham_names_28);
}  // namespace

const HamRoster hams_21{ham_calls_21, ham_names_21, sizeof ham_calls_21 / sizeof ham_calls_21[0], true};
const HamRoster hams_24{ham_calls_24, ham_names_24, sizeof ham_calls_24 / sizeof ham_calls_24[0], false};
const HamRoster hams_28{ham_calls_28, ham_names_28, sizeof ham_calls_28 / sizeof ham_calls_28[0], true};

// The international beacon chain in the order of its turns.
const char beacon_calls[18][8] = {"4U1UN", "VE8AT", "W6WX", "KH6RS", "ZL6B",  "VK6RBP", "JA2IGY", "RR9O", "VR2B",
                                  "4S7B",  "ZS6DN", "5Z4B", "4X6TU", "OH2B",  "CS3B",   "LU4AA",  "OA4B", "YV5B"};

}  // namespace kestrel
