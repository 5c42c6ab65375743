#pragma once
// The one way the program's rules talk to the person. The windowed program
// answers with real message boxes and choosers; tests answer from a script.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vorlane {

enum class Answer { Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void Information(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& question) = 0;
    virtual Answer AskYesNoCancel(const std::string& question) = 0;

    // A one-line prompt. Cancelling gives back defaultText. hidden: the
    // typed characters are not shown (passwords).
    virtual std::string Prompt(const std::string& caption, const std::string& prompt,
                               const std::string& defaultText, bool hidden = false) = 0;

    // filter in the form "Vorlane File|*.dat" (pairs separated by '|').
    // nullopt when the person chose nothing.
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& title, const std::string& filter,
                                                        const std::string& initialDir) = 0;
    // The same, opened on the filter pair selectedFilter (0-based) instead of the first.
    virtual std::optional<std::string> ChooseFileToOpenOnFilter(const std::string& title, const std::string& filter,
                                                                const std::string& initialDir, int selectedFilter) {
        (void)selectedFilter;
        return ChooseFileToOpen(title, filter, initialDir);
    }
    virtual std::optional<std::string> ChooseFileToSave(const std::string& title, const std::string& filter,
                                                        const std::string& defaultExtension,
                                                        const std::string& initialDir) = 0;

    // A question answered by one of several buttons, named by choices; gives
    // the index of the one chosen. The last choice is the one that changes
    // nothing, and what closing the box gives.
    virtual std::size_t AskChoice(const std::string& question, const std::vector<std::string>& choices) = 0;
};

}  // namespace vorlane
