// Every row of the schedule tables can be heard: for each row there is an
// instant inside its schedule and a seed at which it queues an emission.
// A row whose generator keeps a clock of its own, a prefix or call missing
// from the register, or a window that never meets the generator's, fails.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "bandplan/entry_helpers.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

int label_of(int f) {
    const int b = f / 1000;
    return b == 10 ? 8 : b <= 14 ? 12 : b <= 19 ? 16 : 22;
}

// Tries instants in the row's hours and minutes (several days, seconds and
// seeds) until `run` queues something on the row's frequency.
class Rows : public Kestrel {
protected:
    bool heard(int f, uint32_t hours, int from_min, int to_min, const std::function<void()> &run) {
        static const int seconds[] = {0, 1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 24, 30, 31, 33, 36, 40, 45, 48, 50, 54, 57};
        static const int days[] = {7, 8, 9, 10, 11, 12, 13};  // Monday 7 July 2025 .. Sunday
        unsigned seed = 1;
        for (int tries = 0; tries < 400; ++tries) {
            int hour = -1;
            for (int k = 0; k < 24 && hour < 0; ++k) {
                const int h = (tries * 7 + k) % 24;
                if (hours >> h & 1u) hour = h;
            }
            if (hour < 0 || to_min <= from_min) return false;
            const int minute = from_min + (tries * 13) % (to_min - from_min);
            const int second = seconds[tries % (sizeof seconds / sizeof *seconds)];
            reception_at(2025, 7, days[tries % 7], hour, minute, second, tries * 37 % 1000, seed++);
            hist = 1;
            bkgnd = 1;
            freq = f;
            band = f / 1000;
            marine_band = label_of(f);
            stn();
            run();
            for (int k = 0; k < send_call && k < 7; ++k)
                if (send_buf[k][0]) return true;
        }
        return false;
    }
    static constexpr uint32_t all_day = 0xFFFFFFu;
};

TEST_F(Rows, EveryDiplomaticAndWeatherRowSendsInItsWindow) {
    int silent = 0;
    for (int i = 0; i < diplo_entry_count; ++i) {
        const DiploEntry &r = diplo_entries[i];
        if (!heard(r.freq, r.hours, r.from_min, r.to_min, [&] { diplo_row(r); }) && ++silent <= 30)
            ADD_FAILURE() << "diplomatic row " << i << " (" << r.freq << " kHz, generator " << r.gen << ", hours 0x"
                          << std::hex << r.hours << std::dec << ", minutes " << r.from_min << ".." << r.to_min
                          << ") is never heard";
    }
    for (int i = 0; i < wx_entry_count; ++i) {
        const WxEntry &r = wx_entries[i];
        if (!heard(r.freq, r.hours, r.from_min, r.to_min, [&] { weather_row(r); }) && ++silent <= 30)
            ADD_FAILURE() << "weather row " << i << " (" << r.freq << " kHz " << r.call << ", minutes " << r.from_min
                          << ".." << r.to_min << ") is never heard";
    }
    EXPECT_EQ(silent, 0);
}

TEST_F(Rows, EveryCoastWatchAndShipWorkRowSends) {
    struct CoastTable {
        const CoastWatch *rows;
        int count;
    };
    const CoastTable coast[] = {{coast_watch_12, coast_watch_12_count}, {coast_watch_13, coast_watch_13_count},
                                {coast_watch_16, coast_watch_16_count}, {coast_watch_17, coast_watch_17_count},
                                {coast_watch_19, coast_watch_19_count}, {coast_watch_22, coast_watch_22_count},
                                {coast_watch_25, coast_watch_25_count}, {coast_watch_26, coast_watch_26_count}};
    int silent = 0;
    for (const auto &table : coast)
        for (int i = 0; i < table.count; ++i) {
            const CoastWatch &r = table.rows[i];
            if (!heard(r.freq, all_day, 0, 60, [&] { coast_watch(&r, 1); }) && ++silent <= 30)
                ADD_FAILURE() << "coast watch " << r.call << " on " << r.freq << " kHz is never heard";
        }
    struct ShipTable {
        const ShipWork *rows;
        int count;
    };
    const ShipTable ships[] = {{ship_work_12, ship_work_12_count}, {ship_work_16, ship_work_16_count},
                               {ship_work_18, ship_work_18_count}, {ship_work_22, ship_work_22_count},
                               {ship_work_25, ship_work_25_count}};
    for (const auto &table : ships)
        for (int i = 0; i < table.count; ++i) {
            const ShipWork &r = table.rows[i];
            if (!heard(r.freq, all_day, 0, 60, [&] { ship_work(&r, 1); }) && ++silent <= 30)
                ADD_FAILURE() << "ship work on " << r.freq << " kHz (" << r.called << ") is never heard";
        }
    EXPECT_EQ(silent, 0);
}

TEST_F(Rows, EveryMaritimeListRowSends) {
    int silent = 0;
    auto check = [&](const char *table, int i, int f, uint32_t hours, int from, int to, const std::function<void()> &run) {
        if (!heard(f, hours, from, to, run) && ++silent <= 30)
            ADD_FAILURE() << table << " row " << i << " on " << f << " kHz is never heard";
    };
    for (int i = 0; i < tfc_list_entry_count; ++i) {
        const TfcListEntry &r = tfc_list_entries[i];
        check("tfc_list", i, r.freq, r.hours, r.from_min, r.to_min, [&] { maritime_row(r); });
    }
    for (int i = 0; i < assigned_entry_count; ++i)
        check("assigned", i, assigned_entries[i].freq, all_day, 0, 60, [&] { maritime_row(assigned_entries[i]); });
    for (int i = 0; i < national_fleet_entry_count; ++i)
        check("national_fleet", i, national_fleet_entries[i].freq, all_day, 0, 60,
              [&] { maritime_row(national_fleet_entries[i]); });
    for (int i = 0; i < russian_fleet_entry_count; ++i)
        check("russian_fleet", i, russian_fleet_entries[i].freq, all_day, 0, 60,
              [&] { maritime_row(russian_fleet_entries[i]); });
    for (int i = 0; i < port_radio_entry_count; ++i)
        check("port_radio", i, port_radio_entries[i].freq, all_day, 0, 60, [&] { maritime_row(port_radio_entries[i]); });
    for (int i = 0; i < small_coast_entry_count; ++i)
        check("small_coast", i, small_coast_entries[i].freq, all_day, 0, 60,
              [&] { maritime_row(small_coast_entries[i]); });
    for (int i = 0; i < df_entry_count; ++i)
        check("df", i, df_entries[i].freq, all_day, 0, 60, [&] { maritime_row(df_entries[i]); });
    EXPECT_EQ(silent, 0);
}

// The search itself: a row outside every hour, or a window that is empty,
// is reported silent rather than passed.
TEST_F(Rows, ARowThatCannotSendIsFound) {
    DiploEntry never = diplo_entries[0];
    never.hours = 0;
    EXPECT_FALSE(heard(never.freq, never.hours, never.from_min, never.to_min, [&] { diplo_row(never); }));
    NationalFleetEntry nobody = national_fleet_entries[0];
    nobody.prefix = "Q9";  // no call in the register begins so
    EXPECT_FALSE(heard(nobody.freq, all_day, 0, 60, [&] { maritime_row(nobody); }));
    EXPECT_TRUE(heard(national_fleet_entries[0].freq, all_day, 0, 60, [&] { maritime_row(national_fleet_entries[0]); }));
}

}  // namespace
}  // namespace kestrel::test
