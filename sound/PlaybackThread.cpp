// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "PlaybackThread.h"

#include "DeviceCatalogue.h"
#include "EndpointMeter.h"
#include "SoundEngine.h"
#include "SoundErrors.h"
#include "StreamFormat.h"
#include "WorkerConnection.h"

#include <QFile>
#include <chrono>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <span>

namespace numbrook {

namespace {

// The failure contexts of the playback side, as the log shows them before the server's text.
QString connectionFailedContext() {
    return QStringLiteral("CoInitialize Error: ");
}
QString openFailedContext() {
    return QStringLiteral("Could not open the output device for playing: ");
}
QString closeFailedContext() {
    return QStringLiteral("Error closing output device: ");
}

// The sampling loop reads the meter and reports the levels this often.
constexpr std::chrono::milliseconds kSamplingPeriod{10};

// The sound as the stream takes it: the whole data chunk, handed out from where the last write
// ended, from the start again when looping.
struct SoundFeed {
    const quint8 *data = nullptr;
    size_t size = 0;
    size_t frameSize = 1;
    size_t position = 0;
    bool loop = false;
    bool draining = false;
    // The server has played everything (or the drain failed with the stream).
    bool done = false;
};

void onDrained(pa_stream *, int, void *userdata) {
    static_cast<SoundFeed *>(userdata)->done = true;
}

void startDrain(pa_stream *stream, SoundFeed *feed) {
    feed->draining = true;
    if (pa_operation *drain = pa_stream_drain(stream, onDrained, feed)) {
        pa_operation_unref(drain);
    } else {
        feed->done = true;
    }
}

void onWritable(pa_stream *stream, size_t wanted, void *userdata) {
    auto *feed = static_cast<SoundFeed *>(userdata);
    while (wanted > 0 && feed->position < feed->size) {
        size_t chunk = std::min(wanted, feed->size - feed->position);
        chunk -= chunk % feed->frameSize;
        if (chunk == 0 || pa_stream_write(stream, feed->data + feed->position, chunk, nullptr, 0,
                                          PA_SEEK_RELATIVE) < 0) {
            return;
        }
        feed->position += chunk;
        wanted -= chunk;
        if (feed->loop && feed->position == feed->size) {
            feed->position = 0;
        }
    }
    if (!feed->loop && feed->position == feed->size && !feed->draining) {
        startDrain(stream, feed);
    }
}

bool readSound(const QString &fileName, const QByteArray &memorySource, WavSound &sound) {
    if (!fileName.isEmpty()) {
        return ReadWavFile(QFile::encodeName(fileName).toStdString(), sound);
    }
    return ReadWav(std::span(reinterpret_cast<const std::uint8_t *>(memorySource.constData()),
                             size_t(memorySource.size())),
                   sound);
}

} // namespace

// A playback thread's stream on its own connection, with the endpoint meter beside it: opened
// in the sound's own format, pumped one sampling period at a time, stopped and closed. The
// connection, the stream and the meter go when it goes.
class PlaybackStream {
public:
    PlaybackStream(const QThread &thread, SoundErrors &errors) : thread_(thread), meter_(errors) {}

    WorkerConnection::Connect connect() {
        return pulse_.connect("Numbrook playback", kSamplingPeriod, thread_);
    }

    // Finds the endpoint of `deviceName` and opens its meter, on the connection when there is
    // one.
    void setupMeter(bool connected, const QString &deviceName) {
        // Waits for the server a little; false once the loop is broken or a stop was asked for.
        auto step = [this] {
            return pulse_.iterate(kSamplingPeriod) && !thread_.isInterruptionRequested();
        };
        meter_.setup(connected ? pulse_.context : nullptr, deviceName, step);
    }

    // Opens the playback stream on the sink in the sound's own format, at Numbrook's own volume
    // for that sink from the first sample; PA_OK or an error code.
    int open(const WavSound &sound, const QString &sinkName, bool loop,
             const OutputVolume &volumes) {
        if (sinkName.isEmpty()) {
            return PA_ERR_NOENTITY;
        }
        WaveFormat format;
        pa_sample_spec streamFormat{};
        pa_channel_map map{};
        if (!DecodeWaveFormat(sound.format, format) ||
            !PlaybackStreamFormat(format, streamFormat, map)) {
            return PA_ERR_NOTSUPPORTED;
        }
        if (!ready() || !create(streamFormat, map)) {
            return error();
        }
        feed(sound, pa_frame_size(&streamFormat), loop);
        const std::pair<int, int> volume = volumes.OutputVolumeForSink(sinkName);
        if (!connectPlayback(sinkName, StreamVolume(map, volume.first, volume.second))) {
            return error();
        }
        // The stream starts corked. Its volume is set once more now that it is ready (it may
        // have changed meanwhile, and some servers, PipeWire among them, ignore the one given at
        // creation) and only then does it play, so the volume holds from the first sample.
        const std::pair<int, int> now = volumes.OutputVolumeForSink(sinkName);
        if (!setVolumeAndWait(StreamVolume(map, now.first, now.second)) || !uncork()) {
            return error();
        }
        // An empty sound has nothing to wait for.
        if (!feed_.loop && feed_.size == 0 && !feed_.draining) {
            startDrain(pulse_.stream, &feed_);
        }
        return PA_OK;
    }

    // The sound is still playing and the stream works.
    bool playing() const { return !feed_.done && !pulse_.broken(); }

    // Runs the loop for one sampling period (less when the sound ends) and reads the meter.
    void pump(int &left, int &right) {
        const auto until = std::chrono::steady_clock::now() + kSamplingPeriod;
        for (auto now = std::chrono::steady_clock::now(); now < until && !feed_.done;
             now = std::chrono::steady_clock::now()) {
            if (!pulse_.iterate(
                    std::chrono::duration_cast<std::chrono::microseconds>(until - now))) {
                break;
            }
        }
        meter_.read(left, right);
    }

    // Drops whatever is still queued, so that the sound stops now.
    void stop() {
        if (streamReady()) {
            pa_stream_set_write_callback(pulse_.stream, nullptr, nullptr);
            if (pa_operation *flush = pa_stream_flush(pulse_.stream, nullptr, nullptr)) {
                pa_operation_unref(flush);
            }
            pulse_.iterate(std::chrono::microseconds(0));
        }
    }

    // Disconnects a stream that is still open; false when that failed.
    bool close() { return !streamReady() || pa_stream_disconnect(pulse_.stream) >= 0; }

    // The connection's error code, or "connection refused" when it has none.
    int error() const {
        const int code = pulse_.contextErrno();
        return code != PA_OK ? code : int(PA_ERR_CONNECTIONREFUSED);
    }

private:
    bool ready() const {
        return pulse_.context && pa_context_get_state(pulse_.context) == PA_CONTEXT_READY;
    }
    bool streamReady() const {
        return pulse_.stream && pa_stream_get_state(pulse_.stream) == PA_STREAM_READY;
    }

    bool create(const pa_sample_spec &streamFormat, const pa_channel_map &map) {
        pa_proplist *properties = pa_proplist_new();
        pa_proplist_sets(properties, kPlaybackStreamProperty, "1");
        pulse_.stream = pa_stream_new_with_proplist(pulse_.context, "Numbrook sound", &streamFormat,
                                                    &map, properties);
        pa_proplist_free(properties);
        return pulse_.stream != nullptr;
    }

    // The whole data chunk in whole frames; a trailing part of a frame cannot be played.
    void feed(const WavSound &sound, size_t frameSize, bool loop) {
        feed_.data = sound.samples.data();
        feed_.frameSize = frameSize;
        feed_.size = sound.samples.size() - sound.samples.size() % frameSize;
        feed_.loop = loop;
        pa_stream_set_write_callback(pulse_.stream, onWritable, &feed_);
    }

    // The sound belongs to the device the user chose: when it goes, the stream fails instead of
    // moving to another one.
    bool connectPlayback(const QString &sinkName, const pa_cvolume &volume) {
        const QByteArray sink = sinkName.toUtf8();
        if (pa_stream_connect_playback(
                pulse_.stream, sink.constData(), nullptr,
                static_cast<pa_stream_flags_t>(PA_STREAM_DONT_MOVE | PA_STREAM_START_CORKED),
                &volume, nullptr) < 0) {
            return false;
        }
        // A stop asked for meanwhile ends the wait, so a server that does not answer cannot
        // hold the thread (and the program's exit) here.
        while (pa_stream_get_state(pulse_.stream) == PA_STREAM_CREATING) {
            if (thread_.isInterruptionRequested() || !pulse_.iterate(kSamplingPeriod)) {
                return false;
            }
        }
        return streamReady();
    }

    // Runs an operation of the stream's to its end; false when the loop broke or a stop was
    // asked for first.
    bool finish(pa_operation *operation) {
        if (!operation) {
            return false;
        }
        bool done = true;
        while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING) {
            if (thread_.isInterruptionRequested() || !pulse_.iterate(kSamplingPeriod)) {
                done = false;
                break;
            }
        }
        pa_operation_unref(operation);
        return done;
    }

    bool setVolumeAndWait(const pa_cvolume &volume) {
        return finish(pa_context_set_sink_input_volume(
            pulse_.context, pa_stream_get_index(pulse_.stream), &volume, nullptr, nullptr));
    }

    bool uncork() { return finish(pa_stream_cork(pulse_.stream, 0, nullptr, nullptr)); }

    const QThread &thread_;
    // In this order so that the meter's stream goes before the connection and the connection
    // (whose callbacks point at the feed) before the feed.
    SoundFeed feed_;
    WorkerConnection pulse_;
    EndpointMeter meter_;
};

PlaybackThread::PlaybackThread(SoundEngine &engine, const PlaybackRequest &request)
    : engine_(engine), request_(request) {
    setObjectName(QStringLiteral("playback %1").arg(request.objectNumber));
}

PlaybackThread::~PlaybackThread() {
    engine_.playbacks.release(this);
}

void PlaybackThread::reportLevels(int left, int right) {
    engine_.reports.deliver(
        [&] { Q_EMIT engine_.playbackReports.outputLevelReport(request_.deviceId, left, right); },
        true);
}

void PlaybackThread::reportError(int code, const QString &context) {
    engine_.errors.ReportSoundError(code, context, true);
}

void PlaybackThread::run() {
    engine_.errors.runGuarded([this] { play(); }, true);
    // The one way out.
    engine_.playbacks.remove(this);
}

void PlaybackThread::play() {
    PlaybackStream stream(*this, engine_.errors);
    const WorkerConnection::Connect connected = stream.connect();
    if (connected == WorkerConnection::Connect::Cancelled) {
        return;
    }
    if (connected == WorkerConnection::Connect::Failed) {
        reportError(stream.error(), connectionFailedContext());
    }
    stream.setupMeter(connected == WorkerConnection::Connect::Ready, request_.deviceName);

    WavSound sound;
    if (isInterruptionRequested() || !readSound(request_.fileName, request_.memorySource, sound)) {
        return;
    }
    if (const int code = stream.open(sound, request_.sinkName, request_.loop, engine_.outputVolume);
        code != PA_OK) {
        // A stop asked for while the stream was being created is no failure.
        if (!isInterruptionRequested()) {
            reportError(code, openFailedContext());
        }
        return;
    }
    pumpUntilEnd(stream);
    stream.stop();
    // The bars drop to 0 when the sound ends.
    reportLevels(0, 0);
    if (!stream.close()) {
        reportError(stream.error(), closeFailedContext());
    }
}

void PlaybackThread::pumpUntilEnd(PlaybackStream &stream) {
    int left = 0;
    int right = 0;
    while (!isInterruptionRequested() && stream.playing()) {
        stream.pump(left, right);
        reportLevels(left, right);
    }
}

PlaybackRegistry::PlaybackRegistry(SoundEngine &engine)
    : ThreadRegistry(engine.mainThreadCalls), engine_(engine) {}

void PlaybackRegistry::start(PlaybackRequest request) {
    request.sinkName = engine_.devices.OutputServerName(request.deviceId);
    add(new PlaybackThread(engine_, request));
}

void PlaybackRegistry::startFromFile(int objectNumber, int deviceId, bool loop,
                                     const QString &fileName, const QString &outDeviceName) {
    start({objectNumber, deviceId, QString(), outDeviceName, loop, fileName, QByteArray()});
}

void PlaybackRegistry::startFromMemory(int objectNumber, int deviceId, bool loop,
                                       const QByteArray &image, const QString &outDeviceName) {
    start({objectNumber, deviceId, QString(), outDeviceName, loop, QString(), image});
}

} // namespace numbrook
