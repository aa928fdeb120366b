#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

struct pa_context;
struct pa_operation;
struct pa_threaded_mainloop;

namespace numbrook {

// The main thread's connection to the sound server: a threaded main loop for device lists,
// volumes and change events.
//
// Calls from the main thread lock the loop, start an operation and wait for it; the loop's
// callbacks copy what they need and signal the waiting thread, and change events are posted to
// the main thread as Qt signals. Callbacks never wait for the main thread. When the server
// cannot be reached, or goes away later, every wait ends at once with a failure, and a retry
// timer connects again when the server is back.
class PulseConnection : public QObject {
    Q_OBJECT
public:
    PulseConnection();
    ~PulseConnection() override;
    Q_DISABLE_COPY_MOVE(PulseConnection)

    // Connects and waits until the context is ready or failed; true when ready. Starts the
    // retry timer on failure.
    bool open();
    // Disconnects and stops retrying.
    void close();
    bool isReady() const;

    // The error code of the last failed call: the context's own error, or PA_ERR_CONNECTIONREFUSED
    // when there is no connection.
    int lastError() const { return lastError_; }

    // Runs `start` with the loop locked and waits until the operation it returns has ended (or
    // the connection failed). `start` passes callbacks that call signalLoop() of this
    // connection; use `userdata` structures that live on the caller's stack. False when there
    // is no connection, the operation could not be started, or the connection failed meanwhile.
    bool run(const std::function<pa_operation *(pa_context *)> &start);

    // For callbacks on the loop's thread: wakes the waiting main thread.
    void signalLoop() const;

Q_SIGNALS:
    // A source (capture device) changed, for example its volume. Main thread.
    void sourceChanged(quint32 index);
    // The connection was made again after a loss.
    void reconnected();

private:
    // The libpulse callbacks, which reach the private members.
    struct Callbacks;

    bool connectContext();
    void subscribe();
    void dropContext();
    void noticeLoss();

    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    QTimer retry_;
    int lastError_ = 0;
    bool wasLost_ = false;
};

} // namespace numbrook
