#pragma once
// Runs a test under a locale whose decimal separator is a comma, as a
// German desktop has, and puts the previous locale back afterwards.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace vorlane::testing {

class CommaLocale {
public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"})
            if (std::setlocale(LC_ALL, name)) break;
    }
    ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    // False when no such locale is installed (tools/install-deps.sh makes one).
    bool active() const { return std::localeconv()->decimal_point[0] == ','; }

private:
    std::string previous_;
};

}  // namespace vorlane::testing
