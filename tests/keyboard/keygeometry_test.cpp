#include "keyboard/keygeometry.h"

#include <gtest/gtest.h>

using namespace tastei;
using enum KeyId;

namespace {

constexpr ScreenClass kClasses[] = {ScreenClass::C800, ScreenClass::C1024, ScreenClass::C1152,
                                    ScreenClass::C1280};
constexpr RowStarts kStarts[] = {RowStarts::Staggered, RowStarts::Aligned};

// The grid's parameters per class, as the layout table gives them.
struct Grid {
    int W, G, H;
    int Y[5];
    int S;
    int tab, space;
    int L[4], R[4];  // staggered
    int aL1, aL, aR; // aligned
};
// clang-format off
constexpr Grid kGrid[] = {
    {44, 4, 50, {30, 80, 130, 180, 234},  7, 10, 200,
     {32, 70, 88, 102},   {352, 336, 352, 368}, 54, 102, 342},
    {55, 5, 65, {32, 97, 162, 227, 292},  8, 12, 250,
     {50, 87, 110, 127},  {440, 420, 440, 460}, 67, 127, 427},
    {61, 5, 72, {36, 108, 180, 252, 334}, 9, 13, 272,
     {56, 97, 122, 140},  {490, 470, 490, 510}, 74, 140, 470},
    {67, 6, 80, {40, 120, 200, 280, 360}, 11, 15, 302,
     {62, 107, 135, 156}, {544, 520, 540, 567}, 82, 155, 520},
};
// clang-format on

std::string where(ScreenClass c, RowStarts s) {
    return "class " + std::to_string(int(c)) +
           (s == RowStarts::Aligned ? " aligned" : " staggered");
}

} // namespace

TEST(KeyGeometry, KeysStandWhereTheTableOfEachClassPutsThem) {
    for (std::size_t c = 0; c < 4; ++c) {
        const Grid& g = kGrid[c];
        const int P = g.W + g.G;
        for (RowStarts starts : kStarts) {
            const bool aligned = starts == RowStarts::Aligned;
            const KeyboardLayout layout = NormalTastei(kClasses[c], starts);
            SCOPED_TRACE(where(kClasses[c], starts));
            const auto L = [&](int row) { return aligned ? (row == 0 ? g.aL1 : g.aL) : g.L[row]; };
            const auto R = [&](int row) { return aligned ? g.aR : g.R[row]; };
            const auto top = [&](int row) { return g.Y[row] + row * g.S; };

            EXPECT_EQ(layout[Key_1], QRect(L(0), top(0), g.W, g.H));
            EXPECT_EQ(layout[Key_6].topLeft(), QPoint(L(0) + 5 * P, top(0)));
            EXPECT_EQ(layout[Key_7].topLeft(), QPoint(R(0), top(0)));
            EXPECT_EQ(layout[Key_Back], QRect(R(0) + 6 * P, top(0), 2 * g.W + 4 * g.G, g.H));
            EXPECT_EQ(layout[Key_Tab], QRect(g.tab, top(1), g.W + g.W / 4, g.H));
            EXPECT_EQ(layout[Key_T].topLeft(), QPoint(L(1) + 4 * P, top(1)));
            EXPECT_EQ(layout[Key_Z].topLeft(), QPoint(R(1), top(1)));
            EXPECT_EQ(layout[Key_Plus].topLeft(), QPoint(R(1) + 6 * P, top(1)));
            EXPECT_EQ(layout[Key_Return],
                      QRect(R(2) + 7 * P, top(1), g.W + 3 * g.G, 2 * g.H + g.S));
            EXPECT_EQ(layout[Key_A].topLeft(), QPoint(L(2), top(2)));
            EXPECT_EQ(layout[Key_Num].topLeft(), QPoint(R(2) + 6 * P, top(2)));
            EXPECT_EQ(layout[Key_ShiftLinks], QRect(g.tab, top(3), 2 * g.W, g.H));
            EXPECT_EQ(layout[Key_Y].topLeft(), QPoint(L(3), top(3)));
            EXPECT_EQ(layout[Key_Mitte].topLeft(), QPoint(R(3) + 4 * P, top(3)));
            EXPECT_EQ(layout[Key_ShiftRechts], QRect(R(3) + 5 * P, top(3), 2 * g.W, g.H));
            EXPECT_EQ(layout[Key_Leer], QRect(g.space, top(4), 7 * g.W, g.H));
            EXPECT_EQ(layout.wegTaste, QSize(g.W, g.H));
        }
    }
}

TEST(KeyGeometry, GroupBoxAndKeyFontPerClass) {
    EXPECT_EQ(NormalTastei(ScreenClass::C800, RowStarts::Staggered).group, QRect(25, 50, 760, 325));
    EXPECT_EQ(NormalTastei(ScreenClass::C1280, RowStarts::Aligned).group, QRect(54, 67, 1165, 510));
    EXPECT_EQ(NormalTastei(ScreenClass::C1024, RowStarts::Staggered).keyFontHeight, -48);
    EXPECT_EQ(NormalTastei(ScreenClass::C1152, RowStarts::Aligned).keyFontHeight, -55);
}

TEST(KeyGeometry, KeysFitTheGroupWithoutOverlapping) {
    for (ScreenClass screenClass : kClasses) {
        for (RowStarts starts : kStarts) {
            const KeyboardLayout layout = NormalTastei(screenClass, starts);
            SCOPED_TRACE(where(screenClass, starts));
            const QRect inside(0, 0, layout.group.width(), layout.group.height());
            for (std::size_t i = 0; i < kKeyCount; ++i) {
                EXPECT_TRUE(inside.contains(layout.keys[i])) << i;
                for (std::size_t j = i + 1; j < kKeyCount; ++j) {
                    EXPECT_FALSE(layout.keys[i].intersects(layout.keys[j])) << i << " " << j;
                }
            }
        }
    }
}

TEST(KeyGeometry, AlignedRowsPutEachFingerInOneColumnAndCloseTheHalves) {
    for (ScreenClass screenClass : kClasses) {
        const KeyboardLayout aligned = NormalTastei(screenClass, RowStarts::Aligned);
        const KeyboardLayout staggered = NormalTastei(screenClass, RowStarts::Staggered);
        const int gap = aligned[Key_2].left() - aligned[Key_1].right() - 1;
        SCOPED_TRACE(int(screenClass));
        // The 2 key heads the little finger's column; the 1 key has none of its own.
        for (KeyId key : {Key_Q, Key_A, Key_Y}) {
            EXPECT_EQ(aligned[key].left(), aligned[Key_2].left());
        }
        for (KeyId key : {Key_Z, Key_H, Key_N}) {
            EXPECT_EQ(aligned[key].left(), aligned[Key_7].left());
        }
        // Halves close up to one gap when aligned and stand apart when staggered.
        for (auto [leftEnd, rightStart] :
             {std::pair{Key_T, Key_Z}, {Key_G, Key_H}, {Key_B, Key_N}}) {
            EXPECT_EQ(aligned[rightStart].left() - aligned[leftEnd].right() - 1, gap);
            EXPECT_GT(staggered[rightStart].left() - staggered[leftEnd].right() - 1, 4 * gap);
        }
        EXPECT_NE(staggered[Key_Q].left(), staggered[Key_A].left());
    }
}

TEST(KeyGeometry, AlignedRowsForTheBlindSchemeAndHandImpairedLessons) {
    EXPECT_EQ(rowStartsFor(false, false), RowStarts::Staggered);
    EXPECT_EQ(rowStartsFor(true, false), RowStarts::Aligned);
    EXPECT_EQ(rowStartsFor(false, true), RowStarts::Aligned);
}
