#pragma once

#include <QString>
#include <stdexcept>

namespace oc {

// A failure to create a component or to call one of its operations.
class ComponentError : public std::runtime_error
{
public:
    explicit ComponentError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}

    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace oc
