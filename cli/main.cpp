// kestrel-cli: command-line access to the receiver's engine.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "app/window.h"
#include "cli/commands.h"

namespace {

using kestrel::cli::command_names;

std::string version_line() {
    char v[48];
    std::snprintf(v, sizeof v, "kestrel-cli %d.%02d", kestrel::VERSION_MAJOR, kestrel::VERSION_MINOR);
    return v;
}

std::string listed(const std::vector<std::string> &names) {
    std::string s;
    for (size_t i = 0; i < names.size(); ++i) s += (i ? ", " : "") + names[i];
    return s;
}

// Edits (insert, delete, change) from a to b.
size_t distance(const std::string &a, const std::string &b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diag = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diag + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diag = up;
        }
    }
    return row[b.size()];
}

// The command meant by a misspelt one: the same in other case, the start of
// one, or one or two letters off.
std::string meant(const std::string &word, const std::vector<std::string> &names) {
    std::string lower = word;
    for (char &c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string &n : names)
        if (n == lower || (lower.size() >= 2 && n.rfind(lower, 0) == 0)) return n;
    for (const std::string &n : names)
        if (distance(lower, n) <= (n.size() > 4 ? 2u : 1u)) return n;
    return std::string();
}

}  // namespace

int main(int argc, char **argv) {
    CLI::App app{"Kestrel shortwave receiver simulator: command-line tool", "kestrel-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", version_line(), "Print the version and exit");
    app.footer("kestrel-cli help COMMAND (or COMMAND --help) explains one command and its options.");
    kestrel::cli::add_render(app);
    kestrel::cli::add_tune(app);
    kestrel::cli::add_guide(app);
    kestrel::cli::add_list(app);
    kestrel::cli::add_census(app);
    kestrel::cli::add_help(app);
    const std::vector<std::string> names = command_names(app);
    // Mended: the first word is the command, and what is not one says so,
    // instead of "A subcommand is required" for every mistake.
    if (argc < 2) {
        std::fprintf(stderr, "kestrel-cli: a command is required: %s (kestrel-cli help tells more)\n",
                     listed(names).c_str());
        return 2;
    }
    const std::string first = argv[1];
    if (first.empty() || first[0] != '-') {
        if (std::find(names.begin(), names.end(), first) == names.end()) {
            const std::string guess = meant(first, names);
            std::fprintf(stderr, "kestrel-cli: unknown command '%s'%s; the commands are %s\n", first.c_str(),
                         guess.empty() ? "" : (" (did you mean '" + guess + "'?)").c_str(), listed(names).c_str());
            return 2;
        }
    } else if (first != "-h" && first != "--help" && first != "--version") {
        std::fprintf(stderr, "kestrel-cli: '%s' before the command: options follow their command, as in "
                             "kestrel-cli tune 10000 %s ...\n", first.c_str(), first.c_str());
        return 2;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        if (e.get_exit_code() == 0) return app.exit(e);
        std::fprintf(stderr, "kestrel-cli: %s\n", e.what());
        return 2;
    }
    return kestrel::cli::exit_code();
}
