// Weather and navigational-warning broadcasts on their schedules, in table
// form: every band function walks the table in its place; a row fires on its
// own frequency in its hours and minutes.
#pragma once
#include <cstdint>

namespace kestrel {

// Every generator a row can name, once: its id, its name in the census and
// what it runs for the row `r` (the band plan's dispatch expands the last).
#define KESTREL_WX_GENERATORS(X)                                                                               \
    X(WXG_CODE, wx_code, /* arg = code kind 11/13/111/253/255, list = WxListId */                            \
      if (r.list >= 0 && r.list < WX_LIST_COUNT)                                                               \
          wx_code(r.call, r.header, r.arg, wx_lists[r.list].rows, wx_lists[r.list].count);)                    \
    X(WXG_PLAIN, wx_plain, /* list = WxPlaceId */                                                              \
      if (r.list >= 0 && r.list < WX_PLACES_COUNT) wx_plain(r.call, wx_places[r.list].rows, wx_places[r.list].count);) \
    X(WXG_NSS, nss_wx, nss_wx();)                                                                              \
    X(WXG_GFA, gfa, gfa();)                                                                                    \
    X(WXG_USWB, uswb, uswb(r.arg); /* arg = mode */)                                                           \
    X(WXG_BRASIL, brasil_wx, brasil_wx();)                                                                     \
    X(WXG_BMB, bmb_wx, bmb_wx();)                                                                              \
    X(WXG_JAPAN, japan_wx, japan_wx();)                                                                        \
    X(WXG_GKA, gka_wx, gka_wx();)                                                                              \
    X(WXG_NAVAREA, navarea, /* navarea_<arg>(call): arg 1, 2, 3, 4, 5, 7, 8, 9, 11 or 13 */                   \
      switch (r.arg) {                                                                                         \
      case 1: navarea_i(); break;                                                                              \
      case 2: navarea_ii(); break;                                                                             \
      case 3: navarea_iii(); break;                                                                            \
      case 4: navarea_iv(r.call); break;                                                                       \
      case 5: navarea_v(r.call); break;                                                                        \
      case 7: navarea_vii(r.call); break;                                                                      \
      case 8: navarea_viii(r.call); break;                                                                     \
      case 9: navarea_ix(r.call); break;                                                                       \
      case 11: navarea_xi(r.call); break;                                                                      \
      case 13: navarea_xiii(r.call); break;                                                                    \
      default: break;                                                                                          \
      })                                                                                                       \
    X(WXG_METAREA, metarea_xx, metarea_xx();)                                                                  \
    X(WXG_XSG, xsg_nw, xsg_nw();)                                                                              \
    X(WXG_RCV, rcv_bcst, rcv_bcst();)                                                                          \
    X(WXG_COLLECT, wx_collect, wx_collect(r.call, r.header, 0); /* header = the calling station */)           \
    X(WXG_TRANSMIT, wx_transmit, wx_transmit(r.call, r.header, 0); /* header = the calling station */)

enum WxGenerator {
#define KESTREL_WX_ID(id, name, ...) id,
    KESTREL_WX_GENERATORS(KESTREL_WX_ID)
#undef KESTREL_WX_ID
    WXG_COUNT
};
// The generators' names, by id.
extern const char *const wx_generator_names[WXG_COUNT];

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
