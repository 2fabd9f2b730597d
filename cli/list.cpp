// kestrel-cli list: the built-in databases as the developer build's log lists
// them, for every user.
#include <cstdio>
#include <memory>
#include <string>

#include "app/resources.h"
#include "cli/commands.h"

namespace kestrel::cli {

void add_list(CLI::App &app) {
    auto what = std::make_shared<std::string>("all");
    CLI::App *c = app.add_subcommand("list", "List the vessel register, the amateur database and the navy counts");
    c->add_option("WHAT", *what, "vessels, amateurs, navy or all (default)")
        ->check(CLI::IsMember({"vessels", "amateurs", "navy", "all"}));
    c->callback([what]() {
        const bool all = *what == "all";
        if (all) write_statistics(stdout);
        if (all || *what == "vessels") write_vessels(stdout);
        if (all || *what == "amateurs") write_amateurs(stdout);
        if (all || *what == "navy") write_navy(stdout);
        std::fputc('\n', stdout);
        set_exit_code(std::ferror(stdout) ? 1 : 0);
    });
}

}  // namespace kestrel::cli
