// One line of underlined rich text that turns blue while the pointer is over it and fires its
// command event (code 14) with its user value when clicked.
#pragma once

#include <string>
#include <string_view>

#include "core/graphics/Event.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/RmlRenderer.h"
#include "core/graphics/Surface.h"

// The rich-text size number and boldness of a link's label.
struct HyperLinkStyle {
    int sizeNumber = 1;
    bool bold = false;
};
// The style of links made without one of their own; the shell frame may change it.
HyperLinkStyle& CurrentHyperLinkStyle();

class CHyperLink : public CSurface {
public:
    CHyperLink(CSurface* owner, void* context, EventCallback callback, int x, int y, int width, int height,
               std::string_view text, intptr_t userValue);
    CHyperLink(CSurface* owner, void* context, EventCallback callback, int x, int y, int width, int height,
               std::string_view text, intptr_t userValue, const HyperLinkStyle& style);
    ~CHyperLink() override;

    intptr_t UserValue() const { return userValue_; }

    // The rich-text tags of the label's look in the colour given as six hex digits.
    static std::string Look(const HyperLinkStyle& style, std::string_view colour);

private:
    int OnClick();
    int OnEnter();
    int OnLeave();
    void Draw(const std::string& look);

    intptr_t userValue_;
    std::string label_;
    std::string normal_;
    std::string hot_;
    EventPtr command_;
    ListenerPtr user_;
    ListenerPtr click_;
    ListenerPtr enter_;
    ListenerPtr leave_;
};

// Makes the links of rich text as hyperlinks on `parent`, each firing `callback` with its
// link number as user value.
class CHyperLinkFactory final : public IRmlLinkFactory {
public:
    CHyperLinkFactory(CSurface* parent, void* context, EventCallback callback)
        : parent_(parent), context_(context), callback_(callback) {}
    CRefCounted* CreateLink(const RmlLinkRequest& request) override;

private:
    CSurface* parent_;
    void* context_;
    EventCallback callback_;
};
