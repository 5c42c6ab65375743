#pragma once
// Answers the program's questions from a script and records every text
// shown, so tests can assert each message letter for letter.

#include <deque>
#include <string>
#include <variant>
#include <vector>

#include "storage/dialogs.h"

namespace vorlane::testing {

enum class Shown { Information, Error, YesNo, YesNoCancel, Prompt, OpenFile, SaveFile, Choice };

struct ShownText {
    Shown kind;
    std::string text;  // message, question, prompt line or chooser title
    bool operator==(const ShownText&) const = default;
};

class ScriptedDialogs : public Dialogs {
public:
    // Answers, consumed in order by the matching kind of call.
    void Yes() { answers_.push_back(Answer::Yes); }
    void No() { answers_.push_back(Answer::No); }
    void Cancel() { answers_.push_back(Answer::Cancel); }
    void Type(std::string text) { answers_.push_back(Typed{std::move(text)}); }
    void CancelPrompt() { answers_.push_back(Typed{std::nullopt}); }
    void Choose(std::string path) { answers_.push_back(Chosen{std::move(path)}); }
    void ChooseNothing() { answers_.push_back(Chosen{std::nullopt}); }
    void Pick(std::size_t choice) { answers_.push_back(Picked{choice}); }

    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    Answer AskYesNoCancel(const std::string& question) override;
    std::string Prompt(const std::string& caption, const std::string& prompt, const std::string& defaultText,
                       bool hidden) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& title, const std::string& filter,
                                                const std::string& initialDir) override;
    std::optional<std::string> ChooseFileToOpenOnFilter(const std::string& title, const std::string& filter,
                                                        const std::string& initialDir, int selectedFilter) override;
    std::optional<std::string> ChooseFileToSave(const std::string& title, const std::string& filter,
                                                const std::string& defaultExtension,
                                                const std::string& initialDir) override;
    std::size_t AskChoice(const std::string& question, const std::vector<std::string>& choices) override;

    const std::vector<ShownText>& shown() const { return shown_; }
    std::vector<std::string> messages() const;  // texts only, in order
    void clearShown() { shown_.clear(); }
    bool scriptUsedUp() const { return answers_.empty(); }
    std::vector<bool> promptsHidden;  // one per Prompt call
    std::vector<std::string> initialDirs;  // one per file chooser
    std::vector<int> selectedFilters;  // one per open chooser opened on a filter

private:
    struct Typed {
        std::optional<std::string> text;
    };
    struct Chosen {
        std::optional<std::string> path;
    };
    struct Picked {
        std::size_t index;
    };
    using Scripted = std::variant<Answer, Typed, Chosen, Picked>;
    template <class T>
    T next(const char* what);

    std::deque<Scripted> answers_;
    std::vector<ShownText> shown_;
};

}  // namespace vorlane::testing
