#include "platform/Occlusion.h"

#include "platform/Control.h"

namespace lymn {

void Occlusion::collect(const Control& c, Point offset, const Rect& limit, std::vector<Rect>& out,
                        int depth) {
    for (const auto& child : c.children()) {
        if (!child->visible()) continue;
        const Rect r = child->bounds().translated(offset).intersected(limit);
        if (r.empty()) continue;
        if (child->opaque())
            out.push_back(r);
        else if (depth < kMaxDepth)
            collect(*child, offset + child->bounds().topLeft(), r, out, depth + 1);
    }
}

std::vector<Rect> Occlusion::coveredParts(const Rect& limit) const {
    std::vector<Rect> out;
    collect(control_, {0, 0}, limit, out, 0);
    return out;
}

std::vector<Rect> Occlusion::exposedParts(const Rect& clip) const {
    std::vector<Rect> exposed{clip};
    for (const Rect& cover : coveredParts(clip)) {
        std::vector<Rect> rest;
        for (const Rect& e : exposed)
            for (const Rect& part : subtract(e, cover)) rest.push_back(part);
        exposed = std::move(rest);
        if (exposed.empty()) break;
    }
    return exposed;
}

bool Occlusion::childHidden(size_t index, const Rect& clip) const {
    const auto& children = control_.children();
    const Rect mine = children[index]->bounds().intersected(clip);
    if (mine.empty()) return true;
    std::vector<Rect> cover;
    for (size_t j = index + 1; j < children.size(); ++j) {
        const Control& above = *children[j];
        // What a sibling covers lies inside its bounds: one that does not hold the child's part
        // cannot hide it.
        if (!above.visible() || !above.bounds().contains(mine)) continue;
        if (above.opaque()) return true;
        // A see-through sibling hides it only where one of its opaque descendants does.
        cover.clear();
        collect(above, above.bounds().topLeft(), above.bounds().intersected(mine), cover, 0);
        for (const Rect& r : cover)
            if (r.contains(mine)) return true;
    }
    return false;
}

}  // namespace lymn
