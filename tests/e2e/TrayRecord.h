#pragma once
// One notification-area request as Wine's shell hands it to the tray window
// (WM_COPYDATA, dwData = NIM_ADD/NIM_MODIFY/NIM_DELETE): a fixed header in a
// layout that does not depend on the caller's bitness, then the icon's mask
// and colour bits when the request carries an icon.
#include "framework/WinTypes.h"

#include <cstddef>
#include <string>

struct TrayRecord {
    // Header layout: owner window as a 32-bit number, id, flags, callback
    // message, tip (128 UTF-16 units), state words, balloon texts, a GUID,
    // then the icon's width, height, planes and bits per pixel.
    static constexpr size_t OwnerOffset = 0;
    static constexpr size_t IdOffset = 4;
    static constexpr size_t FlagsOffset = 8;
    static constexpr size_t CallbackOffset = 12;
    static constexpr size_t TipOffset = 16;
    static constexpr size_t TipUnits = 128;
    static constexpr size_t IconWidthOffset = 944;
    static constexpr size_t IconHeightOffset = 948;
    static constexpr size_t HeaderSize = 960;
    static constexpr UINT FlagMessage = 0x1;
    static constexpr UINT FlagIcon = 0x2;
    static constexpr UINT FlagTip = 0x4;

    DWORD message = 0;       // NIM_ADD 0, NIM_MODIFY 1, NIM_DELETE 2
    LONG owner = 0;          // the window handle, as 32 bits
    UINT id = 0;
    UINT flags = 0;
    UINT callback = 0;
    std::string tip;         // ASCII; other characters become '?'
    UINT iconWidth = 0;
    UINT iconHeight = 0;
    DWORD iconHash = 0;      // FNV-1a over the icon bits; 0 when no icon came

    // False (record untouched) when the data is too short for the header.
    static bool Decode(DWORD message, const void* data, size_t size, TrayRecord& record);
};
