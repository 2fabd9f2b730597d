// kestrel-cli help [COMMAND]: the commands, or one command and its options.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/commands.h"

namespace kestrel::cli {

std::vector<std::string> command_names(const CLI::App &app) {
    std::vector<std::string> names;
    for (const CLI::App *c : app.get_subcommands([](const CLI::App *) { return true; })) names.push_back(c->get_name());
    return names;
}

void add_help(CLI::App &app) {
    auto what = std::make_shared<std::string>();
    CLI::App *c = app.add_subcommand("help", "Explain the commands, or one command and its options");
    c->add_option("COMMAND", *what, "The command to explain (default: all of them)");
    CLI::App *top = &app;
    c->callback([top, what]() {
        if (what->empty()) {
            // help() of an app whose subcommand ran would explain that subcommand: ask the formatter.
            std::fputs(top->get_formatter()->make_help(top, top->get_name(), CLI::AppFormatMode::Normal).c_str(),
                       stdout);
            set_exit_code(0);
            return;
        }
        for (const CLI::App *sub : top->get_subcommands([](const CLI::App *) { return true; }))
            if (sub->get_name() == *what) {
                std::fputs(sub->help(top->get_name()).c_str(), stdout);
                set_exit_code(0);
                return;
            }
        std::string names;
        for (const std::string &n : command_names(*top)) names += (names.empty() ? "" : ", ") + n;
        std::fprintf(stderr, "kestrel-cli: unknown command '%s'; the commands are %s\n", what->c_str(), names.c_str());
        set_exit_code(2);
    });
}

}  // namespace kestrel::cli
