#pragma once
// A colour-data file ("*.dat"): the picture values of one user colour mode
// of a monitor as one fixed 204-byte little-endian record. Export reads the
// record from a monitor, import checks it against a monitor and writes it
// back, rescaling the values whose range depends on the monitor. The file is
// the record's bytes in one piece, so the layout below is the file format.
#include "colour/ColorTables.h"
#include "device/FeatureAddress.h"
#include "framework/CString.h"
#include "framework/WinTypes.h"

#include <bit>
#include <cstddef>

class CHIDMonitor;

// One feature of the record.
struct ColorDataSlot {
    DWORD bPresent;   // 1 = read from the monitor at export
    short nValue;
    short nMax;       // the monitor's maximum at export
};

struct ColorDataRecord {
    static constexpr int SlotCount = 19;
    static constexpr UINT Size = 204;
    static constexpr int HeaderSize = 36;
    static constexpr int ModelSize = 10;

    // How a slot's value goes back onto a monitor.
    enum class Apply {
        Value,            // as stored
        Scaled,           // to the target's maximum
        ScaledWhenRead,   // scaled, and only when the target's value could be read
        FirstByte,        // byte 0 of the feature; byte 1 (a flag) is kept as read
    };
    struct SlotRule {
        FeatureAddress feature;
        DWORD dwMaskBit;
        Apply apply;
        bool bGain;   // applied only under the gain rule
    };
    static const SlotRule Slots[SlotCount];

    // Why an import is refused.
    enum class Check { Accepted, OtherProduct, OtherModel, NotUserMode, OtherMask };

    char szHeader[HeaderSize];
    char szModel[ModelSize];
    short nMode;
    DWORD dwFeatureMask;
    ColorDataSlot slots[SlotCount];

    // The product name of a registry key path: the last path part without
    // its last blank-separated word ("...\Talvex V1.0x" gives "Talvex");
    // empty when that part has no blank.
    static void ProductNameFromKey(CString& text);

    void Clear();
    // The NUL-terminated texts, read no further than their fields.
    CString Header() const;
    CString Model() const;
    // Cut to fit with their NUL.
    void SetHeader(LPCSTR text);
    void SetModel(LPCSTR text);

    // The record as the file holds it, and back. Only exactly one record's
    // bytes make a record: every file this product and its sibling write is
    // one, so a shorter file has lost values and a longer one is something
    // else; false then, with the record cut or the rest of it zero.
    void ToBytes(BYTE (&bytes)[Size]) const;
    bool FromBytes(const BYTE* bytes, UINT length);

    // Fills the record from the monitor the channel points at; false when
    // the file would never import or would not hold what the monitor has:
    // a model code that does not fit, a colour mode that cannot be read or
    // is no user mode, no value read, or a monitor that stopped answering
    // or left the mode during the reads.
    bool ReadFromMonitor(CHIDMonitor& channel, LPCSTR modelCode, const DWORD (&modeFeatures)[ColorModeCount]);
    // Whether the record may be imported onto a monitor of this model code
    // and these feature masks.
    Check CheckFor(const CString& modelCode, const DWORD (&modeFeatures)[ColorModeCount]) const;
    // Writes the record to the monitor the channel points at, in its mode
    // nMode, by that monitor's mask of the mode; ends with the commit.
    void ApplyTo(CHIDMonitor& channel, const DWORD (&modeFeatures)[ColorModeCount]) const;

    // The three gains are applied only beside the "off" temperature values.
    bool GainsApply() const;
    // value of recordMax rescaled to currentMax; false when the stored
    // value has no scale to take it from.
    static bool Scale(short value, short recordMax, WORD currentMax, WORD* scaled);

private:
    void ApplySlot(CHIDMonitor& channel, int index) const;
};

static_assert(std::endian::native == std::endian::little, "the record is written as it lies in memory");
static_assert(sizeof(ColorDataSlot) == 8, "a slot is 8 bytes");
static_assert(sizeof(ColorDataRecord) == ColorDataRecord::Size, "the record is 204 bytes");
static_assert(offsetof(ColorDataRecord, szModel) == 36);
static_assert(offsetof(ColorDataRecord, nMode) == 46);
static_assert(offsetof(ColorDataRecord, dwFeatureMask) == 48);
static_assert(offsetof(ColorDataRecord, slots) == 52);
