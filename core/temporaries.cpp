#include "temporaries.h"

#include <algorithm>

#include "replacing_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace skinwright {

Temporaries& Temporaries::Instance()
{
    static Temporaries temporaries;
    return temporaries;
}

int Temporaries::Hold(const std::filesystem::path& path)
{
    const auto& native = path.native();
    if (native.size() >= kPathLength)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slots_[static_cast<std::size_t>(i)];
        bool expected = false;
        if (!slot.claimed.compare_exchange_strong(expected, true))
            continue;
        std::copy(native.begin(), native.end(), slot.path.begin());
        slot.path[native.size()] = 0;
        slot.held.store(true);
        return i;
    }
    return -1;
}

void Temporaries::Release(int index)
{
    if (index < 0)
        return;
    Slot& slot = slots_[static_cast<std::size_t>(index)];
    slot.held.store(false);
    slot.claimed.store(false);
}

void Temporaries::RemoveAll()
{
    for (Slot& slot : slots_)
        if (slot.held.exchange(false)) {
#ifdef _WIN32
            DeleteFileW(slot.path.data());
#else
            ::unlink(slot.path.data());
#endif
        }
}

void RemoveTemporariesNow()
{
    Temporaries::Instance().RemoveAll();
}

}  // namespace skinwright
