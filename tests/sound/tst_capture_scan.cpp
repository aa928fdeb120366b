// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The window-free part of capture: level, crossing scan, block cutting, thresholds.

#include "CaptureThread.h"
#include "SoundEngine.h"

#include <QTest>
#include <vector>

using namespace numbrook;

namespace {

using Buffer = std::vector<quint8>;

Buffer silence() {
    return Buffer(kCaptureBufferBytes, 128);
}

Buffer withSamples(std::initializer_list<std::pair<int, int>> positionsAndValues) {
    Buffer buffer = silence();
    for (const auto &[position, value] : positionsAndValues) {
        buffer[std::size_t(position)] = quint8(value);
    }
    return buffer;
}

} // namespace

class CaptureScanTest : public QObject {
    Q_OBJECT

    SoundEngine engine;

private Q_SLOTS:
    void micLevel_isPeakDistanceFromMiddle_data();
    void micLevel_isPeakDistanceFromMiddle();
    void risingCrossing_data();
    void risingCrossing();
    void cutter_deliversWholeBlocksInOrder_data();
    void cutter_deliversWholeBlocksInOrder();
    void triggerThreshold_perObjectWithDefault();
};

void CaptureScanTest::micLevel_isPeakDistanceFromMiddle_data() {
    QTest::addColumn<Buffer>("buffer");
    QTest::addColumn<int>("level");

    QTest::newRow("constant 128") << silence() << 0;
    QTest::newRow("one 0") << withSamples({{200, 0}}) << 128;
    QTest::newRow("one 255") << withSamples({{17, 255}}) << 127;
    QTest::newRow("first sample counts") << withSamples({{0, 1}}) << 127;
    QTest::newRow("last sample counts") << withSamples({{511, 3}}) << 125;
    QTest::newRow("largest of both sides") << withSamples({{5, 200}, {9, 40}, {300, 150}}) << 88;
    QTest::newRow("constant 0") << Buffer(kCaptureBufferBytes, 0) << 128;
}

void CaptureScanTest::micLevel_isPeakDistanceFromMiddle() {
    QFETCH(Buffer, buffer);
    QFETCH(int, level);
    QCOMPARE(MicLevel(buffer), level);
}

void CaptureScanTest::risingCrossing_data() {
    QTest::addColumn<Buffer>("buffer");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<bool>("fires");

    // Threshold 0: no distance is below 0.
    QTest::newRow("threshold 0, full swing") << withSamples({{10, 0}, {11, 255}}) << 0 << false;
    QTest::newRow("threshold 0, silence") << silence() << 0 << false;
    // Threshold 128: only a 0 after any other value.
    QTest::newRow("128: 0 after silence") << withSamples({{100, 0}}) << 128 << true;
    QTest::newRow("128: 255 is not enough") << withSamples({{100, 255}}) << 128 << false;
    QTest::newRow("128: 1 is not enough") << withSamples({{100, 1}}) << 128 << false;
    QTest::newRow("128: 0 after 255") << withSamples({{100, 255}, {101, 0}}) << 128 << true;
    QTest::newRow("128: 0 at the start only") << withSamples({{0, 0}}) << 128 << false;
    QTest::newRow("128: constant 0") << Buffer(kCaptureBufferBytes, 0) << 128 << false;
    // At the threshold counts as reached; just below does not.
    QTest::newRow("78: reaches 78 up") << withSamples({{50, 206}}) << 78 << true;
    QTest::newRow("78: reaches 78 down") << withSamples({{50, 50}}) << 78 << true;
    QTest::newRow("78: 77 only") << withSamples({{50, 205}, {60, 51}}) << 78 << false;
    // The rise is looked for between neighbours inside the buffer only.
    QTest::newRow("78: last sample") << withSamples({{511, 250}}) << 78 << true;
    QTest::newRow("78: first sample only") << withSamples({{0, 250}}) << 78 << false;
    // Loud from the start and staying loud: nothing rises.
    QTest::newRow("loud throughout") << Buffer(kCaptureBufferBytes, 20) << 78 << false;
    Buffer square(kCaptureBufferBytes);
    for (std::size_t i = 0; i < square.size(); ++i) {
        square[i] = i % 2 ? 240 : 16;
    }
    QTest::newRow("loud square throughout") << square << 78 << false;
    Buffer loudThenQuietThenLoud = Buffer(kCaptureBufferBytes, 20);
    std::fill(loudThenQuietThenLoud.begin() + 200, loudThenQuietThenLoud.begin() + 300, 128);
    QTest::newRow("loud, quiet, loud again") << loudThenQuietThenLoud << 78 << true;
}

void CaptureScanTest::risingCrossing() {
    QFETCH(Buffer, buffer);
    QFETCH(int, threshold);
    QFETCH(bool, fires);
    QCOMPARE(HasRisingCrossing(buffer, threshold), fires);
}

void CaptureScanTest::cutter_deliversWholeBlocksInOrder_data() {
    QTest::addColumn<QList<int>>("fragments");
    QTest::addColumn<int>("blocks");

    QTest::newRow("exact blocks") << QList<int>{512, 512} << 2;
    QTest::newRow("small fragments") << QList<int>{100, 100, 100, 100, 100, 100} << 1;
    QTest::newRow("one large fragment") << QList<int>{512 * 3 + 7} << 3;
    QTest::newRow("odd sizes") << QList<int>{1, 511, 300, 800, 3} << 3;
    QTest::newRow("less than a block") << QList<int>{511} << 0;
    QTest::newRow("nothing") << QList<int>{} << 0;
}

void CaptureScanTest::cutter_deliversWholeBlocksInOrder() {
    QFETCH(QList<int>, fragments);
    QFETCH(int, blocks);

    // Every byte carries its position, so order and losses show.
    CaptureBlockCutter cutter;
    std::vector<quint8> received;
    std::array<quint8, kCaptureBufferBytes> block{};
    int total = 0;
    int taken = 0;
    for (int size : std::as_const(fragments)) {
        std::vector<quint8> fragment(static_cast<std::size_t>(size));
        for (auto &byte : fragment) {
            byte = quint8(total++ % 251);
        }
        cutter.append(fragment.data(), fragment.size());
        while (cutter.takeBlock(block)) {
            received.insert(received.end(), block.begin(), block.end());
            ++taken;
        }
    }
    QCOMPARE(taken, blocks);
    QCOMPARE(cutter.pendingBytes(), std::size_t(total - blocks * kCaptureBufferBytes));
    for (std::size_t i = 0; i < received.size(); ++i) {
        QCOMPARE(received[i], quint8(i % 251));
    }
}

void CaptureScanTest::triggerThreshold_perObjectWithDefault() {
    for (int object = kFirstSoundObject; object <= kLastSoundObject; ++object) {
        QCOMPARE(engine.captures.TriggerThreshold(object).load(), 78);
    }
    engine.captures.TriggerThreshold(2).store(5);
    QCOMPARE(engine.captures.TriggerThreshold(1).load(), 78);
    QCOMPARE(engine.captures.TriggerThreshold(2).load(), 5);
    QCOMPARE(engine.captures.TriggerThreshold(3).load(), 78);
    // No object: a threshold that never fires.
    QCOMPARE(engine.captures.TriggerThreshold(0).load(), 0);
    QCOMPARE(engine.captures.TriggerThreshold(5).load(), 0);
}

QTEST_GUILESS_MAIN(CaptureScanTest)
#include "tst_capture_scan.moc"
