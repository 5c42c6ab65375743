// vorlane-cli: the database files for scripts, without a screen.

#include <algorithm>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "app/cli/command.h"

namespace vorlane::cli {

namespace {

constexpr std::string_view kProgram = "vorlane-cli";

constexpr std::size_t kColumns = 80;

// Words of text in lines of at most kColumns: the first after indent blanks,
// the others after continuation blanks.
void PrintWrapped(std::ostream& out, std::string_view text, std::size_t indent, std::size_t continuation) {
    std::string line(indent, ' ');
    bool empty = true;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(start, end - start);
        if (!empty && line.size() + 1 + word.size() > kColumns) {
            out << line << '\n';
            line.assign(continuation, ' ');
            empty = true;
        }
        if (!empty) line += ' ';
        line += word;
        empty = false;
        start = end + 1;
    }
    if (!empty) out << line << '\n';
}

void PrintHelp(std::ostream& out) {
    out << "usage: " << kProgram << " COMMAND ARGUMENTS\n\ncommands:\n";
    auto entry = [&](const std::string& form, std::string_view summary) {
        PrintWrapped(out, form, 2, 4);
        PrintWrapped(out, summary, 6, 6);
    };
    for (const Command& c : Commands()) entry(std::string(c.name) + " " + std::string(c.arguments), c.summary);
    entry("--help", "show this help");
    entry("--version", "show the version");
    out << '\n';
    PrintWrapped(out,
                 "Exit status: 0 success, 1 usage error, 2 a file that cannot be read, is not valid or cannot be "
                 "written.",
                 0, 0);
}

// Scripts read one line per failure, whatever a path or a system message holds.
void Complain(std::ostream& err, const std::string& message) {
    std::string line = message;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    err << line << '\n';
}

// Every usage error in one form, on one line: what is wrong, then the usage
// of the command (or of the program when there is no command).
void ComplainOfUsage(std::ostream& err, const std::string& problem, const Command* command = nullptr) {
    const std::string usage = command ? std::string(command->name) + " " + std::string(command->arguments)
                                      : "COMMAND ARGUMENTS (" + std::string(kProgram) + " --help lists them)";
    Complain(err, std::string(kProgram) + ": " + problem + "; usage: " + std::string(kProgram) + " " + usage);
}

std::string ArgumentCount(const Command& c) {
    const std::size_t most = c.argumentCount + c.optionalCount;
    std::string count = std::to_string(c.argumentCount);
    if (most != c.argumentCount) count += " to " + std::to_string(most);
    return count + (most == 1 ? " argument" : " arguments");
}

const Command* Find(std::string_view name) {
    for (const Command& c : Commands())
        if (c.name == name) return &c;
    return nullptr;
}

}  // namespace

std::ostream& Warnings() { return std::cerr; }

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        ComplainOfUsage(err, "no command given");
        return kExitUsage;
    }
    const bool help = args[0] == "--help" || args[0] == "-h";
    if (help || args[0] == "--version") {
        if (args.size() != 1) {
            ComplainOfUsage(err, args[0] + " takes no arguments");
            return kExitUsage;
        }
        if (help)
            PrintHelp(out);
        else
            out << kProgram << ' ' << VORLANE_VERSION << '\n';
        return kExitOk;
    }
    if (args[0].starts_with('-')) {
        ComplainOfUsage(err, "unknown option \"" + args[0] + "\"");
        return kExitUsage;
    }
    const Command* command = Find(args[0]);
    if (!command) {
        ComplainOfUsage(err, "unknown command \"" + args[0] + "\"");
        return kExitUsage;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (rest.size() < command->argumentCount || rest.size() > command->argumentCount + command->optionalCount) {
        ComplainOfUsage(err,
                        std::string(command->name) + " takes " + ArgumentCount(*command) + ", not " +
                            std::to_string(rest.size()),
                        command);
        return kExitUsage;
    }
    try {
        command->run(rest, out);
        out.flush();
        if (!out) throw FileProblem("could not write to standard output");
    } catch (const UsageForm& e) {
        Complain(err, "usage: " + std::string(kProgram) + " " + e.what());
        return kExitUsage;
    } catch (const UsageError& e) {
        ComplainOfUsage(err, e.what(), command);
        return kExitUsage;
    } catch (const FileProblem& e) {
        Complain(err, std::string(kProgram) + ": " + e.what());
        return kExitFileProblem;
    } catch (const std::bad_alloc&) {
        Complain(err, std::string(kProgram) + ": not enough memory");
        return kExitFileProblem;
    }
    return kExitOk;
}

}  // namespace vorlane::cli

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    return vorlane::cli::Main(args, std::cout, std::cerr);
}
