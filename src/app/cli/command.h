#pragma once
// What every vorlane-cli command is made of, and how commands fail.

#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::cli {

enum ExitStatus { kExitOk = 0, kExitUsage = 1, kExitFileProblem = 2 };

// A file that cannot be read, is not a database, or cannot be written.
// The message is shown to the person as it is, after the program's name.
class FileProblem : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Arguments of the right count but the wrong form.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments' form, shown as the usage line of the command ("usage: vorlane-cli " + form).
class UsageForm : public UsageError {
public:
    using UsageError::UsageError;
};

struct Command {
    std::string_view name;
    std::string_view arguments;  // as shown in the usage, e.g. "IN OUT"
    std::size_t argumentCount;
    std::string_view summary;
    void (*run)(const std::vector<std::string>& arguments, std::ostream& out);
    std::size_t optionalCount = 0;  // arguments that may follow the required ones
};

void RunDump(const std::vector<std::string>& arguments, std::ostream& out);
void RunResave(const std::vector<std::string>& arguments, std::ostream& out);
void RunInfo(const std::vector<std::string>& arguments, std::ostream& out);
void RunSort(const std::vector<std::string>& arguments, std::ostream& out);
void RunSearch(const std::vector<std::string>& arguments, std::ostream& out);
void RunGraph(const std::vector<std::string>& arguments, std::ostream& out);
void RunReport(const std::vector<std::string>& arguments, std::ostream& out);
void RunShopping(const std::vector<std::string>& arguments, std::ostream& out);
void RunImport(const std::vector<std::string>& arguments, std::ostream& out);
void RunDrink(const std::vector<std::string>& arguments, std::ostream& out);
void RunImportCellar(const std::vector<std::string>& arguments, std::ostream& out);
void RunExport(const std::vector<std::string>& arguments, std::ostream& out);

// Where a command tells of something that did not stop it (standard error).
std::ostream& Warnings();

std::span<const Command> Commands();

}  // namespace vorlane::cli
