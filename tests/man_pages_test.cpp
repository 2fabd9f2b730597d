// The manual pages name every button, every tuning key, every kestrel-cli
// command and every option the tool accepts, so that none is added unexplained.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/listening.h"
#include "app/window.h"
#include "platform/files.h"
#include "platform/temp_files.h"

namespace kestrel::test {
namespace {

// The page as a reader sees the words: roff's escaped hyphen is a hyphen.
std::string page(const char *name) {
    std::ifstream in(std::string(KESTREL_MAN_DIR) + "/" + name);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string text = ss.str();
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '-') continue;
        plain += text[i];
    }
    return plain;
}

std::string shell_output(const std::string &cmd) {
    std::string out;
    if (FILE *p = popen(cmd.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    return out;
}

std::string output_of(const std::string &args) { return shell_output(std::string(KESTREL_CLI_PATH) + " " + args + " 2>&1"); }

// The words after "Subcommands:" in a help text, one per line.
std::set<std::string> subcommands_in(const std::string &help) {
    std::set<std::string> names;
    size_t at = help.find("Subcommands:");
    if (at == std::string::npos) return names;
    std::istringstream lines(help.substr(at));
    std::string line;
    std::getline(lines, line);
    const std::regex entry(R"(^\s+([a-z][a-z0-9-]*)\b)");
    std::smatch m;
    while (std::getline(lines, line) && !line.empty())
        if (std::regex_search(line, m, entry)) names.insert(m[1]);
    return names;
}

std::set<std::string> options_in(const std::string &help) {
    std::set<std::string> names;
    const std::regex option(R"(--[a-z][a-z0-9-]*)");
    for (std::sregex_iterator it(help.begin(), help.end(), option), end; it != end; ++it) names.insert(it->str());
    return names;
}

TEST(ManPages, ReceiverPageNamesEveryButton) {
    const std::string man = page("kestrel.1");
    ASSERT_FALSE(man.empty());
    int buttons = 0;
    for (const ControlSpec &c : controls) {
        if (c.kind != CONTROL_BUTTON) continue;
        ++buttons;
        // The twelve memories are described together as M1 .. M12.
        std::string caption = c.id > ID_M1 && c.id <= ID_M1 + 11 ? "M12" : c.caption;
        EXPECT_NE(man.find(caption), std::string::npos) << "button " << c.caption;
    }
    EXPECT_EQ(buttons, 33);
    EXPECT_NE(man.find("FLT1"), std::string::npos) << "the filter button's other caption";
}

TEST(ManPages, ReceiverPageNamesEveryTuningKey) {
    const std::string man = page("kestrel.1");
    struct Named {
        uintptr_t vk;
        const char *name;
    };
    const Named names[] = {{VK_LEFT, "Left arrow"}, {VK_RIGHT, "Right arrow"}, {VK_UP, "Up arrow"},
                           {VK_DOWN, "Down arrow"}, {VK_PRIOR, "Page Up"},     {VK_NEXT, "Page Down"}};
    int keys = 0;
    for (uintptr_t vk = 0; vk < 256; ++vk) {
        if (!button_for_key(vk)) continue;
        ++keys;
        const char *name = nullptr;
        for (const Named &n : names)
            if (n.vk == vk) name = n.name;
        ASSERT_NE(name, nullptr) << "key code " << vk << " tunes but has no name here: name it and describe it";
        EXPECT_NE(man.find(name), std::string::npos) << name;
    }
    EXPECT_EQ(keys, 6);
    for (const char *key : {".B R\n", ".B C\n"}) EXPECT_NE(man.find(key), std::string::npos) << key;
}

TEST(ManPages, CliPageNamesEveryCommandAndOption) {
    const std::string man = page("kestrel-cli.1");
    ASSERT_FALSE(man.empty());
    const std::set<std::string> commands = subcommands_in(output_of("--help"));
    ASSERT_GE(commands.size(), 4u) << output_of("--help");
    for (const std::string &command : commands) {
        EXPECT_NE(man.find(".SS " + command + "\n"), std::string::npos) << "command " << command;
        const std::string help = output_of(command + " --help");
        // A command's own section describes its options; --help is described once for all.
        size_t from = man.find(".SS " + command + "\n");
        size_t to = man.find("\n.S", from + 1);
        const std::string section = from == std::string::npos ? "" : man.substr(from, to - from);
        for (const std::string &option : options_in(help)) {
            if (option == "--help") continue;
            EXPECT_NE(section.find(option), std::string::npos) << command << " " << option;
        }
    }
    EXPECT_NE(man.find("--help"), std::string::npos);
}

TEST(ManPages, ReceiverPageDescribesTheListeningOptionsAndTheirKeys) {
    const std::string man = page("kestrel.1");
    const size_t options = man.find("\n.SH OPTIONS");
    ASSERT_NE(options, std::string::npos);
    const std::string section = man.substr(options, man.find("\n.SH", options + 1) - options);
    const std::set<std::string> usage = options_in(listening_usage);
    EXPECT_EQ(usage, (std::set<std::string>{"--live", "--at", "--scan-stop"}));
    for (const std::string &option : usage) {
        const bool entry = section.find("\n.B " + option + "\n") != std::string::npos ||
                           section.find("\n.BI " + option + " ") != std::string::npos;
        EXPECT_TRUE(entry) << option << " has no entry of its own";
        EXPECT_NE(man.find("[ " + option), std::string::npos) << option << " is not in the synopsis";
    }
    for (const char *key : {".B L\n", ".B T\n", ".B S\n", ".B Space\n", ".B Mouse wheel\n"})
        EXPECT_NE(man.find(key), std::string::npos) << key;
}

TEST(ManPages, HelpParsingFindsWhatItLooksFor) {
    const std::string help =
        "Usage: x [OPTIONS] SUBCOMMAND\n\nOptions:\n  -h,--help  Print\n\nSubcommands:\n  render  R\n  tune    T\n";
    EXPECT_EQ(subcommands_in(help), (std::set<std::string>{"render", "tune"}));
    EXPECT_EQ(options_in("  --at TEXT  --seconds INT:INT in [1 - 3600]  --f1"),
              (std::set<std::string>{"--at", "--seconds", "--f1"}));
}

// The page as `man` shows it, in plain text; "" when groff is not installed.
std::string rendered(const char *name) {
    return shell_output("groff -man -Tascii -P-cbou " + std::string(KESTREL_MAN_DIR) + "/" + name + " 2>/dev/null");
}

// The lines of a rendered section that begin with `program`, the way a reader copies them.
std::vector<std::string> commands_in(const std::string &text, const std::string &section, const std::string &program) {
    std::vector<std::string> out;
    std::istringstream lines(text);
    std::string line;
    bool inside = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] != ' ') inside = line == section;
        const size_t at = line.find_first_not_of(' ');
        if (inside && at != std::string::npos && line.compare(at, program.size() + 1, program + " ") == 0)
            out.push_back(line.substr(at));
    }
    return out;
}

TEST(ManPages, EveryExamplePastedIntoAShellRuns) {
    const std::string cli = rendered("kestrel-cli.1");
    if (cli.empty()) GTEST_SKIP() << "groff is not installed";
    const std::vector<std::string> examples = commands_in(cli, "EXAMPLES", "kestrel-cli");
    ASSERT_GE(examples.size(), 3u) << cli;
    const std::string dir = make_temp_dir_in("", "kestrel-man", nullptr);
    ASSERT_FALSE(dir.empty());
    for (const std::string &example : examples) {
        // The line as pasted, with the tool of this build in place of the installed one.
        const std::string command = "cd " + dir + " && " + KESTREL_CLI_PATH + example.substr(11) + " >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << example;
    }
    EXPECT_NE(std::find(examples.begin(), examples.end(),
                        "kestrel-cli render --text \"CQ CQ DE DAN\" --spd 18 --out cq.wav"),
              examples.end())
        << "the text's quotes are lost";
    // Quotes in the running text survive roff too.
    EXPECT_NE(cli.find("{\"khz\": 10512, \"kind\": \"morse\", \"channel\": 0, \"wpm\": 23, ...}"), std::string::npos);
    std::filesystem::remove_all(dir);

    const std::string receiver = rendered("kestrel.1");
    for (const char *section : {"EXIT STATUS", "SIGNALS", "ENVIRONMENT", "TROUBLESHOOTING", "FILES"})
        EXPECT_NE(receiver.find(std::string("\n") + section + "\n"), std::string::npos) << section;
    const std::vector<std::string> receiver_examples = commands_in(receiver, "EXAMPLES", "kestrel");
    EXPECT_NE(std::find(receiver_examples.begin(), receiver_examples.end(), "kestrel --list-devices"),
              receiver_examples.end());
}

}  // namespace
}  // namespace kestrel::test
