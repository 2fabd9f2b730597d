// Member lists of the fixed nets: row 0 is the control station.
#include "traffic/netcheck.h"

namespace kestrel {

const FixedNet fixed_nets[FIXED_NETS] = {
    // Soviet navy, army and air force nets (the "V" procedure).
    {"Baltic fleet", {"RMP", "RJD99", "RKB34", "RCH52", "RLW17", "RJW73"}, 6},
    {"Black Sea fleet", {"RCV", "RIT", "RJE41", "RBX2", "RKS", "RGW30"}, 6},
    {"Northern fleet", {"RIR", "RKZ57", "RTP84", "RHB13", "RSX40"}, 5},
    {"Soviet army", {"RFQ47", "RDZ80", "RHU25", "RGK63", "RPA18", "RWF96"}, 6},
    {"Soviet air force", {"UBN", "UNM23", "UWF58", "UJK11", "UZT75"}, 5},
    // French air force, navy and army.
    {"French air force, metropolitan", {"FDC", "FDI2", "FDY4", "FDG", "FDE7"}, 5},
    {"French air force, overseas", {"FDY", "FDX3", "FDW25", "FDM6", "FDQ21"}, 5},
    {"French navy, Atlantic and Mediterranean", {"FUG", "FUE", "FUC", "FUO", "FUX9"}, 5},
    {"French navy, overseas", {"FUV", "FUM", "FUJ", "FUF", "FUN7"}, 5},
    {"French army", {"FAV", "FAV22", "FAV41", "FAR7", "FAQ34"}, 5},
    // Tactical nets of an exercise, calls changed with the day's list.
    {"tactical 1", {"QKD", "X2R", "M7T", "P4L", "Z8C"}, 5},
    {"tactical 2", {"B3N", "K9W", "H5F", "J6V", "R1S"}, 5},
    {"tactical 3", {"V4G", "E8K", "T2Y", "C6P", "W9D"}, 5},
    {"tactical 4", {"L3X", "S7B", "G5M", "A8Q", "N2U"}, 5},
    // The American, British and Italian navies and the US Army.
    {"US Navy, Atlantic", {"NAM", "NAR", "NSS", "NAU", "NBA"}, 5},
    {"US Army", {"WAR", "ADA", "AIC", "AFE", "ADB"}, 5},
    {"Royal Navy", {"GYA", "GXQ", "GYU", "GZO", "GYZ"}, 5},
    {"Italian navy", {"IDR", "IGJ", "IDQ", "IQX", "IWB"}, 5},
    // Embassy nets of three ministries.
    {"Prague ministry", {"OLX", "OLY2", "OLZ7", "OLT44", "OLV"}, 5},
    {"Budapest ministry", {"HGX", "HGX3", "HGX15", "HGX22", "HGX41"}, 5},
    {"Bucharest ministry", {"YOP", "YOP4", "YOP9", "YOP16", "YOP31"}, 5},
    // Army, air, government and tactical nets of the fixed-service bands.
    {"air net C", {"R3K", "B7M", "H2D", "Q5T", "L9W"}, 5},
    {"army net A", {"4KJ", "7TR", "2MV", "9QX", "5LB", "3WN"}, 6},
    {"army net D", {"9SE", "4VL", "6PA", "1KD", "8TC", "2WO"}, 6},
    {"army net E", {"7XF", "3NA", "8KU", "5GR", "1ZE"}, 5},
    {"Yugoslav government", {"YZO", "YZO2", "YZO5", "YZO8", "YZO11"}, 5},
    {"tactical F", {"K4L", "P7A", "M2S", "D9F", "W3H", "Z6C"}, 6},
    {"tactical G", {"N5R", "T8B", "G1V", "U4K", "Y7P"}, 5},
    {"tactical H", {"B6T", "E2N", "J9R", "S4D", "X8L"}, 5},
};

}  // namespace kestrel
