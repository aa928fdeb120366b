// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The RIFF WAVE reader over memory images and files.

#include "RiffReader.h"
#include "WavImage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <cstdlib>
#include <new>

using namespace numbrook;
using namespace numbrook::testing;

// The largest single allocation made by this program while `watching` is set, so that a test
// can see that a chunk claiming more bytes than there are is refused before anything is
// allocated for it.
namespace {
std::atomic<bool> watching{false};
std::atomic<std::size_t> largestAllocation{0};
} // namespace

void *operator new(std::size_t size) {
    if (watching.load()) {
        std::size_t seen = largestAllocation.load();
        while (size > seen && !largestAllocation.compare_exchange_weak(seen, size)) {
        }
    }
    if (void *memory = std::malloc(size ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}
void *operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void *memory) noexcept {
    std::free(memory);
}
void operator delete[](void *memory) noexcept {
    std::free(memory);
}
void operator delete(void *memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void *memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray &image) {
    return {reinterpret_cast<const std::uint8_t *>(image.constData()), std::size_t(image.size())};
}

QByteArray asBytes(const std::vector<std::uint8_t> &bytes) {
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

const QByteArray kFormat = waveFormat(1, 2, 44100, 16);
const QByteArray kSamples = QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8);

} // namespace

class RiffReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readWav_data();
    void readWav();
    void readWavFile_readsTheSameAsMemory();
    void readWavFile_missingOrShortFileFails();
    void decodeWaveFormat_data();
    void decodeWaveFormat();
};

void RiffReaderTest::readWav_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QByteArray>("samples");

    const QByteArray fmt = chunk("fmt ", kFormat);
    const QByteArray data = chunk("data", kSamples);
    const QByteArray none;

    QTest::newRow("plain") << riffWave(fmt + data) << true << kFormat << kSamples;
    QTest::newRow("empty image") << QByteArray() << false << none << none;
    QTest::newRow("no RIFF chunk")
        << QByteArray("just some text, no chunks at all") << false << none << none;
    QTest::newRow("RIFF of another form type")
        << chunk("RIFF", QByteArray("AVI ") + fmt + data, false) << false << none << none;
    QTest::newRow("RIFF WAVE after another top-level chunk")
        << chunk("junk", "abc") + riffWave(fmt + data) << true << kFormat << kSamples;
    QTest::newRow("list chunk between fmt and data")
        << riffWave(fmt + chunk("LIST", QByteArray("INFOISFT") + le32(5) + "maker") + data) << true
        << kFormat << kSamples;
    // Without the pad byte the next header would be read one byte early.
    QTest::newRow("odd-sized chunk before data")
        << riffWave(fmt + chunk("note", "odd") + data) << true << kFormat << kSamples;
    QTest::newRow("odd-sized data at the very end without its pad byte")
        << riffWave(fmt + chunk("data", "12345", false)) << true << kFormat << QByteArray("12345");
    QTest::newRow("data before fmt") << riffWave(data + fmt) << false << none << none;
    QTest::newRow("no data chunk")
        << riffWave(fmt + chunk("LIST", "INFO")) << false << none << none;
    QTest::newRow("no fmt chunk") << riffWave(data) << false << none << none;
    QTest::newRow("data shorter than declared")
        << riffWave(fmt + chunkDeclaring("data", 100, kSamples)) << false << none << none;
    const QByteArray extensible = extensibleFormat(1, 2, 48000, 32, 24, 3);
    QTest::newRow("40-byte extensible fmt held whole")
        << riffWave(chunk("fmt ", extensible) + data) << true << extensible << kSamples;
    const QByteArray basic = basicFormat(1, 1, 8000, 8);
    QTest::newRow("16-byte fmt filled up to 18 with zeros")
        << riffWave(chunk("fmt ", basic) + data) << true << basic + QByteArray(2, '\0') << kSamples;
    QTest::newRow("data size far beyond the image")
        << riffWave(fmt + chunkDeclaring("data", 0xFFFFFFF0u, kSamples)) << false << none << none;
    QTest::newRow("fmt size far beyond the image")
        << riffWave(chunkDeclaring("fmt ", 0x7FFFFFFFu, kFormat) + data) << false << none << none;
    QTest::newRow("skipped chunk size far beyond the image")
        << riffWave(fmt + chunkDeclaring("LIST", 0xFFFFFFFFu, "INFO") + data) << false << none
        << none;
    QTest::newRow("RIFF size far beyond the image")
        << chunkDeclaring("RIFF", 0xFFFFFFF0u, QByteArray("WAVE") + fmt + data) << false << none
        << none;
    // The data chunk would fit the image but not the RIFF chunk that holds it.
    QTest::newRow("data runs past the end of its RIFF chunk")
        << chunk("RIFF", QByteArray("WAVE") + fmt + chunkDeclaring("data", 8, ""), false) + kSamples
        << false << none << none;
}

void RiffReaderTest::readWav() {
    QFETCH(QByteArray, image);
    QFETCH(bool, ok);
    QFETCH(QByteArray, format);
    QFETCH(QByteArray, samples);

    WavSound sound;
    largestAllocation = 0;
    watching = true;
    const bool read = ReadWav(bytesOf(image), sound);
    watching = false;
    QCOMPARE(read, ok);
    // Nothing larger than the image itself (or the 18-byte format record) is ever allocated.
    QVERIFY2(largestAllocation <= std::max<std::size_t>(image.size(), kWaveFormatBytes),
             qPrintable(QString::number(largestAllocation)));
    if (ok) {
        QCOMPARE(asBytes(sound.format), format);
        QCOMPARE(asBytes(sound.samples), samples);
    }
}

void RiffReaderTest::readWavFile_readsTheSameAsMemory() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray image = toneWav(2, 50, 0.5, 0.25);
    const QString path = dir.filePath(QStringLiteral("тон клип.wav"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image);
    file.close();

    WavSound fromFile;
    WavSound fromMemory;
    QVERIFY(ReadWavFile(QFile::encodeName(path).toStdString(), fromFile));
    QVERIFY(ReadWav(bytesOf(image), fromMemory));
    QCOMPARE(fromFile.format, fromMemory.format);
    QCOMPARE(fromFile.samples, fromMemory.samples);
    QCOMPARE(fromFile.samples.size(), std::size_t(44100 * 50 / 1000 * 4));
}

void RiffReaderTest::readWavFile_missingOrShortFileFails() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    WavSound sound;
    QVERIFY(!ReadWavFile(QFile::encodeName(dir.filePath(QStringLiteral("none.wav"))).toStdString(),
                         sound));

    // A file cut off inside its data chunk.
    const QByteArray image = toneWav(1, 20, 0.5, 0);
    QFile file(dir.filePath(QStringLiteral("cut.wav")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image.left(image.size() - 10));
    file.close();
    largestAllocation = 0;
    watching = true;
    const bool read = ReadWavFile(QFile::encodeName(file.fileName()).toStdString(), sound);
    watching = false;
    QVERIFY(!read);
    QVERIFY(largestAllocation < std::size_t(image.size()));
}

void RiffReaderTest::decodeWaveFormat_data() {
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("validBits");

    QTest::newRow("PCM") << waveFormat(1, 2, 44100, 16) << true << 1 << 16 << 16;
    QTest::newRow("basic 16 bytes") << basicFormat(3, 1, 48000, 32) << true << 3 << 32 << 32;
    QTest::newRow("too short") << basicFormat(1, 1, 8000, 8).left(14) << false << 0 << 0 << 0;
    QTest::newRow("extensible PCM")
        << extensibleFormat(1, 2, 48000, 32, 24, 3) << true << 1 << 32 << 24;
    QTest::newRow("extensible float")
        << extensibleFormat(3, 2, 48000, 32, 32, 3) << true << 3 << 32 << 32;
    QByteArray foreign = extensibleFormat(1, 2, 48000, 16, 16, 3);
    foreign[39] = 0x00; // not the standard sub-format family
    QTest::newRow("extensible with a foreign sub-format") << foreign << false << 0 << 0 << 0;
    QTest::newRow("extensible without its extension")
        << waveFormat(0xFFFE, 2, 48000, 16) << false << 0 << 0 << 0;
}

void RiffReaderTest::decodeWaveFormat() {
    QFETCH(QByteArray, format);
    QFETCH(bool, ok);
    QFETCH(int, tag);
    QFETCH(int, bits);
    QFETCH(int, validBits);

    WaveFormat decoded;
    QCOMPARE(DecodeWaveFormat(bytesOf(format), decoded), ok);
    if (ok) {
        QCOMPARE(int(decoded.formatTag), tag);
        QCOMPARE(int(decoded.bitsPerSample), bits);
        QCOMPARE(int(decoded.validBits), validBits);
    }
}

QTEST_GUILESS_MAIN(RiffReaderTest)
#include "tst_riff_reader.moc"
