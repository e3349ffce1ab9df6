#pragma once

#include <component/Component.h>

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

// A component stand-in: records every call and answers from a script, so a
// test states what the user answered. The record outlives the instance,
// which the program may release.
class ScriptedComponent : public oc::Component
{
public:
    struct Call
    {
        QString operation; // lower-cased
        QVariantList args;
    };
    struct Record
    {
        QList<Call> calls;
        // Answers per lower-cased operation, taken in turn; 0 when none is left.
        QHash<QString, QList<QVariant>> answers;
        // Per lower-cased operation, taken in turn: what the call writes
        // back into its last argument (passed by reference).
        QHash<QString, QList<QVariant>> writtenBack;
        // Runs inside a call, before it answers (to look at the window then).
        std::function<void(const Call &)> during;
        QMutex lock;

        QList<Call> callsOf(const QString &operation) const
        {
            QList<Call> found;
            for (const Call &call : calls)
                if (call.operation == operation.toLower())
                    found.append(call);
            return found;
        }
    };

    explicit ScriptedComponent(std::shared_ptr<Record> record) : m_record(std::move(record)) {}

    // The program may call from a worker (the quick view's count) while the
    // window calls too: the record is only touched under its lock.
    QVariant invoke(QStringView operation, QVariantList &args) override
    {
        const Call call{operation.toString().toLower(), args};
        {
            QMutexLocker lock(&m_record->lock);
            m_record->calls.append(call);
        }
        if (m_record->during)
            m_record->during(call);
        QMutexLocker lock(&m_record->lock);
        if (QList<QVariant> &back = m_record->writtenBack[call.operation]; !back.isEmpty() && !args.isEmpty())
            args.last() = back.takeFirst();
        QList<QVariant> &queue = m_record->answers[call.operation];
        return queue.isEmpty() ? QVariant(0) : queue.takeFirst();
    }

private:
    std::shared_ptr<Record> m_record;
};
