#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

namespace oc::platform {

// How many threads the engines spread a tree over: OC_WORKERS when set
// (tests and benchmarks pin it), else the number of cores, at least two.
int defaultWorkers();
// For work that waits on the disk or the file system's journal besides
// computing (removing entries, writing files): OC_WORKERS when set, else
// twice defaultWorkers, so that the cores stay busy while some threads wait.
int waitingWorkers();

// Runs body(0 .. count-1) at once, body(0) on the calling thread; returns
// when all have returned. One worker runs on the calling thread alone.
void runWorkers(int count, const std::function<void(int worker)> &body);

// Tasks shared by a pool of workers, each of which may add more while it
// works. Taken last in, first out, so that a tree is worked through depth
// first and the tasks waiting stay few.
template <class Task>
class WorkQueue
{
public:
    void add(Task task)
    {
        {
            std::lock_guard lock(m_mutex);
            m_tasks.push_back(std::move(task));
        }
        m_wake.notify_one();
    }

    // Waits for a task; false once none is left and no worker holds one
    // (it could add more). Every task taken is answered with done().
    bool take(Task &task)
    {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return !m_tasks.empty() || m_busy == 0; });
        if (m_tasks.empty())
            return false;
        task = std::move(m_tasks.back());
        m_tasks.pop_back();
        ++m_busy;
        return true;
    }

    void done()
    {
        bool last = false;
        {
            std::lock_guard lock(m_mutex);
            last = --m_busy == 0 && m_tasks.empty();
        }
        if (last)
            m_wake.notify_all();
    }

    // Drops the tasks not taken yet (a stopped run).
    void clear()
    {
        std::lock_guard lock(m_mutex);
        m_tasks.clear();
    }

    // Takes and runs tasks until none is left.
    template <class Body>
    void work(Body &&body)
    {
        Task task;
        while (take(task)) {
            body(task);
            done();
        }
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Task> m_tasks;
    int m_busy = 0;
};

} // namespace oc::platform
