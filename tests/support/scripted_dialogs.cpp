#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vorlane::testing {

template <class T>
T ScriptedDialogs::next(const char* what) {
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted " << what << " after: " << (shown_.empty() ? "" : shown_.back().text);
        throw std::logic_error("unscripted dialog");
    }
    Scripted answer = answers_.front();
    answers_.pop_front();
    if (!std::holds_alternative<T>(answer)) {
        ADD_FAILURE() << "script expected another kind of answer for " << what << ": " << shown_.back().text;
        throw std::logic_error("wrong scripted answer");
    }
    return std::get<T>(answer);
}

void ScriptedDialogs::Information(const std::string& text) { shown_.push_back({Shown::Information, text}); }
void ScriptedDialogs::Error(const std::string& text) { shown_.push_back({Shown::Error, text}); }

bool ScriptedDialogs::AskYesNo(const std::string& question) {
    shown_.push_back({Shown::YesNo, question});
    Answer a = next<Answer>("Yes/No question");
    if (a == Answer::Cancel) ADD_FAILURE() << "Cancel scripted for a Yes/No question: " << question;
    return a == Answer::Yes;
}

Answer ScriptedDialogs::AskYesNoCancel(const std::string& question) {
    shown_.push_back({Shown::YesNoCancel, question});
    return next<Answer>("Yes/No/Cancel question");
}

std::string ScriptedDialogs::Prompt(const std::string& caption, const std::string& prompt,
                                    const std::string& defaultText, bool hidden) {
    shown_.push_back({Shown::Prompt, caption + "|" + prompt});
    promptsHidden.push_back(hidden);
    Typed typed = next<Typed>("prompt");
    return typed.text ? *typed.text : defaultText;
}

std::optional<std::string> ScriptedDialogs::ChooseFileToOpen(const std::string& title, const std::string&,
                                                             const std::string& initialDir) {
    shown_.push_back({Shown::OpenFile, title});
    initialDirs.push_back(initialDir);
    return next<Chosen>("open chooser").path;
}

std::optional<std::string> ScriptedDialogs::ChooseFileToOpenOnFilter(const std::string& title, const std::string& filter,
                                                                     const std::string& initialDir, int selectedFilter) {
    selectedFilters.push_back(selectedFilter);
    return ChooseFileToOpen(title, filter, initialDir);
}

std::optional<std::string> ScriptedDialogs::ChooseFileToSave(const std::string& title, const std::string&,
                                                             const std::string&, const std::string& initialDir) {
    shown_.push_back({Shown::SaveFile, title});
    initialDirs.push_back(initialDir);
    return next<Chosen>("save chooser").path;
}

std::size_t ScriptedDialogs::AskChoice(const std::string& question, const std::vector<std::string>& choices) {
    shown_.push_back({Shown::Choice, question});
    Picked picked = next<Picked>("choice");
    if (picked.index >= choices.size()) ADD_FAILURE() << "no choice " << picked.index << " for: " << question;
    return picked.index;
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> texts;
    for (const auto& s : shown_) texts.push_back(s.text);
    return texts;
}

}  // namespace vorlane::testing
