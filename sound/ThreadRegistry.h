// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "MainThreadCalls.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <algorithm>

namespace numbrook {

// The running worker threads of one kind (capture or playback), behind one lock. `Thread` is a
// QThread with objectNumber(). A thread is registered from its start until it leaves with
// remove() just before its run ends; the thread object itself is deleted on the main thread
// once it has finished, and calls release() from its destructor.
template <typename Thread> class ThreadRegistry {
public:
    // `calls` carries out the threads' reports while stopAll() waits for them.
    explicit ThreadRegistry(MainThreadCalls &calls) : calls_(calls) {}
    Q_DISABLE_COPY_MOVE(ThreadRegistry)

    // Registers and starts a thread; nobody keeps a finished one: it goes as soon as the main
    // loop sees it end.
    void add(Thread *thread) {
        QMutexLocker lock(&mutex);
        startLocked(thread);
    }

    // Registers and starts the thread `make()` creates, unless a thread of the object is
    // registered; the check and the registration are one step under the lock.
    template <typename Make> bool addUnlessRunning(int objectNumber, Make make) {
        QMutexLocker lock(&mutex);
        if (runningLocked(objectNumber)) {
            return false;
        }
        startLocked(make());
        return true;
    }

    // True while a thread of the object is registered.
    bool running(int objectNumber) const {
        QMutexLocker lock(&mutex);
        return runningLocked(objectNumber);
    }

    // Asks every thread of the object to end; does not wait.
    void stop(int objectNumber) {
        QMutexLocker lock(&mutex);
        interruptLocked(threads, ofObject(objectNumber));
    }

    // True while a thread of the object for which `match` holds is registered.
    template <typename Match> bool runningWhere(int objectNumber, Match match) const {
        QMutexLocker lock(&mutex);
        return std::any_of(threads.cbegin(), threads.cend(), [&](const Thread *t) {
            return t->objectNumber() == objectNumber && match(*t);
        });
    }

    // Asks every thread of the object to end and waits for them, carrying out their last
    // reports meanwhile; afterwards a new thread of the object can start. Main thread only.
    void finish(int objectNumber) {
        QList<QPointer<Thread>> ending;
        {
            QMutexLocker lock(&mutex);
            ending = interruptLocked(threads, ofObject(objectNumber));
        }
        waitFor(ending);
    }

    // Number of registered threads.
    int count() const {
        QMutexLocker lock(&mutex);
        return int(threads.size());
    }

    // Stops every thread and waits for them on the main thread, carrying out their last
    // reports meanwhile, then releases the thread objects. Main thread only.
    void stopAll() {
        QList<QPointer<Thread>> ending;
        {
            QMutexLocker lock(&mutex);
            ending = interruptLocked(objects, [](const Thread *) { return true; });
        }
        waitFor(ending);
        // The threads have ended; release them now rather than leave them to a main loop that
        // may not run again. Deleting a thread object also drops its pending deferred deletion.
        for (const QPointer<Thread> &thread : std::as_const(ending)) {
            delete thread.data();
        }
    }

    // The thread's run is ending.
    void remove(Thread *thread) {
        QMutexLocker lock(&mutex);
        threads.removeOne(thread);
    }

    // The thread object is being deleted.
    void release(Thread *thread) {
        QMutexLocker lock(&mutex);
        threads.removeOne(thread);
        objects.removeOne(thread);
    }

private:
    static auto ofObject(int objectNumber) {
        return [objectNumber](const Thread *t) { return t->objectNumber() == objectNumber; };
    }

    // Asks the threads of `list` for which `match` holds to end; returns them. Under the lock.
    template <typename Match>
    static QList<QPointer<Thread>> interruptLocked(const QList<Thread *> &list, Match match) {
        QList<QPointer<Thread>> ending;
        for (Thread *thread : list) {
            if (match(thread)) {
                thread->requestInterruption();
                // A thread that waits without a time limit is woken to see the request.
                if constexpr (requires { thread->wakeForStop(); }) {
                    thread->wakeForStop();
                }
                ending.append(thread);
            }
        }
        return ending;
    }

    // Waits for each thread that still exists, carrying out the threads' reports meanwhile.
    void waitFor(const QList<QPointer<Thread>> &ending) {
        for (const QPointer<Thread> &thread : ending) {
            if (thread) {
                calls_.waitForThread(thread);
            }
        }
    }

    void startLocked(Thread *thread) {
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        threads.append(thread);
        objects.append(thread);
        thread->start();
    }

    bool runningLocked(int objectNumber) const {
        return std::any_of(threads.cbegin(), threads.cend(), ofObject(objectNumber));
    }

    MainThreadCalls &calls_;
    mutable QMutex mutex;
    // Threads whose run has not yet ended, in order of start.
    QList<Thread *> threads;
    // Thread objects not yet deleted.
    QList<Thread *> objects;
};

} // namespace numbrook
