#include "Descriptor.h"

#include <unistd.h>

namespace oc::platform {

Deskryptor &Deskryptor::operator=(Deskryptor &&inny) noexcept
{
    if (this != &inny) {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = std::exchange(inny.m_fd, -1);
    }
    return *this;
}

Deskryptor::~Deskryptor()
{
    if (m_fd >= 0)
        close(m_fd);
}

} // namespace oc::platform
