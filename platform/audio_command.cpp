#include "platform/audio_command.h"

#include <cctype>
#include <vector>

namespace kestrel::audio {

namespace {

constexpr size_t kMaxCommand = 1024;

std::string lower(const std::string &s) {
    std::string r = s;
    for (char &c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

// Splits on blanks; "..." keeps blanks inside one token. False on an unclosed quote.
bool tokenize(const char *text, std::vector<std::string> *tokens) {
    const char *p = text;
    while (*p) {
        while (*p && std::isspace(static_cast<unsigned char>(*p))) ++p;
        if (!*p) break;
        std::string tok;
        if (*p == '"') {
            ++p;
            while (*p && *p != '"') tok += *p++;
            if (*p != '"') return false;
            ++p;
            if (tok.empty()) return false;
        } else {
            while (*p && !std::isspace(static_cast<unsigned char>(*p))) tok += *p++;
        }
        tokens->push_back(tok);
    }
    return true;
}

}  // namespace

bool same_name(const std::string &a, const std::string &b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool parse_command(const char *text, MediaCommand *out, std::string *why) {
    *out = MediaCommand{};
    if (!text) { *why = "no command"; return false; }
    size_t len = 0;
    while (text[len] && len <= kMaxCommand) ++len;
    if (len > kMaxCommand) { *why = "command too long"; return false; }
    std::vector<std::string> tok;
    if (!tokenize(text, &tok)) { *why = "unclosed quote"; return false; }
    if (tok.empty()) { *why = "empty command"; return false; }
    const std::string verb = lower(tok[0]);
    if (verb == "open") out->verb = Verb::open;
    else if (verb == "play") out->verb = Verb::play;
    else if (verb == "seek") out->verb = Verb::seek;
    else if (verb == "stop") out->verb = Verb::stop;
    else if (verb == "close") out->verb = Verb::close;
    else { *why = "unknown verb"; return false; }
    if (tok.size() < 2) { *why = "no device"; return false; }
    out->device = tok[1];
    for (size_t i = 2; i < tok.size(); ++i) {
        const std::string kw = lower(tok[i]);
        const bool has_arg = i + 1 < tok.size();
        if (kw == "wait" || kw == "shareable") continue;
        if (kw == "notify" && out->verb != Verb::open) { out->notify = true; continue; }
        if (kw == "alias" && out->verb == Verb::open && has_arg && out->alias.empty()) {
            out->alias = tok[++i];
            continue;
        }
        if (kw == "type" && out->verb == Verb::open && has_arg) { ++i; continue; }
        if (kw == "to" && out->verb == Verb::seek && has_arg && out->seek == SeekTo::none) {
            const std::string where = lower(tok[++i]);
            if (where == "start") out->seek = SeekTo::start;
            else if (where == "end") out->seek = SeekTo::end;
            else { *why = "seek position not supported"; return false; }
            continue;
        }
        *why = "unexpected word '" + tok[i] + "'";
        return false;
    }
    if (out->verb == Verb::seek && out->seek == SeekTo::none) { *why = "seek without position"; return false; }
    if (out->verb != Verb::close && lower(out->device) == "all") { *why = "'all' only with close"; return false; }
    return true;
}

}  // namespace kestrel::audio
