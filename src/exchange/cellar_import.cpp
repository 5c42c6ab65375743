#include "exchange/cellar_import.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <unordered_map>
#include <random>
#include <unordered_set>

#include "storage/database_file.h"
#include "storage/new_record.h"
#include "storage/number_text.h"

namespace vorlane {

namespace {

constexpr std::string_view kPathSeparator = " : ";
constexpr std::size_t kProgressStep = 1024;

std::vector<std::string> SplitPath(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = path.find(kPathSeparator, start);
        parts.emplace_back(path.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + kPathSeparator.size();
    }
    return parts;
}

// A value tree with each level's children findable by their folded text, so
// that adding many paths costs no scan of long levels.
class TreeIndex {
public:
    explicit TreeIndex(const ValueTree& tree) { Add(0, tree); }

    // Puts path (value first) in, reusing a node whose text matches when case
    // and accents are ignored; returns the path as the tree spells it.
    std::string AddPath(std::string_view path) {
        const std::vector<std::string> parts = SplitPath(path);
        std::vector<std::size_t> chain;
        std::size_t at = 0;
        for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
            if (it->empty()) continue;
            if (chain.size() + 1 >= static_cast<std::size_t>(kMaxTreeDepth)) break;
            std::string folded = FoldForMatch(*it);
            auto found = nodes_[at].byFold.find(folded);
            std::size_t child;
            if (found != nodes_[at].byFold.end()) {
                child = found->second;
            } else {
                child = NewNode(at, *it);
                nodes_[at].byFold.emplace(std::move(folded), child);
            }
            chain.push_back(child);
            at = child;
        }
        std::string out;
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            if (!out.empty()) out += kPathSeparator;
            out += nodes_[*it].text;
        }
        return out;
    }

    ValueTree Tree() const { return Children(0); }

private:
    struct Node {
        std::string text;
        std::vector<std::size_t> children;
        std::unordered_map<std::string, std::size_t> byFold;  // the first of equal texts
    };

    std::size_t NewNode(std::size_t parent, const std::string& text) {
        nodes_.push_back(Node{text, {}, {}});
        nodes_[parent].children.push_back(nodes_.size() - 1);
        return nodes_.size() - 1;
    }

    void Add(std::size_t parent, const std::vector<TreeItem>& items) {
        for (const TreeItem& item : items) {
            const std::size_t n = NewNode(parent, item.text);
            nodes_[parent].byFold.emplace(FoldForMatch(item.text), n);
            Add(n, item.children);
        }
    }

    ValueTree Children(std::size_t n) const {
        ValueTree out;
        out.reserve(nodes_[n].children.size());
        for (std::size_t c : nodes_[n].children) out.push_back(TreeItem{nodes_[c].text, Children(c)});
        return out;
    }

    std::vector<Node> nodes_ = {Node{}};
};

std::string DuplicateKey(const std::string& name, const std::string& vintage, const std::string& size) {
    return FoldForMatch(name) + '\x1F' + FoldForMatch(vintage) + '\x1F' + FoldForMatch(size);
}

bool RecordUsesDetail(const RecordList& records, int detail) {
    for (const auto& r : records)
        if (r.Details[static_cast<std::size_t>(detail)].find_first_not_of(' ') != std::string::npos) return true;
    return false;
}

// The details that take "Drink From" and "Drink To": ones already so
// labelled, else in a new database details 5 and 6, else the first details
// whose labels are still generic and that no record uses. -1 when none.
std::array<int, 2> DrinkDetails(LabelTable& labels, const RecordList& records, bool newDatabase) {
    std::array<int, 2> out = {-1, -1};
    const std::array<std::string, 2> names = {kDrinkFromLabel, kDrinkToLabel};
    for (std::size_t k = 0; k < 2; ++k)
        for (int d = 0; d < kDetailCount; ++d)
            if (FoldForMatch(labels[static_cast<std::size_t>(d)]) == FoldForMatch(names[k])) out[k] = d;
    const LabelTable defaults = DefaultLabels();
    for (std::size_t k = 0; k < 2; ++k) {
        if (out[k] >= 0) continue;
        for (int d = newDatabase ? 5 : 0; d < kDetailCount; ++d) {
            const auto i = static_cast<std::size_t>(d);
            const bool generic = labels[i] == "Detail " + std::to_string(d + 1) && labels[i] == defaults[i];
            if (generic && d != out[0] && !RecordUsesDetail(records, d)) {
                out[k] = d;
                labels[i] = names[k];
                break;
            }
        }
    }
    return out;
}

bool FlagText(std::string_view text) {
    const std::string f = FoldForMatch(text);
    return !f.empty() && f != "0" && f != "no" && f != "false";
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> out;
    if (text.empty()) return out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        out.emplace_back(line);
        start = end + 1;
    }
    return out;
}

}  // namespace

void PutAsTyped(const ImportTarget& target, const std::string& text, ImportedRow& row) {
    const auto i = static_cast<std::size_t>(target.index);
    switch (target.kind) {
        case ImportTarget::None: break;
        case ImportTarget::Name: row.name = text; break;
        case ImportTarget::Detail:
            row.details[i] = text;
            row.detailSet[i] = true;
            break;
        case ImportTarget::Description: row.paths[i - 1] = text; break;
        case ImportTarget::DrinkFrom: row.drinkFrom = text; break;
        case ImportTarget::DrinkTo: row.drinkTo = text; break;
        case ImportTarget::Flag: row.flags[i] = FlagText(text); break;
        case ImportTarget::NoteList: row.notes[i] = Lines(text); break;
        case ImportTarget::Links:
            for (auto& l : Lines(text))
                if (!l.empty()) row.links.push_back(std::move(l));
            break;
        case ImportTarget::Picture: row.pictures[i - 1] = text; break;
    }
}

ImportPlan PlanImport(const DelimitedText& text, const LabelTable& labels,
                      const std::vector<std::unique_ptr<CellarLayout>>& layouts, const std::string& forcedLayout) {
    ImportPlan plan;
    const std::vector<std::string> first = text.rows.empty() ? std::vector<std::string>{} : text.rows[0].fields;
    int best = 0;
    for (const auto& layout : layouts) {
        if (!forcedLayout.empty() && layout->Name() != forcedLayout) continue;
        int score = layout->Recognise(first);
        bool header = true;
        const std::vector<std::string> own = layout->ColumnsWithoutHeader();
        // A headerless file: as many columns as the layout has, when nothing fitted better.
        if (score == 0 && !own.empty() && first.size() == own.size() && text.delimiter == ';') {
            score = 1;
            header = false;
        }
        if (!forcedLayout.empty() && score == 0) score = 1;
        if (score > best) {
            best = score;
            plan.layout = layout.get();
            plan.hasHeader = header;
            plan.header = header ? first : own;
        }
    }
    if (plan.layout) plan.targets = plan.layout->DefaultTargets(plan.header, labels);
    return plan;
}

CellarImportReport ImportCellar(Database& db, const DelimitedText& text, const ImportPlan& plan, bool newDatabase,
                                const ImportProgress& progress) {
    CellarImportReport report;
    if (!plan.layout) {
        report.error = "The file's columns were not recognised.";
        return report;
    }
    if (std::string refusal = plan.layout->Refusal(); !refusal.empty()) {
        report.error = std::move(refusal);
        return report;
    }
    LabelTable labels = db.labels;
    if (newDatabase && plan.layout->CarriesLabels()) {
        for (std::size_t c = 0; c < plan.header.size() && c < plan.targets.size(); ++c) {
            const ImportTarget& t = plan.targets[c];
            if (t.kind == ImportTarget::Detail) labels[static_cast<std::size_t>(DetailLabel(t.index))] = plan.header[c];
            if (t.kind == ImportTarget::Description)
                labels[static_cast<std::size_t>(DescriptionLabel(t.index))] = plan.header[c];
        }
    }
    const std::vector<ImportTarget> defaults = plan.layout->DefaultTargets(plan.header, db.labels);
    std::vector<bool> onDefault(plan.header.size());
    bool drink = false;
    for (std::size_t c = 0; c < plan.header.size(); ++c) {
        const ImportTarget t = c < plan.targets.size() ? plan.targets[c] : ImportTarget{};
        onDefault[c] = c < defaults.size() && t == defaults[c];
        drink = drink || t.kind == ImportTarget::DrinkFrom || t.kind == ImportTarget::DrinkTo;
    }
    std::array<int, 2> drinkDetails = {-1, -1};
    if (drink) {
        drinkDetails = DrinkDetails(labels, db.records, newDatabase);
        if (drinkDetails[0] < 0 || drinkDetails[1] < 0)
            report.notes.push_back({0, std::string("No detail is free for \"") +
                                           (drinkDetails[0] < 0 ? kDrinkFromLabel : kDrinkToLabel) +
                                           "\" (every detail is labelled or in use): those columns were left out."});
    }
    std::array<ValueTree, kDescriptionCount> trees;
    for (std::size_t k = 0; k < trees.size(); ++k) trees[k] = ParseTreeText(db.valueTrees[k]);
    std::array<std::unique_ptr<TreeIndex>, kDescriptionCount> indexes;  // made when a tree gets a path

    for (const auto& l : text.replacedLines)
        report.notes.push_back({l.line, std::to_string(l.count) + (l.count == 1 ? " character" : " characters") +
                                            " replaced by the nearest letter"});

    std::unordered_set<std::string> seen;
    std::size_t bytes = EncodedDatabaseSize(db);
    for (const auto& r : db.records) seen.insert(DuplicateKey(r.Name, r.Details[3], r.Details[4]));
    std::mt19937 rng(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    RecordList added;
    const std::size_t firstRow = plan.hasHeader ? 1 : 0;
    const std::size_t total = text.rows.size() > firstRow ? text.rows.size() - firstRow : 0;
    added.reserve(total);
    std::vector<ConversionNote> rowNotes;
    std::unordered_map<std::string, int> columns;
    for (std::size_t c = 0; c < plan.header.size(); ++c)
        columns.emplace(FoldForMatch(plan.header[c]), static_cast<int>(c));
    for (std::size_t n = firstRow; n < text.rows.size(); ++n) {
        if (progress && (n - firstRow) % kProgressStep == 0 && !progress(n - firstRow, total)) {
            report = {};
            report.cancelled = true;
            return report;
        }
        const DelimitedRow& source = text.rows[n];
        if (source.fields.size() != plan.header.size()) {
            report.notes.push_back({source.line, std::to_string(source.fields.size()) + " fields where the " +
                                                     (plan.hasHeader ? "header has " : "layout has ") +
                                                     std::to_string(plan.header.size()) + ": not imported"});
            continue;
        }
        rowNotes.clear();
        RowContext context{source.line, &trees[3], &rowNotes, &defaults, &columns};
        ImportedRow row;
        plan.layout->Convert(plan.header, source.fields, onDefault, context, row);
        for (std::size_t c = 0; c < source.fields.size(); ++c)
            if (!onDefault[c] && c < plan.targets.size()) PutAsTyped(plan.targets[c], source.fields[c], row);

        const std::string key = DuplicateKey(row.name, row.details[3], row.details[4]);
        if (seen.contains(key)) {
            ++report.skipped;
            report.notes.push_back({source.line, "\"" + row.name + "\" is already in the database: skipped"});
            continue;
        }
        report.notes.insert(report.notes.end(), rowNotes.begin(), rowNotes.end());

        ItemRecord r;
        r.Id = NewRecordKey(rng);
        r.Name = row.name;
        r.Details = row.details;
        for (std::size_t k = 0; k < row.paths.size(); ++k) {
            if (row.paths[k].empty()) continue;
            if (!indexes[k]) indexes[k] = std::make_unique<TreeIndex>(trees[k]);
            r.Descriptions[k] = indexes[k]->AddPath(row.paths[k]);
        }
        if (drinkDetails[0] >= 0 && !row.drinkFrom.empty()) r.Details[static_cast<std::size_t>(drinkDetails[0])] = row.drinkFrom;
        if (drinkDetails[1] >= 0 && !row.drinkTo.empty()) r.Details[static_cast<std::size_t>(drinkDetails[1])] = row.drinkTo;
        r.Favorite = row.flags[0];
        r.Tested = row.flags[1];
        r.Untested = row.flags[2];
        r.NoteLists = std::move(row.notes);
        r.Links = std::move(row.links);
        for (std::size_t i = 0; i < r.Images.size(); ++i) {
            r.Images[i].FileName = row.pictures[i];
            r.Images[i].Title = "Untitled " + std::to_string(i + 1);
        }
        r.OnSearchList = true;
        bytes += EncodedRecordSize(r);
        if (std::string problem = DatabaseSizeProblem(bytes); !problem.empty()) {
            report = {};
            report.error = problem + "  Nothing was imported.";
            return report;
        }
        added.push_back(std::move(r));
    }
    if (progress && !progress(total, total)) {
        report = {};
        report.cancelled = true;
        return report;
    }

    std::stable_sort(report.notes.begin(), report.notes.end(),
                     [](const ConversionNote& a, const ConversionNote& b) { return a.line < b.line; });

    // Nothing failed: the database takes it all at once.
    db.labels = labels;
    for (std::size_t k = 0; k < trees.size(); ++k)
        if (indexes[k]) db.valueTrees[k] = TreeToText(indexes[k]->Tree());
    for (auto& r : db.records) r.OnSearchList = false;
    report.imported = added.size();
    db.records.reserve(db.records.size() + added.size());
    for (auto& r : added) db.records.push_back(std::move(r));
    return report;
}

std::string ImportSummary(const CellarImportReport& report) {
    return std::to_string(report.imported) + (report.imported == 1 ? " record" : " records") + " imported, " +
           std::to_string(report.skipped) + " skipped";
}

std::vector<std::string> ImportReportLines(const CellarImportReport& report) {
    std::vector<std::string> lines;
    lines.reserve(report.notes.size());
    for (const auto& n : report.notes)
        lines.push_back(n.line == 0 ? n.text : "line " + std::to_string(n.line) + ": " + n.text);
    return lines;
}

}  // namespace vorlane
