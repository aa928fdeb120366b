#include "Snd_Tr_I.h"

#include "WorkerConnection.h"

#include "MainThreadCall.h"
#include "SndUtils.h"
#include "snd_dev_ds.h"

#include <QLoggingCategory>
#include <QMutexLocker>
#include <QPointer>
#include <cstdlib>
#include <exception>
#include <functional>
#include <optional>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

namespace numbrook {

namespace {

Q_LOGGING_CATEGORY(lcCapture, "numbrook.sound")

// The contexts of the capture errors, as the log shows them before the server's text.
QString openFailedContext() {
    return QStringLiteral("Could not open the input device: ");
}
QString closeFailedContext() {
    return QStringLiteral("Error closing input device: ");
}

// The longest the capture thread sleeps before it looks at a stop request again.
constexpr std::chrono::microseconds kWaitStep{10000};

int distanceFromSilence(quint8 sample) {
    return std::abs(int(sample) - kCaptureSilence);
}

// Runs `report` on the main thread and waits for it. An exception thrown there comes back as
// its message, so that the capture side reports it as its own caught error.
std::optional<QString> reportOnMainThread(const std::function<void()> &report) {
    std::optional<QString> failure;
    callOnMainThread([&] {
        try {
            report();
        } catch (const std::exception &error) {
            failure = QString::fromUtf8(error.what());
        } catch (...) {
            failure = QStringLiteral("Unknown error");
        }
    });
    return failure;
}

void onStreamReadable(pa_stream *stream, size_t, void *userdata) {
    auto *cutter = static_cast<CaptureBlockCutter *>(userdata);
    while (pa_stream_readable_size(stream) > 0) {
        const void *data = nullptr;
        size_t size = 0;
        if (pa_stream_peek(stream, &data, &size) < 0 || size == 0) {
            return;
        }
        // A hole (data lost by the server) carries no samples; it is skipped.
        if (data) {
            cutter->append(data, size);
        }
        pa_stream_drop(stream);
    }
}

// The capture's own connection, with the cutter its read callback fills.
struct CaptureConnection : WorkerConnection {
    CaptureBlockCutter cutter;

    int contextError() const { return context ? contextErrno() : int(PA_ERR_INTERNAL); }
};

enum class OpenResult { Opened, Failed, Cancelled };

} // namespace

int MicLevel(std::span<const quint8> samples) {
    int level = 0;
    for (quint8 sample : samples) {
        level = std::max(level, distanceFromSilence(sample));
    }
    return level;
}

bool HasRisingCrossing(std::span<const quint8> samples, int threshold) {
    for (std::size_t j = 1; j < samples.size(); ++j) {
        if (distanceFromSilence(samples[j - 1]) < threshold &&
            distanceFromSilence(samples[j]) >= threshold) {
            return true;
        }
    }
    return false;
}

void CaptureBlockCutter::append(const void *data, std::size_t size) {
    // Drop what has been taken before the waiting bytes grow, so the buffer stays small.
    if (readPos > 0) {
        pending.remove(0, readPos);
        readPos = 0;
    }
    pending.append(static_cast<const char *>(data), qsizetype(size));
}

bool CaptureBlockCutter::takeBlock(std::array<quint8, kCaptureBufferBytes> &block) {
    if (pending.size() - readPos < kCaptureBufferBytes) {
        return false;
    }
    std::copy_n(pending.constData() + readPos, kCaptureBufferBytes, block.begin());
    readPos += kCaptureBufferBytes;
    return true;
}

std::atomic<int> &TriggerThreshold(int objectNumber) {
    static std::atomic<int> thresholds[kLastSoundObject + 1]{
        kDefaultTriggerThreshold, kDefaultTriggerThreshold, kDefaultTriggerThreshold,
        kDefaultTriggerThreshold, kDefaultTriggerThreshold};
    // An object number outside 1..4 gets a threshold of its own that never fires.
    static std::atomic<int> outside{0};
    if (objectNumber < kFirstSoundObject || objectNumber > kLastSoundObject) {
        return outside;
    }
    return thresholds[objectNumber];
}

CaptureReports &CaptureReports::instance() {
    static CaptureReports reports;
    return reports;
}

TWIThread::TWIThread(int objectNumber, int deviceId, const QString &sourceName)
    : objectNumber_(objectNumber), deviceId_(deviceId), sourceName_(sourceName) {
    setObjectName(QStringLiteral("capture %1").arg(objectNumber));
}

TWIThread::~TWIThread() {
    CaptureRegistry::instance().registry.release(this);
}

void TWIThread::run() {
    // Everything the thread does is inside one guard: nothing may escape a thread.
    try {
        CaptureConnection pulse;
        std::array<quint8, kCaptureBufferBytes> block{};

        auto open = [&]() -> OpenResult {
            switch (pulse.connect("Numbrook capture", kWaitStep, *this)) {
            case WorkerConnection::Connect::Ready:
                break;
            case WorkerConnection::Connect::Failed:
                return OpenResult::Failed;
            case WorkerConnection::Connect::Cancelled:
                return OpenResult::Cancelled;
            }
            const pa_sample_spec format{PA_SAMPLE_U8, kCaptureSampleRate, 1};
            pulse.stream = pa_stream_new(pulse.context, "Microphone", &format, nullptr);
            if (!pulse.stream) {
                return OpenResult::Failed;
            }
            pa_stream_set_read_callback(pulse.stream, onStreamReadable, &pulse.cutter);
            // Left to itself the server grants about two seconds and delivers in bursts.
            pa_buffer_attr wanted;
            wanted.maxlength = std::uint32_t(-1);
            wanted.tlength = std::uint32_t(-1);
            wanted.prebuf = std::uint32_t(-1);
            wanted.minreq = std::uint32_t(-1);
            wanted.fragsize = kCaptureBufferBytes;
            // A capture belongs to the device the user chose: when it goes, the stream fails
            // instead of moving to another microphone.
            const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
            const QByteArray source = sourceName_.toUtf8();
            if (pa_stream_connect_record(pulse.stream, source.constData(), &wanted, flags) < 0) {
                return OpenResult::Failed;
            }
            for (;;) {
                const pa_stream_state_t state = pa_stream_get_state(pulse.stream);
                if (state == PA_STREAM_READY) {
                    break;
                }
                if (!PA_STREAM_IS_GOOD(state) || !pulse.iterate(kWaitStep)) {
                    return OpenResult::Failed;
                }
                if (isInterruptionRequested()) {
                    return OpenResult::Cancelled;
                }
            }
            const pa_buffer_attr *granted = pa_stream_get_buffer_attr(pulse.stream);
            if (granted && granted->fragsize > std::uint32_t(kCaptureBufferBytes)) {
                qCWarning(lcCapture).nospace()
                    << "capture of object " << objectNumber_ << " on " << sourceName_
                    << ": the server granted fragments of " << granted->fragsize
                    << " bytes instead of " << kCaptureBufferBytes;
            }
            return OpenResult::Opened;
        };

        // The level, the level report, the crossing scan with the threshold of this moment and
        // the trigger report, for one block.
        auto processBlock = [&] {
            try {
                const int level = MicLevel(block);
                lastLevel_.store(level);
                std::optional<QString> failure = reportOnMainThread(
                    [&] { Q_EMIT CaptureReports::instance().levelReport(deviceId_, level); });
                if (!failure && HasRisingCrossing(block, TriggerThreshold(objectNumber_).load())) {
                    failure = reportOnMainThread(
                        [&] { Q_EMIT CaptureReports::instance().triggerReport(objectNumber_); });
                }
                if (failure) {
                    ReportSoundError(kCaughtError, *failure, false);
                }
            } catch (const std::exception &error) {
                ReportSoundError(kCaughtError, QString::fromUtf8(error.what()), false);
            }
        };

        // An empty name names no device; it must not fall back to the server's default source.
        const OpenResult opened = sourceName_.isEmpty() ? OpenResult::Failed : open();
        if (opened == OpenResult::Failed) {
            const int code = sourceName_.isEmpty() ? int(PA_ERR_NOENTITY) : pulse.contextError();
            ReportSoundError(code, openFailedContext(), false);
        } else {
            bool stalled = false;
            while (opened == OpenResult::Opened && !isInterruptionRequested()) {
                if (stalled) {
                    // A failed stream delivers nothing more; the thread waits to be stopped.
                    QThread::usleep(kWaitStep.count());
                    continue;
                }
                const bool loopWorks = pulse.iterate(kWaitStep);
                while (!isInterruptionRequested() && pulse.cutter.takeBlock(block)) {
                    processBlock();
                }
                if (!loopWorks || pulse.broken()) {
                    stalled = true;
                    ReportSoundError(pulse.contextError(), openFailedContext(), false);
                }
            }
            // The level bar drops to 0 when the capture ends.
            lastLevel_.store(0);
            reportOnMainThread(
                [this] { Q_EMIT CaptureReports::instance().levelReport(deviceId_, 0); });
            if (pulse.stream && pa_stream_get_state(pulse.stream) == PA_STREAM_READY &&
                pa_stream_disconnect(pulse.stream) < 0) {
                ReportSoundError(pulse.contextError(), closeFailedContext(), false);
            }
        }
    } catch (const std::exception &error) {
        ReportSoundError(kCaughtError, QString::fromUtf8(error.what()), false);
    } catch (...) {
        ReportSoundError(kCaughtError, QStringLiteral("Unknown error"), false);
    }
    CaptureRegistry::instance().registry.remove(this);
}

CaptureRegistry &CaptureRegistry::instance() {
    static CaptureRegistry registry;
    return registry;
}

bool CaptureRegistry::start(int objectNumber, int deviceId, const QString &sourceName) {
    if (objectNumber < kFirstSoundObject || objectNumber > kLastSoundObject) {
        return false;
    }
    return registry.addUnlessRunning(
        objectNumber, [&] { return new TWIThread(objectNumber, deviceId, sourceName); });
}

bool CaptureRegistry::running(int objectNumber) const {
    return registry.running(objectNumber);
}

void CaptureRegistry::stop(int objectNumber) {
    registry.stop(objectNumber);
}

int CaptureRegistry::count() const {
    return registry.count();
}

void CaptureRegistry::stopAll() {
    registry.stopAll();
}

bool StartCapture(int objectNumber, int deviceId) {
    return CaptureRegistry::instance().start(objectNumber, deviceId, InputServerName(deviceId));
}

} // namespace numbrook
