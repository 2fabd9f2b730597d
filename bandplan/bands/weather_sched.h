// Weather and navigational-warning broadcasts on their schedules, in table
// form: every band function walks the table in its place; a row fires on its
// own frequency in its hours and minutes.
#pragma once
#include <cstdint>

namespace kestrel {

enum WxGenerator {
    WXG_CODE,      // wx_code(call, header, arg = code kind 11/13/111/253/255, list = WxListId)
    WXG_PLAIN,     // wx_plain(call, list = WxPlaceId)
    WXG_NSS,       // nss_wx()
    WXG_GFA,       // gfa()
    WXG_USWB,      // uswb(arg = mode)
    WXG_BRASIL,    // brasil_wx()
    WXG_BMB,       // bmb_wx()
    WXG_JAPAN,     // japan_wx()
    WXG_GKA,       // gka_wx()
    WXG_NAVAREA,   // navarea_<arg>(call): arg 1, 2, 3, 4, 5, 7, 8, 9, 11 or 13
    WXG_METAREA,   // metarea_xx()
    WXG_XSG,       // xsg_nw()
    WXG_RCV,       // rcv_bcst()
    WXG_COLLECT,   // wx_collect(call, header = the calling station)
    WXG_TRANSMIT,  // wx_transmit(call, header = the calling station)
};

struct WxEntry {
    int32_t freq;
    int gen;             // WxGenerator
    int arg;             // as the generator needs
    int list;            // WxListId or WxPlaceId
    const char *call;    // the broadcasting station
    const char *header;  // wx_code's bulletin header, or the other station
    uint32_t hours;      // bit (1 << hour) set: on in that hour
    int from_min, to_min;
    // The keying in force when the generator starts. A broadcast whose own
    // procedure fixes its keying keeps it: all three for nss_wx, gfa, uswb and
    // rcv_bcst and for wx_code's kinds that set them, the speed for the NAVAREA
    // bulletins (18) and xsg_nw (24); for those the columns do not count.
    int spd, ton, qsa;
};
extern const WxEntry wx_entries[];
extern const int wx_entry_count;

}  // namespace kestrel
