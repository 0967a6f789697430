// The style of the skinned frame on a form, and its propagation to a container's children.
#include "platform/Control.h"
#include "skin/TSkinButton.h"
#include "skin/TSkinForm.h"
#include "skin/TSkinImagePanel.h"
#include "skin/TSkinPageControl.h"
#include "skin/TSkinTabSheet.h"
#include "skin/ThemeTable.h"

namespace lymn {

namespace {

const TSkinForm* skinFormOf(const Control* form) {
    if (!form) return nullptr;
    for (auto& c : form->children())
        if (auto* f = dynamic_cast<const TSkinForm*>(c.get())) return f;
    return nullptr;
}

}  // namespace

TSkinUIStyle GetSkinFormStyle(const Control* form) {
    const TSkinForm* f = skinFormOf(form);
    return f ? f->UIStyle() : TSkinUIStyle::Navy;
}

Color GetSkinFormColor(const Control* form) {
    const TSkinForm* f = skinFormOf(form);
    return f ? f->color() : sysColor(SysColor::ButtonFace);
}

Color GetBorderColor(const Control* form) {
    const TSkinForm* f = skinFormOf(form);
    return f ? GetThemeColor(f->UIStyle(), theme::TabBorderColor) : colors::black;
}

void ContainerApplyUIStyle(Control& container, TSkinUIStyle style) {
    for (auto& c : container.children()) {
        if (auto* b = dynamic_cast<TSkinButton*>(c.get())) {
            if (b->UIStyle() != TSkinUIStyle::Custom) b->setUIStyle(style);
        } else if (auto* p = dynamic_cast<TSkinPageControl*>(c.get())) {
            p->setUIStyle(style);
        }
    }
}

void SubContainerApplyUIStyle(Control& container, TSkinUIStyle style) {
    for (auto& c : container.children())
        if (dynamic_cast<TSkinImagePanel*>(c.get()) || dynamic_cast<TSkinTabSheet*>(c.get()))
            ContainerApplyUIStyle(*c, style);
}

}  // namespace lymn
