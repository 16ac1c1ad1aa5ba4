#include "frame/factory/ShellFactory.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/base/Log.h"
#include "core/base/Timer.h"
#include "core/gif/tests/GifTestWriter.h"
#include "core/graphics/Anim.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/Surface.h"
#include "core/graphics/tests/SurfaceTestServices.h"
#include "core/sound/CSubsystem_Sound.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IAnim.h"
#include "frame/api/ICursor.h"
#include "frame/api/IEvent.h"
#include "frame/api/IFile.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IMarkup.h"
#include "frame/api/ISound.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/factory/tests/TestFontService.h"

namespace {

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
constexpr uint32_t kKey = 0xFF00FF;
constexpr const char* kMissing = "p-img-nothing-here-4x2.gif";

// 4x2 frames filled with one palette colour each, in the given order.
std::vector<uint8_t> Gif(const std::vector<int>& colours) {
    giftest::File file;
    file.width = 4;
    file.height = 2;
    file.globalTable = {kRed, kGreen, kBlue, kWhite};
    for (int colour : colours) {
        giftest::Frame frame;
        frame.width = 4;
        frame.height = 2;
        frame.delay = 10;
        frame.indices.assign(8, static_cast<uint8_t>(colour));
        file.frames.push_back(frame);
    }
    return giftest::Write(file);
}

uint32_t Pixel(const CImage* image, int x = 0, int y = 0) {
    const CRenderTarget& target = image->GetRenderTarget();
    return target.Pixels()[static_cast<size_t>(y) * target.Width() + x];
}

bool IsPlaceholder(const CImage* image) {
    if (image == nullptr) return false;
    const CRenderTarget& target = image->GetRenderTarget();
    return target.Width() == 1 && target.Height() == 1 && target.IsColorKeyed() && Pixel(image) == kKey;
}

std::vector<std::string> ErrorsSince(size_t count) {
    return {ErrorList().begin() + static_cast<std::ptrdiff_t>(count), ErrorList().end()};
}

struct Calls {
    std::vector<std::vector<intptr_t>> records;
};

int Record(intptr_t* args) {
    auto* calls = reinterpret_cast<Calls*>(args[0]);
    calls->records.emplace_back(args, args + 5);
    return 1;
}

int RecordTimer(intptr_t* args) {
    auto* calls = reinterpret_cast<Calls*>(args[0]);
    calls->records.push_back({args[0], args[1], args[2]});
    return 1;
}

class ShellFactoryTest : public ::testing::Test {
protected:
    ShellFactoryTest() {
        CurrentSurfaceServices().fonts = fonts_;
        CurrentSurfaceServices().events = CreateEventService();
        CreateInputService();
        factory_ = CreateShellFactory();
    }
    ~ShellFactoryTest() override {
        EXPECT_EQ(factory_->Release(), 0);
        EXPECT_EQ(LiveInterfaceObjects(), liveBefore_);
        DestroySoundService();
        DestroyInputService();
        CurrentSurfaceServices().events = nullptr;
        DestroyEventService();
        CurrentSurfaceServices().fonts = nullptr;
        DestroyTestFontService(fonts_);
    }

    std::string AddGif(const std::vector<int>& colours) { return services_.AddFile(Gif(colours)); }

    SurfaceTestServices services_;
    CSubsystem_Font* fonts_ = CreateTestFontService();
    const int liveBefore_ = LiveInterfaceObjects();
    IShellFactory* factory_ = nullptr;
};

// ---------------------------------------------------------------- pictures by name

TEST_F(ShellFactoryTest, NamedPicturesLoadEveryFrameAndLoadImageKeepsOnlyTheFirst) {
    const std::string name = AddGif({1, 2, 3});
    const int live = LiveInterfaceObjects();

    ISurface* surface = factory_->CreateSurfaceFromFile(name.c_str(), kSurfaceInteractive);
    CSurface* shown = Unwrap<CSurface>(surface);
    ASSERT_TRUE(shown->IsValid());
    EXPECT_TRUE(shown->IsInteractive());
    EXPECT_EQ(Pixel(shown->GetFrameImage(2)), kWhite);

    IImageSeq* sequence = factory_->LoadImageSeq(name.c_str());
    EXPECT_EQ(Unwrap<CImageSeq>(sequence)->ImageCount(), 3);
    IAnim* anim = factory_->LoadAnim(name.c_str());
    CImageSeq* played = nullptr;
    Unwrap<CAnim>(anim)->GetImageSeq(played);
    EXPECT_EQ(played->ImageCount(), 3);

    IImage* image = factory_->LoadImage(name.c_str());
    int width = 0, height = 0;
    image->GetSize(&width, &height);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(Pixel(Unwrap<CImage>(image)), kGreen);
    // The surfaces and animations made on the way are gone; only the four results remain.
    EXPECT_EQ(LiveInterfaceObjects(), live + 4);
    EXPECT_EQ(Unwrap<CImage>(image)->InterfaceCount(), 1);
    EXPECT_EQ(Unwrap<CImage>(image)->InternalCount(), 0);

    for (IShellObject* object : std::vector<IShellObject*>{surface, sequence, anim, image}) object->Release();
    EXPECT_EQ(LiveInterfaceObjects(), live);
}

TEST_F(ShellFactoryTest, MissingNamesGivePlaceholdersWithOneErrorLineEach) {
    struct Case {
        const char* slot;
        std::function<IShellObject*(const char*)> make;
        std::function<CImage*(IShellObject*)> picture;
    };
    auto firstOf = [](CImageSeq* sequence) {
        CImage* image = nullptr;
        if (sequence->ImageCount() == 1) sequence->GetImage(0, image);
        return image;
    };
    const int map[] = {1, int{kRed}, int{kBlue}};
    const std::vector<Case> cases = {
        {"CreateSurfaceFromFile", [&](const char* n) { return factory_->CreateSurfaceFromFile(n, 0); },
         [](IShellObject* o) { return Unwrap<CSurface>(o)->GetCurImage(); }},
        {"LoadImageSeq", [&](const char* n) { return factory_->LoadImageSeq(n); },
         [&](IShellObject* o) { return firstOf(Unwrap<CImageSeq>(o)); }},
        {"LoadImageSeqEntry2", [&](const char* n) { return factory_->LoadImageSeqEntry2(n); },
         [&](IShellObject* o) { return firstOf(Unwrap<CImageSeq>(o)); }},
        {"LoadImageSeqRecolored", [&](const char* n) { return factory_->LoadImageSeqRecolored(n, map); },
         [&](IShellObject* o) { return firstOf(Unwrap<CImageSeq>(o)); }},
        {"LoadAnim", [&](const char* n) { return factory_->LoadAnim(n); },
         [](IShellObject* o) { return Unwrap<CAnim>(o)->CurrentImage(); }},
        {"LoadImage", [&](const char* n) { return factory_->LoadImage(n); },
         [](IShellObject* o) { return Unwrap<CImage>(o); }},
    };
    for (const Case& c : cases) {
        const size_t errors = ErrorList().size();
        IShellObject* object = c.make(kMissing);
        ASSERT_NE(object, nullptr) << c.slot;
        EXPECT_TRUE(IsPlaceholder(c.picture(object))) << c.slot;
        EXPECT_EQ(ErrorsSince(errors), std::vector<std::string>{std::string("Error - Unrecognized file (") + kMissing +
                                                                ") specified in CFile::CFile\r\n"})
            << c.slot;
        object->Release();
    }

    // Data that is no GIF at all: the decoder says why, and the game still gets a picture.
    const std::string junk = services_.AddFile({'n', 'o', 't', ' ', 'a', ' ', 'g', 'i', 'f'});
    IImage* image = factory_->LoadImage(junk.c_str());
    EXPECT_TRUE(IsPlaceholder(Unwrap<CImage>(image)));
    image->Release();

    const size_t errors = ErrorList().size();
    ISurface* unnamed = factory_->CreateSurfaceFromFile(nullptr, 0);
    EXPECT_TRUE(IsPlaceholder(Unwrap<CSurface>(unnamed)->GetCurImage()));
    EXPECT_GE(ErrorsSince(errors).size(), 1u);
    unnamed->Release();
}

TEST_F(ShellFactoryTest, ColourMapsReplacePaletteColoursAndEmptyMapsReplaceNothing) {
    const std::string name = AddGif({0});
    const int redToBlue[] = {2, int{kGreen}, int{kWhite}, int{kRed}, int{kBlue}};
    IImageSeq* recoloured = factory_->LoadImageSeqRecolored(name.c_str(), redToBlue);
    CImage* image = nullptr;
    Unwrap<CImageSeq>(recoloured)->GetImage(0, image);
    EXPECT_EQ(Pixel(image), kBlue);
    recoloured->Release();

    const int none[] = {0, int{kRed}, int{kBlue}};
    const int negative[] = {-1, int{kRed}, int{kBlue}};
    for (const int* map : {static_cast<const int*>(nullptr), none, negative}) {
        IImageSeq* plain = factory_->LoadImageSeqRecolored(name.c_str(), map);
        Unwrap<CImageSeq>(plain)->GetImage(0, image);
        EXPECT_EQ(Pixel(image), kRed);
        plain->Release();
    }
}

// ---------------------------------------------------------------- pictures by size

TEST_F(ShellFactoryTest, RefusedSizesGiveAPlaceholderAndAnErrorLine) {
    ISurface* surface = factory_->CreateSurface(30, 20, kSurfaceColourKeyed | kSurfaceInteractive);
    CImage* picture = Unwrap<CSurface>(surface)->GetCurImage();
    EXPECT_EQ(picture->GetRenderTarget().Width(), 30);
    EXPECT_TRUE(picture->GetRenderTarget().IsColorKeyed());
    EXPECT_TRUE(Unwrap<CSurface>(surface)->IsInteractive());
    surface->Release();
    IImage* wide = factory_->CreateImage(16384, 1, 0);
    EXPECT_EQ(Unwrap<CImage>(wide)->GetRenderTarget().Width(), 16384);
    EXPECT_FALSE(Unwrap<CImage>(wide)->GetRenderTarget().IsColorKeyed());
    wide->Release();

    const std::vector<std::pair<int, int>> refused = {{0, 10},    {10, 0},    {-1, 5},
                                                      {65536, 2}, {2, 16385}, {16384, 16384}};
    for (const auto& [width, height] : refused) {
        size_t errors = ErrorList().size();
        ISurface* blank = factory_->CreateSurface(width, height, 0);
        EXPECT_TRUE(IsPlaceholder(Unwrap<CSurface>(blank)->GetCurImage())) << width << "x" << height;
        EXPECT_EQ(ErrorsSince(errors).size(), 1u);
        blank->Release();
        errors = ErrorList().size();
        IImage* image = factory_->CreateImageEntry2(width, height, 0);
        EXPECT_TRUE(IsPlaceholder(Unwrap<CImage>(image))) << width << "x" << height;
        EXPECT_EQ(ErrorsSince(errors).size(), 1u);
        image->Release();
    }
}

TEST_F(ShellFactoryTest, PicturesComposeFromOneAnother) {
    IImage* image = factory_->CreateImage(3, 3, kSurfaceColourKeyed);
    IImageSeq* sequence = factory_->CreateImageSeqFromImageEntry2(image);
    CImageSeq* inner = Unwrap<CImageSeq>(sequence);
    EXPECT_EQ(inner->ImageCount(), 1);
    EXPECT_FALSE(inner->Loops());
    IAnim* anim = factory_->CreateAnimEntry2(sequence);
    ISurface* surface = factory_->CreateSurfaceFromAnim(anim, 0);
    EXPECT_EQ(Unwrap<CSurface>(surface)->GetCurImage(), Unwrap<CImage>(image));

    const size_t errors = ErrorList().size();
    ISurface* fromNothing = factory_->CreateSurfaceFromAnim(nullptr, 0);
    EXPECT_TRUE(IsPlaceholder(Unwrap<CSurface>(fromNothing)->GetCurImage()));
    EXPECT_EQ(ErrorsSince(errors).size(), 1u);

    for (IShellObject* object : std::vector<IShellObject*>{fromNothing, surface, anim, sequence, image})
        object->Release();
}

// ---------------------------------------------------------------- buttons and fields

TEST_F(ShellFactoryTest, ButtonsCutTheirTwoLooksFromTheStripAndCallBackWithTheUserValue) {
    // Four 10x10 cells side by side: red, green, blue, white.
    IImage* strip = factory_->CreateImage(40, 10, 0);
    const int colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    for (int cell = 0; cell < 4; ++cell) {
        strip->SetCurColor(colours[cell][0], colours[cell][1], colours[cell][2]);
        strip->FillRect(cell * 10, 0, cell * 10 + 10, 10);
    }
    ISurface* parent = factory_->CreateSurface(100, 100, 0);
    EventService()->SetRoot(Unwrap<CSurface>(parent));
    Calls calls;
    ISurface* rollover = factory_->CreateRolloverButton(parent, &calls, 20, 20, 10, 10, strip, 2, 77, Record);
    ISurface* push = factory_->CreatePushButton(parent, &calls, 50, 50, 10, 10, strip, 0, 78, Record);

    CSurface* button = Unwrap<CSurface>(rollover);
    EXPECT_EQ(button->Parent(), Unwrap<CSurface>(parent));
    EXPECT_EQ(Pixel(button->GetFrameImage(0)), kBlue);
    EXPECT_EQ(Pixel(button->GetFrameImage(1)), kWhite);
    EXPECT_EQ(Pixel(Unwrap<CSurface>(push)->GetFrameImage(0)), kRed);
    EXPECT_EQ(Pixel(Unwrap<CSurface>(push)->GetFrameImage(1)), kGreen);

    for (int at : {25, 55}) {
        EventService()->DispatchMouse(kEventLeftDown, at, at);
        EventService()->DispatchMouse(kEventLeftUp, at, at);
    }
    ASSERT_EQ(calls.records.size(), 2u);
    EXPECT_EQ(calls.records[0][0], reinterpret_cast<intptr_t>(&calls));
    EXPECT_EQ(calls.records[0][2], 77);
    EXPECT_EQ(calls.records[1][2], 78);

    // The parent keeps its buttons after the game lets go of them.
    rollover->Release();
    push->Release();
    EXPECT_EQ(Unwrap<CSurface>(parent)->Children().size(), 2u);
    EventService()->SetRoot(nullptr);
    parent->Release();
    strip->Release();
}

TEST_F(ShellFactoryTest, ButtonFramesAtTheEndsOfTheNumbersGiveTwoLooks) {
    IImage* strip = factory_->CreateImage(20, 10, 0);
    strip->SetCurColor(255, 0, 0);
    strip->FillRect(10, 0, 20, 10);  // cell 1 red
    struct Case {
        int firstFrame;
        uint32_t normal, other;  // what a 10x10 cell shows: cells past the strip are empty (black)
    };
    for (const Case& c : {Case{INT_MAX, 0, 0}, Case{INT_MAX - 1, 0, 0}, Case{INT_MIN, 0, 0}, Case{-1, 0, 0},
                          Case{0, 0, kRed}, Case{1, kRed, 0}}) {
        ISurface* button = factory_->CreateRolloverButton(nullptr, nullptr, 0, 0, 10, 10, strip, c.firstFrame, 0,
                                                          nullptr);
        const CSurface* inner = Unwrap<CSurface>(button);
        ASSERT_EQ(inner->AnimCount(), 1u) << c.firstFrame;
        EXPECT_EQ(Pixel(inner->GetFrameImage(0)), c.normal) << c.firstFrame;
        EXPECT_EQ(Pixel(inner->GetFrameImage(1)), c.other) << c.firstFrame;
        EXPECT_EQ(inner->GetFrameImage(2), nullptr);
        button->Release();
    }
    strip->Release();
}

TEST_F(ShellFactoryTest, NullCallbacksAndStringsMakeInertObjectsAndAreLogged) {
    ISurface* parent = factory_->CreateSurface(50, 50, 0);
    size_t errors = ErrorList().size();
    ISurface* button = factory_->CreatePushButton(parent, nullptr, 0, 0, 10, 10, nullptr, 0, 1, nullptr);
    IEditField* field = factory_->CreateEditField(parent, nullptr, 0, 20, 40, 12, nullptr, kEditAutoScroll);
    ITimer* timer = factory_->CreateTimer(nullptr, 10, nullptr);
    IEventListener* listener = factory_->AddListener(parent, kEventLeftDown, nullptr, nullptr);
    EXPECT_EQ(ErrorsSince(errors).size(), 4u);

    timer->Start();
    services_.Advance(50);
    EventService()->SetRoot(Unwrap<CSurface>(parent));
    EventService()->DispatchMouse(kEventLeftDown, 5, 5);
    EventService()->DispatchMouse(kEventLeftUp, 5, 5);
    EventService()->SetRoot(nullptr);
    field->SetText("typed");
    char text[16] = {};
    EXPECT_EQ(field->GetText(text, sizeof text), 0);
    EXPECT_STREQ(text, "typed");

    errors = ErrorList().size();
    IMarkupNode* node = factory_->CreateMarkupNode(nullptr);
    IMarkupAttr* attr = factory_->CreateMarkupAttr(nullptr);
    IFile* file = factory_->OpenFile(nullptr, 0);
    ISound* sound = factory_->CreateSound(nullptr, 0);
    ICursor* cursor = factory_->CreateCursor(nullptr);
    EXPECT_GE(ErrorsSince(errors).size(), 5u);
    char value[8] = "x";
    EXPECT_EQ(attr->GetValue(value, sizeof value), 0);
    EXPECT_STREQ(value, "");
    int more = 1;
    file->ReadChar(&more);
    EXPECT_EQ(more, 0);
    EXPECT_EQ(sound->Play(1), applet::kEmpty);

    for (IShellObject* object :
         std::vector<IShellObject*>{button, field, timer, listener, node, attr, file, sound, cursor, parent})
        object->Release();
}

// ---------------------------------------------------------------- timers, events, listeners

TEST_F(ShellFactoryTest, TimersWaitForStartAndCallBackWithTheirElapsedTime) {
    Calls calls;
    ITimer* timer = factory_->CreateTimer(&calls, 100, RecordTimer);
    services_.Advance(300);
    EXPECT_TRUE(calls.records.empty());
    timer->Start();
    services_.Advance(100);
    ASSERT_EQ(calls.records.size(), 1u);
    EXPECT_EQ(calls.records[0], (std::vector<intptr_t>{reinterpret_cast<intptr_t>(&calls), 100, 100}));
    timer->Release();
    services_.Advance(300);
    EXPECT_EQ(calls.records.size(), 1u);
}

TEST_F(ShellFactoryTest, ANegativeIntervalCountsAsZeroAsSetIntervalHasIt) {
    Calls made, set;
    ITimer* fromFactory = factory_->CreateTimer(&made, INT_MIN, RecordTimer);
    ITimer* fromSetter = factory_->CreateTimer(&set, 1000, RecordTimer);
    fromSetter->SetInterval(-5);
    fromFactory->Start();
    fromSetter->Start();
    services_.Advance(10, 10);
    EXPECT_EQ(made.records.size(), 1u);
    EXPECT_EQ(set.records.size(), 1u);
    EXPECT_EQ(Unwrap<CTimer>(fromFactory)->Interval(), 0u);
    fromFactory->Release();
    fromSetter->Release();
}

TEST_F(ShellFactoryTest, ListenersBelowCommandCodesMakeTheirEventAndLaterOnesWaitForOne) {
    ISurface* sender = factory_->CreateSurface(10, 10, 0);
    Calls calls;

    IEventListener* keys = factory_->AddListener(sender, kEventKeyDown, &calls, Record);
    CEvent* made = Unwrap<CEventListener>(keys)->Owner();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsAutoDelete());
    EXPECT_EQ(made->Sender(), static_cast<const void*>(Unwrap<CSurface>(sender)));

    IEventListener* early = factory_->AddListener(sender, kEventCommand, &calls, Record);
    EXPECT_EQ(Unwrap<CEventListener>(early)->Owner(), nullptr);

    IEvent* command = factory_->CreateEvent(sender, kEventCommand);
    IEventListener* late = factory_->AddListener(sender, kEventCommand, &calls, Record);
    late->SetValue(9);
    const intptr_t args[5] = {0, 0, 31, 0, 0};
    command->Fire(args);
    ASSERT_EQ(calls.records.size(), 1u);
    EXPECT_EQ(calls.records[0][0], reinterpret_cast<intptr_t>(&calls));
    EXPECT_EQ(calls.records[0][1], 9);
    EXPECT_EQ(calls.records[0][2], 31);

    // The event lives until released; the auto event goes with its last listener.
    late->Release();
    command->Release();
    keys->Release();
    early->Release();
    sender->Release();
}

// ---------------------------------------------------------------- the rest

TEST_F(ShellFactoryTest, SoundsWithoutADeviceAnswerEmpty) {
    ISound* withoutService = factory_->CreateSound("p-snd-click.wav", 0);
    EXPECT_EQ(withoutService->Play(1), applet::kEmpty);
    withoutService->Release();

    SoundServiceConfig config;
    config.readFile = FileServiceSoundReader();
    CreateSoundService(config);
    ISound* withoutDevice = factory_->CreateSound("p-snd-click.wav", 0);
    EXPECT_EQ(withoutDevice->Play(3), applet::kEmpty);
    EXPECT_EQ(withoutDevice->Release(), 0);
}

TEST_F(ShellFactoryTest, FontsAreHeldToTheirLimitsAndStayCached) {
    IFont* huge = factory_->CreateFont("Arial", 500, kFontStyleBold);
    IFont* tiny = factory_->CreateFont("Arial", -3, 0);
    const std::string longFace(40, 'F');
    IFont* longName = factory_->CreateFont(longFace.c_str(), 12, 0);
    char face[64] = {};
    int size = 0, sizeClass = 0, style = 0;
    huge->GetInfo(face, sizeof face, &size, &sizeClass, &style);
    EXPECT_STREQ(face, "Arial");
    EXPECT_EQ(size, 256);
    EXPECT_EQ(style, kFontStyleBold);
    tiny->GetInfo(face, sizeof face, &size, &sizeClass, &style);
    EXPECT_EQ(size, 1);
    longName->GetInfo(face, sizeof face, &size, &sizeClass, &style);
    EXPECT_EQ(std::string(face), std::string(31, 'F'));

    const size_t cached = CachedFontCount(*fonts_);
    for (IFont* font : {huge, tiny, longName}) font->Release();
    EXPECT_EQ(CachedFontCount(*fonts_), cached);
}

TEST_F(ShellFactoryTest, FilesAndMarkupHoldWhatTheyWereMadeWith) {
    const std::string name = services_.AddFile({'4', '2', ' ', 'x'});
    IFile* file = factory_->OpenFile(name.c_str(), 0);
    int number = 0;
    file->ReadInt(&number);
    EXPECT_EQ(number, 42);
    file->Release();

    IMarkupAttr* attr = factory_->CreateMarkupAttr("colour", "FF0000");
    char value[4] = {};
    attr->GetValue(value, sizeof value);
    EXPECT_STREQ(value, "FF0");
    IMarkupNode* node = factory_->CreateMarkupNode("Level");
    IMarkupNode* empty = factory_->CreateEmptyMarkupNode();
    EXPECT_EQ(node->AddChild(empty), 0);
    int children = 0;
    node->GetChildCount(&children);
    EXPECT_EQ(children, 1);
    for (IShellObject* object : std::vector<IShellObject*>{attr, empty, node}) object->Release();
}

TEST(ShellFactory, TheFactoryHoldsOneReferenceAndItsReleaseEndsIt) {
    const int before = LiveInterfaceObjects();
    IShellFactory* factory = CreateShellFactory();
    CRefCounted* inner = Unwrap<CRefCounted>(factory);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->InterfaceCount(), 1);
    EXPECT_EQ(LiveInterfaceObjects(), before + 1);
    EXPECT_EQ(factory->Release(), 0);
    EXPECT_EQ(LiveInterfaceObjects(), before);
}

}  // namespace
