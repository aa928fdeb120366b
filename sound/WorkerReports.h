// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <functional>

namespace numbrook {

class MainThreadCalls;
class SoundErrors;

// The channel of the workers' routine reports (capture levels and triggers, playback levels):
// each runs on the main thread while the worker waits. Errors travel on their own channel
// (SoundErrors); a report whose receiver throws becomes one caught error of the worker's side
// there, and the worker carries on.
class WorkerReports {
public:
    WorkerReports(MainThreadCalls &calls, SoundErrors &errors) : calls_(calls), errors_(errors) {}
    WorkerReports(const WorkerReports &) = delete;
    WorkerReports &operator=(const WorkerReports &) = delete;

    // Runs `report` on the main thread and waits for it; false when it threw.
    bool deliver(const std::function<void()> &report, bool fromOutputSide);

private:
    MainThreadCalls &calls_;
    SoundErrors &errors_;
};

} // namespace numbrook
