#pragma once
// A record's related web links and e-mail addresses. Each entry is kept as
// an anchor, <A href="address">text</A>, exactly as the database file holds
// it; the window shows the text as a link and offers a menu on a click.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/dialogs.h"

namespace vorlane {

// The database file counts each list's entries in one byte.
inline constexpr std::size_t kMaxListEntries = 255;

std::string MakeAnchor(std::string_view address, std::string_view text);

struct Anchor {
    std::string address;
    std::string text;
    bool operator==(const Anchor&) const = default;
};
// nullopt when entry is not an anchor (the list shows it as plain text and
// offers no menu for it). The address ends at the first `">`.
std::optional<Anchor> ParseAnchor(std::string_view entry);

enum class LinkKind { Web, Email };

class LinkList {
public:
    explicit LinkList(LinkKind kind) : kind_(kind) {}

    LinkKind kind() const { return kind_; }
    void Load(std::vector<std::string> entries);
    const std::vector<std::string>& entries() const { return entries_; }

    // "Add URL" or "Add Address": asks for the address, then for the title or
    // the recipient's name. True when an entry was added. A full list is
    // refused with a message before anything is asked.
    bool Add(Dialogs& dialogs);

    // The anchor of entry index was clicked: remembers its address and
    // position for the entry menu. False (nothing remembered) when the entry
    // has no anchor.
    bool Click(std::size_t index);
    const std::string& clickedAddress() const { return clickedAddress_; }

    // The entry menu: "View URL", "Delete URL" or "Send Email", "Delete Email".
    std::array<const char*, 2> MenuCaptions() const;

    // "Delete URL" or "Delete Email": asks, and on Yes removes the remembered
    // entry. True when it was removed.
    bool DeleteClicked(Dialogs& dialogs);

private:
    LinkKind kind_;
    std::vector<std::string> entries_;
    std::optional<std::size_t> clicked_;
    std::string clickedAddress_;
};

// The message that refuses one entry too many.
std::string ListFullMessage(LinkKind kind);

}  // namespace vorlane
