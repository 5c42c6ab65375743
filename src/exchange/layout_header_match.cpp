// Any other export with a header row: a column whose name is one of the
// database's labels (case and accents ignored) goes to that field; the
// person maps the rest.

#include "exchange/cellar_layout.h"

namespace vorlane {

namespace {

class HeaderMatchLayout : public CellarLayout {
public:
    std::string Name() const override { return "columns named like the fields"; }
    int Recognise(const std::vector<std::string>& header) const override { return header.empty() ? 0 : 1; }
};

}  // namespace

std::unique_ptr<CellarLayout> MakeHeaderMatchLayout() { return std::make_unique<HeaderMatchLayout>(); }

}  // namespace vorlane
