// A game module that calls every slot of every interface with hostile arguments: null pointers
// and strings, extreme numbers, counts that lie about arrays, records it forged, interface
// objects of the wrong kind, and a Destroy instead of a Release. Everything it passes is safe to
// read as far as the slot's contract reaches, so the shell must survive all of it. It leaves
// much of what it made behind for the host. Four starts in a row sweep every slot.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "frame/api/AppletRecord.h"
#include "frame/api/IAnim.h"
#include "frame/api/ICursor.h"
#include "frame/api/IEvent.h"
#include "frame/api/IFile.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IMarkup.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISound.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

#define TEST_GAME_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Sizes among them are refused or tiny, so that a thousand sweeps stay quick.
const int kNumbers[] = {INT_MIN, -65536, -1, 0, 1, 65536, INT_MAX - 1, INT_MAX};
const int kBigRect[] = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
const int kInverted[] = {50, 50, -50, -50};
const std::string kLongText(10000, 'w');
const char* const kNames[] = {nullptr, "", "..\\..\\..\\etc\\passwd", "/etc/passwd", "MEM:", "MEM:-1,5",
                              "MEM:99999999999999999999", "no-such-file.gif", "TestLogo.gif", "testlogo.GIF"};
int g_calls = 0;

int Callback(intptr_t* /*args*/) {
    ++g_calls;
    return 0;
}

template <class Object>
void Drop(Object* object) {
    if (object != nullptr) object->Release();
}

void SweepImage(IImage& image, IImage& other, IShellServices& services) {
    for (int n : kNumbers) {
        image.DrawLine(n, ~n, INT_MAX, n);
        image.FrameRect(n, n, ~n, INT_MAX);
        image.FillRect(INT_MIN, n, n, INT_MAX);
        image.DrawText("abc", n, n, n);
        image.DrawText(nullptr, n, 0, 0);
        image.SetCurColor(n, ~n, n);
        image.SetTextColor(n, n, n);
        image.SetBackgroundColor(~n, n, INT_MIN);
        image.ClearToColor(n, n, n);
        image.DrawAt(&other, n, ~n);
        image.DrawAtEx(&other, n, n, n);
        image.TargetQuery(n);
        int size[2];
        image.GetTextExtent(nullptr, "abc", n, size);
        image.GetTextExtent(nullptr, nullptr, n, size);
        const int points[6] = {0, 0, n, n, ~n, INT_MAX};
        image.DrawPolygon(points, n > 3 ? 3 : n);
        const AppletPixelEntry entries[2] = {{n, n, static_cast<AppletColor>(n)}, {0, 0, 0xFFFFFFFFu}};
        image.SetPixels(entries, n > 2 ? 2 : n, n);
        image.ClearPixels(entries, n > 2 ? 2 : n, n);
        const int pairs[4] = {n, ~n, 0xFF00FF, n};
        image.ReplaceColors(n > 2 ? 2 : n, pairs);
        image.Resize(n, 3);
        image.Resize(4, n);
        image.Resize(8, 8);
    }
    // Counts far beyond the arrays they come with.
    const int points[6] = {};
    image.DrawPolygon(points, INT_MAX);
    const AppletPixelEntry entry{};
    image.SetPixels(&entry, INT_MAX, 0);
    image.ClearPixels(&entry, INT_MAX - 1, 0);
    const int pairs[2] = {};
    image.ReplaceColors(INT_MAX, pairs);
    image.Draw(kBigRect, &other, kInverted);
    image.Draw(kInverted, &other, kBigRect);
    image.Draw(nullptr, nullptr, nullptr);
    image.DrawEx(kBigRect, &other, nullptr, -1);
    image.Draw(nullptr, &image, nullptr);
    image.DrawRML(nullptr, 0, 0);
    image.DrawRML("<A1><S9999><c>unclosed <B><I><U>", INT_MIN, INT_MAX);
    image.DrawRML(kLongText.c_str(), 0, 0);
    image.DrawText(kLongText.c_str(), INT_MAX, 0, 0);
    image.SetFont(nullptr);
    image.GetFont(nullptr);
    IFont* font = nullptr;
    image.GetFont(&font);
    Drop(font);
    image.GetSize(nullptr, nullptr);
    image.GetCurColor(nullptr, nullptr, nullptr);
    image.GetTextColor(nullptr, nullptr, nullptr);
    image.GetBackgroundColor(nullptr, nullptr, nullptr);
    image.SetTransparent(true);
    image.ClearToBackground();
    // Pixel buffers: a forged record, and one of the shell's with its fields overwritten.
    uint32_t few[4] = {};
    AppletPixelBuffer forged{0xFF00FF, INT_MAX, INT_MAX, few};
    image.ReadPixels(kBigRect, &forged, nullptr);
    image.WritePixels(kBigRect, &forged, nullptr);
    AppletPixelBuffer* buffer = nullptr;
    services.CreatePixelBuffer(&buffer, 2, 2);
    if (buffer != nullptr) {
        buffer->width = INT_MAX;
        buffer->height = 1 << 20;
        buffer->pixels = few;
        const int at[2] = {INT_MIN, INT_MAX};
        image.ReadPixels(kBigRect, buffer, at);
        image.WritePixels(kBigRect, buffer, nullptr);
        image.ReadPixels(nullptr, buffer, nullptr);
    }
    services.FreePixelBuffer(&forged);
}

void SweepSurface(ISurface& surface, ISurface& other, IAnim* anim) {
    for (int n : kNumbers) {
        surface.SetLoc(n, ~n, nullptr);
        surface.SelectAnim(n);
        surface.HitTest(n, n, nullptr);
        ISurface* hit = nullptr;
        surface.HitTest(n, ~n, &hit);
        Drop(hit);
    }
    const int pair[2] = {0xFF00FF, 0x010203};
    surface.ReplaceColors(-1, pair);
    surface.SetLoc(0, 0, nullptr);
    surface.SetVisible(false, reinterpret_cast<void*>(1));
    surface.SetVisible(true, nullptr);
    surface.GetLoc(nullptr, nullptr);
    surface.AttachSurface(nullptr);
    surface.AttachSurface(&surface);
    surface.DetachSurface(nullptr);
    surface.DetachSurface(&other);
    surface.BringToFront(&other);
    surface.SendToBack(nullptr);
    surface.GetParent(nullptr);
    ISurface* parent = nullptr;
    surface.GetParent(&parent);
    Drop(parent);
    surface.AddAnim(nullptr);
    surface.AddAnim(anim);
    surface.StartAnim();
    surface.StopAnim();
    surface.GetAnim(nullptr);
    Drop(surface.GetImageDirect());
    surface.GetImage(nullptr);
    surface.GetSize(nullptr, nullptr);
    surface.Protect(reinterpret_cast<void*>(7), nullptr);
    surface.SetNoHit(true);
    surface.SetNoHit(false);
    surface.IsNoHit();
    surface.IsVisible();
    const int pairs[2] = {};
    surface.ReplaceColors(INT_MAX, pairs);
}

void SweepSequenceAndAnim(IImageSeq& sequence, IAnim& anim, IImage& image) {
    for (int n : kNumbers) {
        sequence.AddImage(&image, n);
        sequence.AddImage(nullptr, n);
        IImage* found = nullptr;
        sequence.GetImage(n, &found);
        Drop(found);
        sequence.GetImage(n, nullptr);
        sequence.GetImageAtTime(n, &found);
        Drop(found);
        sequence.GetFrameTime(nullptr, n);
        int time = 0;
        sequence.GetFrameTime(&time, n);
        sequence.SetFrameTime(n, n);
        anim.SetFrame(n);
        anim.SetClock(n);
        anim.ReplaceColors(n > 0 ? 0 : n, nullptr);
    }
    sequence.RemoveImage(nullptr);
    sequence.RemoveImage(&image);
    sequence.SetLoop(true);
    sequence.GetLoop(nullptr);
    sequence.GetImageCount(nullptr);
    const int pairs[2] = {};
    sequence.ReplaceColors(INT_MAX, pairs);
    anim.ReplaceColors(INT_MAX, pairs);
    anim.GetImage(nullptr);
    anim.GetImageSeq(nullptr);
    anim.Start();
    anim.Stop();
    anim.GetClock();
}

void SweepFile(IFile& file) {
    char buffer[16];
    for (int n : kNumbers) {
        file.ReadQuoted(buffer, n > 15 ? 15 : n);
        file.ReadString(buffer, n, n > 16 ? 16 : n);
        file.ReadString(nullptr, n, n);
        file.Skip(n);
    }
    file.ReadString(buffer, -1, sizeof buffer);
    file.ReadChar(nullptr);
    file.ReadInt(nullptr);
    file.ReadColour(nullptr);
    file.ReadShort(nullptr);
    file.ReadByte(nullptr);
    file.ReadQuoted(nullptr, 10);
    file.Close();
    file.ReadChar(nullptr);
}

void SweepMarkup(IShellFactory& factory) {
    IMarkupNode* root = factory.CreateMarkupNode(nullptr);
    IMarkupNode* child = factory.CreateMarkupNode("child");
    IMarkupNode* other = factory.CreateEmptyMarkupNode();
    root->AddChild(nullptr);
    root->AddChild(root);
    root->AddChild(child);
    other->AddChild(child);
    child->AddChild(other);  // would close a circle
    child->AddChild(root);
    root->RemoveChild(nullptr);
    IMarkupNode* found = nullptr;
    for (const char* name : kNames) {
        root->FindFirst(&found, name, name, nullptr);
        Drop(found);
        root->FindOrAdd(&found, name, nullptr, name);
        Drop(found);
        root->FindOrAddChild(&found, name);
        Drop(found);
        root->AddAttr(name, name);
        root->SetAttr(name, nullptr);
        IMarkupAttr* attr = nullptr;
        root->FindAttr(&attr, name, name);
        Drop(attr);
        root->SetValue(name);
    }
    root->FindFirst(nullptr, nullptr, nullptr, nullptr);
    root->FindNext(nullptr, true);
    root->FindNext(&found, false);
    Drop(found);
    root->GetChildCount(nullptr);
    root->Unused(INT_MIN);
    IMarkupAttr* attr = factory.CreateMarkupAttr(nullptr, nullptr);
    attr->SetValue(nullptr);
    char value[4];
    attr->GetValue(value, INT_MIN);
    attr->GetValue(nullptr, 10);
    attr->Destroy(1);  // the reference it held is lost: the host takes it back
    Drop(factory.CreateMarkupAttr(kLongText.c_str()));
    root->Destroy(1);
    Drop(other);
}

void SweepServices(IShellServices& services) {
    for (int n : kNumbers) {
        services.SetStopMode(n);
        services.SetMenuFlags(n);
        services.IsKeyDown(n);
        services.IsKeyDownEntry2(n);
        services.AllocColor(n, ~n, n);
        services.FreeColor(static_cast<AppletColor>(n));
        AppletPixelBuffer* buffer = nullptr;
        services.CreatePixelBuffer(&buffer, n, n);
        services.FreePixelBuffer(buffer);
        services.Unused(n, n, n, n, n, n, n);
        char out[8];
        services.InputBox(nullptr, nullptr, kLongText.c_str(), out, n > 8 ? 8 : n, n);
    }
    services.SetAppletName(nullptr);
    services.MessageBox(nullptr, nullptr, -1);
    services.OpenURL(nullptr);
    services.OpenURL("file:///etc/passwd");
    services.OpenURL(("http://" + kLongText).c_str());
    services.CreatePixelBuffer(nullptr, 1, 1);
    services.FreePixelBuffer(nullptr);
    services.GetTime(nullptr);
    services.ConfirmEmail(nullptr, nullptr, nullptr, kLongText.c_str(), INT_MIN, nullptr, nullptr);
    services.TakePendingMessage(nullptr);
    services.SetStopMode(0);
}

void SweepSettings(ISettingsAccess& settings) {
    char buffer[4];
    for (const char* name : kNames) {
        settings.SetGameValue(name, name);
        settings.SetUserValue(name, nullptr);
        settings.GetGameValue(name, buffer, sizeof buffer);
        settings.GetUserValue(name, nullptr, 100);
        settings.GetUserValue(name, buffer, INT_MIN);
    }
    settings.SetUserValue("Long", kLongText.c_str());
    settings.GetUserValue("Long", buffer, sizeof buffer);
    settings.IsInstalled();
}

void SweepFactoryNames(AppletRecord& record) {
    IShellFactory& factory = *record.factory;
    for (const char* name : kNames) {
        Drop(factory.CreateSurfaceFromFile(name, -1));
        Drop(factory.LoadImageSeqEntry2(name));
        Drop(factory.LoadImageSeq(name));
        Drop(factory.LoadAnim(name));
        Drop(factory.LoadImage(name));
        Drop(factory.CreateSound(name, INT_MIN));
        Drop(factory.CreateCursor(name));
        Drop(factory.CreateFont(name, INT_MAX, INT_MIN));
        IFile* file = factory.OpenFile(name, -1);
        if (file != nullptr) SweepFile(*file);
        Drop(file);
    }
    const int lyingMap[] = {INT_MAX};
    const int map[] = {1, 0xFF00FF, 0x123456};
    const int negative[] = {-1};
    for (const int* colours : {lyingMap, map, negative, static_cast<const int*>(nullptr)})
        Drop(factory.LoadImageSeqRecolored("TestLogo.gif", colours));
}

void SweepFactoryNumbers(AppletRecord& record) {
    IShellFactory& factory = *record.factory;
    for (int n : kNumbers) {
        Drop(factory.CreateSurface(n, 1, n));
        Drop(factory.CreateSurface(n, n, 3));
        Drop(factory.CreateImage(1, n, n));
        Drop(factory.CreateImageEntry2(n, n, 0));
        Drop(factory.CreateFont("Arial", n, n));
        Drop(factory.CreateFont(kLongText.c_str(), n, 1));
        Drop(factory.CreateEvent(nullptr, n));
        Drop(factory.CreateEvent(record.gameArea, n));
        Drop(factory.AddListener(nullptr, n, nullptr, nullptr));
        Drop(factory.AddListener(record.services, n, nullptr, Callback));
        ITimer* timer = factory.CreateTimer(nullptr, n, Callback);
        timer->SetInterval(n);
        timer->SetClock(n);
        timer->Tick();
        timer->Restart();
        timer->GetClock();
        Drop(timer);
        Drop(factory.CreateTimer(nullptr, n, nullptr));
        IImage* strip = factory.CreateImage(8, 4, 1);
        Drop(factory.CreateRolloverButton(record.gameArea, nullptr, n, n, 4, 4, strip, n, n, Callback));
        Drop(factory.CreatePushButton(nullptr, nullptr, 0, 0, n, 4, strip, n, n, nullptr));
        Drop(factory.CreateRolloverButton(nullptr, nullptr, 0, 0, 4, n, nullptr, INT_MAX, 0, Callback));
        Drop(strip);
        IEditField* field = factory.CreateEditField(nullptr, nullptr, n, n, n > 64 ? 64 : n, 20, nullptr, n);
        char text[8];
        field->GetText(text, n > 8 ? 8 : n);
        field->GetText(nullptr, n);
        field->SetText(nullptr);
        Drop(field);
    }
    IEditField* field = factory.CreateEditField(record.pageArea, nullptr, 0, 0, 10, 10, Callback, 0);
    field->SetText(kLongText.c_str());
    char text[8];
    field->GetText(text, sizeof text);
    Drop(field);
    Drop(factory.CreateSurfaceFromAnim(nullptr, 0));
    Drop(factory.CreateAnim(nullptr));
    Drop(factory.CreateAnimEntry2(nullptr));
    Drop(factory.CreateImageSeqFromImage(nullptr));
    Drop(factory.CreateImageSeqFromImageEntry2(nullptr));
}

void SweepEvents(IShellFactory& factory, AppletRecord& record) {
    IEvent* event = factory.CreateEvent(record.services, 200);
    IEventListener* listener = factory.AddListener(record.services, 200, nullptr, Callback);
    const intptr_t args[5] = {INTPTR_MIN, -1, INTPTR_MAX, 0, 0};
    event->Fire(args);
    event->Fire(nullptr);
    for (int n : kNumbers) {
        listener->Reorder(n);
        listener->SetValue(n);
    }
    ISound* sound = factory.CreateSound("TestTone.wav", 0);
    for (int n : kNumbers) sound->Play(n);
    sound->Stop();
    listener->Destroy(1);  // left subscribed, its reference lost
    Drop(event);
}

void SweepRecord(AppletRecord& record) {
    record.Rand();
    record.SRand(INT_MIN);
    record.DebugOutput("%s", kLongText.c_str());
    record.DebugOutput(nullptr);
    record.DebugBreak();
    SweepServices(*record.services);
    SweepSettings(*record.settings);
    SweepMarkup(*record.factory);
    SweepEvents(*record.factory, record);
}

void SweepPictures(AppletRecord& record) {
    IShellFactory& factory = *record.factory;
    IImage* image = factory.CreateImage(16, 16, 1);
    IImage* other = factory.LoadImage("TestLogo.gif");
    SweepImage(*image, *other, *record.services);
    IImage* areaImage = nullptr;
    record.gameArea->GetImage(&areaImage);
    if (areaImage != nullptr) {
        areaImage->DrawAtEx(image, INT_MIN, INT_MAX, -1);
        areaImage->Draw(kBigRect, image, kInverted);
        areaImage->DrawLine(INT_MIN, 0, INT_MAX, 0);
    }
    Drop(areaImage);

    IImageSeq* sequence = factory.CreateImageSeqFromImage(image);
    IAnim* anim = factory.CreateAnim(sequence);
    SweepSequenceAndAnim(*sequence, *anim, *other);
    ISurface* surface = factory.CreateSurfaceFromAnim(anim, 2);
    ISurface* child = factory.CreateSurface(4, 4, 0);
    // Interface objects of the wrong kind, as a game that casts wrongly passes them.
    surface->AttachSurface(reinterpret_cast<ISurface*>(image));
    surface->AddAnim(reinterpret_cast<IAnim*>(child));
    image->DrawAt(reinterpret_cast<IImage*>(anim), 0, 0);
    SweepSurface(*surface, *child, anim);
    const int pair[2] = {0xFF00FF, 0x010203};
    surface->ReplaceColors(1, pair);
    SweepSurface(*record.gameArea, *surface, anim);
    SweepSurface(*record.pageArea, *child, anim);
    record.gameArea->AttachSurface(surface);
    surface->AttachSurface(child);
    record.gameArea->AttachSurface(record.pageArea);
    child->AttachSurface(record.gameArea);
    ISurface* found = nullptr;
    record.gameArea->HitTest(1, 1, &found);
    if (found != nullptr) found->Destroy(1);

    surface->Destroy(1);
    anim->Destroy(0);
    Drop(sequence);
    Drop(other);
    Drop(image);
}

}  // namespace

// Each start sweeps one part, the next part at the next start (counted in the game's shared
// settings), so that every part is swept many times over a thousand quick starts.
TEST_GAME_EXPORT int Shell_StartApplet(AppletRecord* record) {
    void (*const parts[])(AppletRecord&) = {SweepFactoryNames, SweepFactoryNumbers, SweepRecord, SweepPictures};
    char text[16] = "0";
    record->settings->GetGameValue("SweepPart", text, sizeof text);
    const unsigned part = static_cast<unsigned>(std::atoi(text)) % std::size(parts);
    std::snprintf(text, sizeof text, "%u", part + 1);
    record->settings->SetGameValue("SweepPart", text);
    parts[part](*record);
    return 0;
}

TEST_GAME_EXPORT int Shell_StopApplet(AppletRecord* record) {
    // Once more while stopping, leaving what it made.
    record->factory->CreateTimer(nullptr, 1, Callback)->Start();
    return g_calls;
}
