#include "frame/pages/info/PageText.h"

#include <cstdint>
#include <optional>

#include "core/graphics/HyperLink.h"
#include "core/graphics/Image.h"
#include "core/graphics/RmlRenderer.h"
#include "core/graphics/SurfaceServices.h"
#include "core/resources/ResourceRegistry.h"
#include "frame/shell/Shell.h"

namespace {

constexpr platform::Rect kWholePage{0, 0, CShell::kGameAreaWidth, CShell::kGameAreaHeight};

int OnPageLink(intptr_t* record) {
    reinterpret_cast<CShell*>(record[0])->OnHyperLink(static_cast<int>(record[2]));
    return 1;
}

CImage* PageImage(const CShell& shell) {
    CSurface* page = shell.PageSurface();
    return page != nullptr ? page->GetCurImage() : nullptr;
}

// The shell's string `id`; none when it is missing or the program's resources are (damaged).
std::optional<std::string_view> FindShellString(int id) {
    if (id < 0) return std::nullopt;
    return resources::FindShellString(static_cast<uint32_t>(id));
}

}  // namespace

std::string ShellString(int id, size_t maxLength) {
    const std::optional<std::string_view> text = FindShellString(id);
    if (!text) return {};
    return std::string(text->substr(0, maxLength));
}

bool HasShellString(int id) { return FindShellString(id).has_value(); }

int DrawPageRml(CShell& shell, std::string_view rml, int x, int y, const platform::Rect& box) {
    CImage* image = PageImage(shell);
    if (image == nullptr) return 0;
    CHyperLinkFactory links(shell.PageSurface(), &shell, OnPageLink);
    const std::string text(rml);
    return image->DrawRML(text.c_str(), x, y, &box, 0, &links);
}

int DrawPageRml(CShell& shell, std::string_view rml, int x, int y) { return DrawPageRml(shell, rml, x, y, kWholePage); }

int RmlWidth(std::string_view rml) {
    CImage probe(CurrentSurfaceServices().fonts, 1, 1, 0);
    const std::string text(rml);
    constexpr platform::Rect kUnbounded{0, 0, 1 << 15, 1 << 15};
    probe.DrawRML(text.c_str(), 0, 0, &kUnbounded, 0, nullptr);
    return RmlPublishedState().lastTextEnd.x;
}
