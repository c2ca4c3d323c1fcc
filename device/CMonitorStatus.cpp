#include "device/CMonitorStatus.h"

#include <cstring>

CMonitorStatus::CMonitorStatus()
{
    std::memset(&m_Caps, 0, sizeof m_Caps);
}

CMonitorStatus::~CMonitorStatus()
{
}
