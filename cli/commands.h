// Subcommands of kestrel-cli; each registers itself on the CLI11 app.
#pragma once
#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace kestrel::cli {

void add_render(CLI::App &app);
void add_tune(CLI::App &app);
void add_guide(CLI::App &app);
void add_list(CLI::App &app);
void add_census(CLI::App &app);
// kestrel-cli help [COMMAND]; registered last, after the commands it explains.
void add_help(CLI::App &app);
// The names of the commands registered, in order.
std::vector<std::string> command_names(const CLI::App &app);
// Exit status left by the subcommand that ran.
int exit_code();
void set_exit_code(int code);

}  // namespace kestrel::cli
