#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace VSTGUI;
using toolkit_test::OffscreenFrame;

namespace {

struct RecordingListener : IControlListener {
    void valueChanged(CControl* control) override { changes.push_back(control); }
    std::vector<CControl*> changes;
};

VstKeyCode character(char c)
{
    VstKeyCode key;
    key.character = c;
    return key;
}

VstKeyCode virtualKey(uint8_t virt)
{
    VstKeyCode key;
    key.virt = virt;
    return key;
}

} // namespace

TEST(TextEdit, TypingThenReturnCommitsOnce)
{
    RecordingListener listener;
    OffscreenFrame f(CRect(0, 0, 200, 50));
    auto* edit = new CTextEdit(CRect(10, 10, 190, 30), &listener, 7, "Preset");
    f.frame->addView(edit);
    EXPECT_FALSE(f.window->keyDown(character('x')));  // no focus yet
    f.window->click(CPoint(50, 20), kLButton);
    EXPECT_TRUE(edit->hasFocus());
    for (char c : std::string(" Ab"))
        f.window->keyDown(character(c));
    f.window->keyDown(virtualKey(VKEY_BACK));
    f.window->keyDown(character('c'));
    EXPECT_EQ(edit->getText(), "Preset Ac");
    EXPECT_TRUE(listener.changes.empty());
    EXPECT_TRUE(f.window->keyDown(virtualKey(VKEY_RETURN)));
    EXPECT_FALSE(edit->hasFocus());
    ASSERT_EQ(listener.changes.size(), 1u);
    EXPECT_EQ(listener.changes[0]->getTag(), 7);
}

TEST(TextEdit, EscapeRestoresTheTextAndReportsNothing)
{
    RecordingListener listener;
    OffscreenFrame f(CRect(0, 0, 200, 50));
    auto* edit = new CTextEdit(CRect(10, 10, 190, 30), &listener, 1, "Keep");
    f.frame->addView(edit);
    f.window->click(CPoint(50, 20), kLButton);
    f.window->keyDown(character('!'));
    f.window->keyDown(virtualKey(VKEY_ESCAPE));
    EXPECT_EQ(edit->getText(), "Keep");
    EXPECT_TRUE(listener.changes.empty());
}

TEST(TextEdit, AClickElsewhereCommitsAndRemovalDropsTheFocus)
{
    RecordingListener listener;
    OffscreenFrame f(CRect(0, 0, 200, 80));
    auto* edit = new CTextEdit(CRect(10, 10, 190, 30), &listener, 1, "");
    edit->setMaxLength(3);
    f.frame->addView(edit);
    f.window->click(CPoint(50, 20), kLButton);
    for (char c : std::string("abcd"))
        f.window->keyDown(character(c));
    EXPECT_EQ(edit->getText(), "abc");
    f.window->click(CPoint(50, 60), kLButton);
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(listener.changes.size(), 1u);

    f.window->click(CPoint(50, 20), kLButton);
    edit->remember();
    f.frame->removeView(edit);
    EXPECT_EQ(f.frame->getFocusView(), nullptr);
    EXPECT_FALSE(edit->hasFocus());
    edit->forget();
}

TEST(OptionMenu, AChoiceFromThePopupBecomesCurrentAndIsReportedOnce)
{
    RecordingListener listener;
    OffscreenFrame f(CRect(0, 0, 200, 50));
    auto* menu = new COptionMenu(CRect(0, 0, 100, 20), &listener, 3);
    menu->addEntry("Factory");
    menu->addEntry("User");
    menu->addSeparator();
    CMenuItem* locked = menu->addEntry("Locked");
    locked->setEnabled(false);
    auto* sub = new COptionMenu();
    sub->addEntry("Drums");
    sub->addEntry("Vocals");
    menu->addEntry(sub, "Categories");
    sub->forget();
    f.frame->addView(menu);
    EXPECT_EQ(menu->getNbEntries(), 5);

    f.window->queueMenuChoice({1});
    f.window->click(CPoint(10, 10), kLButton);
    EXPECT_EQ(menu->getCurrentIndex(), 1);
    EXPECT_FLOAT_EQ(menu->getValue(), 1.0f);
    ASSERT_EQ(listener.changes.size(), 1u);

    f.window->queueMenuChoice({4, 1});
    f.window->click(CPoint(10, 10), kLButton);
    int32_t index = -1;
    EXPECT_EQ(menu->getLastItemMenu(index), sub);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(menu->getCurrentIndex(), 1);
    EXPECT_EQ(listener.changes.size(), 2u);

    // Cancelled, a separator, a disabled entry: nothing chosen.
    f.window->click(CPoint(10, 10), kLButton);
    f.window->queueMenuChoice({2});
    f.window->click(CPoint(10, 10), kLButton);
    f.window->queueMenuChoice({3});
    f.window->click(CPoint(10, 10), kLButton);
    EXPECT_EQ(listener.changes.size(), 2u);
    EXPECT_EQ(f.window->getMenuPopupCount(), 5u);
    EXPECT_TRUE(menu->checkEntry(0, true));
    EXPECT_TRUE(menu->getEntry(0)->isChecked());
    EXPECT_TRUE(menu->removeEntry(0));
    EXPECT_EQ(menu->getCurrentIndex(), 0);
}

TEST(TextLabel, DrawsItsBackgroundAndText)
{
    OffscreenFrame f(CRect(0, 0, 120, 30));
    auto* label = new CTextLabel(CRect(0, 0, 120, 30), "HHHHHH");
    label->setBackColor(CColor(0, 0, 255, 255));
    label->setFontColor(CColor(255, 0, 0, 255));
    label->setStyle(kNoFrame);
    f.frame->addView(label);
    f.window->render();
    EXPECT_EQ(f.window->getPixel(2, 2), CColor(0, 0, 255, 255));
    int red = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 120; ++x)
            red += f.window->getPixel(x, y).red > 128 ? 1 : 0;
    }
    EXPECT_GT(red, 60);
    label->setTransparency(true);
    f.window->render();
    EXPECT_EQ(f.window->getPixel(2, 2).alpha, 0);
}
