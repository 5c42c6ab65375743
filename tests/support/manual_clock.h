#pragma once
// A clock that moves only when a test moves it.

#include "utilities/cd_drive.h"

namespace vorlane::testing {

class ManualClock : public CdClock {
public:
    std::int64_t NowMs() const override { return now; }
    std::int64_t now = 5000;
};

}  // namespace vorlane::testing
