#include "app/instance_guard.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

// An abstract-namespace socket: the kernel frees the name when the process ends, like the
// Windows event, and nothing is written to the file system.
InstanceGuard holdInstanceGuard(const char* name) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t nameLength = std::strlen(name);
    if (nameLength + 1 > sizeof address.sun_path) return InstanceGuard::Unavailable;
    std::memcpy(address.sun_path + 1, name, nameLength);  // sun_path[0] == 0: abstract

    const int socketFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socketFd < 0) return InstanceGuard::Unavailable;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + nameLength);
    if (bind(socketFd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        const int error = errno;
        close(socketFd);
        return error == EADDRINUSE ? InstanceGuard::HeldElsewhere : InstanceGuard::Unavailable;
    }
    // The descriptor stays open, unstored, until the process ends.
    return InstanceGuard::Held;
}
