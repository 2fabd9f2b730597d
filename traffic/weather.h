// Weather and navigational warnings: synoptic code bulletins, plain-language
// observations and forecasts, NAVAREA warnings, Soviet broadcasts and the
// calls for weather reports.
#pragma once

namespace kestrel {

// Station lists for wx_code: three-digit block prefixes of real synoptic
// regions, to which the group generators add two digits.
struct WxStationList {
    const char (*rows)[4];
    int count;
};
enum WxListId {
    WX_LIST_EUROPEAN_RUSSIA,  // Soviet broadcasts of European Russia
    WX_LIST_SIBERIA_FAR_EAST, // Soviet broadcasts of Siberia and the Far East
    WX_LIST_UKRAINE,          // the Ukrainian and Black Sea bulletin (ukr_code)
    WX_LIST_CHINA,            // Chinese stations (china_code)
    WX_LIST_WESTERN_EUROPE,
    WX_LIST_MEDITERRANEAN,
    WX_LIST_NORTH_AMERICA,
    WX_LIST_SOUTH_AMERICA_AFRICA,
    WX_LIST_COUNT
};
extern const WxStationList wx_lists[WX_LIST_COUNT];

// Place names for wx_plain (16-character rows).
struct WxPlaceList {
    const char (*rows)[16];
    int count;
};
enum WxPlaceId { WX_PLACES_SOVIET_ARCTIC, WX_PLACES_BALTIC, WX_PLACES_FAR_EAST, WX_PLACES_COUNT };
extern const WxPlaceList wx_places[WX_PLACES_COUNT];

extern const char wind_dir[16][4];
// The Cyrenaican observing stations of the Italian naval weather bulletin.
extern const char derna_obs_stn[7][4];

// Fixed bulletin texts. Date fields are written by name and filled from the
// clock: {DAY} {HOUR} {MIN} (two digits), {MONTH} (number), {MON} (JAN..DEC),
// {YY} (two-digit year), {SYN} (the synoptic hour, two digits), {NEXTDAY}
// (tomorrow's day of the month, two digits), {WEEKDAY} (dayname of today).
extern const char *const _navarea_i;
extern const char *const _navarea_ii;
extern const char *const _navarea_iii;
extern const char *const _navarea_iv;
extern const char *const _navarea_v;
extern const char *const _navarea_vii_even;  // on even days
extern const char *const _navarea_vii_odd;
extern const char *const _navarea_viii;
extern const char *const _navarea_ix;
extern const char *const _navarea_xi;
extern const char *const _navarea_xiii;
extern const char *const _metarea_xx;
extern const char *const _xsg_nw;
extern const char *const nss_part_one;  // after the head of part one
extern const char *const nss_1;
extern const char *const nss_2;
extern const char *const gfa_wx;
extern const char *const uswb_txt;  // after the head; names {WEEKDAY}
extern const char *const brasil_wx_4;
extern const char *const brasil_wx_5;
extern const char *const bmb_wx_txt;
extern const char *const japan_wx_tokyo;
extern const char *const japan_wx_kobe;
extern const char *const japan_wx_nagoya;
extern const char *const japan_wx_sendai;
extern const char *const gka_wx_txt;
extern const char *const qtc_891;  // in the Latin letters of Russian Morse
extern const char *const qtc_898;
extern const char *const qtc_899;

int meteo_hour();
void f13_code(const char *prefix);
void f11_code(const char *prefix);
void f111_code(const char *prefix);
void china_code(const char *prefix);
void ukr_code(const char *prefix);
void wx_code(const char *call, const char *header, int kind, const char (*stations)[4], int count);
void wx_plain(const char *call, const char (*places)[16], int count);
void italian_naval_code(const char *call, const char (*stations)[4], int count);
void nss_wx();
void gfa();
void uswb(int mode);
void brasil_wx();
void bmb_wx();
void japan_wx();
void gka_wx();
void navarea_i();
void navarea_ii();
void navarea_iii();
void navarea_iv(const char *call);
void navarea_v(const char *call);
void navarea_vii(const char *call);
void navarea_viii(const char *call);
void navarea_ix(const char *call);
void navarea_xi(const char *call);
void navarea_xiii(const char *call);
void metarea_xx();
void xsg_nw();
void rcv_bcst();
void wx_collect(const char *called, const char *caller, int unused);
void wx_transmit(const char *called, const char *caller, int unused);

}  // namespace kestrel
