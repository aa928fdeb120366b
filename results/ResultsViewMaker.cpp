// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The entry point of the results window's library.

#include "ResultsWindow.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT numbrook::ResultsView *
numbrook_make_results_view(numbrook::ResultsStore &store, int languageIndex, qint64 child,
                           int fluencyMs) {
    auto *window = new numbrook::ResultsWindow(store, languageIndex, nullptr, child, fluencyMs);
    window->setObjectName(QStringLiteral("fmResults"));
    return window;
}

static_assert(std::is_same_v<decltype(&numbrook_make_results_view), numbrook::ResultsViewMaker>,
              "the entry point has the loader's signature");
