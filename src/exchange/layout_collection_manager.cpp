// The CSV export of collection managers' wine collections; one variant is
// ';'-separated without quoting and may have no header.

#include "exchange/cellar_layout.h"
#include "storage/number_text.h"

namespace vorlane {

namespace {

const std::vector<std::string>& OwnColumns() {
    static const std::vector<std::string> columns = {"Title",    "Producer", "Appellation",   "Varietal",       "Vintage",
                                                     "Type",     "Country",  "Purchase Date", "Purchase Price", "Location",
                                                     "Quantity", "Drink By", "Rating",        "Comments"};
    return columns;
}

class CollectionManagerLayout : public CellarLayout {
public:
    std::string Name() const override { return "collection manager"; }

    int Recognise(const std::vector<std::string>& header) const override {
        if (ColumnOf(header, "Title") < 0) return 0;
        int score = 0;
        for (const auto& c : OwnColumns())
            if (ColumnOf(header, c) >= 0) ++score;
        return score >= 3 ? score : 0;
    }

    std::vector<std::string> ColumnsWithoutHeader() const override { return OwnColumns(); }

    std::vector<ImportTarget> DefaultTargets(const std::vector<std::string>& header, const LabelTable&) const override {
        const std::pair<const char*, ImportTarget> map[] = {
            {"Title", {ImportTarget::Name, 0}},           {"Producer", {ImportTarget::Detail, 0}},
            {"Appellation", {ImportTarget::Description, 1}}, {"Varietal", {ImportTarget::Description, 2}},
            {"Vintage", {ImportTarget::Detail, 3}},       {"Type", {ImportTarget::Description, 2}},
            {"Country", {ImportTarget::Description, 1}},  {"Purchase Date", {ImportTarget::Detail, 2}},
            {"Purchase Price", {ImportTarget::Detail, 1}}, {"Location", {ImportTarget::NoteList, 0}},
            {"Quantity", {ImportTarget::Detail, 9}},      {"Drink By", {ImportTarget::DrinkTo, 0}},
            {"Rating", {ImportTarget::Description, 4}},   {"Comments", {ImportTarget::NoteList, 2}},
        };
        std::vector<ImportTarget> out(header.size());
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
        row.name = get("Title");
        const std::string producer = get("Producer"), country = get("Country");
        row.details[0] = producer;
        row.details[3] = get("Vintage");
        if (const std::string price = get("Purchase Price"); !price.empty()) {
            const auto amount = ReadAmount(price);
            const std::string money = amount ? MoneyText(*amount) : std::string();
            row.details[1] = money.empty() ? price : money;
        }
        if (const std::string text = get("Purchase Date"); !text.empty()) {
            row.details[2] = DateFromOutside(text);
            if (row.details[2].empty()) {
                context.Note("purchase date \"" + text + "\" not read; left empty");
                row.details[2] = "    /  /  ";
            }
        }
        if (const int c = context.Column("Quantity"); c >= 0 && onDefault[static_cast<std::size_t>(c)])
            row.details[9] = QuantityText(fields[static_cast<std::size_t>(c)], context);
        row.paths[0] = JoinPath({get("Appellation"), country});
        row.paths[1] = JoinPath({get("Varietal"), get("Type")});
        if (!producer.empty()) row.paths[2] = JoinPath({producer, country});
        if (const std::string rating = get("Rating"); !rating.empty()) {
            if (const auto value = ReadAmount(rating); value && *value > 5) row.paths[3] = ScoreBand(context.ratingTree, *value);
            if (row.paths[3].empty()) context.Note("rating " + rating + " is in no band of the \"Points\" tree; left out");
        }
        row.drinkTo = get("Drink By");
        if (const std::string location = get("Location"); !location.empty()) row.notes[0].push_back(location);
        if (const std::string comments = get("Comments"); !comments.empty()) row.notes[2].push_back(comments);
    }
};

}  // namespace

std::unique_ptr<CellarLayout> MakeCollectionManagerLayout() { return std::make_unique<CollectionManagerLayout>(); }

}  // namespace vorlane
