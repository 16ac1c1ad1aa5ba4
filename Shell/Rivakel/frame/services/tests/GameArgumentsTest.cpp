// What games pass to markup elements and sounds, and what a game's release of a sound means.
#include <vector>

#include "core/sound/CSubsystem_Sound.h"
#include "core/sound/WavReader.h"
#include "core/sound/tests/WavTestData.h"
#include "core/store/MarkupNode.h"
#include "frame/services/tests/ServicesTestSession.h"

namespace {

using GameArgumentsTest = ServicesTest;

IMarkupNode* NewNode(const char* name) { return MakeMarkupNodeObject(new CMarkupNode(name)); }

int ChildCount(IMarkupNode* node) {
    int count = -1;
    node->GetChildCount(&count);
    return count;
}

template <class... Objects>
void ReleaseAll(Objects*... objects) {
    (objects->Release(), ...);
}

TEST_F(GameArgumentsTest, FindOrAddFindsWhatFindFirstFindsWithTheSameArguments) {
    IMarkupNode* root = NewNode("Root");
    IMarkupNode* item = nullptr;
    root->FindOrAdd(&item, "Item", "id", "7");
    struct Case {
        const char *name, *attrName, *attrValue;
    };
    // Null is no criterion, as for FindFirst: a null name finds nothing, a null value any value.
    for (const Case& c : {Case{"ITEM", nullptr, nullptr}, Case{"Item", "ID", nullptr}, Case{"item", "id", "7"},
                          Case{nullptr, nullptr, nullptr}, Case{nullptr, "id", "7"}, Case{"Item", "id", "8"}}) {
        IMarkupNode* first = nullptr;
        root->FindFirst(&first, c.name, c.attrName, c.attrValue);
        const int before = ChildCount(root);
        IMarkupNode* found = nullptr;
        root->FindOrAdd(&found, c.name, c.attrName, c.attrValue);
        ASSERT_NE(found, nullptr);
        if (first != nullptr) {
            EXPECT_EQ(Unwrap<CMarkupNode>(found), Unwrap<CMarkupNode>(first)) << c.name;
            EXPECT_EQ(ChildCount(root), before);
            first->Release();
        } else {
            EXPECT_EQ(ChildCount(root), before + 1);
            // What was added is found the same way next time.
            IMarkupNode* again = nullptr;
            root->FindOrAdd(&again, c.name, c.attrName, c.attrValue);
            EXPECT_EQ(ChildCount(root), before + (c.name == nullptr ? 2 : 1));
            again->Release();
        }
        found->Release();
    }
    // An element added without an attribute name carries no attribute.
    IMarkupNode* bare = nullptr;
    root->FindOrAdd(&bare, "Bare", nullptr, "ignored");
    EXPECT_EQ(Unwrap<CMarkupNode>(bare)->AttributeCount(), 0u);
    ReleaseAll(bare, item, root);
}

TEST_F(GameArgumentsTest, AddingAChildThatHasAParentMovesIt) {
    IMarkupNode* left = NewNode("Left");
    IMarkupNode* right = NewNode("Right");
    IMarkupNode* child = NewNode("Child");
    IMarkupNode* grandchild = NewNode("Grandchild");
    left->AddChild(child);
    child->AddChild(grandchild);
    right->AddChild(child);
    EXPECT_EQ(ChildCount(left), 0);
    EXPECT_EQ(ChildCount(right), 1);
    EXPECT_EQ(Unwrap<CMarkupNode>(child)->Parent(), Unwrap<CMarkupNode>(right));
    EXPECT_EQ(Unwrap<CMarkupNode>(child)->InternalCount(), 1);  // one parent's reference

    // No circle: an element is never added below itself.
    grandchild->AddChild(right);
    grandchild->AddChild(child);
    child->AddChild(child);
    EXPECT_EQ(ChildCount(grandchild), 0);
    EXPECT_EQ(Unwrap<CMarkupNode>(right)->Parent(), nullptr);

    // Added again to its own parent, it moves to the end.
    IMarkupNode* second = NewNode("Second");
    right->AddChild(second);
    right->AddChild(child);
    EXPECT_EQ(ChildCount(right), 2);
    EXPECT_EQ(Unwrap<CMarkupNode>(right)->ChildAt(1), Unwrap<CMarkupNode>(child));

    // The tree ends with its root: the moved child is released once, by its one parent.
    ReleaseAll(second, grandchild, child, left, right);
}

TEST_F(GameArgumentsTest, AReleasedSoundPlaysToItsEnd) {
    platform::headless::HeadlessBackend& audio = Headless();
    CreateSoundService({&audio, nullptr, [](std::string_view) -> std::optional<std::vector<uint8_t>> {
                            return wavtest::Pcm16(std::vector<int16_t>(200, 4000), 2, kMixRate);
                        }});
    CSound* sound = SoundService()->CreateSound("Tone.wav", 0);
    ISound* object = MakeSoundObject(sound);
    sound->ReleaseInternalRef();
    ASSERT_EQ(object->Play(2), 0);
    audio.PumpAudio(10);
    EXPECT_EQ(object->Release(), 0);
    // The 100 frames played twice go on after the release, and then the slot is free.
    const std::vector<int16_t> rest = audio.PumpAudio(300);
    size_t sounding = 0;
    for (size_t i = 0; i < rest.size(); i += 2) sounding += rest[i] != 0 ? 1 : 0;
    EXPECT_EQ(sounding, 190u);
    EXPECT_EQ(SoundService()->BusySlots(), 0);
    DestroySoundService();
}

}  // namespace
