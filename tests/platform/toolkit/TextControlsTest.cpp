#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace VSTGUI;
using toolkit_test::OffscreenFrame;

namespace {

class TextControls : public ::testing::Test, public IControlListener {
protected:
    void valueChanged(CControl* control) override { changes_.push_back(control); }
    bool key(char character, uint8_t virt = 0) {
        VstKeyCode code;
        code.character = character;
        code.virt = virt;
        return f_.window->keyDown(code);
    }
    void type(const std::string& text) {
        for (char c : text)
            key(c);
    }
    std::vector<CControl*> changes_;
    OffscreenFrame f_{CRect(0, 0, 200, 80)};
};

}  // namespace

TEST_F(TextControls, TypingThenReturnOrAClickElsewhereCommitsOnceAndEscapeRestores) {
    auto* edit = new CTextEdit(CRect(10, 10, 190, 30), this, 7, "Preset");
    f_.frame->addView(edit);
    EXPECT_FALSE(key('x'));  // no focus yet
    f_.window->click(CPoint(50, 20), kLButton);
    EXPECT_TRUE(edit->hasFocus());
    type(" Ab");
    key(0, VKEY_BACK);
    type("c");
    EXPECT_EQ(edit->getText(), "Preset Ac");
    EXPECT_TRUE(changes_.empty());
    EXPECT_TRUE(key(0, VKEY_RETURN));
    EXPECT_FALSE(edit->hasFocus());
    ASSERT_EQ(changes_.size(), 1u);
    EXPECT_EQ(changes_[0]->getTag(), 7);

    f_.window->click(CPoint(50, 20), kLButton);
    type("!");
    key(0, VKEY_ESCAPE);
    EXPECT_EQ(edit->getText(), "Preset Ac");
    EXPECT_EQ(changes_.size(), 1u);

    // At most the maximum length; a click elsewhere commits.
    edit->setMaxLength(11);
    f_.window->click(CPoint(50, 20), kLButton);
    type("defg");
    EXPECT_EQ(edit->getText(), "Preset Acde");
    f_.window->click(CPoint(50, 60), kLButton);
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(changes_.size(), 2u);

    // Removing the focused view drops the focus.
    f_.window->click(CPoint(50, 20), kLButton);
    edit->remember();
    f_.frame->removeView(edit);
    EXPECT_EQ(f_.frame->getFocusView(), nullptr);
    EXPECT_FALSE(edit->hasFocus());
    edit->forget();
}

TEST_F(TextControls, AChoiceFromThePopupMenuBecomesCurrentAndIsReportedOnce) {
    auto* menu = new COptionMenu(CRect(0, 0, 100, 20), this, 3);
    menu->addEntry("Factory");
    menu->addEntry("User");
    menu->addSeparator();
    menu->addEntry("Locked")->setEnabled(false);
    auto* sub = new COptionMenu();
    sub->addEntry("Drums");
    sub->addEntry("Vocals");
    menu->addEntry(sub, "Categories");
    sub->forget();
    f_.frame->addView(menu);
    EXPECT_EQ(menu->getNbEntries(), 5);

    f_.window->queueMenuChoice({1});
    f_.window->click(CPoint(10, 10), kLButton);
    EXPECT_EQ(menu->getCurrentIndex(), 1);
    EXPECT_FLOAT_EQ(menu->getValue(), 1.0f);
    ASSERT_EQ(changes_.size(), 1u);

    f_.window->queueMenuChoice({4, 1});
    f_.window->click(CPoint(10, 10), kLButton);
    int32_t index = -1;
    EXPECT_EQ(menu->getLastItemMenu(index), sub);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(menu->getCurrentIndex(), 1);
    EXPECT_EQ(changes_.size(), 2u);

    // Cancelled, a separator, a disabled entry: nothing chosen.
    f_.window->click(CPoint(10, 10), kLButton);
    for (int32_t entry : {2, 3}) {
        f_.window->queueMenuChoice({entry});
        f_.window->click(CPoint(10, 10), kLButton);
    }
    EXPECT_EQ(changes_.size(), 2u);
    EXPECT_EQ(f_.window->getMenuPopupCount(), 5u);

    // Removing the entry whose submenu held the last choice forgets the
    // choice instead of pointing into a deleted menu.
    EXPECT_TRUE(menu->removeEntry(4));
    EXPECT_EQ(menu->getLastItemMenu(index), nullptr);
    EXPECT_EQ(index, -1);
}

TEST_F(TextControls, LabelDrawsItsBackgroundAndText) {
    auto* label = new CTextLabel(CRect(0, 0, 120, 30), "HHHHHH");
    label->setBackColor(CColor(0, 0, 255, 255));
    label->setFontColor(CColor(255, 0, 0, 255));
    label->setStyle(kNoFrame);
    f_.frame->addView(label);
    f_.window->render();
    EXPECT_EQ(f_.window->getPixel(2, 2), CColor(0, 0, 255, 255));
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x)
            red += f_.window->getPixel(x, y).red > 128 ? 1 : 0;
    EXPECT_GT(red, 60);
    label->setTransparency(true);
    f_.window->render();
    EXPECT_EQ(f_.window->getPixel(2, 2).alpha, 0);
}
