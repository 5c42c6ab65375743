#include "editor/link_lists.h"

#include <utility>

namespace vorlane {

namespace {

constexpr std::string_view kAnchorOpen = "<A href=\"";
constexpr std::string_view kAnchorMiddle = "\">";
constexpr std::string_view kAnchorClose = "</A>";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char a = text[i], b = prefix[i];
        if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
        if (a != b) return false;
    }
    return true;
}

}  // namespace

std::string MakeAnchor(std::string_view address, std::string_view text) {
    std::string entry;
    entry.reserve(kAnchorOpen.size() + address.size() + kAnchorMiddle.size() + text.size() + kAnchorClose.size());
    entry.append(kAnchorOpen).append(address).append(kAnchorMiddle).append(text).append(kAnchorClose);
    return entry;
}

std::optional<Anchor> ParseAnchor(std::string_view entry) {
    if (!StartsWithNoCase(entry, kAnchorOpen)) return std::nullopt;
    if (entry.size() < kAnchorOpen.size() + kAnchorMiddle.size() + kAnchorClose.size()) return std::nullopt;
    if (!StartsWithNoCase(entry.substr(entry.size() - kAnchorClose.size()), kAnchorClose)) return std::nullopt;
    std::string_view inner = entry.substr(kAnchorOpen.size(), entry.size() - kAnchorOpen.size() - kAnchorClose.size());
    auto middle = inner.find(kAnchorMiddle);
    if (middle == std::string_view::npos) return std::nullopt;
    return Anchor{std::string(inner.substr(0, middle)), std::string(inner.substr(middle + kAnchorMiddle.size()))};
}

std::string ListFullMessage(LinkKind kind) {
    if (kind == LinkKind::Web)
        return "This record already has 255 related links, the most a record can hold.  "
               "Delete a link before adding another.";
    return "This record already has 255 related email addresses, the most a record can hold.  "
           "Delete an address before adding another.";
}

void LinkList::Load(std::vector<std::string> entries) {
    entries_ = std::move(entries);
    clicked_.reset();
    clickedAddress_.clear();
}

bool LinkList::Add(Dialogs& dialogs) {
    if (entries_.size() >= kMaxListEntries) {
        dialogs.Information(ListFullMessage(kind_));
        return false;
    }
    std::string address, text;
    if (kind_ == LinkKind::Web) {
        // A cancelled box answers with its default, which stops here too.
        address = dialogs.Prompt("Enter URL", "Please enter URL:", "HTTP://");
        if (address == "HTTP://") return false;
        text = dialogs.Prompt("Enter Title", "Please enter site title:", "");
    } else {
        address = dialogs.Prompt("Enter Email Address", "Please enter Email Address:", "");
        if (address.empty()) return false;
        text = dialogs.Prompt("Enter Name", "Please enter recipient name:", "");
    }
    if (text.empty()) return false;
    entries_.push_back(MakeAnchor(address, text));
    return true;
}

bool LinkList::Click(std::size_t index) {
    clicked_.reset();
    clickedAddress_.clear();
    if (index >= entries_.size()) return false;
    auto anchor = ParseAnchor(entries_[index]);
    if (!anchor) return false;
    clicked_ = index;
    clickedAddress_ = std::move(anchor->address);
    return true;
}

std::array<const char*, 2> LinkList::MenuCaptions() const {
    if (kind_ == LinkKind::Web) return {"View URL", "Delete URL"};
    return {"Send Email", "Delete Email"};
}

bool LinkList::DeleteClicked(Dialogs& dialogs) {
    if (!clicked_ || *clicked_ >= entries_.size()) return false;
    if (!dialogs.AskYesNo("Remove " + clickedAddress_ + "? ")) return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*clicked_));
    clicked_.reset();
    clickedAddress_.clear();
    return true;
}

}  // namespace vorlane
