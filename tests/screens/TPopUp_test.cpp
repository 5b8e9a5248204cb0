// The pop-up box: answered by its buttons or by keys, and ended by the window's close request.
#include "screens/TPopUp.hpp"

#include "gui/TButton.hpp"
#include "support/DialogFixture.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
using testing_support::DialogFixture;

enum class Answer
{
    YesButton,
    NoButton,
    Enter,
    Escape,
    NoButtonPlaceThenEnter // a click where "no" stands in a question, then Enter
};

struct PopUpCase
{
    bool question;
    Answer answer;
    int expected;
};

std::ostream& operator<<(std::ostream& out, const PopUpCase& c)
{
    return out << (c.question ? "question " : "message ") << static_cast<int>(c.answer);
}

class PopUpAnswers : public ::testing::TestWithParam<PopUpCase>
{};

TEST_P(PopUpAnswers, GiveOneForYesAndZeroForNo)
{
    const PopUpCase& c = GetParam();
    DialogFixture f;
    TPopUp& box = popUp();
    // The buttons stand where this kind of box puts them (a message's one button in the middle).
    box.prepare("", nullptr, c.question);
    // Frame 30: the box has faded in.
    switch (c.answer) {
    case Answer::YesButton: f.script({{30, DialogFixture::clickOn(*box.Gui, "yes")}}); break;
    case Answer::NoButton: f.script({{30, DialogFixture::clickOn(*box.Gui, "no")}}); break;
    case Answer::Enter: f.script({{30, "key Enter tap"}}); break;
    case Answer::Escape: f.script({{30, "key Escape tap"}}); break;
    case Answer::NoButtonPlaceThenEnter:
        f.script({{30, DialogFixture::clickOn(*box.Gui, "no")}, {60, "key Enter tap"}});
        break;
    }
    const int answer = c.question ? askYesNo("Leave?", nullptr) : showMessage("Done.", nullptr);
    EXPECT_EQ(answer, c.expected);
    EXPECT_EQ(box.txt, c.question ? "Leave?" : "Done.");
    // The caption of the one button says what the box is.
    auto yes = box.Gui->getItemAs<TButton>("yes");
    ASSERT_TRUE(yes);
    EXPECT_EQ(yes->_txt, c.question ? box.txtYes : box.txtOk);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PopUpAnswers,
    ::testing::Values(PopUpCase{true, Answer::YesButton, 1}, PopUpCase{true, Answer::NoButton, 0},
                      PopUpCase{true, Answer::Enter, 1}, PopUpCase{true, Answer::Escape, 0},
                      PopUpCase{false, Answer::YesButton, 1}, PopUpCase{false, Answer::Enter, 1},
                      PopUpCase{false, Answer::NoButtonPlaceThenEnter, 1}));

TEST(PopUp, AMessageHidesNoAndAQuestionShowsIt)
{
    DialogFixture f;
    TPopUp& box = popUp();
    auto no = box.Gui->getItem("no");
    ASSERT_TRUE(no);
    f.script({{30, "key Enter tap"}});
    showMessage("Done.", nullptr);
    EXPECT_EQ(no->_v, 0);
    EXPECT_EQ(no->_a, 0);
    f.script({{30, "key Enter tap"}});
    askYesNo("Leave?", nullptr);
    EXPECT_EQ(no->_v, 1);
    EXPECT_EQ(no->_a, 1);
}

TEST(PopUpDeathTest, TheWindowClosingWhileItIsOpenEndsTheGame)
{
    DialogFixture f;
    // Without the close request heard in the box, the run would wait in it for ever.
    EXPECT_EXIT(
        {
            f.script({{10, "close"}});
            askYesNo("Leave?", nullptr);
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}
} // namespace
