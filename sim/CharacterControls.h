#pragma once

namespace lymn {
class TFlatImageComboBox;
class TFlatLabel;
class TFlatTextEdit;
}  // namespace lymn

namespace lymn::sim {

// The controls of the main window that the simulation reads and writes; their captions are
// the character's numbers.
struct CharacterControls {
    TFlatImageComboBox* ImageBoxJs = nullptr;
    TFlatImageComboBox* ImageBoxZy = nullptr;
    TFlatTextEdit* EdtRank = nullptr;
    TFlatLabel* Labll = nullptr;
    TFlatLabel* Labtp = nullptr;
    TFlatLabel* Labys = nullptr;
    TFlatLabel* Labjg = nullptr;
    TFlatLabel* sxd = nullptr;
    TFlatLabel* kxd = nullptr;
    TFlatLabel* Labds = nullptr;
    TFlatLabel* Labmh = nullptr;
    TFlatLabel* Labls = nullptr;
    TFlatLabel* Labxr = nullptr;
    TFlatLabel* sm = nullptr;
    TFlatLabel* fl = nullptr;
    TFlatLabel* sq = nullptr;
    TFlatLabel* tl = nullptr;
    TFlatLabel* gjl = nullptr;
    TFlatLabel* shl = nullptr;
    TFlatLabel* fy = nullptr;
    TFlatLabel* fsxg = nullptr;
};

}  // namespace lymn::sim
