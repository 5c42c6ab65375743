#pragma once
// Dialogs for benchmarks: nothing is shown, every question is declined.

#include <optional>
#include <string>
#include <vector>

#include "storage/dialogs.h"

namespace vorlane::bench {

class SilentDialogs : public Dialogs {
public:
    void Information(const std::string&) override {}
    void Error(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::Cancel; }
    std::size_t AskChoice(const std::string&, const std::vector<std::string>& choices) override {
        return choices.size() - 1;
    }
    std::string Prompt(const std::string&, const std::string&, const std::string& d, bool) override { return d; }
    std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&, const std::string&,
                                                const std::string&) override {
        return std::nullopt;
    }
};

}  // namespace vorlane::bench
