#include "synth/wave_writer.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
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

namespace kestrel {

namespace {

// A read position in a run list.
struct Cursor {
    size_t run = 0;
    uint64_t at = 0;
};

// Expands up to `cap` bytes from the cursor into out; returns how many.
size_t expand(const std::vector<WaveRun> &list, Cursor &c, uint8_t *out, size_t cap) {
    size_t n = 0;
    while (n < cap && c.run < list.size()) {
        const WaveRun &r = list[c.run];
        const size_t off = static_cast<size_t>(c.at % WAVE_TILE);
        uint64_t take = r.bytes - c.at;
        if (take > WAVE_TILE - off) take = WAVE_TILE - off;
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

std::string write_error_line(const std::string &path, int err) {
    return "cannot write " + path + ": " + std::strerror(err);
}

// A file whose head is on disk and whose rest the writer thread is writing.
struct WaveJob {
    int channel = 0;
    std::string path;
    OutFile *file = nullptr;
    std::vector<WaveRun> runs;
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

constexpr int FILES = CHANNEL_FILES;

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
    const std::string trash = folder + "/." + channel_file_name(nr) + "." + std::to_string(g_writer.trash_nr++) + ".old";
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

// Where the channel files go: set by the caller, else the working folder.
std::string g_folder;

}  // namespace

void wave_folder_set(const std::string &folder) { g_folder = folder; }
const std::string &wave_folder() { return g_folder; }

bool wave_file_open(int nr) {
    const std::string folder = g_folder.empty() ? working_folder() : g_folder;
    g_out.nr = nr;
    g_out.path = (folder.empty() ? std::string(".") : folder) + "/" + channel_file_name(nr);
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

void wave_file_close_empty() {
    if (const int e = out_file_close(g_out.file)) record_error(g_out.nr, write_error_line(g_out.path, e));
    g_out.file = nullptr;
}

bool wave_file_write(const WaveHeader &h, std::vector<WaveRun> &runs, uint32_t sample_bytes) {
    static uint8_t buf[1 << 20];
    auto job = std::make_shared<WaveJob>();
    WaveJob &j = *job;
    j.channel = g_out.nr;
    j.path = g_out.path;
    j.file = g_out.file;
    g_out.file = nullptr;
    j.runs.swap(runs);
    j.end = WAVE_HEADER_SIZE + static_cast<uint64_t>(sample_bytes);
    const uint64_t head = g_behind.load() ? head_bytes(h.byte_rate) : j.end;
    int err = out_file_reserve(j.file, j.end);
    if (!err) {
        j.offset = WAVE_HEADER_SIZE;
        err = write_runs(j, head < j.end ? WAVE_HEADER_SIZE + head : j.end, buf, sizeof buf);
    }
    if (!err) {
        uint8_t header[WAVE_HEADER_SIZE];
        wavehdr_bytes(h, header);
        err = out_file_write_at(j.file, 0, header, WAVE_HEADER_SIZE);
    }
    if (!err && j.offset == j.end) {
        err = out_file_close(j.file);
        j.file = nullptr;
        if (!err) return true;
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
    const uint64_t eager = 10ull * h.byte_rate;
    j.eager_end = j.end - WAVE_HEADER_SIZE > eager ? WAVE_HEADER_SIZE + eager : j.end;
    j.hold_until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    {
        std::unique_lock<std::mutex> lk(g_writer.mu);
        g_writer.current[j.channel] = job;
        g_writer.queue.push_back(job);
        writer_wake(lk);
    }
    return true;
}

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

void wave_writes_reset() {
    wave_writes_cancel();
    std::lock_guard<std::mutex> lk(g_writer.mu);
    for (std::string &e : g_writer.error) e.clear();
}

}  // namespace kestrel
