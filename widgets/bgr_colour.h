#pragma once
#include <QColor>

#include <cstdint>

// The colour of a 0x00BBGGRR value, the packing in which the tools hand out their colours.
inline QColor ColourFromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
