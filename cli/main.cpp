// kestrel-cli: command-line access to the receiver's engine.
#include <CLI/CLI.hpp>

#include "cli/commands.h"

int main(int argc, char **argv) {
    CLI::App app{"Kestrel shortwave receiver simulator: command-line tool"};
    app.require_subcommand(1);
    kestrel::cli::add_render(app);
    kestrel::cli::add_tune(app);
    kestrel::cli::add_guide(app);
    kestrel::cli::add_list(app);
    kestrel::cli::add_census(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        if (e.get_exit_code() == 0) return app.exit(e);
        std::fprintf(stderr, "kestrel-cli: %s\n", e.what());
        return 2;
    }
    return kestrel::cli::exit_code();
}
