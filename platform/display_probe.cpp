#include "platform/display_probe.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>

namespace platform {

namespace {

constexpr int kConnectTimeoutMs = 1000;  // a remote X server that does not answer in a second is gone
constexpr int kX11BasePort = 6000;       // TCP port of X display 0

bool ConnectUnix(const std::string& path, bool abstract)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof addr.sun_path) {
        ::close(fd);
        return false;
    }
    std::memcpy(addr.sun_path + offset, path.data(), path.size());
    const socklen_t len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() +
                                                 (abstract ? 0 : 1));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0;
    ::close(fd);
    return ok;
}

bool ConnectTcp(const std::string& host, int port)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    bool ok = false;
    for (addrinfo* a = found; a && !ok; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0)
            continue;
        if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
            ok = true;
        } else if (errno == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int err = 0;
            socklen_t errLen = sizeof err;
            ok = ::poll(&p, 1, kConnectTimeoutMs) == 1 &&
                 ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &errLen) == 0 && err == 0;
        }
        ::close(fd);
    }
    ::freeaddrinfo(found);
    return ok;
}

bool X11Reachable(const char* display)
{
    if (!display || !*display)
        return false;
    const std::string d(display);
    const size_t colon = d.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string host = d.substr(0, colon);
    const int number = std::atoi(d.c_str() + colon + 1);
    if (host.empty() || host == "unix") {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
        return ConnectUnix(path, true) || ConnectUnix(path, false);
    }
    return ConnectTcp(host, kX11BasePort + number);
}

bool WaylandReachable(const char* name)
{
    if (!name || !*name)
        return false;
    std::string path(name);
    if (path.front() != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (!runtime || !*runtime)
            return false;
        path = std::string(runtime) + "/" + path;
    }
    return ConnectUnix(path, false);
}

}  // namespace

bool DisplayAvailable()
{
    return X11Reachable(std::getenv("DISPLAY")) || WaylandReachable(std::getenv("WAYLAND_DISPLAY"));
}

}  // namespace platform
