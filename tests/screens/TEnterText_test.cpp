// The name-entry dialog: what typing makes of a name, accepting and cancelling, and the names
// other players already have.
#include "screens/TEnterText.hpp"

#include "gui/TButton.hpp"
#include "media/Platform.hpp"
#include "screens/TPopUp.hpp"
#include "support/DialogFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::DialogFixture;
using testing_support::ScriptedEvent;

struct TypingCase
{
    const char* what;
    std::string start;
    bool noCancel;
    std::u32string typed; // in the queue before the dialog opens
    std::vector<ScriptedEvent> events;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const TypingCase& c)
{
    return out << c.what;
}

// Frame 30: the dialog has faded in and takes input.
const std::vector<ScriptedEvent> enter{{30, "key Enter tap"}};
const std::vector<ScriptedEvent> escape{{30, "key Escape tap"}};

class NameEntryTyping : public ::testing::TestWithParam<TypingCase>
{};

TEST_P(NameEntryTyping, GivesTheNameOrTheCancelMark)
{
    const TypingCase& c = GetParam();
    DialogFixture f;
    f.addPlayer("ANNA");
    for (char32_t ch : c.typed)
        media::input().feedChar(ch);
    f.script(c.events);
    EXPECT_EQ(enterText().mainloop(nullptr, c.start, "", c.noCancel ? 1 : 0), c.expected);
    // Nothing typed or clicked in the dialog reaches the screen behind it.
    EXPECT_EQ(media::input().takeChar(), 0u);
}

const std::u32string forbidden = U"\"{}()[]+-= *!@#$%^&\\/?<>.,:;'";

INSTANTIATE_TEST_SUITE_P(
    Cases, NameEntryTyping,
    ::testing::Values(
        TypingCase{"lower case comes out upper case", "", false, U"bob", enter, "BOB"},
        TypingCase{"the 29 forbidden characters are ignored", "", false, U"b" + forbidden + U"o", enter,
                   "BO"},
        TypingCase{"control codes are dropped", "", false, U"b\t\x01\x1f\x7fo", enter, "BO"},
        TypingCase{"the 16th character is ignored", "", false, U"abcdefghijklmnopq", enter,
                   "ABCDEFGHIJKLMNO"},
        TypingCase{"backspace on empty does nothing, then takes one back", "", false, U"\b\bxy\b", enter,
                   "X"},
        TypingCase{"characters typed before Enter all count", "", false, U"zoe\r", {}, "ZOE"},
        TypingCase{"escape cancels", "BOB", false, U"", escape, "//"},
        TypingCase{"escape cancels with the cancel button hidden", "", true, U"bob", escape, "//"},
        TypingCase{"an empty name is not accepted",
                   "",
                   false,
                   U"",
                   {{30, "key Enter tap"}, {50, "type al"}, {70, "key Enter tap"}},
                   "AL"},
        TypingCase{"renaming a player to the same name is accepted", "ANNA", false, U"", enter, "ANNA"},
        TypingCase{"renaming to the same name typed again is accepted", "ANNA", false, U"\b\b\b\banna", enter,
                   "ANNA"}));

TEST(NameEntry, CancelButtonCancels)
{
    DialogFixture f;
    TEnterText& dialog = enterText();
    f.script({{30, DialogFixture::clickOn(*dialog.Gui, "cancel")}});
    EXPECT_EQ(dialog.mainloop(nullptr, "BOB", "", 0), "//");
}

TEST(NameEntry, OkButtonAccepts)
{
    DialogFixture f;
    TEnterText& dialog = enterText();
    f.script({{30, DialogFixture::clickOn(*dialog.Gui, "ok")}});
    EXPECT_EQ(dialog.mainloop(nullptr, "BOB", "", 0), "BOB");
}

TEST(NameEntry, ATakenNameShowsTheMessageAndKeepsTheDialogOpen)
{
    DialogFixture f;
    f.addPlayer("ANNA");
    f.addPlayer("BOB");
    for (char32_t ch : std::u32string(U"anna"))
        media::input().feedChar(ch);
    // Enter on the taken name opens the message; Enter confirms it; the dialog is still there
    // and takes a new name.
    f.script({{30, "key Enter tap"},
              {70, "key Enter tap"},
              {100, "key Backspace tap"},
              {100, "key Backspace tap"},
              {100, "key Backspace tap"},
              {100, "key Backspace tap"},
              {110, "type cleo"},
              {140, "key Enter tap"}});
    TEnterText& dialog = enterText();
    EXPECT_EQ(dialog.mainloop(nullptr, "", "", 0), "CLEO");
    ASSERT_TRUE(base::program().popUp);
    EXPECT_EQ(popUp().txt, dialog.txtAlready);
    EXPECT_NE(dialog.txtAlready.find("name"), std::string::npos) << dialog.txtAlready;
}

struct OkCase
{
    std::string start;
    std::string entry;
    int exists;
    int okShown;
};

TEST(NameEntry, OkIsShownOnlyForANewNonEmptyName)
{
    DialogFixture f;
    f.addPlayer("ANNA");
    TEnterText& dialog = enterText();
    for (const OkCase& c : {OkCase{"", "", 0, 0}, OkCase{"", "BOB", 0, 1}, OkCase{"", "ANNA", 1, 0},
                            OkCase{"", "anna", 1, 0}, OkCase{"ANNA", "ANNA", 1, 0}}) {
        dialog.prepare(nullptr, c.start, false);
        dialog.entry = c.entry;
        dialog.update();
        auto ok = dialog.Gui->getItem("ok");
        ASSERT_TRUE(ok);
        EXPECT_EQ(dialog.exists, c.exists) << c.entry;
        EXPECT_EQ(ok->_v, c.okShown) << c.entry;
        EXPECT_EQ(ok->_a, c.okShown) << c.entry;
    }
}

TEST(NameEntry, TheCancelButtonIsHiddenWhenThereIsNoWayBack)
{
    DialogFixture f;
    TEnterText& dialog = enterText();
    for (int noCancel : {1, 0}) {
        dialog.prepare(nullptr, "", noCancel != 0);
        auto cancel = dialog.Gui->getItem("cancel");
        ASSERT_TRUE(cancel);
        EXPECT_EQ(cancel->_v, 1 - noCancel);
        EXPECT_EQ(cancel->_a, 1 - noCancel);
    }
}
} // namespace
