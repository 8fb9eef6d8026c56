// OLE on this thread for the life of the object: drops, drags, the shell's
// folder browser and the picture loader need it.
#pragma once

#include <ole2.h>

namespace skinwright::win32 {

class OleSession {
public:
    OleSession() : started_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession()
    {
        if (started_)
            OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool started_;
};

}  // namespace skinwright::win32
