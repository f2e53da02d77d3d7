// The local time of saving a record file, as the system keeps it.

#include <windows.h>

#include "platform/SystemServices.h"

namespace tessary {

SavingTime localSavingTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth,  now.wDayOfWeek, now.wDay,
            now.wHour, now.wMinute, now.wSecond,    now.wMilliseconds};
}

}  // namespace tessary
