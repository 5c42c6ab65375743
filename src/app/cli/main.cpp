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

std::string ShortUsage() {
    std::string text = "usage: " + std::string(kProgram);
    std::string_view separator = " ";
    for (const Command& c : Commands()) {
        text += separator;
        text += std::string(c.name) + " " + std::string(c.arguments);
        separator = " | ";
    }
    return text + " | --help | --version";
}

void PrintHelp(std::ostream& out) {
    out << "usage: " << kProgram << " COMMAND ARGUMENTS\n\ncommands:\n";
    std::vector<std::string> forms;
    std::size_t width = std::string_view("--help").size();
    for (const Command& c : Commands()) {
        forms.push_back(std::string(c.name) + " " + std::string(c.arguments));
        width = std::max(width, forms.back().size());
    }
    auto line = [&](const std::string& form, std::string_view summary) {
        out << "  " << form << std::string(width - form.size() + 2, ' ') << summary << '\n';
    };
    for (std::size_t i = 0; i < forms.size(); ++i) line(forms[i], Commands()[i].summary);
    line("--help", "show this help");
    line("--version", "show the version");
    out << "\nExit status: 0 success, 1 usage error, 2 a file that cannot be read, is not valid or cannot be written.\n";
}

// Scripts read one line per failure, whatever a path or a system message holds.
void Complain(std::ostream& err, const std::string& message) {
    std::string line = message;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    err << line << '\n';
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
        Complain(err, ShortUsage());
        return kExitUsage;
    }
    const bool help = args[0] == "--help" || args[0] == "-h";
    if (help || args[0] == "--version") {
        if (args.size() != 1) {
            Complain(err, ShortUsage());
            return kExitUsage;
        }
        if (help)
            PrintHelp(out);
        else
            out << kProgram << ' ' << VORLANE_VERSION << '\n';
        return kExitOk;
    }
    if (args[0].starts_with('-')) {
        Complain(err, std::string(kProgram) + ": unknown option \"" + args[0] + "\"; " + ShortUsage());
        return kExitUsage;
    }
    const Command* command = Find(args[0]);
    if (!command) {
        Complain(err, std::string(kProgram) + ": unknown command \"" + args[0] + "\"; " + ShortUsage());
        return kExitUsage;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (rest.size() < command->argumentCount || rest.size() > command->argumentCount + command->optionalCount) {
        Complain(err, "usage: " + std::string(kProgram) + " " + std::string(command->name) + " " +
                          std::string(command->arguments));
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
        Complain(err, std::string(kProgram) + ": " + e.what());
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
