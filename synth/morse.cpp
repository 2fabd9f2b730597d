#include "synth/morse.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/files.h"
#include "state/log.h"
#include "state/random.h"
#include "state/receiver.h"
#include "synth/channels.h"
#include "synth/params.h"

namespace kestrel {

WaveHeader wavehdr;
int channel = 1;
int32_t dot_size = 0;
int32_t samples = 0;
uint32_t rto_rand = 0;
int last_space = 0;
int tuning_flag = 0;
int old_flt = 0;
const uint8_t qsa_tab[8] = {1, 8, 16, 32, 64, 126, 0, 0};

namespace {

// Sample patterns, offsets from 128, by level 0..5.
constexpr int8_t mark_pat[6][8] = {
    {0, 1, 2, 1, 0, -1, -2, -1},     {0, 4, 8, 4, 0, -4, -8, -4},       {0, 8, 16, 8, 0, -8, -16, -8},
    {0, 16, 32, 16, 0, -16, -32, -16}, {0, 32, 64, 32, 0, -32, -64, -32}, {0, 48, 96, 48, 0, -48, -96, -48},
};
constexpr int8_t f1_pat[6][12] = {
    {0, 0, 1, 2, 1, 0, 0, 0, -1, -2, -1, -1},
    {0, 4, 6, 8, 6, 4, 0, -4, -6, -8, -6, -4},
    {0, 8, 12, 16, 12, 8, 0, -8, -12, -16, -12, -8},
    {0, 16, 24, 32, 24, 16, 0, -16, -24, -32, -24, -16},
    {0, 32, 48, 64, 48, 32, 0, -32, -48, -64, -48, -32},
    {0, 48, 72, 96, 72, 48, 0, -48, -72, -96, -72, -48},
};
constexpr int8_t spark_pat[6][20] = {
    {8, -8, 4, -4, 2, -2},
    {16, -16, 11, -11, 6, -6},
    {32, -32, 22, -22, 12, -12},
    {64, -64, 43, -43, 22, -22},
    {96, -96, 64, -64, 32, -32},
    {127, -128, 96, -96, 64, -64, 32, -32},
};

// A file is described first as a list of runs (a tile and a byte count), so
// its length, header and playing time are known before a byte is written;
// the runs are then expanded into the file in large pieces. The bytes are
// those of a sample-by-sample writer.
struct Run {
    const uint8_t *tile;
    uint64_t bytes;
};
std::vector<Run> runs;

// Each pattern repeated to fill a tile whose length is a multiple of 8, 12 and 20.
constexpr size_t TILE = 2880;
uint8_t mark_tile[6][TILE], f1_tile[6][TILE], spark_tile[6][TILE], silence_tile[TILE], carrier_tile[8][TILE];
bool tiles_ready = false;

void build_tiles() {
    for (int l = 0; l < 6; ++l)
        for (size_t i = 0; i < TILE; ++i) {
            mark_tile[l][i] = static_cast<uint8_t>(128 + mark_pat[l][i % 8]);
            f1_tile[l][i] = static_cast<uint8_t>(128 + f1_pat[l][i % 12]);
            spark_tile[l][i] = static_cast<uint8_t>(128 + spark_pat[l][i % 20]);
        }
    for (int q = 0; q < 8; ++q)
        for (size_t i = 0; i < TILE; i += 2) {
            carrier_tile[q][i] = static_cast<uint8_t>(128 + qsa_tab[q]);
            carrier_tile[q][i + 1] = static_cast<uint8_t>(128 - qsa_tab[q]);
        }
    std::memset(silence_tile, 128, TILE);
    tiles_ready = true;
}

// Appends `bytes` bytes of a tile (a whole number of its periods). A run that
// continues the previous one's tile is merged with it: both are whole
// periods, so the bytes are the same.
void put(const uint8_t *tile, uint64_t bytes) {
    samples = static_cast<int32_t>(static_cast<uint32_t>(samples) + static_cast<uint32_t>(bytes));
    if (bytes == 0) return;
    if (!runs.empty() && runs.back().tile == tile) runs.back().bytes += bytes;
    else runs.push_back({tile, bytes});
}

// A read position in a run list.
struct Cursor {
    size_t run = 0;
    uint64_t at = 0;
};

// Expands up to `cap` bytes from the cursor into out; returns how many.
size_t expand(const std::vector<Run> &list, Cursor &c, uint8_t *out, size_t cap) {
    size_t n = 0;
    while (n < cap && c.run < list.size()) {
        const Run &r = list[c.run];
        const size_t off = static_cast<size_t>(c.at % TILE);
        uint64_t take = r.bytes - c.at;
        if (take > TILE - off) take = TILE - off;
        if (take > cap - n) take = cap - n;
        std::memcpy(out + n, r.tile + off, static_cast<size_t>(take));
        n += static_cast<size_t>(take);
        c.at += take;
        if (c.at == r.bytes) {
            ++c.run;
            c.at = 0;
        }
    }
    return n;
}

bool level_ok() { return qsa >= 0 && qsa <= 5; }

// The sample count just past the last keyed element: where a character's
// sound ends, before its spaces.
uint32_t mark_end_at = 0;
void mark_ends() { mark_end_at = static_cast<uint32_t>(samples); }

void mark_cycles(int level, uint64_t cycles) {
    if (level >= 0 && level <= 5) put(mark_tile[level], cycles * 8);
}
void f1_cycles(int level, uint64_t cycles) {
    if (level >= 0 && level <= 5) put(f1_tile[level], cycles * 12);
}
void spark_periods(int level, uint64_t periods) {
    if (level >= 0 && level <= 5) put(spark_tile[level], periods * 20);
}

uint64_t count(uint32_t n, uint32_t extra) {
    return static_cast<uint64_t>(static_cast<uint32_t>(dot_size)) * n + extra;
}

// rto_rand = myrand() mod range, or 0 for an empty range.
uint32_t irregularity(int32_t range) {
    if (range <= 0) return 0;
    return myrand() % static_cast<uint32_t>(range);
}

void extension(int32_t a) { rto_rand = hand ? irregularity(a / 2) : 0; }

// The receiver's filter is forced narrow for a spark emission and put back afterwards.
bool spark_forced = false;

void restore_filter() {
    if (spark_forced) {
        filter = old_flt;
        spark_forced = false;
    }
}

void le16(uint8_t *p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void le32(uint8_t *p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void set_rate(int tone) {
    uint32_t rate = static_cast<uint32_t>(tone) * static_cast<uint32_t>(sampling);
    wavehdr.channels = static_cast<uint16_t>(channel);
    wavehdr.sample_rate = rate;
    wavehdr.block_align = static_cast<uint16_t>(wavehdr.bits_per_sample / 8 * channel);
    wavehdr.byte_rate = rate * wavehdr.block_align;
}

// --- Writing the files -------------------------------------------------------

std::string write_error_line(const std::string &path, int err) {
    return "cannot write " + path + ": " + std::strerror(err);
}

// A file whose head is on disk and whose rest the writer thread is writing.
struct WaveJob {
    int channel = 0;
    std::string path;
    OutFile *file = nullptr;
    std::vector<Run> runs;
    Cursor cursor;
    uint64_t offset = 0;  // file offset of the next byte
    uint64_t end = 0;     // file length
    std::shared_ptr<WriteProgress> progress;
    std::atomic<bool> cancel{false};
    // Written at once up to `eager_end` (the first seconds of sound); the
    // rest once the receiver has stayed on the frequency until `hold_until`,
    // so quick retunes past a busy frequency do not write what nobody hears.
    // Both guarded by the writer's lock.
    uint64_t eager_end = 0;
    std::chrono::steady_clock::time_point hold_until;
};

constexpr int FILES = 10;  // TOVA0 .. TOVA9

// The writer thread and what it shares with the window thread. The thread is
// started when there is work, stays a while for more (so quick retunes do not
// start and end threads) and ends when none comes, or when told to.
struct Writer {
    std::mutex mu;
    std::condition_variable idle;  // a job ended, or the thread is gone
    std::condition_variable work;  // a job or a replaced file came, or the thread is to end
    bool finish = false;           // end the thread once the work is done
    std::deque<std::shared_ptr<WaveJob>> queue;
    std::vector<std::string> trash;  // replaced files whose blocks are released here
    std::shared_ptr<WaveJob> current[FILES];
    std::string error[FILES];
    bool running = false;
    std::thread thread;
    unsigned trash_nr = 0;
};
Writer g_writer;
std::atomic<bool> g_behind{false};

// Sample frames of the data chunk on disk when the file holds `end` bytes.
uint64_t frames_on_disk(uint64_t end) { return end > 44 ? end - 44 : 0; }

// Expands and writes the job's runs up to `limit` (a file offset); 0 or errno.
int write_runs(WaveJob &j, uint64_t limit, uint8_t *buf, size_t cap) {
    while (j.offset < limit) {
        uint64_t want = limit - j.offset;
        if (want > cap) want = cap;
        const size_t n = expand(j.runs, j.cursor, buf, static_cast<size_t>(want));
        if (n == 0) return EIO;  // the runs are shorter than the header says: cannot happen
        if (const int e = out_file_write_at(j.file, j.offset, buf, n)) return e;
        j.offset += n;
    }
    return 0;
}

// Ends a job that failed or was given up: what is on disk would contradict
// the header, so the file is emptied and nothing of it plays.
void abandon(WaveJob &j) {
    write_progress_end(j.progress, j.path, WriteProgress::failed);
    if (j.file) {
        out_file_truncate(j.file, 0);
        out_file_close(j.file);
        j.file = nullptr;
    }
}

void writer_main() {
    static uint8_t buf[1 << 18];
    std::unique_lock<std::mutex> lk(g_writer.mu);
    for (;;) {
        if (!g_writer.trash.empty()) {
            std::vector<std::string> trash;
            trash.swap(g_writer.trash);
            lk.unlock();
            for (const std::string &p : trash) file_remove(p.c_str());
            lk.lock();
            continue;
        }
        if (g_writer.queue.empty()) {
            if (g_writer.finish) break;
            const bool more = g_writer.work.wait_for(lk, std::chrono::seconds(2), [] {
                return !g_writer.queue.empty() || !g_writer.trash.empty() || g_writer.finish;
            });
            if (!more) break;
            continue;
        }
        // The first job with work due: a given-up one, one short of its first
        // seconds, or one whose frequency the receiver has stayed on.
        const auto now = std::chrono::steady_clock::now();
        auto wake = std::chrono::steady_clock::time_point::max();
        std::shared_ptr<WaveJob> job;
        for (const auto &q : g_writer.queue) {
            if (q->cancel.load() || q->offset < q->eager_end || now >= q->hold_until || g_writer.finish) {
                job = q;
                break;
            }
            if (q->hold_until < wake) wake = q->hold_until;
        }
        if (!job) {
            g_writer.work.wait_until(lk, wake);
            continue;
        }
        lk.unlock();
        WaveJob &j = *job;
        int err = 0;
        bool done = j.cancel.load();
        if (!done) {
            const uint64_t limit = j.end - j.offset > sizeof buf ? j.offset + sizeof buf : j.end;
            err = write_runs(j, limit, buf, sizeof buf);
            if (!err) j.progress->frames.store(frames_on_disk(j.offset), std::memory_order_release);
            if (!err && j.offset == j.end) {
                err = out_file_close(j.file);
                j.file = nullptr;
                done = true;
            }
            if (err) done = true;
        }
        std::string line;
        if (done) {
            if (err || j.cancel.load()) abandon(j);
            else write_progress_end(j.progress, j.path, WriteProgress::whole);
            if (err) {
                line = write_error_line(j.path, err);
                Log_thread("CreateWave", line.c_str(), static_cast<unsigned long>(j.channel));
            }
        }
        lk.lock();
        if (done) {
            for (auto it = g_writer.queue.begin(); it != g_writer.queue.end(); ++it)
                if (*it == job) {
                    g_writer.queue.erase(it);
                    break;
                }
            if (g_writer.current[j.channel] == job) {
                g_writer.current[j.channel] = nullptr;
                g_writer.error[j.channel] = line;
            }
            g_writer.idle.notify_all();
        }
    }
    g_writer.running = false;
    g_writer.idle.notify_all();
}

void writer_at_exit() {
    wave_writes_cancel();
    wave_writes_wait();
}

// Called with g_writer.mu held: makes sure a thread works on the queue.
void writer_wake(std::unique_lock<std::mutex> &lk) {
    if (g_writer.running) {
        g_writer.work.notify_all();
        return;
    }
    if (g_writer.thread.joinable()) {
        // The last thread has left its loop (running is false) and is ending.
        std::thread ended = std::move(g_writer.thread);
        lk.unlock();
        ended.join();
        lk.lock();
        if (g_writer.running) {
            g_writer.work.notify_all();
            return;
        }
    }
    static bool at_exit = false;
    if (!at_exit) {
        at_exit = true;
        std::atexit(writer_at_exit);
    }
    g_writer.running = true;
    try {
        g_writer.thread = std::thread(writer_main);
    } catch (const std::system_error &) {
        // No thread to be had: the writing is done here and now instead.
        const bool finish = g_writer.finish;
        g_writer.finish = true;
        lk.unlock();
        writer_main();
        lk.lock();
        g_writer.finish = finish;
    }
}

// Gives up channel k's unfinished write, if any. Called with g_writer.mu held.
void cancel_locked(int k) {
    std::shared_ptr<WaveJob> &job = g_writer.current[k];
    if (!job) return;
    job->cancel.store(true);
    // Readers stop at once; the writer empties the file at its next step.
    write_progress_end(job->progress, job->path, WriteProgress::failed);
    g_writer.error[k] = write_error_line(job->path, ECANCELED);
    job = nullptr;
}

// Moves the channel's previous file out of the way, so creating the new one
// does not free the old one's blocks here; the writer thread removes it.
void retire_old_file(const std::string &folder, const std::string &path, int nr) {
    std::unique_lock<std::mutex> lk(g_writer.mu);
    char name[48];
    std::snprintf(name, sizeof name, "/.TOVA%d.WAV.%u.old", nr, g_writer.trash_nr++);
    const std::string trash = folder + name;
    lk.unlock();
    if (file_rename(path.c_str(), trash.c_str()) != 0) return;  // none there, or not ours to move
    lk.lock();
    g_writer.trash.push_back(trash);
    writer_wake(lk);
}

// The file being rendered: its channel, names and the descriptor.
struct Rendering {
    int nr = 0;
    std::string path;  // absolute
    OutFile *file = nullptr;
};
Rendering g_out;

// Head of a file written in the key press when writing behind: two seconds
// of sound, and never less than 64 KiB.
uint64_t head_bytes(uint32_t byte_rate) {
    const uint64_t two_seconds = 2ull * byte_rate;
    return two_seconds > 65536 ? two_seconds : 65536;
}

void record_error(int nr, const std::string &line) {
    {
        std::lock_guard<std::mutex> lk(g_writer.mu);
        g_writer.error[nr] = line;
    }
    if (!line.empty()) Log("CreateWave", line.c_str(), static_cast<unsigned long>(nr));
}

// Creates "TOVA<nr>.WAV" in the working folder; false (and the reason
// recorded) when it cannot be created.
bool create_file(int nr) {
    runs.clear();
    samples = 0;
    const std::string folder = working_folder();
    char name[16];
    std::snprintf(name, sizeof name, "TOVA%d.WAV", nr);
    g_out.nr = nr;
    g_out.path = (folder.empty() ? std::string(".") : folder) + "/" + name;
    if (g_behind.load()) {
        {
            std::lock_guard<std::mutex> lk(g_writer.mu);
            cancel_locked(nr);
        }
        if (!folder.empty()) retire_old_file(folder, g_out.path, nr);
    }
    int err = 0;
    g_out.file = out_file_create(g_out.path.c_str(), &err);
    if (!g_out.file) {
        record_error(nr, write_error_line(g_out.path, err));
        return false;
    }
    record_error(nr, "");
    return true;
}

// Closes a file that stays empty (attenuator at strength 0).
void close_empty() {
    if (const int e = out_file_close(g_out.file)) record_error(g_out.nr, write_error_line(g_out.path, e));
    g_out.file = nullptr;
}

// Writes the header and the samples; true when the file is (or will be)
// written whole. A file that cannot be written whole is left empty.
bool finish_file() {
    static uint8_t buf[1 << 20];
    uint32_t data_length = static_cast<uint32_t>(samples) + 4;
    wavehdr.data_length = data_length;
    wavehdr.riff_length = data_length + 36;
    auto job = std::make_shared<WaveJob>();
    WaveJob &j = *job;
    j.channel = g_out.nr;
    j.path = g_out.path;
    j.file = g_out.file;
    g_out.file = nullptr;
    j.runs.swap(runs);
    j.end = WAVE_HEADER_SIZE + static_cast<uint64_t>(static_cast<uint32_t>(samples));
    const uint64_t head = g_behind.load() ? head_bytes(wavehdr.byte_rate) : j.end;
    int err = out_file_reserve(j.file, j.end);
    if (!err) {
        j.offset = WAVE_HEADER_SIZE;
        err = write_runs(j, head < j.end ? WAVE_HEADER_SIZE + head : j.end, buf, sizeof buf);
    }
    if (!err) {
        uint8_t header[WAVE_HEADER_SIZE];
        wavehdr_bytes(wavehdr, header);
        err = out_file_write_at(j.file, 0, header, WAVE_HEADER_SIZE);
    }
    if (!err && j.offset == j.end) {
        err = out_file_close(j.file);
        j.file = nullptr;
        if (!err) {
            smetr(hwnd);
            return true;
        }
    }
    if (err) {
        abandon(j);
        record_error(j.channel, write_error_line(j.path, err));
        return false;
    }
    // Mended: a retune used to wait for the whole file to reach the disk. The
    // rest is written behind the sound; players read no further than it.
    j.progress = write_progress_begin(j.path);
    j.progress->frames.store(frames_on_disk(j.offset));
    const uint64_t eager = 10ull * wavehdr.byte_rate;
    j.eager_end = j.end - WAVE_HEADER_SIZE > eager ? WAVE_HEADER_SIZE + eager : j.end;
    j.hold_until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    {
        std::unique_lock<std::mutex> lk(g_writer.mu);
        g_writer.current[j.channel] = job;
        g_writer.queue.push_back(job);
        writer_wake(lk);
    }
    smetr(hwnd);
    return true;
}

struct HeaderInit {
    HeaderInit() { wavehdr_init(); }
} header_init;

}  // namespace

void wavehdr_init() {
    std::memcpy(wavehdr.riff, "RIFF", 4);
    std::memcpy(wavehdr.wave, "WAVE", 4);
    std::memcpy(wavehdr.fmt, "fmt ", 4);
    wavehdr.fmt_length = 16;
    wavehdr.format_tag = 1;
    wavehdr.bits_per_sample = 8;
    std::memcpy(wavehdr.data, "data", 4);
    std::memset(wavehdr.first_samples, 0x80, 4);
}

void wavehdr_bytes(const WaveHeader &h, uint8_t out[WAVE_HEADER_SIZE]) {
    std::memcpy(out + 0, h.riff, 4);
    le32(out + 4, h.riff_length);
    std::memcpy(out + 8, h.wave, 4);
    std::memcpy(out + 12, h.fmt, 4);
    le32(out + 16, h.fmt_length);
    le16(out + 20, h.format_tag);
    le16(out + 22, h.channels);
    le32(out + 24, h.sample_rate);
    le32(out + 28, h.byte_rate);
    le16(out + 32, h.block_align);
    le16(out + 34, h.bits_per_sample);
    std::memcpy(out + 36, h.data, 4);
    le32(out + 40, h.data_length);
    std::memcpy(out + 44, h.first_samples, 4);
}

uint32_t play_time_ms(uint32_t data_length, uint32_t byte_rate) {
    // Mended: data_length * 1000 overflows 32 bits above about 4 MB.
    if (byte_rate == 0) return 0;
    uint64_t ms = static_cast<uint64_t>(data_length) * 1000u / byte_rate;
    return ms > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(ms);
}

void load_params() {
    if (rto != 0) spd += 1;
    if (spark) {
        if (!spark_forced) {
            old_flt = filter;
            spark_forced = true;
        }
        filter = 1;
    }
    if (spd < 1) spd = 1;  // mended: the dot length divides by spd
    int samp = sampling > 0 ? sampling : 4;
    dot_size = (samp * 150) / spd;
    if (filter == 0) {
        if (ton > 4000) ton = 4000;  // doubling it would only clamp to 4000 again
        ton = 2 * ton;
        if (ton < 500) ton = 500;
        if (ton > 4000) ton = 4000;
        if (ton > 1999) {
            dot_size = static_cast<int32_t>(static_cast<uint32_t>(dot_size) * static_cast<uint32_t>(ton) / 1000u);
        } else {
            uint32_t k = 200000u / static_cast<uint32_t>(ton);
            dot_size = static_cast<int32_t>(static_cast<uint32_t>(dot_size) * 200u / k);
        }
    } else if (filter == 1) {
        if (ton < 500) ton = 500;
        if (ton > 2000) ton = 2000;
        if (ton > 999) {
            dot_size = static_cast<int32_t>(static_cast<uint32_t>(dot_size) * static_cast<uint32_t>(ton) / 1000u);
        } else {
            uint32_t k = 100000u / static_cast<uint32_t>(ton);
            dot_size = static_cast<int32_t>(static_cast<uint32_t>(dot_size) * 100u / k);
        }
    }
}

namespace {
void keep_step(const KeyedStep &step, void *record) { static_cast<KeyedText *>(record)->steps.push_back(step); }
}  // namespace

uint32_t CreateWave(int channel_nr, const char *text) {
    if (!tiles_ready) build_tiles();
    prop();
    load_params();
    set_rate(ton);
    // What is keyed where, for the transcript and the subtitles; a rate of 0 until it sounds.
    KeyedText *record = keyed_begin(channel_nr, 0);
    if (!create_file(channel_nr)) {  // unwritable folder, or a directory of that name: nothing to play
        restore_filter();
        return 0;
    }
    if (att) {
        if (qsa == 0) {
            close_empty();
            restore_filter();
            return 0;
        }
        --qsa;
    }
    letter(' ', dot_size);
    key_text(text, record ? keep_step : nullptr, record);
    const bool whole = finish_file();
    if (record && whole) {
        record->rate = wavehdr.sample_rate;
        record->total = 4u + static_cast<uint32_t>(samples);
    }
    restore_filter();
    // Mended: a file that cannot be written whole plays nothing.
    return whole ? play_time_ms(wavehdr.data_length, wavehdr.byte_rate) : 0;
}

size_t key_text(const char *text, void (*keyed)(const KeyedStep &step, void *ctx), void *ctx) {
    // 64-bit positions from the 32-bit count's steps: each step adds far less than 2^32.
    uint64_t pos = 4u + static_cast<uint32_t>(samples);
    KeyStep s = key_step(text, 0);
    for (; s.kind != StepKind::end; s = key_step(text, s.next)) {
        const uint32_t before = static_cast<uint32_t>(samples);
        mark_end_at = before;
        switch (s.kind) {
        case StepKind::speed:
            spd = s.value;
            load_params();
            break;
        case StepKind::tone:
            ton = s.value;
            load_params();
            break;
        case StepKind::strength:
            qsa = s.value;
            load_params();
            break;
        default:
            letter(static_cast<unsigned char>(s.value), dot_size);
            break;
        }
        if (!keyed) continue;
        KeyedStep k;
        k.step = s;
        k.begin = pos;
        k.mark_end = pos + (mark_end_at - before);
        pos += static_cast<uint32_t>(samples) - before;
        k.end = pos;
        keyed(k, ctx);
    }
    return s.at;
}

void letter(unsigned char c, int32_t a) {
    if (qsa > 5) qsa = 0;
    if (c == CODE_TUNE) {
        tuning_flag = 1;
        dash(80 * a);
        return;
    }
    tuning_flag = 0;
    if (c == ' ') {
        int32_t n = last_space ? spacing + 3 : spacing;
        if (_f1) space_f1(a * n);
        if (bw) space_inv(a * n);
        if (!_f1 && !bw) space(a * n);
        last_space = 1;
        return;
    }
    last_space = 0;
    if (!katokana && c >= 97 && c <= 127) c = static_cast<unsigned char>(c - 32);
    if (sz && c == '0') c = 'T';
    // Mended: code 255 lies past the 255-entry table; it sounds as an empty entry.
    uint32_t code = c < CW_TABLE_SIZE ? cw_table[c] : 0;
    if (code) {
        int top = 31;
        while (!(code & (1u << top))) --top;
        for (int bit = top - 1; bit >= 0; --bit) {
            bool is_dash = (code >> bit) & 1u;
            if (bw) {
                if (is_dash) dash_inv(a); else dot_inv(a);
            } else {
                if (is_dash) dash(a); else dot(a);
            }
        }
    }
    if (_f1) space_f1(spacing * a);
    else if (bw) space_inv(spacing * a);
    else space(spacing * a);
}

void dot(int32_t a) {
    extension(a);
    if (spark) {
        spark_dot(rto_rand);
        mark_ends();
        space(a);
        return;
    }
    if (level_ok()) mark_cycles(qsa, count(1, rto_rand));
    mark_ends();
    if (_f1) space_f1(a);
    else space(a);
}

void dash(int32_t a) {
    rto_rand = 0;
    if (hand) rto_rand = irregularity(a / 2);
    if (rto > 0 && rto <= 20) rto_rand = static_cast<uint32_t>(a) + irregularity(a / 2);
    if (rto > 20) rto_rand = static_cast<uint32_t>(a) + irregularity(a);
    if (rto == 0 && hand == 0) rto_rand = 0;
    if (spark) {
        spark_dash(rto_rand);
        mark_ends();
        space(a);
        return;
    }
    if (level_ok()) mark_cycles(qsa, count(3, rto_rand));
    mark_ends();
    if (_f1) space_f1(a);
    if (!tuning_flag) space(a);
}

void space(int32_t a) {
    extension(a);
    uint64_t cycles = static_cast<uint64_t>(static_cast<uint32_t>(a)) + rto_rand;
    if (a < 0) cycles = rto_rand;  // a negative length writes only the extension
    put(silence_tile, cycles * 8);
}

void space_f1(int32_t a) {
    extension(a);
    f1_cycles(qsa, count(1, rto_rand));
}

void dot_inv(int32_t a) {
    if (a > 0) put(silence_tile, static_cast<uint32_t>(a));
    mark_ends();  // inverted keying: the keyed element is the gap
    space_inv(a);
}

void dash_inv(int32_t a) {
    if (a > 0) put(silence_tile, 3ull * static_cast<uint32_t>(a));
    mark_ends();
    space_inv(a);
}

void space_inv(int32_t a) {
    extension(a);
    mark_cycles(qsa, count(1, rto_rand));
}

void spark_dot(uint32_t extra) {
    if (level_ok()) spark_periods(qsa, static_cast<uint64_t>(static_cast<uint32_t>(dot_size) / 2) + extra);
}

void spark_dash(uint32_t extra) {
    if (level_ok()) spark_periods(qsa, static_cast<uint64_t>(static_cast<uint32_t>(dot_size) / 2) * 3 + extra);
}

#define KESTREL_LEVEL_WRITERS(N)                                                                                \
    void qsa##N##_set(uint32_t n, uint32_t extra) { mark_cycles(N, count(n, extra)); }                          \
    void qsa##N##_set_f1(uint32_t extra) { f1_cycles(N, count(1, extra)); }                                     \
    void qsa##N##_spark_set(uint32_t n, uint32_t extra) {                                                       \
        spark_periods(N, static_cast<uint64_t>(static_cast<uint32_t>(dot_size) / 2) * n + extra);               \
    }
KESTREL_LEVEL_WRITERS(0)
KESTREL_LEVEL_WRITERS(1)
KESTREL_LEVEL_WRITERS(2)
KESTREL_LEVEL_WRITERS(3)
KESTREL_LEVEL_WRITERS(4)
KESTREL_LEVEL_WRITERS(5)
#undef KESTREL_LEVEL_WRITERS

uint32_t emit_sound(int tone, int count_pairs) {
    if (!tiles_ready) build_tiles();
    set_rate(tone);
    if (!create_file(9)) return 0;
    Log("SOUND", "ton", static_cast<unsigned long>(tone));
    if (att && qsa > 0) --qsa;
    const int level = (qsa >= 0 && qsa < 8) ? qsa : 6;  // outside the table: amplitude 0
    if (count_pairs > 0) put(carrier_tile[level], 2ull * static_cast<uint32_t>(count_pairs));
    if (!finish_file()) return 0;
    return play_time_ms(wavehdr.data_length, wavehdr.byte_rate);
}

void n0n(int tone) {
    if (emit_sound(tone, 30000)) carrier_loop_start("TOVA9.WAV");
}

void noise_generation() {}

void wave_write_behind(bool on) { g_behind.store(on); }

std::string wave_write_error(int channel_nr) {
    if (channel_nr < 0 || channel_nr >= FILES) return std::string();
    std::unique_lock<std::mutex> lk(g_writer.mu);
    if (g_writer.current[channel_nr]) {
        g_writer.current[channel_nr]->hold_until = std::chrono::steady_clock::now();  // wanted now
        writer_wake(lk);
    }
    g_writer.idle.wait(lk, [&] { return !g_writer.current[channel_nr] || !g_writer.running; });
    return g_writer.error[channel_nr];
}

void wave_writes_cancel() {
    std::lock_guard<std::mutex> lk(g_writer.mu);
    for (int k = 0; k < FILES; ++k) cancel_locked(k);
}

void wave_writes_wait() {
    std::unique_lock<std::mutex> lk(g_writer.mu);
    if (!g_writer.queue.empty() || !g_writer.trash.empty()) writer_wake(lk);
    g_writer.finish = true;
    g_writer.work.notify_all();
    g_writer.idle.wait(lk, [] { return !g_writer.running; });
    g_writer.finish = false;
    if (g_writer.thread.joinable()) {
        std::thread ended = std::move(g_writer.thread);
        lk.unlock();
        ended.join();
    }
}

bool wave_writer_running() {
    std::lock_guard<std::mutex> lk(g_writer.mu);
    return g_writer.running;
}

void synth_reset() {
    keyed_reset();
    last_space = 0;
    tuning_flag = 0;
    rto_rand = 0;
    dot_size = 0;
    samples = 0;
    restore_filter();
}

}  // namespace kestrel
