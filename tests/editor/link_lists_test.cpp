#include <gtest/gtest.h>

#include "editor/link_lists.h"
#include "support/scripted_dialogs.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;
using vorlane::testing::Shown;
using vorlane::testing::ShownText;

TEST(Anchors, AreWrittenAndReadBackInTheStoredForm) {
    EXPECT_EQ(MakeAnchor("http://winery.example/", "The Winery"), "<A href=\"http://winery.example/\">The Winery</A>");
    EXPECT_EQ(ParseAnchor("<A href=\"http://winery.example/\">The Winery</A>"),
              (Anchor{"http://winery.example/", "The Winery"}));
    // Files written elsewhere may spell the tags in lower case.
    EXPECT_EQ(ParseAnchor("<a HREF=\"mail@x.example\">Ann</a>"), (Anchor{"mail@x.example", "Ann"}));
    EXPECT_EQ(ParseAnchor(MakeAnchor("", "No address")), (Anchor{"", "No address"}));
    EXPECT_EQ(ParseAnchor("just a note"), std::nullopt);
    EXPECT_EQ(ParseAnchor("<A href=\"x\">unclosed"), std::nullopt);
    EXPECT_EQ(ParseAnchor("<A href=\"no-end</A>"), std::nullopt);
}

TEST(LinkListAdd, AsksForAddressThenTitleAndAppends) {
    LinkList links(LinkKind::Web);
    links.Load({MakeAnchor("http://a.example", "A")});
    ScriptedDialogs dialogs;
    dialogs.Type("https://b.example/?x=1&y=2");
    dialogs.Type("B \"quoted\"");
    EXPECT_TRUE(links.Add(dialogs));
    EXPECT_EQ(dialogs.shown(), (std::vector<ShownText>{{Shown::Prompt, "Enter URL|Please enter URL:"},
                                                       {Shown::Prompt, "Enter Title|Please enter site title:"}}));
    ASSERT_EQ(links.entries().size(), 2u);
    EXPECT_EQ(links.entries()[1], "<A href=\"https://b.example/?x=1&y=2\">B \"quoted\"</A>");
}

TEST(LinkListAdd, CancelOrUntouchedUrlAddsNothing) {
    LinkList links(LinkKind::Web);
    ScriptedDialogs dialogs;
    dialogs.CancelPrompt();  // answers with the pre-filled "HTTP://"
    dialogs.Type("HTTP://");
    EXPECT_FALSE(links.Add(dialogs));
    EXPECT_FALSE(links.Add(dialogs));
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Enter URL|Please enter URL:", "Enter URL|Please enter URL:"}));
    EXPECT_TRUE(links.entries().empty());
}

TEST(LinkListAdd, EmptiedUrlWithTitleAddsAnEntryWithoutAddressButEmptyTitleStops) {
    LinkList links(LinkKind::Web);
    ScriptedDialogs dialogs;
    dialogs.Type("");
    dialogs.Type("Somewhere");
    dialogs.Type("http://c.example");
    dialogs.CancelPrompt();
    EXPECT_TRUE(links.Add(dialogs));
    EXPECT_FALSE(links.Add(dialogs));
    EXPECT_EQ(links.entries(), std::vector<std::string>{"<A href=\"\">Somewhere</A>"});
}

TEST(LinkListAdd, EmailAsksForAddressThenNameAndStopsOnEitherEmpty) {
    LinkList mail(LinkKind::Email);
    ScriptedDialogs dialogs;
    dialogs.CancelPrompt();               // no address: the name is not asked
    dialogs.Type("ann@cellar.example");
    dialogs.Type("");                     // no name
    dialogs.Type("bob@cellar.example");
    dialogs.Type("Bob");
    EXPECT_FALSE(mail.Add(dialogs));
    EXPECT_FALSE(mail.Add(dialogs));
    EXPECT_TRUE(mail.Add(dialogs));
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Enter Email Address|Please enter Email Address:",
                                        "Enter Email Address|Please enter Email Address:",
                                        "Enter Name|Please enter recipient name:",
                                        "Enter Email Address|Please enter Email Address:",
                                        "Enter Name|Please enter recipient name:"}));
    EXPECT_EQ(mail.entries(), std::vector<std::string>{"<A href=\"bob@cellar.example\">Bob</A>"});
}

TEST(LinkListLimit, The256thEntryIsRefusedBeforeAnythingIsAsked) {
    for (LinkKind kind : {LinkKind::Web, LinkKind::Email}) {
        LinkList list(kind);
        list.Load(std::vector<std::string>(254, MakeAnchor("x@y.example", "n")));
        ScriptedDialogs dialogs;
        dialogs.Type("z@y.example");
        dialogs.Type("last");
        EXPECT_TRUE(list.Add(dialogs));
        EXPECT_EQ(list.entries().size(), 255u);

        dialogs.clearShown();
        EXPECT_FALSE(list.Add(dialogs));
        EXPECT_EQ(list.entries().size(), 255u);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, Shown::Information);
        EXPECT_EQ(dialogs.shown()[0].text, ListFullMessage(kind));
        EXPECT_NE(dialogs.shown()[0].text.find("255"), std::string::npos);
    }
    EXPECT_NE(ListFullMessage(LinkKind::Web), ListFullMessage(LinkKind::Email));
}

TEST(LinkListDelete, RemovesExactlyTheClickedEntryAfterYes) {
    LinkList links(LinkKind::Web);
    std::vector<std::string> five;
    for (int i = 1; i <= 5; ++i) five.push_back(MakeAnchor("http://" + std::to_string(i) + ".example", "L" + std::to_string(i)));
    links.Load(five);

    ASSERT_TRUE(links.Click(2));
    EXPECT_EQ(links.clickedAddress(), "http://3.example");
    ScriptedDialogs dialogs;
    dialogs.No();
    EXPECT_FALSE(links.DeleteClicked(dialogs));
    EXPECT_EQ(links.entries().size(), 5u);
    dialogs.Yes();
    EXPECT_TRUE(links.DeleteClicked(dialogs));
    EXPECT_EQ(dialogs.shown(), (std::vector<ShownText>{{Shown::YesNo, "Remove http://3.example? "},
                                                       {Shown::YesNo, "Remove http://3.example? "}}));
    EXPECT_EQ(links.entries(), (std::vector<std::string>{five[0], five[1], five[3], five[4]}));
    // The remembered entry is gone: a second delete asks nothing.
    EXPECT_FALSE(links.DeleteClicked(dialogs));
    EXPECT_EQ(dialogs.shown().size(), 2u);
}

TEST(LinkListClick, PlainTextEntriesAndPositionsOutsideTheListOfferNoMenu) {
    LinkList mail(LinkKind::Email);
    mail.Load({"a note, not an anchor", MakeAnchor("ann@x.example", "Ann")});
    EXPECT_FALSE(mail.Click(0));
    EXPECT_FALSE(mail.Click(2));
    EXPECT_EQ(mail.clickedAddress(), "");
    ASSERT_TRUE(mail.Click(1));
    EXPECT_EQ(mail.clickedAddress(), "ann@x.example");
    // Showing another record forgets the click.
    mail.Load({MakeAnchor("bob@x.example", "Bob")});
    ScriptedDialogs dialogs;
    EXPECT_FALSE(mail.DeleteClicked(dialogs));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST(LinkListMenu, CaptionsFollowTheKindOfList) {
    auto web = LinkList(LinkKind::Web).MenuCaptions();
    auto mail = LinkList(LinkKind::Email).MenuCaptions();
    EXPECT_STREQ(web[0], "View URL");
    EXPECT_STREQ(web[1], "Delete URL");
    EXPECT_STREQ(mail[0], "Send Email");
    EXPECT_STREQ(mail[1], "Delete Email");
}
