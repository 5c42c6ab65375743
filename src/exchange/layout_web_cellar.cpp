// The wine list and the per-bottle inventory of the largest web cellar service.

#include <cmath>

#include "exchange/cellar_layout.h"
#include "storage/number_text.h"

namespace vorlane {

namespace {

constexpr const char* kWinePage = "https://www.cellartracker.com/wine.asp?iWine=";

struct Column {
    const char* name;
    ImportTarget target;
};

const std::vector<Column>& Columns() {
    static const std::vector<Column> columns = {
        {"Wine", {ImportTarget::Name, 0}},
        {"Producer", {ImportTarget::Detail, 0}},
        {"Price", {ImportTarget::Detail, 1}},
        {"PurchaseDate", {ImportTarget::Detail, 2}},
        {"Vintage", {ImportTarget::Detail, 3}},
        {"Size", {ImportTarget::Detail, 4}},
        {"Value", {ImportTarget::Detail, 8}},
        {"Quantity", {ImportTarget::Detail, 9}},
        {"Locale", {ImportTarget::Description, 1}},
        {"Appellation", {ImportTarget::Description, 1}},
        {"SubRegion", {ImportTarget::Description, 1}},
        {"Region", {ImportTarget::Description, 1}},
        {"Varietal", {ImportTarget::Description, 2}},
        {"Color", {ImportTarget::Description, 2}},
        {"Country", {ImportTarget::Description, 3}},
        {"PScore", {ImportTarget::Description, 4}},
        {"BeginConsume", {ImportTarget::DrinkFrom, 0}},
        {"EndConsume", {ImportTarget::DrinkTo, 0}},
        {"iWine", {ImportTarget::Links, 0}},
        {"BottleNote", {ImportTarget::NoteList, 2}},
    };
    return columns;
}

class WebCellarLayout : public CellarLayout {
public:
    std::string Name() const override { return "web cellar service"; }

    int Recognise(const std::vector<std::string>& header) const override {
        if (ColumnOf(header, "iWine") < 0) return 0;
        int score = 10;
        for (const char* name : {"Wine", "Producer", "Vintage", "Locale", "Varietal", "MasterVarietal", "PScore",
                                 "CScore", "BeginConsume", "EndConsume", "Currency", "Barcode"})
            if (ColumnOf(header, name) >= 0) ++score;
        return score;
    }

    std::vector<ImportTarget> DefaultTargets(const std::vector<std::string>& header, const LabelTable&) const override {
        std::vector<ImportTarget> out(header.size());
        for (std::size_t i = 0; i < header.size(); ++i)
            for (const Column& c : Columns())
                if (FoldForMatch(header[i]) == FoldForMatch(c.name)) out[i] = c.target;
        return out;
    }

    void Convert(const std::vector<std::string>&, const std::vector<std::string>& fields,
                 const std::vector<bool>& onDefault, const RowContext& context, ImportedRow& row) const override {
        // A column's text when it is still on its default target, else empty.
        auto get = [&](std::string_view name) -> std::string {
            const int c = context.Column(name);
            return c >= 0 && onDefault[static_cast<std::size_t>(c)] ? fields[static_cast<std::size_t>(c)] : std::string();
        };
        auto has = [&](std::string_view name) {
            const int c = context.Column(name);
            return c >= 0 && onDefault[static_cast<std::size_t>(c)];
        };
        auto detail = [&](int d, std::string text) {
            row.details[static_cast<std::size_t>(d)] = std::move(text);
            row.detailSet[static_cast<std::size_t>(d)] = true;
        };
        auto dropUnknown = [&](std::string part) {
            if (FoldForMatch(part) == "unknown") {
                context.Note("\"" + part + "\" left out of the region");
                return std::string();
            }
            return part;
        };

        if (has("Wine")) row.name = get("Wine");
        if (has("Producer")) detail(0, get("Producer"));
        const std::string currency = get("Currency");
        for (auto [column, d] : {std::pair{"Price", 1}, std::pair{"Value", 8}}) {
            if (!has(column)) continue;
            const std::string text = get(column);
            detail(d, Money(text, currency, context));
        }
        {
            const std::string text = get("PurchaseDate");
            std::string date = DateFromOutside(text);
            if (date.empty() && !text.empty()) context.Note("purchase date \"" + text + "\" not read; left empty");
            detail(2, date.empty() ? "    /  /  " : date);
        }
        if (has("Vintage")) {
            std::string vintage = get("Vintage");
            if (vintage == "1001") {
                context.Note("vintage 1001 (non-vintage) left empty");
                vintage.clear();
            }
            detail(3, vintage);
        }
        if (has("Size")) detail(4, get("Size"));
        if (has("Quantity")) detail(9, QuantityText(get("Quantity"), context));

        // Region: the locale's parts from the smallest up, else the separate columns.
        std::vector<std::string> region;
        const std::string locale = get("Locale");
        if (!locale.empty()) {
            std::vector<std::string> parts;
            std::size_t start = 0;
            while (start <= locale.size()) {
                std::size_t comma = locale.find(',', start);
                if (comma == std::string::npos) comma = locale.size();
                std::string part = locale.substr(start, comma - start);
                const std::size_t a = part.find_first_not_of(' '), b = part.find_last_not_of(' ');
                parts.push_back(a == std::string::npos ? std::string() : part.substr(a, b - a + 1));
                start = comma + 1;
            }
            for (auto it = parts.rbegin(); it != parts.rend(); ++it) region.push_back(dropUnknown(*it));
        } else {
            for (const char* column : {"Appellation", "SubRegion", "Region", "Country"})
                if (has(column)) region.push_back(dropUnknown(get(column)));
        }
        row.paths[0] = JoinPath(region);

        const std::string varietal = get("Varietal"), color = get("Color");
        row.paths[1] = JoinPath({varietal, color});
        const std::string producer = get("Producer");
        if (!producer.empty()) row.paths[2] = JoinPath({producer, dropUnknown(get("Country"))});

        if (const std::string score = get("PScore"); !score.empty()) {
            if (const auto value = ReadAmount(score)) {
                row.paths[3] = ScoreBand(context.ratingTree, *value);
                if (row.paths[3].empty()) context.Note("score " + score + " is in no band of the \"Points\" tree; left out");
            }
        }
        auto drink = [&](const char* column, std::string& into) {
            into = get(column);
            if (into == "9999") {
                context.Note(std::string(column) + " 9999 left empty");
                into.clear();
            }
        };
        drink("BeginConsume", row.drinkFrom);
        drink("EndConsume", row.drinkTo);
        if (const std::string id = get("iWine"); !id.empty()) row.links.push_back(kWinePage + id);
        if (const std::string note = get("BottleNote"); !note.empty()) row.notes[2].push_back(note);
    }

private:
    static std::string Money(const std::string& text, const std::string& currency, const RowContext& context) {
        if (text.empty()) return text;
        const auto amount = ReadAmount(text);
        if (!amount) return text;
        std::string symbol = currency.empty() || currency == "USD" ? "$"
                             : currency == "EUR"                  ? "\x80"
                             : currency == "GBP"                  ? "\xA3"
                                                                  : currency + " ";
        std::string money = MoneyText(*amount, symbol);
        if (money.empty()) return text;
        if (std::fabs(*amount * 100 - std::round(*amount * 100)) > 1e-6)
            context.Note("amount " + text + " rounded to " + money);
        return money;
    }
};

}  // namespace

std::unique_ptr<CellarLayout> MakeWebCellarLayout() { return std::make_unique<WebCellarLayout>(); }

}  // namespace vorlane
