// ProfileManagerScreen.cpp
#include "screens/ProfileManagerScreen.hpp"

#include "base/Program.hpp"
#include "data/TextTables.hpp"
#include "effects/TParticle.hpp"
#include "gui/TMouse.hpp"
#include "gui/TextLayout.hpp"
#include "media/FileSystem.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "screens/Awards.hpp"
#include "screens/Frame.hpp"
#include "screens/ModalScreen.hpp"
#include "screens/TEnterText.hpp"
#include "screens/TMainMenu.hpp"
#include "screens/TPopUp.hpp"
#include "screens/TProfileManager.hpp"

#include <algorithm>

namespace
{
// Shows a button and lets it be clicked, or hides it.
void offerButton(TGui& gui, const std::string& name, bool offered)
{
    if (auto button = gui.getItem(name))
        button->setState(offered ? 1 : 0, offered ? 1 : 0);
}
} // namespace

ProfileManagerScreen::ProfileManagerScreen()
{
    id = "PROFILE-MANAGER";
}

void ProfileManagerScreen::setup()
{
    img = media::pictures().load(panelPath);
    if (media::fs::pathType(guiPath) == media::fs::PathType::File) {
        Gui = loadGui(guiPath);
    } else {
        // Without its buttons the list still shows; Escape closes it.
        Gui = createGui();
        const std::string message = std::string("No file : ") + guiPath;
        media::reportLine(message);
        // A headless run has nobody to confirm the message.
        if (!media::display().headless())
            showMessage(message, nullptr);
    }
    ProfileFont = &media::fonts().get(nameSize);
    awardFont = &media::fonts().get(awardTextSize);
    // Missing pictures are said once and draw nothing.
    for (int id = 1; id <= awardCount; ++id) {
        media::Picture& picture = awardImages[static_cast<std::size_t>(id - 1)];
        picture = media::pictures().load("gfx/gui/awards/award-" + std::to_string(id) + ".png");
        picture.midHandle();
    }
    awardNone = media::pictures().load("gfx/gui/awards/award-none.png");
    awardNone.midHandle();
    TTxtFile texts = loadTextTable("txt/#LANG#/profileManager.txt");
    txtUsuniecieProfilu1 = getText(texts, 8);
    txtUsuniecieProfilu2 = getText(texts, 9);
}

void ProfileManagerScreen::getAktProfile()
{
    _profile = nullptr;
    TProfileManager& manager = profileManager();
    if (manager.profile) {
        const std::string current = manager.profile->getMyID();
        auto at = std::find_if(_profilesList.begin(), _profilesList.end(),
                               [&](const TProfile* p) { return p->getMyID() == current; });
        if (at != _profilesList.end())
            _profile = *at;
    }
    // The current player deleted here: the first row stands for it, as after the deletion.
    if (!_profile)
        findAktProfile();
}

void ProfileManagerScreen::findAktProfile()
{
    _profile = _profilesList.empty() ? nullptr : _profilesList.front();
}

void ProfileManagerScreen::prepare()
{
    TProfileManager& manager = profileManager();
    made_.clear();
    _profilesList.clear();
    for (const auto& p : manager.profiles)
        _profilesList.push_back(p.get());
    getAktProfile();
    _exit = 0;
    alpha = 0;
    dAlpha = 1;
    fade = 0;
    dFade = 0;
    startN = 0;
    clicked = _profile;
    over = nullptr;
    showRow(clicked);
    manager.save();
    forgetInput();
}

TProfile* ProfileManagerScreen::rowProfile(int k) const
{
    const int index = startN + k;
    if (k < 0 || k >= visibleRows || index < 0 || index >= static_cast<int>(_profilesList.size()))
        return nullptr;
    return _profilesList[static_cast<std::size_t>(index)];
}

TRGB ProfileManagerScreen::rowColour(bool current, bool selected, bool under)
{
    if (current)
        return selected ? TRGB{200, 200, 0} : TRGB{255, 255, 0};
    if (under)
        return selected ? TRGB{255, 0, 0} : TRGB{200, 200, 200};
    if (selected)
        return TRGB{0, 255, 0};
    return TRGB{247, 222, 113};
}

void ProfileManagerScreen::updateRows()
{
    TMouse& mouse = guiMouse();
    over = nullptr;
    for (int k = 0; k < visibleRows; ++k) {
        TProfile* who = rowProfile(k);
        if (who && mouse.inRect(rowLeft, rowTop + rowHeight * k, rowWidth, rowHeight))
            over = who;
    }
    if (over && mouse.leftPressed && dAlpha == 1)
        clicked = over;
}

void ProfileManagerScreen::updateAwards()
{
    TMouse& mouse = guiMouse();
    overAward = 0;
    for (int id = 1; id <= awardCount; ++id) {
        const int left = static_cast<int>(awardX(id)) - awardStep / 2;
        if (mouse.inRect(left, awardsY - awardStep / 2, awardStep, awardStep))
            overAward = id;
    }
}

void ProfileManagerScreen::drawAwards()
{
    const TProfile* who = awardsShown();
    if (!who)
        return;
    media::Renderer& gfx = media::gfx();
    for (int id = 1; id <= awardCount; ++id) {
        const media::Picture& picture =
            haveAward(*who, id) ? awardImages[static_cast<std::size_t>(id - 1)] : awardNone;
        if (picture.empty())
            continue;
        const float scale = static_cast<float>(awardSize) / static_cast<float>(std::max(1, picture.width()));
        gfx.setScale(id == overAward ? scale * 1.25f : scale, id == overAward ? scale * 1.25f : scale);
        gfx.drawPicture(picture, awardX(id), static_cast<float>(awardsY));
    }
    gfx.setScale(1, 1);
    const TAward* award = overAward ? findAward(overAward) : nullptr;
    if (!award)
        return;
    // What it is won for, on a dark band over the foot of the list, as wide as the words.
    const int lineHeight = awardFont->height();
    const float width = std::max(awardFont->textWidth(award->title), awardFont->textWidth(award->descr)) + 16;
    const float middle = rowLeft + rowWidth * 0.5f;
    const float top = static_cast<float>(awardsY - awardStep / 2 - 2 * lineHeight - 10);
    gfx.setColor(20, 12, 6);
    gfx.setAlpha(alpha * 0.85f);
    gfx.drawRect(middle - width / 2, top - 4, width, static_cast<float>(2 * lineHeight + 8));
    gfx.setColor(255, 255, 255);
    gfx.setAlpha(alpha);
    drawOutlinedText(*awardFont, award->title, static_cast<int>(middle), static_cast<int>(top), TRGB{0, 0, 0},
                     TRGB{255, 218, 130}, "CENTER");
    drawOutlinedText(*awardFont, award->descr, static_cast<int>(middle), static_cast<int>(top) + lineHeight,
                     TRGB{0, 0, 0}, TRGB{235, 225, 200}, "CENTER");
}

void ProfileManagerScreen::updateButtons()
{
    offerButton(*Gui, "RENAME", clicked != nullptr);
    offerButton(*Gui, "DELETE", clicked != nullptr && _profilesList.size() > 1);
}

void ProfileManagerScreen::handleInput()
{
    // Nothing more once the screen is on its way out.
    if (dAlpha != 1)
        return;
    if (Gui->clickedItem("NEW"))
        goNEW();
    else if (Gui->clickedItem("RENAME"))
        goRENAME();
    else if (Gui->clickedItem("DELETE"))
        goDELETE();
    else if (Gui->clickedItem("OK"))
        goOK();
    else if (Gui->clickedItem("CANCEL") || media::input().keyHits(media::key::Escape) > 0)
        goCANCEL();
    else if (Gui->clickedItem("UP"))
        UP();
    else if (Gui->clickedItem("DOWN"))
        DOWN();
}

void ProfileManagerScreen::update()
{
    beginFrame();
    // The title screen's sparkles go on behind the panel.
    if (auto title = dynamic_cast<TMainMenu*>(ekran))
        updateParticles(title->particles);
    updateRows();
    updateAwards();
    updateButtons();
    _updateGui();
    _updateAlpha();
    handleInput();
}

void ProfileManagerScreen::draw()
{
    _drawPanelOverBackground(img, panelX, panelY);
    media::gfx().setAlpha(alpha);
    for (int k = 0; k < visibleRows; ++k) {
        const TProfile* who = rowProfile(k);
        if (!who)
            break;
        const TRGB colour = rowColour(who == _profile, who == clicked, who == over);
        drawOutlinedText(*ProfileFont, who->name, nameX, rowTop + rowHeight * k, TRGB{0, 0, 0}, colour,
                         "CENTER");
    }
    drawStandards();
    media::gfx().setAlpha(alpha);
    drawAwards();
    drawStandards();
}

bool ProfileManagerScreen::nameFree(const std::string& name, const TProfile* who) const
{
    if (profileManager().checkName(name, who) != TProfileManager::NameCheck::Fine)
        return false;
    const std::string id = TProfile::idOf(TProfileManager::cleanName(name));
    return std::none_of(made_.begin(), made_.end(),
                        [&](const auto& p) { return p.get() != who && p->getMyID() == id; });
}

std::string ProfileManagerScreen::askName(const std::string& start, bool noCancel)
{
    TEnterText& dialog = enterText();
    dialog.takenIds.clear();
    for (const auto& p : made_)
        dialog.takenIds.push_back(p->getMyID());
    return dialog.mainloop(this, start, "", noCancel ? 1 : 0);
}

void ProfileManagerScreen::showRow(const TProfile* who)
{
    const auto at = std::find(_profilesList.begin(), _profilesList.end(), who);
    if (at == _profilesList.end())
        return;
    const int index = static_cast<int>(at - _profilesList.begin());
    if (index < startN)
        startN = index;
    else if (index >= startN + visibleRows)
        startN = index - visibleRows + 1;
}

void ProfileManagerScreen::goNEW()
{
    TProfileManager& manager = profileManager();
    const std::string name = askName("", false);
    if (name != TEnterText::cancelled) {
        std::unique_ptr<TProfile> made = nameFree(name, nullptr) ? manager.newUnlistedProfile(name) : nullptr;
        if (made) {
            _profilesList.push_back(made.get());
            made_.push_back(std::move(made));
            getAktProfile();
            clicked = _profilesList.back();
            showRow(clicked);
        } else {
            showMessage(enterText().txtAlready, this);
        }
    }
    manager.save();
}

void ProfileManagerScreen::goRENAME()
{
    if (!clicked)
        return;
    TProfileManager& manager = profileManager();
    const std::string name = askName(clicked->name, true);
    if (name == TEnterText::cancelled)
        return;
    // The folder follows the name at once, so the player's data is found under it, whatever
    // becomes of the working list.
    if (nameFree(name, clicked))
        manager.renameProfile(*clicked, name);
    else
        showMessage(enterText().txtAlready, this);
    manager.save();
}

void ProfileManagerScreen::goDELETE()
{
    if (!clicked || _profilesList.size() <= 1)
        return;
    const std::string question = txtUsuniecieProfilu1 + " '" + clicked->name + "'" + txtUsuniecieProfilu2;
    if (askYesNo(question, this) != 1)
        return;
    std::erase(_profilesList, clicked);
    if (_profile == clicked)
        findAktProfile();
    clicked = nullptr;
    startN = std::clamp(startN, 0, std::max(0, static_cast<int>(_profilesList.size()) - visibleRows));
}

void ProfileManagerScreen::goOK()
{
    if (clicked)
        _profile = clicked;
    if (!_profile)
        findAktProfile();
    // The marked row becomes current even when the current player was deleted here and no
    // other row chosen: the run's progress then goes to a listed player.
    profileManager().replaceList(_profilesList, made_, _profile);
    close();
}

void ProfileManagerScreen::goCANCEL()
{
    close();
}

void ProfileManagerScreen::close()
{
    dAlpha = 0;
    forgetInput();
}

void ProfileManagerScreen::UP()
{
    startN = std::max(0, startN - 1);
}

void ProfileManagerScreen::DOWN()
{
    if (startN + visibleRows < static_cast<int>(_profilesList.size()))
        ++startN;
}

std::string ProfileManagerScreen::mainLoop(TEkran* background)
{
    ekran = background;
    prepare();
    runUntilGone(*this);
    TProfileManager& manager = profileManager();
    if (manager.profile) {
        manager.profile->setupAllSwords();
        manager.profile->setupAllMagicCards();
    }
    manager.save();
    // The working list is gone; the players made here and not listed are on disk only.
    _profilesList.clear();
    _profile = clicked = over = nullptr;
    made_.clear();
    return "";
}

ProfileManagerScreen& profileScreen()
{
    return setUpOnce(base::program().profileScreen);
}
