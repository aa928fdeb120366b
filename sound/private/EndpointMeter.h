// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <pulse/context.h>
#include <pulse/stream.h>
#include <vector>

namespace numbrook {

class SoundErrors;

// A device name is matched against the endpoint names by this many leading characters.
inline constexpr int kEndpointKeyLength = 32;

// The key an endpoint name must contain: the first kEndpointKeyLength characters of the device
// name, in upper case (Latin and Cyrillic alike).
QString EndpointKey(const QString &deviceName);

// A meter peak (0.0 to 1.0) as a level in percent: the product is formed in double precision
// from the value exactly as delivered, rounded halves to even and kept within 0..100.
int PeakPercent(float peak);

// The output peak meter of one playback device, for one playback thread.
//
// The endpoint is the first sink, in the server's index order, whose description contains the
// key of the device name; the meter is a peak-detecting record stream on that sink's monitor in
// the sink's own channel layout. Everything runs on the owning thread, on that thread's own
// connection to the sound server. Failures are reported through ReportSoundError; the meter
// then stays without channels and the levels stay as they are.
class EndpointMeter {
public:
    // One pass of the owner's main loop, waiting a little for the server; false when the loop is
    // broken or the owner is being stopped.
    using LoopStep = std::function<bool()>;

    explicit EndpointMeter(SoundErrors &errors) : errors_(errors) {}
    ~EndpointMeter();
    Q_DISABLE_COPY_MOVE(EndpointMeter)

    // Finds the endpoint and opens its meter. `context` is the owner's connection, or null when
    // it could not be made.
    void setup(pa_context *context, const QString &deviceName, const LoopStep &step);

    // Updates `left` and `right` (percent) from the peaks that arrived since the last read. Does
    // nothing without a meter; leaves the levels unchanged when nothing arrived or the read
    // fails. A single-channel endpoint gives a right level of 0.
    void read(int &left, int &right);

    // 0 until the setup has succeeded.
    unsigned channelCount() const { return channelCount_; }
    // The description of the matched sink; empty when none matched.
    const QString &endpointName() const { return endpointName_; }

    // What the sink listing gathers (for its callback).
    struct Endpoint;
    struct EndpointList;

private:
    void release();
    void report(int code, const QString &context);
    bool listEndpoints(EndpointList &list, const LoopStep &step);
    void open(const Endpoint &endpoint, const LoopStep &step);

    SoundErrors &errors_;

    pa_context *context_ = nullptr;
    pa_stream *stream_ = nullptr;
    QString endpointName_;
    unsigned channelCount_ = 0;
    // One value per metering channel, sized at setup.
    std::vector<float> peaks_;
    // Which channel the next sample belongs to, across reads.
    unsigned nextChannel_ = 0;
};

} // namespace numbrook
