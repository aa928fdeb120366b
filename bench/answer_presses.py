#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
"""Presses Return through XTest and reads the program's "answer <microseconds>" lines.

answer_presses.py <program output file> <presses>: prints the median and the 99th percentile of
the time from the press to the hotkey box being ticked. Space between the presses unticks the
box (the answer key is Enter), so that every Return ticks it anew.
"""
import ctypes
import statistics
import sys
import time

output, presses = sys.argv[1], int(sys.argv[2])
x11 = ctypes.CDLL("libX11.so.6")
xtest = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]
xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("answer_presses: no display")
RETURN, SPACE = 0xFF0D, 0x0020


def press(keysym):
    code = x11.XKeysymToKeycode(display, keysym)
    xtest.XTestFakeKeyEvent(display, code, 1, 0)
    xtest.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XFlush(display)


def answers():
    with open(output) as lines:
        return [int(line.split()[1]) for line in lines if line.startswith("answer ")]


latencies = []
seen = len(answers())
for _ in range(presses):
    pressed = time.time_ns() // 1000
    press(RETURN)
    deadline = time.monotonic() + 2
    while time.monotonic() < deadline:
        now = answers()
        if len(now) > seen:
            latencies.append((now[-1] - pressed) / 1000)
            seen = len(now)
            break
        time.sleep(0.0005)
    press(SPACE)
    time.sleep(0.02)

if len(latencies) < presses // 2:
    sys.exit("answer_presses: only %d of %d presses reached the box" % (len(latencies), presses))
latencies.sort()
p99 = latencies[min(len(latencies) - 1, int(len(latencies) * 0.99))]
print("median %.2f ms, p99 %.2f ms (%d of %d)" % (statistics.median(latencies), p99,
                                                  len(latencies), presses))
