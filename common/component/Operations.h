#pragma once

#include "Component.h"
#include "ComponentError.h"

#include <QMetaType>
#include <functional>
#include <initializer_list>
#include <limits>
#include <type_traits>
#include <utility>
#include <vector>

namespace oc {

namespace detail {

template <class T>
T argumentAs(const QVariantList &args, qsizetype index, QStringView operation)
{
    if (index >= args.size())
        throw ComponentError(QStringLiteral("Operacja \"%1\": za mało argumentów").arg(operation));
    QVariant value = args.at(index);
    if constexpr (std::is_same_v<T, QVariant>) {
        return value;
    } else {
        // The conversion itself would wrap a number that does not fit (260 to
        // the byte 4) and go on with a value nobody passed.
        if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool> && sizeof(T) < sizeof(qlonglong)) {
            bool ok = false;
            const qlonglong wide = value.toLongLong(&ok);
            if (ok
                && (wide < qlonglong(std::numeric_limits<T>::min()) || wide > qlonglong(std::numeric_limits<T>::max())))
                throw ComponentError(
                    QStringLiteral("Operacja \"%1\": argument %2 poza zakresem").arg(operation).arg(index + 1));
        }
        if (!value.convert(QMetaType::fromType<T>()))
            throw ComponentError(
                QStringLiteral("Operacja \"%1\": argument %2 ma zły typ").arg(operation).arg(index + 1));
        return value.value<T>();
    }
}

template <class A>
constexpr bool writesBack = std::is_lvalue_reference_v<A> && !std::is_const_v<std::remove_reference_t<A>>;

} // namespace detail

// Binds operation names to member functions of C with typed parameters, so a
// component reads like its table of operations. Non-const reference
// parameters are written back into the caller's argument list.
template <class C>
class Operations
{
public:
    using Thunk = std::function<QVariant(C &, QVariantList &, QStringView)>;

    struct Entry
    {
        template <class R, class... A>
        Entry(const char *operationName, R (C::*function)(A...))
            : name(QString::fromUtf8(operationName)), thunk(bind(function, std::index_sequence_for<A...>{}))
        {}

        QString name;
        Thunk thunk;
    };

    Operations(std::initializer_list<Entry> entries) : m_entries(entries) {}

    QVariant invoke(C &self, QStringView operation, QVariantList &args) const
    {
        for (const Entry &entry : m_entries)
            if (entry.name.compare(operation, Qt::CaseInsensitive) == 0)
                return entry.thunk(self, args, operation);
        throw ComponentError(QStringLiteral("Nieznana operacja \"%1\"").arg(operation));
    }

private:
    template <class R, class... A, std::size_t... I>
    static Thunk bind(R (C::*function)(A...), std::index_sequence<I...>)
    {
        return [function](C &self, QVariantList &args, [[maybe_unused]] QStringView operation) -> QVariant {
            std::tuple<std::decay_t<A>...> values{detail::argumentAs<std::decay_t<A>>(args, I, operation)...};
            QVariant result;
            if constexpr (std::is_void_v<R>)
                (self.*function)(std::get<I>(values)...);
            else
                result = QVariant::fromValue((self.*function)(std::get<I>(values)...));
            ((detail::writesBack<A> ? void(args[I] = QVariant::fromValue(std::get<I>(values))) : void()), ...);
            return result;
        };
    }

    std::vector<Entry> m_entries;
};

} // namespace oc
