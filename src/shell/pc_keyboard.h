#pragma once

#include <Qt>
#include <algorithm>
#include <array>
#include <utility>

// The keys of a PC keyboard's letter block, by their scan codes (set 1), as the US layout names
// them: the places of the keys, whatever a layout types with them.
namespace pc_keyboard {

inline constexpr std::array<std::pair<int, Qt::Key>, 47> kKeys{{
    {0x02, Qt::Key_1},         {0x03, Qt::Key_2},           {0x04, Qt::Key_3},
    {0x05, Qt::Key_4},         {0x06, Qt::Key_5},           {0x07, Qt::Key_6},
    {0x08, Qt::Key_7},         {0x09, Qt::Key_8},           {0x0A, Qt::Key_9},
    {0x0B, Qt::Key_0},         {0x0C, Qt::Key_Minus},       {0x0D, Qt::Key_Equal},
    {0x10, Qt::Key_Q},         {0x11, Qt::Key_W},           {0x12, Qt::Key_E},
    {0x13, Qt::Key_R},         {0x14, Qt::Key_T},           {0x15, Qt::Key_Y},
    {0x16, Qt::Key_U},         {0x17, Qt::Key_I},           {0x18, Qt::Key_O},
    {0x19, Qt::Key_P},         {0x1A, Qt::Key_BracketLeft}, {0x1B, Qt::Key_BracketRight},
    {0x1E, Qt::Key_A},         {0x1F, Qt::Key_S},           {0x20, Qt::Key_D},
    {0x21, Qt::Key_F},         {0x22, Qt::Key_G},           {0x23, Qt::Key_H},
    {0x24, Qt::Key_J},         {0x25, Qt::Key_K},           {0x26, Qt::Key_L},
    {0x27, Qt::Key_Semicolon}, {0x28, Qt::Key_Apostrophe},  {0x29, Qt::Key_QuoteLeft},
    {0x2B, Qt::Key_Backslash}, {0x2C, Qt::Key_Z},           {0x2D, Qt::Key_X},
    {0x2E, Qt::Key_C},         {0x2F, Qt::Key_V},           {0x30, Qt::Key_B},
    {0x31, Qt::Key_N},         {0x32, Qt::Key_M},           {0x33, Qt::Key_Comma},
    {0x34, Qt::Key_Period},    {0x35, Qt::Key_Slash},
}};

// The key at the place of that scan code, or Qt::Key_unknown outside the letter block.
constexpr int keyAt(int scanCode) {
    const auto* found = std::find_if(kKeys.begin(), kKeys.end(),
                                     [&](const auto& key) { return key.first == scanCode; });
    return found == kKeys.end() ? Qt::Key_unknown : found->second;
}

}  // namespace pc_keyboard
