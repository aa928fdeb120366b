// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The stream format a wave format record plays in, the meter's level arithmetic and the key an
// endpoint is found by.

#include "EndpointMeter.h"
#include "RiffReader.h"
#include "StreamFormat.h"
#include "WavImage.h"

#include <QTest>

using namespace numbrook;
using namespace numbrook::testing;

class PlaybackFormatTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void streamFormat_data();
    void streamFormat();
    void peakPercent_data();
    void peakPercent();
    void endpointKey_data();
    void endpointKey();
};

void PlaybackFormatTest::streamFormat_data() {
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("sampleFormat"); // PA_SAMPLE_INVALID: refused
    QTest::addColumn<int>("channels");

    QTest::newRow("8-bit mono") << waveFormat(1, 1, 22050, 8) << int(PA_SAMPLE_U8) << 1;
    QTest::newRow("16-bit stereo") << waveFormat(1, 2, 44100, 16) << int(PA_SAMPLE_S16LE) << 2;
    QTest::newRow("24-bit stereo") << waveFormat(1, 2, 48000, 24) << int(PA_SAMPLE_S24LE) << 2;
    QTest::newRow("32-bit mono") << waveFormat(1, 1, 48000, 32) << int(PA_SAMPLE_S32LE) << 1;
    QTest::newRow("float") << waveFormat(3, 2, 48000, 32) << int(PA_SAMPLE_FLOAT32LE) << 2;
    QTest::newRow("A-law") << waveFormat(6, 1, 8000, 8) << int(PA_SAMPLE_ALAW) << 1;
    QTest::newRow("mu-law") << waveFormat(7, 1, 8000, 8) << int(PA_SAMPLE_ULAW) << 1;
    QTest::newRow("extensible 16-bit")
        << extensibleFormat(1, 2, 44100, 16, 16, 3) << int(PA_SAMPLE_S16LE) << 2;
    QTest::newRow("extensible 24 bits in 32")
        << extensibleFormat(1, 2, 48000, 32, 24, 3) << int(PA_SAMPLE_S32LE) << 2;
    QTest::newRow("ADPCM") << waveFormat(2, 1, 22050, 4) << int(PA_SAMPLE_INVALID) << 0;
    QTest::newRow("12-bit PCM") << waveFormat(1, 1, 22050, 12) << int(PA_SAMPLE_INVALID) << 0;
    QTest::newRow("16-bit float") << waveFormat(3, 1, 22050, 16) << int(PA_SAMPLE_INVALID) << 0;
    QTest::newRow("no channels") << waveFormat(1, 0, 22050, 16) << int(PA_SAMPLE_INVALID) << 0;
    QTest::newRow("rate 0") << waveFormat(1, 1, 0, 16) << int(PA_SAMPLE_INVALID) << 0;
    QByteArray badBlock = waveFormat(1, 2, 44100, 16);
    badBlock[12] = 3; // a frame of two 16-bit samples is 4 bytes
    QTest::newRow("block alignment not one frame") << badBlock << int(PA_SAMPLE_INVALID) << 0;
}

void PlaybackFormatTest::streamFormat() {
    QFETCH(QByteArray, format);
    QFETCH(int, sampleFormat);
    QFETCH(int, channels);

    WaveFormat decoded;
    QVERIFY(DecodeWaveFormat(
        {reinterpret_cast<const std::uint8_t *>(format.constData()), std::size_t(format.size())},
        decoded));
    pa_sample_spec streamFormat{};
    pa_channel_map map{};
    const bool ok = PlaybackStreamFormat(decoded, streamFormat, map);
    QCOMPARE(ok, sampleFormat != PA_SAMPLE_INVALID);
    if (ok) {
        QCOMPARE(int(streamFormat.format), sampleFormat);
        QCOMPARE(int(streamFormat.channels), channels);
        QCOMPARE(streamFormat.rate, decoded.samplesPerSecond);
        QCOMPARE(int(map.channels), channels);
        if (channels == 2) {
            QCOMPARE(map.map[0], PA_CHANNEL_POSITION_FRONT_LEFT);
            QCOMPARE(map.map[1], PA_CHANNEL_POSITION_FRONT_RIGHT);
        }
    }
}

void PlaybackFormatTest::peakPercent_data() {
    QTest::addColumn<float>("peak");
    QTest::addColumn<int>("percent");

    QTest::newRow("silence") << 0.0f << 0;
    QTest::newRow("full scale") << 1.0f << 100;
    // Stored slightly below 0.015: the product is 1.4999..., not the 1.5 of float arithmetic.
    QTest::newRow("0.015 as delivered") << 0.015f << 1;
    QTest::newRow("half rounds down to even") << 0.125f << 12;
    QTest::newRow("half rounds up to even") << 0.375f << 38;
    QTest::newRow("above full scale") << 1.5f << 100;
}

void PlaybackFormatTest::peakPercent() {
    QFETCH(float, peak);
    QFETCH(int, percent);
    QCOMPARE(PeakPercent(peak), percent);
}

void PlaybackFormatTest::endpointKey_data() {
    QTest::addColumn<QString>("deviceName");
    QTest::addColumn<QString>("key");

    QTest::newRow("short") << QStringLiteral("Test Speakers") << QStringLiteral("TEST SPEAKERS");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("Cyrillic") << QStringLiteral("Динамики (звук)")
                              << QStringLiteral("ДИНАМИКИ (ЗВУК)");
    QTest::newRow("cut at 32 characters")
        << QStringLiteral("Speakers (High Definition Audio Device)")
        << QStringLiteral("SPEAKERS (HIGH DEFINITION AUDIO ");
}

void PlaybackFormatTest::endpointKey() {
    QFETCH(QString, deviceName);
    QFETCH(QString, key);
    QCOMPARE(EndpointKey(deviceName), key);
}

QTEST_GUILESS_MAIN(PlaybackFormatTest)
#include "tst_playback_format.moc"
