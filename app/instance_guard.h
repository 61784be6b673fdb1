#pragma once

// A system-wide named token that keeps a second preview or switch-less instance from
// starting. It is released only when the process ends.
enum class InstanceGuard {
    Held,           // this process created it and keeps it
    HeldElsewhere,  // another process already holds it
    Unavailable,    // it could not be created for another reason
};

InstanceGuard holdInstanceGuard(const char* name);
