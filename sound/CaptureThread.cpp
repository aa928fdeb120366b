// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "CaptureThread.h"

#include "DeviceCatalogue.h"
#include "SoundEngine.h"
#include "SoundErrors.h"
#include "SoundLog.h"
#include "WorkerConnection.h"

#include <cstdlib>
#include <pulse/error.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>

namespace numbrook {

namespace {

// The contexts of the capture errors, as the log shows them before the server's text.
QString openFailedContext() {
    return QStringLiteral("Could not open the input device: ");
}
QString closeFailedContext() {
    return QStringLiteral("Error closing input device: ");
}

int distanceFromSilence(quint8 sample) {
    return std::abs(int(sample) - kCaptureSilence);
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

} // namespace

// A capture thread's record stream on its own connection: opened, pumped block by block, and
// closed; the connection and the stream go when it goes.
class CaptureStream {
public:
    enum class Open { Opened, Failed, Cancelled };
    using Block = std::array<quint8, kCaptureBufferBytes>;

    // `waker` ends the stream's waits for the server when the thread is asked to stop.
    CaptureStream(const QThread &thread, const QString &sourceName, const StopWaker &waker)
        : thread_(thread), sourceName_(sourceName), pulse_(&waker) {}

    // Connects and opens the record stream on the source. An empty name names no device; it
    // must not fall back to the server's default source.
    Open open() {
        if (sourceName_.isEmpty()) {
            return Open::Failed;
        }
        switch (pulse_.connect("Numbrook capture", kNoTimeLimit, thread_)) {
        case WorkerConnection::Connect::Ready:
            return connectRecord() ? waitReady() : Open::Failed;
        case WorkerConnection::Connect::Failed:
            return Open::Failed;
        case WorkerConnection::Connect::Cancelled:
            break;
        }
        return Open::Cancelled;
    }

    // Waits for the server (or a stop request) and hands each whole block that arrived to
    // `process`; false once the stream or the connection has failed.
    template <typename Process> bool pump(Process process) {
        const bool loopWorks = pulse_.iterate(kNoTimeLimit);
        while (!thread_.isInterruptionRequested() && cutter_.takeBlock(block_)) {
            process(std::span<const quint8>(block_));
        }
        return loopWorks && !pulse_.broken();
    }

    // Disconnects a stream that is still open; false when that failed.
    bool close() {
        return !pulse_.stream || pa_stream_get_state(pulse_.stream) != PA_STREAM_READY ||
               pa_stream_disconnect(pulse_.stream) >= 0;
    }

    // The error code of the last failure.
    int error() const {
        if (sourceName_.isEmpty()) {
            return PA_ERR_NOENTITY;
        }
        return pulse_.context ? pulse_.contextErrno() : int(PA_ERR_INTERNAL);
    }

    // The fragment size the server granted, when it is larger than a block.
    std::uint32_t oversizedFragment() const {
        const pa_buffer_attr *granted = pa_stream_get_buffer_attr(pulse_.stream);
        return granted && granted->fragsize > std::uint32_t(kCaptureBufferBytes) ? granted->fragsize
                                                                                 : 0;
    }

private:
    bool connectRecord() {
        const pa_sample_spec format{PA_SAMPLE_U8, kCaptureSampleRate, 1};
        // On PipeWire the graph's cycle follows the fragment size: 512 bytes give cycles of
        // 1024 frames at 48 kHz (21 ms), which deliver 470 bytes each, so a clap waits up to a
        // cycle in the source and up to a fragment more until 512 bytes have gathered (p99
        // 56 ms). Cycles of 128 frames (2.7 ms) let each fragment leave as soon as it is whole
        // (p99 16 ms, as on PulseAudio) with the same 43 fragments a second to this thread; 256
        // frames still left 35 ms. PulseAudio ignores the property.
        pa_proplist *properties = pa_proplist_new();
        pa_proplist_sets(properties, "node.force-quantum", "128");
        pulse_.stream =
            pa_stream_new_with_proplist(pulse_.context, "Microphone", &format, nullptr, properties);
        pa_proplist_free(properties);
        if (!pulse_.stream) {
            return false;
        }
        pa_stream_set_read_callback(pulse_.stream, onStreamReadable, &cutter_);
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
        return pa_stream_connect_record(pulse_.stream, source.constData(), &wanted, flags) >= 0;
    }

    Open waitReady() {
        for (;;) {
            const pa_stream_state_t state = pa_stream_get_state(pulse_.stream);
            if (state == PA_STREAM_READY) {
                return Open::Opened;
            }
            if (!PA_STREAM_IS_GOOD(state) || !pulse_.iterate(kNoTimeLimit)) {
                return Open::Failed;
            }
            if (thread_.isInterruptionRequested()) {
                return Open::Cancelled;
            }
        }
    }

    const QThread &thread_;
    const QString sourceName_;
    // The cutter outlives the connection whose read callback fills it.
    CaptureBlockCutter cutter_;
    WorkerConnection pulse_;
    Block block_{};
};

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

CaptureThread::CaptureThread(SoundEngine &engine, int objectNumber, int deviceId,
                             const QString &sourceName)
    : engine_(engine), objectNumber_(objectNumber), deviceId_(deviceId), sourceName_(sourceName) {
    setObjectName(QStringLiteral("capture %1").arg(objectNumber));
}

CaptureThread::~CaptureThread() {
    engine_.captures.release(this);
}

void CaptureThread::run() {
    engine_.errors.runGuarded([this] { capture(); }, false);
    // The one way out.
    engine_.captures.remove(this);
}

void CaptureThread::capture() {
    CaptureStream stream(*this, sourceName_, stopWaker_);
    const CaptureStream::Open opened = stream.open();
    if (opened == CaptureStream::Open::Failed) {
        reportError(stream.error(), openFailedContext());
        return;
    }
    if (opened == CaptureStream::Open::Opened) {
        if (const std::uint32_t fragment = stream.oversizedFragment()) {
            qCWarning(lcSound).nospace() << "capture of object " << objectNumber_ << " on "
                                         << sourceName_ << ": the server granted fragments of "
                                         << fragment << " bytes instead of " << kCaptureBufferBytes;
        }
        pumpUntilStopped(stream);
    }
    // The level bar drops to 0 when the capture ends.
    lastLevel_.store(0);
    reportLevel(0);
    if (!stream.close()) {
        reportError(stream.error(), closeFailedContext());
    }
}

void CaptureThread::pumpUntilStopped(CaptureStream &stream) {
    while (!isInterruptionRequested()) {
        if (!stream.pump([this](std::span<const quint8> block) { processBlock(block); })) {
            // A failed stream (its device or the server went away) delivers nothing more: the
            // capture ends and leaves the registry, so that a new one can start later.
            reportError(stream.error(), openFailedContext());
            return;
        }
    }
}

// The level, the level report, the crossing scan (or the clap detector) with the threshold of
// this moment and the trigger report, for one block.
void CaptureThread::processBlock(std::span<const quint8> block) {
    const int level = MicLevel(block);
    lastLevel_.store(level);
    const int threshold = engine_.captures.TriggerThreshold(objectNumber_).load();
    const bool clapsOnly = engine_.captures.ClapsOnly(objectNumber_).load();
    if (clapsOnly && !listeningForClaps_) {
        clapDetector_.reset();
    }
    listeningForClaps_ = clapsOnly;
    // The detector hears every block, also when the level report fails, so that its background
    // and its candidates stay in step with the sound.
    const int decidedBefore = clapDetector_.candidatesDecided();
    const bool clap = clapsOnly && clapDetector_.process(block, threshold);
    if (clapDetector_.candidatesDecided() != decidedBefore) {
        logClapCandidate(clapDetector_.candidatesDecided() - decidedBefore);
    }
    if (reportLevel(level) && (clapsOnly ? clap : HasRisingCrossing(block, threshold))) {
        engine_.reports.deliver([&] { Q_EMIT engine_.captureReports.triggerReport(objectNumber_); },
                                false);
    }
}

// The last candidate of a block in which `decided` were judged, when the claps log is on.
void CaptureThread::logClapCandidate(int decided) const {
    if (!lcClaps().isDebugEnabled()) {
        return;
    }
    const ClapFeatures &f = *clapDetector_.lastCandidate();
    qCDebug(lcClaps,
            "%d judged, last %s: background %d, before %.1f, loudest ms %.1f, early %.1f, "
            "late %.1f, sharpness %.3f, periodicity %.2f, burst %d ms",
            decided, clapDetector_.lastWasClap() ? "a clap" : "no clap", clapDetector_.background(),
            f.before, f.loudestMs, f.early, f.late, f.sharpness, f.periodicity, f.burstMs);
}

bool CaptureThread::reportLevel(int level) {
    return engine_.reports.deliver(
        [&] { Q_EMIT engine_.captureReports.levelReport(deviceId_, level); }, false);
}

void CaptureThread::reportError(int code, const QString &context) {
    engine_.errors.ReportSoundError(code, context, false);
}

CaptureRegistry::CaptureRegistry(SoundEngine &engine)
    : ThreadRegistry(engine.mainThreadCalls), engine_(engine) {
    for (std::atomic<int> &threshold : thresholds_) {
        threshold.store(kDefaultTriggerThreshold);
    }
}

std::atomic<int> &CaptureRegistry::TriggerThreshold(int objectNumber) {
    if (!IsSoundObject(objectNumber)) {
        return outsideThreshold_;
    }
    return thresholds_[objectNumber];
}

std::atomic<bool> &CaptureRegistry::ClapsOnly(int objectNumber) {
    if (!IsSoundObject(objectNumber)) {
        return outsideClapsOnly_;
    }
    return clapsOnly_[objectNumber];
}

bool CaptureRegistry::start(int objectNumber, int deviceId, const QString &sourceName) {
    if (!IsSoundObject(objectNumber)) {
        return false;
    }
    return addUnlessRunning(objectNumber, [&] {
        return new CaptureThread(engine_, objectNumber, deviceId, sourceName);
    });
}

bool CaptureRegistry::StartCapture(int objectNumber, int deviceId) {
    return start(objectNumber, deviceId, engine_.devices.InputServerName(deviceId));
}

bool CaptureRegistry::capturesCurrentDevice(int objectNumber, int deviceId) const {
    const QString sourceName = engine_.devices.InputServerName(deviceId);
    return runningWhere(objectNumber, [&](const CaptureThread &thread) {
        return thread.deviceId() == deviceId && thread.sourceName() == sourceName;
    });
}

} // namespace numbrook
