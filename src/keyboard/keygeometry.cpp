#include "keyboard/keygeometry.h"

namespace tastei {
namespace {

using enum KeyId;

std::size_t classIndex(ScreenClass screenClass) {
    return static_cast<std::size_t>(screenClass);
}

struct GridParameters {
    QRect group;
    int W; // key width
    int G; // gap
    int H; // key height
    int fontHeight;
    std::array<int, 5> Y; // row bases
    int S;                // extra spacing added per row
    int tabShiftLeft;     // Tab and left Shift
    int spaceLeft;
    std::array<int, 4> staggeredL;
    std::array<int, 4> staggeredR;
    int alignedL1;
    int alignedL; // rows 2 to 4
    int alignedR;
};

// Per class, in the order 800, 1024, 1152, 1280.
// clang-format off
const std::array<GridParameters, 4> kGrid{{
    //  NormalTastatur       W   G  H   font  Y1..Y5                    S   Tab space
    {{25, 50, 760, 325},   44, 4, 50, -40, {30, 80, 130, 180, 234},  7, 10, 200,
    //  staggered L1..L4      staggered R1..R4      aligned L1, L2..L4, R
        {32, 70, 88, 102},   {352, 336, 352, 368}, 54, 102, 342},
    {{34, 54, 945, 409},   55, 5, 65, -48, {32, 97, 162, 227, 292},  8, 12, 250,
        {50, 87, 110, 127},  {440, 420, 440, 460}, 67, 127, 427},
    {{42, 60, 1050, 454},  61, 5, 72, -55, {36, 108, 180, 252, 334}, 9, 13, 272,
        {56, 97, 122, 140},  {490, 470, 490, 510}, 74, 140, 470},
    {{54, 67, 1165, 510},  67, 6, 80, -58, {40, 120, 200, 280, 360}, 11, 15, 302,
        {62, 107, 135, 156}, {544, 520, 540, 567}, 82, 155, 520},
}};
// clang-format on

// A run of neighbouring keys of the key table, placed one pitch apart.
struct RowPart {
    KeyId first;
    int count;
};
struct GridRow {
    RowPart left;
    RowPart right;
};
// Rows 0 to 3; the right-hand parts end with Backspace, +, # and the right
// Shift, which stand on the same pitch.
constexpr std::array<GridRow, 4> kRows{{
    {{Key_1, 6}, {Key_7, 7}},
    {{Key_Q, 5}, {Key_Z, 7}},
    {{Key_A, 5}, {Key_H, 7}},
    {{Key_Y, 5}, {Key_N, 6}},
}};

QRect& at(KeyboardLayout& layout, KeyId key) {
    return layout.keys[indexOf(key)];
}

void placeRun(KeyboardLayout& layout, const GridParameters& p, RowPart part, int left, int top) {
    for (int k = 0; k < part.count; ++k) {
        const KeyId key = keyAt(indexOf(part.first) + static_cast<std::size_t>(k));
        at(layout, key) = QRect(left + k * (p.W + p.G), top, p.W, p.H);
    }
}

struct KeypadParameters {
    int h;
    int w;
    int g;
    int t; // top margin
    int x; // first column
};
const std::array<KeypadParameters, 4> kKeypad{{
    {50, 48, 8, 24, 378},
    {65, 60, 10, 30, 478},
    {72, 66, 11, 30, 530},
    {80, 72, 12, 33, 580},
}};

// Sizes count key widths (heights) and gaps; column 0 marks the frame keys
// left of the keypad, whose left edge counts key widths instead.
struct KeypadSlot {
    KeyId key;
    int column;
    int leftInWidths;
    int row;
    int widthKeys;
    int widthGaps;
    int heightKeys;
    int heightGaps;
};
constexpr std::array<KeypadSlot, 19> kKeypadSlots{{
    {Key_D, 2, 0, 0, 1, 0, 1, 0},     {Key_S, 3, 0, 0, 1, 0, 1, 0},
    {Key_Mitte, 4, 0, 0, 1, 0, 1, 0}, {Key_7, 1, 0, 1, 1, 0, 1, 0},
    {Key_8, 2, 0, 1, 1, 0, 1, 0},     {Key_9, 3, 0, 1, 1, 0, 1, 0},
    {Key_Plus, 4, 0, 1, 1, 0, 2, 1},  {Key_4, 1, 0, 2, 1, 0, 1, 0},
    {Key_5, 2, 0, 2, 1, 0, 1, 0},     {Key_6, 3, 0, 2, 1, 0, 1, 0},
    {Key_1, 1, 0, 3, 1, 0, 1, 0},     {Key_2, 2, 0, 3, 1, 0, 1, 0},
    {Key_3, 3, 0, 3, 1, 0, 1, 0},     {Key_Return, 4, 0, 3, 1, 0, 2, 1},
    {Key_Null, 1, 0, 4, 2, 1, 1, 0},  {Key_Komma, 3, 0, 4, 1, 0, 1, 0},
    {Key_Tab, 0, 1, 1, 2, 0, 1, 0},   {Key_Leer, 0, 1, 4, 4, 0, 1, 0},
    {Key_Punkt, 0, 6, 4, 1, 0, 1, 0},
}};

int keypadColumnLeft(const KeypadParameters& p, int column) {
    // The fourth column stands apart by an extra gap, as on a real keypad.
    const int extraGap = column == 4 ? p.g : 0;
    return p.x + (column - 1) * (p.w + p.g) + extraGap;
}

} // namespace

RowStarts rowStartsFor(bool blindtastei, bool handImpairedMode) {
    return blindtastei || handImpairedMode ? RowStarts::Aligned : RowStarts::Staggered;
}

KeyboardLayout NormalTastei(ScreenClass screenClass, RowStarts starts) {
    const GridParameters& p = kGrid[classIndex(screenClass)];
    const int pitch = p.W + p.G;
    KeyboardLayout layout{p.group, {}, QSize(p.W, p.H), p.fontHeight};

    const auto top = [&p](int row) { return p.Y[static_cast<std::size_t>(row)] + row * p.S; };
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        const bool aligned = starts == RowStarts::Aligned;
        const int left = aligned ? (row == 0 ? p.alignedL1 : p.alignedL) : p.staggeredL[row];
        const int right = aligned ? p.alignedR : p.staggeredR[row];
        placeRun(layout, p, kRows[row].left, left, top(static_cast<int>(row)));
        placeRun(layout, p, kRows[row].right, right, top(static_cast<int>(row)));
    }

    at(layout, Key_Back).setWidth(2 * p.W + 4 * p.G);
    at(layout, Key_ShiftRechts).setWidth(2 * p.W);
    at(layout, Key_Tab) = QRect(p.tabShiftLeft, top(1), p.W + p.W / 4, p.H);
    at(layout, Key_ShiftLinks) = QRect(p.tabShiftLeft, top(3), 2 * p.W, p.H);
    at(layout, Key_Leer) = QRect(p.spaceLeft, top(4), 7 * p.W, p.H);
    const int homeRowRightStart = layout[Key_H].left();
    at(layout, Key_Return) =
        QRect(homeRowRightStart + 7 * pitch, top(1), p.W + 3 * p.G, 2 * p.H + p.S);
    return layout;
}

std::vector<KeyPlacement> keypadArrangement(ScreenClass screenClass) {
    const KeypadParameters& p = kKeypad[classIndex(screenClass)];
    std::vector<KeyPlacement> placements;
    placements.reserve(kKeypadSlots.size());
    for (const KeypadSlot& slot : kKeypadSlots) {
        const int left =
            slot.column == 0 ? slot.leftInWidths * p.w : keypadColumnLeft(p, slot.column);
        const int top = p.t + slot.row * (p.h + p.g);
        placements.push_back(
            {slot.key, QRect(left, top, slot.widthKeys * p.w + slot.widthGaps * p.g,
                             slot.heightKeys * p.h + slot.heightGaps * p.g)});
    }
    return placements;
}

const std::vector<KeyId>& keypadParkedKeys() {
    static const std::vector<KeyId> parked{Key_Z,  Key_U, Key_I, Key_O,          Key_P,
                                           Key_H,  Key_J, Key_K, Key_L,          Key_Oe,
                                           Key_Ae, Key_N, Key_M, Key_ShiftLinks, Key_ShiftRechts};
    return parked;
}

} // namespace tastei
