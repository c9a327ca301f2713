// numerel-cli: the page tools on the command line. Each command lives in its own cli/cmd_*.cpp
// and registers itself with NUMEREL_CLI_COMMAND; RunCli dispatches on the first argument.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "core/prompter.h"

namespace numerel::cli {

// kExitInterrupted: Ctrl+C, as a shell reports a program that SIGINT ended.
enum ExitStatus { kExitOk = 0, kExitRejected = 1, kExitUsage = 2, kExitInterrupted = 130 };

// CliCommand::arg_count of a command that takes one argument, or none to read its texts from
// standard input, one per line.
inline constexpr int kOneArgOrStdin = -1;

// What a command gets: its arguments (after the command name, options removed) and the streams.
class CliContext {
public:
    CliContext(std::vector<std::string> args, std::optional<std::string> precision, bool flag,
               std::istream& in, std::ostream& out, std::ostream& err)
        : args_(std::move(args)),
          precision_(std::move(precision)),
          flag_(flag),
          in_(in),
          out_(out),
          err_(err) {}

    const std::vector<std::string>& Args() const { return args_; }
    // The command's one boolean option (--one, --perfect-only), when it has one.
    bool Flag() const { return flag_; }
    // The answer typed into the precision prompt (--precision); nullopt = cancelled.
    const std::optional<std::string>& Precision() const { return precision_; }
    std::istream& In() { return in_; }
    std::ostream& Out() { return out_; }
    std::ostream& Err() { return err_; }

    // A message box: one line "title: text" on stderr, line breaks as spaces.
    void ShowMessage(const Message& message);
    // The pane text with every line end as "\n", ending with one "\n".
    void WritePane(const std::string& text);
    // One more line (a count or summary caption).
    void WriteLine(const std::string& text);

private:
    std::vector<std::string> args_;
    std::optional<std::string> precision_;
    bool flag_;
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
};

// The questions of a tool's flow (the calculator's precision prompt and confirmations) answered
// from the command line: messages go to stderr, the input box returns --precision (or cancels
// without it), an OK/Cancel box is OK.
class CliPrompter final : public Prompter {
public:
    explicit CliPrompter(CliContext& context) : context_(context) {}
    bool Show(const Message& message) override;
    std::optional<std::string> Ask(const std::string& prompt, const std::string& title) override;

private:
    CliContext& context_;
};

struct CliCommand {
    const char* name;
    const char* usage;      // the argument synopsis, e.g. "FROM TO [--perfect-only]"
    int arg_count;          // positional arguments required, or kOneArgOrStdin
    const char* flag_name;  // the boolean option this command takes, or nullptr
    bool takes_precision;   // accepts --precision TEXT
    int (*run)(CliContext& context);
};

bool RegisterCommand(const CliCommand& command);
const std::vector<CliCommand>& Commands();

// The whole program: parses args (without argv[0]), runs the command, returns the exit status.
// Texts a command reads from standard input come from `in`. No exception leaves it: running out
// of memory gives "内存不足,计算已停止" on err and status 1, any other exception a line
// "numerel-cli: 计算出错: what" and 1, a stopped tool (RunStopped) kExitInterrupted.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);
// The same with std::cin as standard input.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The program's version, as the build names it ("2.02").
const char* Version();

// Runs one command with the guard RunCli puts around every command (see RunCli).
int RunGuarded(int (*run)(CliContext& context), CliContext& context);

// Line ends as "\n": CR LF, LF CR, a lone CR and a lone LF each become one "\n".
std::string EveryLineBreakToLf(const std::string& text);

}  // namespace numerel::cli

#define NUMEREL_CLI_CONCAT2(a, b) a##b
#define NUMEREL_CLI_CONCAT(a, b) NUMEREL_CLI_CONCAT2(a, b)
#define NUMEREL_CLI_COMMAND(...)                                                   \
    [[maybe_unused]] static const bool NUMEREL_CLI_CONCAT(registered_, __LINE__) = \
        ::numerel::cli::RegisterCommand(::numerel::cli::CliCommand{__VA_ARGS__})
