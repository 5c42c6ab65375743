// The cellar of the phone app's data download (cellar.csv). Its
// full_wine_list.csv is tasting history, not stock, and is not recognised.

#include "exchange/cellar_layout.h"

namespace vorlane {

namespace {

class PhoneAppLayout : public CellarLayout {
public:
    std::string Name() const override { return "phone app cellar"; }

    int Recognise(const std::vector<std::string>& header) const override {
        if (ColumnOf(header, "Wine name") < 0 || ColumnOf(header, "Winery") < 0) return 0;
        if (ColumnOf(header, "User cellar count") < 0) return 0;  // tasting history has no cellar count
        return 20;
    }

    std::vector<ImportTarget> DefaultTargets(const std::vector<std::string>& header, const LabelTable&) const override {
        std::vector<ImportTarget> out(header.size());
        const std::pair<const char*, ImportTarget> map[] = {
            {"Winery", {ImportTarget::Detail, 0}},        {"Wine name", {ImportTarget::Name, 0}},
            {"Vintage", {ImportTarget::Detail, 3}},       {"Region", {ImportTarget::Description, 1}},
            {"Country", {ImportTarget::Description, 1}},  {"Regional wine style", {ImportTarget::NoteList, 0}},
            {"Wine type", {ImportTarget::Description, 2}}, {"Link to wine", {ImportTarget::Links, 0}},
            {"User cellar count", {ImportTarget::Detail, 9}},
        };
        for (std::size_t i = 0; i < header.size(); ++i)
            for (const auto& [name, target] : map)
                if (FoldForMatch(header[i]) == FoldForMatch(name)) out[i] = target;
        return out;
    }

    void Convert(const std::vector<std::string>&, const std::vector<std::string>& fields,
                 const std::vector<bool>& onDefault, const RowContext& context, ImportedRow& row) const override {
        auto get = [&](std::string_view name) -> std::string {
            const int c = context.Column(name);
            return c >= 0 && onDefault[static_cast<std::size_t>(c)] ? fields[static_cast<std::size_t>(c)] : std::string();
        };
        const std::string winery = get("Winery"), wine = get("Wine name");
        // The app keeps the winery apart from the wine's name; a cellar name holds both.
        row.name = winery.empty() || wine.rfind(winery, 0) == 0 ? wine : wine.empty() ? winery : winery + " " + wine;
        row.details[0] = winery;
        row.details[3] = get("Vintage");
        const std::string country = get("Country");
        row.paths[0] = JoinPath({get("Region"), country});
        row.paths[1] = get("Wine type");
        if (!winery.empty()) row.paths[2] = JoinPath({winery, country});
        if (const std::string style = get("Regional wine style"); !style.empty()) row.notes[0].push_back(style);
        if (const std::string link = get("Link to wine"); !link.empty()) row.links.push_back(link);
        if (const int c = context.Column("User cellar count"); c >= 0 && onDefault[static_cast<std::size_t>(c)])
            row.details[9] = QuantityText(fields[static_cast<std::size_t>(c)], context);
    }
};

// The download's full_wine_list.csv: the wines the person tasted or scanned.
class PhoneAppHistoryLayout : public CellarLayout {
public:
    std::string Name() const override { return "phone app tasting history"; }
    int Recognise(const std::vector<std::string>& header) const override {
        return ColumnOf(header, "Wine name") >= 0 && ColumnOf(header, "Winery") >= 0 &&
                       ColumnOf(header, "User cellar count") < 0
                   ? 20
                   : 0;
    }
    std::string Refusal() const override {
        return "This is the phone app's tasting history (full_wine_list.csv), not the wines in the cellar: "
               "import its cellar.csv instead.";
    }
};

}  // namespace

std::unique_ptr<CellarLayout> MakePhoneAppHistoryLayout() { return std::make_unique<PhoneAppHistoryLayout>(); }

std::unique_ptr<CellarLayout> MakePhoneAppLayout() { return std::make_unique<PhoneAppLayout>(); }

}  // namespace vorlane
