#pragma once

#include <QFuture>
#include <QPromise>
#include <QThreadPool>

#include <memory>
#include <utility>

namespace tarvanel {

// Runs `job` on Qt's global thread pool; its result comes through the future.
// (QtConcurrent::run does the same, but would load one more library when the
// program starts, map or no map.)
template <typename Job> auto offThread(Job job) -> QFuture<decltype(job())> {
    using Result = decltype(job());
    auto promise = std::make_shared<QPromise<Result>>();
    QFuture<Result> future = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, job = std::move(job)]() mutable {
        promise->addResult(job());
        promise->finish();
    });
    return future;
}

} // namespace tarvanel
