// Band 12 before 1950: the coast stations of the 1930s on their long-wave
// style markers, the liners and tramps working them by hand, and the beam
// and press circuits of the fixed service below the maritime band.

#include "bandplan/bands/band_12_blocks.h"
#include "bandplan/entry.h"
#include "procedures/predicates.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/clock.h"
#include "state/receiver.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/press.h"
#include "traffic/ship_coast.h"

namespace kestrel {

void band_12_history() {
    if (hist) {
        // Fixed service: the beam and commercial offices and their press.
        if (at(12004) && ct(1100, 1700)) { p(30, 1000, 5); send_still("VVV VVV VVV DE GCS GCS GCS RUGBY  "); }
        if (at(12004) && ct(1100, 1700) && ms20(7)) { p(30, 1000, 5); sendf("WQN DE GCS NR %d = ", serial_of_day(3)); qtc5f(serial_of_day(3), 32); send_stack(" AR"); }
        if (at(12017) && ct(600, 1200)) { p(28, 1150, 5); send_still("VVV VVV DE DFQ DFQ DFQ NAUEN  "); }
        if (at(12017) && ct(600, 1200) && cond(3)) { p(28, 1150, 3); send_cond("PPA PPA DE DFQ DFQ QRV K"); }
        if (at(12029) && ct(1300, 1900)) { p(33, 900, 4); send_still("VVV VVV VVV DE WQN WQN WQN ROCKY POINT  "); }
        if (at(12038) && ct(800, 1400)) { p(26, 1250, 5); send_still("CQ CQ CQ DE FTO FTO FTO PRESSE  "); }
        if (at(12038) && ct(800, 1400) && ml(20)) { p(26, 1250, 5); press_px("FTO", PRESS_HAVAS); }
        if (at(12047) && ct(2000, 300)) { p(24, 800, 3); send_still("VVV VVV DE LSI LSI LSI MONTE GRANDE  "); }
        if (at(12055) && ct(1900, 100)) { p(27, 1000, 4); send_still("VVV VVV VVV DE PSK PSK PSK RIO  "); }
        if (at(12055) && ct(1900, 100) && cond(3)) { p(27, 1000, 4); send_cond_bug("DFQ DFQ DE PSK PSK QTC 14 K"); }
        if (at(12068) && ct(900, 1500)) { p(30, 1300, 3); send_still("VVV VVV DE IBK IBK IBK ROMA  "); }
        if (at(12075) && ct(400, 900)) { p(25, 1100, 1); send_still("VVV VVV VVV DE JNX JNX JNX TOKIO  "); }
        if (at(12075) && ct(400, 900) && ms10(50)) { p(25, 1100, 2); fig4_msg("CQ DE JNX KOKUSAI = ", 40); }
        if (at(12088) && ct(1500, 2200)) { p(32, 950, 4); send_still("VVV VVV DE KEL KEL KEL BOLINAS  "); }
        if (at(12093) && ct(700, 1300)) { p(24, 1000, 2); send_still("VVV VVV VVV DE VIY VIY VIY  "); }
        if (at(12104) && ct(1000, 1600)) { p(28, 1200, 4); send_still("VVV VVV DE SUW SUW SUW  "); }
        if (at(12104) && ct(1000, 1600) && cond(3)) { p(28, 1200, 5); send_cond("GCS GCS DE SUW SUW QTC 7 K"); }
        if (at(12139) && ct(1200, 1800)) { p(26, 850, 3); send_still("CQ CQ DE CTA CTA CTA LISBOA PRESS  "); }
        if (at(12150) && ct(800, 1300) && cond(2)) { p(22, 1000, 5); send_cond("FTO FTO DE FZS FZS QRV 12 K"); }
        if (at(12176) && ct(1300, 1900)) { p(30, 1000, 4); send_still("VVV VVV VVV DE WCX WCX WCX  "); }
        if (at(12208) && ct(600, 1100)) { p(24, 1400, 1); send_still("VVV VVV DE XGR XGR XGR SHANGHAI  "); }

        // Coast stations of the 1930s on the 25-metre marine channels.
        if (at(12585) && night()) { p(20, 850, 3); send_still("CQ CQ CQ DE SAB SAB SAB QRU?  "); }
        if (at(12598) && ct(1800, 600)) { p(22, 700, 4); coast_station_ex("CQ CQ DE PCH PCH PCH QRU? QTC?  ", "PCH", "SCHEVENINGEN"); }
        if (at(12613) && eh()) { p(18, 900, 3); send_still("CQ DE SVA SVA SVA QRU?  "); }
        if (at(12633) && ct(1300, 300)) { p(24, 850, 4); coast_station_ex("CQ CQ CQ DE WSC WSC WSC QSX 25 M  ", "WSC", "TUCKERTON"); }
        if (at(12649) && cond(2)) { p(20, 760, 3); send_still("VVV VVV DE OXZ OXZ OXZ QTC?  "); }
        if (at(12663) && ct(1600, 400)) { p(22, 1000, 3); send_still("CQ CQ DE KPH KPH KPH QSX 25 M  "); }
        if (at(12674) && day()) { p(19, 800, 3); send_still("VVV VVV DE SAG SAG SAG QRU?  "); }
        if (at(12713) && ct(600, 2000)) { p(21, 950, 3); send_still("CQ CQ CQ DE ICB ICB ICB QRU?  "); }
        if (at(12765) && cond(2)) { p(25, 900, 4); send_still("CQ CQ DE KFS KFS KFS QRU? QSX 36 M  "); }
        if (at(12860) && ct(600, 2200)) { p(24, 1000, 4); send_still("CQ CQ DE FFL FFL FFL QRU?  "); }
        if (at(12869) && cond(2)) { p(18, 700, 3); send_still("CQ DE YUR YUR YUR QRU?  "); }
        // Liners and cargo ships of the era working the coast stations by hand.
        if (at(12236) && cond(3)) { p(18, 820, 3); send_cond("PCH PCH PCH DE PEKL PEKL QTC 2 K"); }
        if (at(12245) && cond(3)) { p(22, 900, 4); send_cond("GKU GKU DE GBTT GBTT QRV 18 K"); }
        if (at(12249) && cond(3)) { p(20, 700, 3); send_cond_bug("DAN DAN DE DOAL DOAL QTC 5 K"); }
        if (at(12258) && cond(3)) { p(19, 1000, 3); send_cond("FFL FFL DE FNSK FNSK QTC 8 K"); }
        if (at(12271) && cond(3)) { p(21, 850, 3); send_cond("ICB ICB DE IBDO IBDO QTC 3 K"); }
        if (at(12279) && cond(3)) { p(17, 750, 3); send_cond("WCC WCC DE KDGE KDGE QTC 1 K"); }
        if (at(12289) && cond(3)) { p(20, 1100, 3); send_cond_bug("OXZ OXZ DE OXLS OXLS QRV? K"); }
        if (at(12305) && cond(3)) { p(18, 900, 3); send_cond("SAG SAG DE SIRF SIRF QTC 2 K"); }
        if (at(12324) && cond(3)) { p(22, 800, 3); send_cond("WSL WSL DE WBKN WBKN QTC 4 K"); }
        if (at(12358) && cond(3)) { p(19, 1250, 3); send_cond("KPH KPH DE KFRQ KFRQ QTC 1 K"); }
    }
}

}  // namespace kestrel
