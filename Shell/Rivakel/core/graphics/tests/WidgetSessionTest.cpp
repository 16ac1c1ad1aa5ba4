// A small screen driven through the input service the way the window feeds it: two push
// buttons and two linked edit fields.
#include <gtest/gtest.h>

#include "core/graphics/Anim.h"
#include "core/graphics/EditField.h"
#include "core/graphics/HyperLink.h"
#include "core/graphics/Image.h"
#include "core/graphics/PushButton.h"
#include "core/graphics/RolloverButton.h"
#include "core/graphics/tests/EventTestHarness.h"

using namespace evt_test;

namespace {

struct Commands {
    std::vector<intptr_t> values;
    int enters = 0;
    static int OnCommand(intptr_t* record) {
        reinterpret_cast<Commands*>(record[0])->values.push_back(record[2]);
        return 1;
    }
    static int OnEnter(intptr_t* record) {
        ++reinterpret_cast<Commands*>(record[0])->enters;
        return 1;
    }
};

class WidgetSession : public ::testing::Test {
protected:
    void Pump() {
        platform::Event event;
        while (h.headless->PollEvent(event)) h.input->HandlePlatformEvent(event);
    }
    // Ctrl with a letter as the window reports it: both keys, and the control character typed.
    void Ctrl(char ch) {
        const int letter = 'A' + ch - 1;
        h.headless->PushKeyDown(platform::VkControl);
        h.headless->PushKeyDown(letter);
        h.headless->PushText(std::string(1, ch));
        h.headless->PushKeyUp(letter);
        h.headless->PushKeyUp(platform::VkControl);
    }
    ButtonArgs Args(int x, intptr_t value) {
        ButtonArgs args;
        args.owner = h.root;
        args.context = &commands;
        args.x = x;
        args.y = 10;
        args.width = 40;
        args.height = 20;
        args.strip = &strip;
        args.userValue = value;
        args.callback = Commands::OnCommand;
        return args;
    }
    static int FrameOf(CSurface* surface) {
        CAnim* anim = nullptr;
        surface->GetAnim(anim);
        return anim->FrameIndex();
    }

    EventHarness h;
    Commands commands;
    CImage strip{nullptr, 80, 20, CRenderTarget::kFlagColorKeyed};
};

}  // namespace

TEST_F(WidgetSession, ScriptedClicksAndTypingGiveTheExpectedTexts) {
    auto* ok = new CPushButton(Args(10, 101));
    auto* cancel = new CPushButton(Args(60, 102));
    auto* name = new CEditField(h.root, &commands, 10, 50, 200, 20, "", Commands::OnEnter, CEditField::kFlagEnterFires);
    auto* mail = new CEditField(h.root, &commands, 10, 80, 200, 20, "", Commands::OnEnter, CEditField::kFlagEnterFires);
    name->LinkNext(mail);

    h.headless->PushClick(20, 20);
    h.headless->PushClick(70, 20);
    Pump();
    EXPECT_EQ(commands.values, (std::vector<intptr_t>{101, 102}));
    EXPECT_EQ(FrameOf(ok), 0);
    EXPECT_EQ(FrameOf(cancel), 0);

    h.headless->PushClick(30, 60);
    h.headless->PushText("hello");
    h.headless->PushKey(platform::VkTab);
    h.headless->PushText("world");
    Ctrl('\x01');
    Ctrl('\x03');
    h.headless->PushKeyDown(platform::VkShift);
    h.headless->PushKey(platform::VkTab);
    h.headless->PushKeyUp(platform::VkShift);
    Ctrl('\x16');
    h.headless->PushKey(platform::VkReturn);
    Pump();
    EXPECT_EQ(name->Text(), "helloworld");
    EXPECT_EQ(mail->Text(), "world");
    EXPECT_EQ(h.headless->GetClipboardText(), "world");
    EXPECT_TRUE(name->HasFocus());
    EXPECT_EQ(commands.enters, 1);
    EXPECT_EQ(commands.values.size(), 2u);
}

TEST_F(WidgetSession, PushButtonReleasedOutsideKeepsPressedLookUntilNextClick) {
    auto* button = new CPushButton(Args(10, 7));
    h.headless->PushMouseMove(20, 20);
    h.headless->PushMouseDown(20, 20);
    h.headless->PushMouseMove(300, 300);
    h.headless->PushMouseUp(300, 300);
    Pump();
    EXPECT_TRUE(commands.values.empty());
    EXPECT_EQ(FrameOf(button), 1);
    h.headless->PushClick(20, 20);
    Pump();
    EXPECT_EQ(commands.values, std::vector<intptr_t>{7});
    EXPECT_EQ(FrameOf(button), 0);
}

TEST_F(WidgetSession, RolloverShowsHoverLookOnlyWhileHovered) {
    auto* button = new CRolloverButton(Args(10, 9));
    h.headless->PushMouseMove(20, 20);
    Pump();
    EXPECT_EQ(FrameOf(button), 1);
    h.headless->PushClick(20, 20);
    h.headless->PushMouseMove(400, 400);
    Pump();
    EXPECT_EQ(FrameOf(button), 0);
    EXPECT_EQ(commands.values, std::vector<intptr_t>{9});
}

TEST_F(WidgetSession, ButtonThatRemovesItselfFromItsCommandIsSafe) {
    struct Closer {
        CSurface* root;
        CSurface* button;
        static int OnCommand(intptr_t* record) {
            auto* self = reinterpret_cast<Closer*>(record[0]);
            self->root->DetachSurface(self->button);
            return 1;
        }
    } closer{h.root, nullptr};
    ButtonArgs args = Args(10, 1);
    args.context = &closer;
    args.callback = Closer::OnCommand;
    closer.button = new CPushButton(args);
    h.headless->PushClick(20, 20);
    h.headless->PushClick(20, 20);
    Pump();
    EXPECT_TRUE(h.root->Children().empty());
}

TEST_F(WidgetSession, TabChainSurvivesAFieldGoingAndStopsAtItsEnds) {
    auto* a = new CEditField(h.root, nullptr, 10, 50, 100, 20, "a", nullptr, 0);
    auto* b = new CEditField(h.root, nullptr, 10, 80, 100, 20, "b", nullptr, 0);
    auto* c = new CEditField(h.root, nullptr, 10, 110, 100, 20, "c", nullptr, 0);
    a->LinkNext(b);
    b->LinkNext(c);
    c->SetFocus();
    h.headless->PushKey(platform::VkTab);
    Pump();
    EXPECT_TRUE(c->HasFocus());
    h.root->DetachSurface(b);
    EXPECT_EQ(a->Next(), c);
    EXPECT_EQ(c->Previous(), a);
    h.headless->PushKeyDown(platform::VkShift);
    h.headless->PushKey(platform::VkTab);
    h.headless->PushKey(platform::VkTab);
    h.headless->PushKeyUp(platform::VkShift);
    Pump();
    EXPECT_TRUE(a->HasFocus());
}

TEST_F(WidgetSession, FieldTextLimitsAndBufferSizes) {
    auto* field = new CEditField(h.root, nullptr, 10, 50, 100, 20, std::string(7000, 'x'), nullptr, 0);
    EXPECT_EQ(field->Text().size(), 5000u);
    std::vector<char> buffer(5001, '#');
    field->GetText(buffer.data(), buffer.size());
    EXPECT_EQ(std::string(buffer.data()).size(), 5000u);
    char small[4];
    field->GetText(small, sizeof small);
    EXPECT_STREQ(small, "xxx");

    auto* single = new CEditField(h.root, nullptr, 10, 80, 100, 20, "", nullptr, CEditField::kFlagEnterFires);
    h.headless->SetClipboardText("me@\r\nexample.org");
    single->SetFocus();
    Ctrl('\x16');
    h.headless->PushKey(platform::VkReturn);
    Pump();
    EXPECT_EQ(single->Text(), "me@example.org");

    auto* multi = new CEditField(h.root, nullptr, 10, 110, 100, 40, "", nullptr, 0);
    multi->SetFocus();
    h.headless->PushText("a");
    h.headless->PushKey(platform::VkReturn);
    h.headless->PushText("b");
    Pump();
    EXPECT_EQ(multi->Text(), "a\r\nb");
}

TEST_F(WidgetSession, HyperLinkFiresItsUserValueAndKeepsBothLooks) {
    new CHyperLink(h.root, &commands, Commands::OnCommand, 100, 100, 80, 16, "Help", 42, {2, true});
    h.headless->PushMouseMove(120, 108);
    h.headless->PushClick(120, 108);
    Pump();
    EXPECT_EQ(commands.values, std::vector<intptr_t>{42});
    EXPECT_EQ(CHyperLink::Look({2, true}, "0000ff"), "<T><U><s2><C><C0000ff><B>");
    EXPECT_EQ(CHyperLink::Look({1, false}, "000000"), "<T><U><s1><C><C000000>");
}

TEST_F(WidgetSession, ClickInTheGameAreaTakesTheKeyboardFromAFieldBackToTheGame) {
    struct Keys {
        std::string typed;
        static int OnChar(intptr_t* record) {
            reinterpret_cast<Keys*>(record[0])->typed += static_cast<char>(record[2]);
            return 1;
        }
    } keys;
    CSurface* gameArea = h.Child(h.root, 200, 100, 500, 420, CSurface::kFlagInteractive);
    h.events->SetGameArea(gameArea);
    ListenerPtr appletKeys = h.events->Listen(h.root, kEventChar, &keys, Keys::OnChar);
    auto* field = new CEditField(h.root, nullptr, 10, 50, 150, 20, "", nullptr, CEditField::kFlagEnterFires);

    h.headless->PushClick(20, 60);
    h.headless->PushText("ab");
    h.headless->PushClick(300, 200);
    h.headless->PushText("cd");
    Pump();
    EXPECT_EQ(field->Text(), "ab");
    EXPECT_FALSE(field->HasFocus());
    EXPECT_EQ(keys.typed, "cd");
}

TEST_F(WidgetSession, FieldWhoseEnterClosesTheFormIsSafe) {
    struct Form {
        CSurface* root;
        CSurface* field = nullptr;
        int closes = 0;
        static int OnEnter(intptr_t* record) {
            auto* self = reinterpret_cast<Form*>(record[0]);
            ++self->closes;
            self->root->DetachSurface(self->field);
            return 1;
        }
    } form{h.root};
    auto* field = new CEditField(h.root, &form, 10, 50, 100, 20, "", Form::OnEnter, CEditField::kFlagEnterFires);
    form.field = field;
    field->SetFocus();
    h.headless->PushText("x");
    h.headless->PushKey(platform::VkReturn);
    h.headless->PushText("y");
    h.headless->PushKey(platform::VkReturn);
    Pump();
    EXPECT_EQ(form.closes, 1);
    EXPECT_EQ(h.input->Focus(), nullptr);
    EXPECT_TRUE(h.root->Children().empty());
}
