// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QObject>

class QSocketNotifier;

namespace numbrook {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread, so that the program
// ends through its normal close and saves everything. The signal handler only writes a byte
// to a pipe; the main loop reads it.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;
    Q_DISABLE_COPY_MOVE(TerminationSignals)

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier *notifier_ = nullptr;
};

} // namespace numbrook
