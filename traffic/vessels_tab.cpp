#include "traffic/vessels.h"

namespace kestrel {

const char ships[30][8] = {"UBCX", "UHQP", "UZBN", "URCQ", "UUAF", "PFBX", "DGJY", "ELKM3", "3FGM4", "C6BT7", "9VNM",
                           "SQJW", "LAXY4", "OXRP", "SGKL", "JFYB", "VRUE7", "A8QT7", "P3RS5", "9HAA6", "YLAM",
                           "DSMF", "HOJY", "GBTT", "ONAW", "PDXR", "IBKE", "EAQW", "SXDV", "TCCB"};
const unsigned char ships_25_rows[20] = {0, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 19, 21, 23, 26, 28};

}  // namespace kestrel
