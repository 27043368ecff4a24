#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

namespace mossaline::testing {

/// Tasks handed to "the window's thread" by other threads, kept in a plain queue and run on
/// the test's own thread when the test says so: no event loop needed.
class PostedTasks {
public:
    /// Queues a task; any thread may call it.
    void post(std::function<void()> task)
    {
        {
            std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        posted_.notify_all();
    }

    /// Runs every task queued so far, on the calling thread; how many ran.
    std::size_t run_posted()
    {
        std::vector<std::function<void()>> tasks;
        {
            std::lock_guard lock(mutex_);
            tasks.swap(tasks_);
        }
        for (auto& task : tasks)
            task();
        return tasks.size();
    }

    /// Runs the tasks as they come until `done` holds; false when it still does not after `patience`.
    bool run_until(const std::function<bool()>& done, std::chrono::milliseconds patience)
    {
        const auto give_up = std::chrono::steady_clock::now() + patience;
        while (!done()) {
            {
                std::unique_lock lock(mutex_);
                if (!posted_.wait_until(lock, give_up, [this] { return !tasks_.empty(); }))
                    return false;
            }
            run_posted();
        }
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::vector<std::function<void()>> tasks_;
};

} // namespace mossaline::testing
