#pragma once

// Colours shared by the windows, as red, green, blue.
struct Rgb {
    int r, g, b;
};

inline constexpr Rgb kProgramBlue{35, 92, 245};     // buttons, title rows
inline constexpr Rgb kComboBackground{207, 231, 250};
