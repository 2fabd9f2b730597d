// Aeronautical traffic: the aeronautical fixed network, air-to-ground tests,
// an aeronautical weather broadcast, bearing requests, air force contacts,
// flying boats, a Soviet airline and a coded air weather report.
#pragma once

namespace kestrel {

constexpr int ACFT_ROWS = 134;
extern const char acft[ACFT_ROWS][6];            // aircraft calls, "DAGAR" first
extern const char acft_flying_boats2[12][6];     // flying boats of the 1930s
extern const char *const aero_wx_report;         // fixed report; {DAY} {HOUR} {MIN} fields

void aero_fixed(const char *called, const char *own, int every);
void a2g_sx(const char *ground);
void a2g_dx_acft(const char *aircraft, const char *ground);
void a2g_dx_gnd(const char *ground);
void aero_wx(const char *call);
void old_aero_qte(int kind, const char *df);
void german_fb(const char *ground);
void aeroflot(const char *ground, const char *aircraft);
void rus_acft_sos();
void raf_qso(const char *ground);
void rea4();

}  // namespace kestrel
