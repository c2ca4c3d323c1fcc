#include "device/DravoApi.h"

namespace {

const DravoApi libraryCalls = {
    KvFind, KvUpdate, KvRetrieve, KvRelease, KvGetFixedData,
    KvGetFeatureArray, KvSetFeatureArray, KvSetFeatureValue, KvReportON, KvReportOFF,
};

DravoApi activeCalls = libraryCalls;

} // namespace

const DravoApi& DravoApi::Active()
{
    return activeCalls;
}

const DravoApi& DravoApi::Library()
{
    return libraryCalls;
}

DravoApi DravoApi::Install(const DravoApi& api)
{
    DravoApi previous = activeCalls;
    activeCalls = api;
    return previous;
}
