#pragma once
// Moves a monitor's picture values between the monitor and a CMonitorColor
// record, through a channel the caller has already pointed at the monitor.
// Every exchange is two bytes; overdrive and text enhancer keep byte 0 as
// their value and byte 1 as their flag, and are written with byte 1 zero.
// Write results are not reported: a monitor that refuses a value keeps its
// own, and the caller has nothing better to do about it.
#include "device/CHIDMonitor.h"
#include "device/CMonitorColor.h"

class ColorStatusTransfer {
public:
    explicit ColorStatusTransfer(CHIDMonitor& channel);

    // The feature-mask bit that allows a slot to be adjusted; 0 for the mode.
    static DWORD MaskBitOf(ColorSlot slot);

    // Every slot, the mode first. A failed read leaves its slot invalid with
    // value and maximum 0.
    void ReadAll(CMonitorColor& record);
    // The picture values a reset returns to their defaults: neither the mode
    // nor the five enhancement functions.
    void ReadPictureValues(CMonitorColor& record);

    // Writes the record back: the mode when it is valid, every other valid
    // slot the mask allows. The gains go only with a temperature of 0 or 15,
    // and only where the monitor's own gain differs.
    void Restore(const CMonitorColor& record, DWORD mask);
    // Writes only the valid, allowed slots whose value differs from what the
    // monitor answers now (a slot the monitor does not answer is left
    // alone); the gains only with a temperature of 0 or 15. Full adds the
    // mode (unread) and the five enhancement functions.
    void Apply(const CMonitorColor& source, DWORD mask, bool full);

    bool Commit();
    bool Reset();

private:
    struct Step;
    static const Step s_writeOrder[];

    void ReadSlot(CMonitorColor& record, ColorSlot slot);
    bool ReadWord(ColorSlot slot, WORD* value);
    bool WriteSlot(const CMonitorColor& record, ColorSlot slot);
    void WriteIfDifferent(const CMonitorColor& record, ColorSlot slot);
    static bool Allowed(const CMonitorColor& record, const Step& step, DWORD mask);
    static bool GainsGo(const CMonitorColor& record);

    CHIDMonitor& m_channel;
};
