#pragma once

// Measures shared by the RTF reader and writer, so a document written and
// read back keeps its indents to the twip.

// Block margins are in pixels at 96 dpi, as QTextEdit lays them out; RTF
// counts twips (1/1440 inch).
inline constexpr double kTwipsPerPixel = 15.0;

// Bullet items are written with the indent WordPad uses for its own
// bullets; only the part beyond it belongs to the block's own margin.
inline constexpr int kBulletIndentTwips = 720;
inline constexpr int kBulletHangTwips = -360;
