#pragma once

#include <QStringView>
#include <QVariant>
#include <memory>

namespace oc {

// An object served by a component library and driven by operation names.
class Component
{
public:
    virtual ~Component() = default;

    // Runs the named operation (any letter case). Arguments passed by
    // reference are written back into args. Throws ComponentError for an
    // unknown operation or unusable arguments.
    virtual QVariant invoke(QStringView operation, QVariantList &args) = 0;

    template <class... A>
    QVariant call(QStringView operation, A &&...values)
    {
        QVariantList args{QVariant::fromValue(std::forward<A>(values))...};
        return invoke(operation, args);
    }
};

using ComponentPtr = std::unique_ptr<Component>;

} // namespace oc
