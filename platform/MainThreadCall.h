#pragma once

#include <QThread>
#include <functional>

namespace numbrook {

// Synchronous calls from worker threads into the main (GUI) thread.
//
// A worker hands a function to callOnMainThread() and waits until the main thread has run it,
// as a window message sent from a worker is handled before the sender goes on. The main thread
// never deadlocks against such a worker: when it waits for a worker to end it uses
// waitForThread(), which keeps carrying out the calls that workers queue meanwhile. After
// shutDownMainThreadCalls() every further call is dropped at once (and reported as not run), so
// a worker that outlives the windows can never block on them.
//
// Called on the main thread itself, callOnMainThread() runs the function directly.
bool callOnMainThread(const std::function<void()> &function);

// Waits until `thread` has finished, carrying out pending main-thread calls meanwhile. Call it
// on the main thread only. Returns false when the thread did not finish within `timeoutMs`
// (negative: no limit).
bool waitForThread(QThread *thread, int timeoutMs = -1);

// Carries out every call queued so far (main thread only).
void runPendingMainThreadCalls();

// From now on calls are dropped instead of carried out; waiting workers are released.
void shutDownMainThreadCalls();

// Undoes shutDownMainThreadCalls() (tests that build and tear down windows repeatedly).
void restartMainThreadCalls();

} // namespace numbrook
