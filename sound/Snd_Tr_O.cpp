#include "Snd_Tr_O.h"

#include "WorkerConnection.h"

#include "EndpointMeter.h"
#include "MainThreadCall.h"
#include "SndUtils.h"
#include "snd_dev_ds.h"

#include <QFile>
#include <QMutexLocker>
#include <QPointer>
#include <chrono>
#include <exception>
#include <optional>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
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

// The playback's own connection.
struct PlaybackConnection : WorkerConnection {
    bool ready() const { return context && pa_context_get_state(context) == PA_CONTEXT_READY; }

    int contextError() const {
        const int code = contextErrno();
        return code != PA_OK ? code : int(PA_ERR_CONNECTIONREFUSED);
    }
};

enum class Outcome { Done, Failed, Cancelled };

bool readSound(const QString &fileName, const QByteArray &memorySource, WavSound &sound) {
    if (!fileName.isEmpty()) {
        return ReadWavFile(QFile::encodeName(fileName).toStdString(), sound);
    }
    return ReadWav(std::span(reinterpret_cast<const std::uint8_t *>(memorySource.constData()),
                             size_t(memorySource.size())),
                   sound);
}

} // namespace

bool PlaybackStreamFormat(const WaveFormat &format, pa_sample_spec &streamFormat,
                          pa_channel_map &map) {
    streamFormat.rate = format.samplesPerSecond;
    streamFormat.channels = quint8(std::min<unsigned>(format.channels, 255));
    switch (format.formatTag) {
    case kWaveFormatPcm:
        switch (format.bitsPerSample) {
        case 8:
            streamFormat.format = PA_SAMPLE_U8;
            break;
        case 16:
            streamFormat.format = PA_SAMPLE_S16LE;
            break;
        case 24:
            streamFormat.format = PA_SAMPLE_S24LE;
            break;
        case 32:
            streamFormat.format = PA_SAMPLE_S32LE;
            break;
        default:
            return false;
        }
        break;
    case kWaveFormatIeeeFloat:
        if (format.bitsPerSample != 32) {
            return false;
        }
        streamFormat.format = PA_SAMPLE_FLOAT32LE;
        break;
    case kWaveFormatALaw:
    case kWaveFormatMuLaw:
        if (format.bitsPerSample != 8) {
            return false;
        }
        streamFormat.format = format.formatTag == kWaveFormatALaw ? PA_SAMPLE_ALAW : PA_SAMPLE_ULAW;
        break;
    default:
        return false;
    }
    if (format.channels == 0 || format.channels > PA_CHANNELS_MAX ||
        !pa_sample_spec_valid(&streamFormat) || format.blockAlign != pa_frame_size(&streamFormat)) {
        return false;
    }
    return pa_channel_map_init_auto(&map, streamFormat.channels, PA_CHANNEL_MAP_WAVEEX) != nullptr;
}

PlaybackReports &PlaybackReports::instance() {
    static PlaybackReports reports;
    return reports;
}

TWOThread::TWOThread(int objectNumber, int deviceId, const QString &sinkName,
                     const QString &deviceName, bool loop, const QString &fileName,
                     const QByteArray &memorySource)
    : objectNumber_(objectNumber), deviceId_(deviceId), sinkName_(sinkName),
      deviceName_(deviceName), loop_(loop), fileName_(fileName), memorySource_(memorySource) {
    setObjectName(QStringLiteral("playback %1").arg(objectNumber));
}

TWOThread::~TWOThread() {
    PlaybackRegistry::instance().registry.release(this);
}

void TWOThread::reportLevels(int left, int right) {
    std::optional<QString> failure;
    callOnMainThread([&] {
        try {
            Q_EMIT PlaybackReports::instance().outputLevelReport(deviceId_, left, right);
        } catch (const std::exception &error) {
            failure = QString::fromUtf8(error.what());
        } catch (...) {
            failure = QStringLiteral("Unknown error");
        }
    });
    if (failure) {
        ReportSoundError(kCaughtError, *failure, true);
    }
}

void TWOThread::run() {
    // Everything the thread does is inside one guard: nothing may escape a thread.
    try {
        // Declared in this order so that the meter's stream goes before the connection and the
        // connection (whose callbacks point at the feed) before the feed.
        SoundFeed feed;
        PlaybackConnection pulse;
        EndpointMeter meter;

        // Waits for the server a little; false once the loop is broken or a stop was asked for.
        auto step = [&] { return pulse.iterate(kSamplingPeriod) && !isInterruptionRequested(); };

        // The thread's own connection to the server.
        auto connectServer = [&]() -> Outcome {
            switch (pulse.connect("Numbrook playback", kSamplingPeriod, *this)) {
            case WorkerConnection::Connect::Ready:
                break;
            case WorkerConnection::Connect::Failed:
                return Outcome::Failed;
            case WorkerConnection::Connect::Cancelled:
                return Outcome::Cancelled;
            }
            return Outcome::Done;
        };

        // Opens the playback stream on the sink in the sound's own format; 0 or an error code.
        auto openStream = [&](const WavSound &sound) -> int {
            if (sinkName_.isEmpty()) {
                return PA_ERR_NOENTITY;
            }
            WaveFormat format;
            pa_sample_spec streamFormat{};
            pa_channel_map map{};
            if (!DecodeWaveFormat(sound.format, format) ||
                !PlaybackStreamFormat(format, streamFormat, map)) {
                return PA_ERR_NOTSUPPORTED;
            }
            if (!pulse.ready()) {
                return pulse.contextError();
            }
            pa_proplist *properties = pa_proplist_new();
            pa_proplist_sets(properties, kPlaybackStreamProperty, "1");
            pulse.stream = pa_stream_new_with_proplist(pulse.context, "Numbrook sound",
                                                       &streamFormat, &map, properties);
            pa_proplist_free(properties);
            if (!pulse.stream) {
                return pulse.contextError();
            }
            // The whole data chunk in whole frames; a trailing part of a frame cannot be played.
            feed.data = sound.samples.data();
            feed.frameSize = pa_frame_size(&streamFormat);
            feed.size = sound.samples.size() - sound.samples.size() % feed.frameSize;
            feed.loop = loop_;
            pa_stream_set_write_callback(pulse.stream, onWritable, &feed);

            // Numbrook's own volume for this sink applies from the first sample.
            auto [left, right] = OutputVolumeForSink(sinkName_);
            pa_cvolume volume = StreamVolume(map, left, right);
            const QByteArray sink = sinkName_.toUtf8();
            // The sound belongs to the device the user chose: when it goes, the stream fails
            // instead of moving to another one.
            if (pa_stream_connect_playback(pulse.stream, sink.constData(), nullptr,
                                           PA_STREAM_DONT_MOVE, &volume, nullptr) < 0) {
                return pulse.contextError();
            }
            while (pa_stream_get_state(pulse.stream) == PA_STREAM_CREATING) {
                if (!pulse.iterate(kSamplingPeriod)) {
                    return pulse.contextError();
                }
            }
            if (pa_stream_get_state(pulse.stream) != PA_STREAM_READY) {
                return pulse.contextError();
            }
            // The volume may have changed while the stream was being created.
            const std::pair<int, int> now = OutputVolumeForSink(sinkName_);
            if (now != std::pair(left, right)) {
                volume = StreamVolume(map, now.first, now.second);
                if (pa_operation *set = pa_context_set_sink_input_volume(
                        pulse.context, pa_stream_get_index(pulse.stream), &volume, nullptr,
                        nullptr)) {
                    pa_operation_unref(set);
                }
            }
            // An empty sound has nothing to wait for.
            if (!feed.loop && feed.size == 0 && !feed.draining) {
                startDrain(pulse.stream, &feed);
            }
            return PA_OK;
        };

        const Outcome connected = connectServer();
        if (connected == Outcome::Failed) {
            ReportSoundError(pulse.contextError(), connectionFailedContext(), true);
        }
        if (connected != Outcome::Cancelled) {
            meter.setup(connected == Outcome::Done ? pulse.context : nullptr, deviceName_, step);
        }

        WavSound sound;
        if (connected == Outcome::Cancelled || isInterruptionRequested() ||
            !readSound(fileName_, memorySource_, sound)) {
            PlaybackRegistry::instance().registry.remove(this);
            return;
        }

        if (const int code = openStream(sound); code != PA_OK) {
            ReportSoundError(code, openFailedContext(), true);
            PlaybackRegistry::instance().registry.remove(this);
            return;
        }

        int left = 0;
        int right = 0;
        while (!isInterruptionRequested() && !feed.done && !pulse.broken()) {
            const auto until = std::chrono::steady_clock::now() + kSamplingPeriod;
            for (auto now = std::chrono::steady_clock::now(); now < until && !feed.done;
                 now = std::chrono::steady_clock::now()) {
                if (!pulse.iterate(
                        std::chrono::duration_cast<std::chrono::microseconds>(until - now))) {
                    break;
                }
            }
            meter.read(left, right);
            reportLevels(left, right);
        }

        // Whatever is still queued is dropped at once, so that the sound stops now.
        if (pa_stream_get_state(pulse.stream) == PA_STREAM_READY) {
            pa_stream_set_write_callback(pulse.stream, nullptr, nullptr);
            if (pa_operation *flush = pa_stream_flush(pulse.stream, nullptr, nullptr)) {
                pa_operation_unref(flush);
            }
            pulse.iterate(std::chrono::microseconds(0));
        }
        // The bars drop to 0 when the sound ends.
        reportLevels(0, 0);
        if (pa_stream_get_state(pulse.stream) == PA_STREAM_READY &&
            pa_stream_disconnect(pulse.stream) < 0) {
            ReportSoundError(pulse.contextError(), closeFailedContext(), true);
        }
    } catch (const std::exception &error) {
        ReportSoundError(kCaughtError, QString::fromUtf8(error.what()), true);
    } catch (...) {
        ReportSoundError(kCaughtError, QStringLiteral("Unknown error"), true);
    }
    PlaybackRegistry::instance().registry.remove(this);
}

PlaybackRegistry &PlaybackRegistry::instance() {
    static PlaybackRegistry registry;
    return registry;
}

void PlaybackRegistry::startFromFile(int objectNumber, int deviceId, bool loop,
                                     const QString &fileName, const QString &outDeviceName) {
    registry.add(new TWOThread(objectNumber, deviceId, OutputServerName(deviceId), outDeviceName,
                               loop, fileName, QByteArray()));
}

void PlaybackRegistry::startFromMemory(int objectNumber, int deviceId, bool loop,
                                       const QByteArray &image, const QString &outDeviceName) {
    registry.add(new TWOThread(objectNumber, deviceId, OutputServerName(deviceId), outDeviceName,
                               loop, QString(), image));
}

void PlaybackRegistry::stop(int objectNumber) {
    registry.stop(objectNumber);
}

int PlaybackRegistry::count() const {
    return registry.count();
}

void PlaybackRegistry::stopAll() {
    registry.stopAll();
}

} // namespace numbrook
