#include "cli/cli.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <new>
#include <ostream>

#include "core/run_control.h"

namespace numerel::cli {

std::string EveryLineBreakToLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            const char partner = c == '\r' ? '\n' : '\r';
            if (i + 1 < text.size() && text[i + 1] == partner) ++i;
            out.push_back('\n');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

void CliContext::ShowMessage(const Message& message) {
    std::string text = EveryLineBreakToLf(message.text);
    std::replace(text.begin(), text.end(), '\n', ' ');
    err_ << message.title << ": " << text << '\n';
}

void CliContext::WritePane(const std::string& text) {
    std::string normalised = EveryLineBreakToLf(text);
    if (normalised.empty() || normalised.back() != '\n') normalised.push_back('\n');
    out_ << normalised;
}

void CliContext::WriteLine(const std::string& text) {
    out_ << text << '\n';
}

bool CliPrompter::Show(const Message& message) {
    context_.ShowMessage(message);
    return true;
}

std::optional<std::string> CliPrompter::Ask(const std::string&, const std::string&) {
    return context_.Precision();
}

namespace {
std::vector<CliCommand>& Registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

void PrintUsage(std::ostream& stream) {
    stream << "usage: numerel-cli COMMAND ARGS...\n"
              "       numerel-cli --help | --version\n"
              "commands:\n";
    std::vector<CliCommand> sorted = Registry();
    std::sort(sorted.begin(), sorted.end(), [](const CliCommand& a, const CliCommand& b) {
        return std::string_view(a.name) < std::string_view(b.name);
    });
    for (const CliCommand& command : sorted)
        stream << "  numerel-cli " << command.name << ' ' << command.usage << '\n';
    stream << "Arguments are the texts typed into the page's fields. factor without TEXT factors\n"
              "each line of standard input. Messages go to stderr as \"title: text\".\n"
              "Exit status: 0 done, 1 input rejected or nothing computed, 2 usage error.\n"
              "See numerel-cli(1).\n";
}

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}
}  // namespace

const char* Version() {
    return NUMEREL_VERSION;
}

int RunGuarded(int (*run)(CliContext& context), CliContext& context) {
    try {
        return run(context);
    } catch (const std::bad_alloc&) {
        context.Err() << "numerel-cli: 内存不足,计算已停止\n";
    } catch (const RunStopped&) {
        return kExitInterrupted;
    } catch (const std::exception& error) {
        context.Err() << "numerel-cli: 计算出错: " << error.what() << '\n';
    }
    return kExitRejected;
}

bool RegisterCommand(const CliCommand& command) {
    Registry().push_back(command);
    return true;
}

const std::vector<CliCommand>& Commands() {
    return Registry();
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunCli(args, std::cin, out, err);
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
    if (args.empty()) {
        PrintUsage(err);
        return kExitUsage;
    }
    if (IsHelp(args[0])) {
        PrintUsage(out);
        return kExitOk;
    }
    if (args[0] == "--version") {
        out << "numerel-cli " << Version() << '\n';
        return kExitOk;
    }
    const auto& commands = Registry();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const CliCommand& c) { return args[0] == c.name; });
    if (found == commands.end()) {
        err << "numerel-cli: unknown command '" << args[0] << "'\n";
        PrintUsage(err);
        return kExitUsage;
    }
    std::vector<std::string> positional;
    std::optional<std::string> precision;
    bool flag = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            out << "usage: numerel-cli " << found->name << ' ' << found->usage << '\n';
            return kExitOk;
        } else if (found->flag_name != nullptr && arg == found->flag_name) {
            flag = true;
        } else if (found->takes_precision && arg == "--precision") {
            if (i + 1 >= args.size()) {
                err << "numerel-cli: --precision needs a value\n";
                return kExitUsage;
            }
            precision = args[++i];
        } else if (arg.size() > 2 && arg.starts_with("--")) {
            err << "numerel-cli: unknown option '" << arg << "'\n";
            return kExitUsage;
        } else {
            positional.push_back(arg);
        }
    }
    const bool count_ok = found->arg_count == kOneArgOrStdin
                              ? positional.size() <= 1
                              : static_cast<int>(positional.size()) == found->arg_count;
    if (!count_ok) {
        err << "usage: numerel-cli " << found->name << ' ' << found->usage << '\n';
        return kExitUsage;
    }
    CliContext context(std::move(positional), std::move(precision), flag, in, out, err);
    return RunGuarded(found->run, context);
}

}  // namespace numerel::cli
