#pragma once

#include <utility>

namespace oc::platform {

// An open descriptor, closed with its owner; -1 when nothing is open.
class Deskryptor
{
public:
    Deskryptor() = default;
    explicit Deskryptor(int fd) : m_fd(fd) {}
    Deskryptor(Deskryptor &&inny) noexcept : m_fd(std::exchange(inny.m_fd, -1)) {}
    Deskryptor &operator=(Deskryptor &&inny) noexcept;
    ~Deskryptor();

    int fd() const { return m_fd; }
    bool otwarty() const { return m_fd >= 0; }
    // It was handed to what closes it now (a directory stream).
    void oddaj() { m_fd = -1; }

private:
    int m_fd = -1;
};

} // namespace oc::platform
