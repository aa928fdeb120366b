// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "TaskbarEntry.h"

#include <QGuiApplication>
#include <QList>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace numbrook {

namespace {

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};

xcb_atom_t atom(xcb_connection_t *connection, const char *name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A window not on screen: its state property, which the window manager reads when the
// window is shown. Qt adds its own states to what it finds there.
void addToStateProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t state,
                        const QList<xcb_atom_t> &added) {
    QList<xcb_atom_t> atoms;
    const std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024),
        nullptr));
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
        atoms = QList<xcb_atom_t>(data, data + reply->value_len);
    }
    for (xcb_atom_t atom : added) {
        if (!atoms.contains(atom)) {
            atoms.append(atom);
        }
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                        std::uint32_t(atoms.size()), atoms.constData());
}

// A window on screen: a request to the window manager, as the desktop conventions describe.
void requestStates(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t state,
                   xcb_atom_t first, xcb_atom_t second) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = state;
    message.data.data32[0] = 1; // add
    message.data.data32[1] = first;
    message.data.data32[2] = second;
    message.data.data32[3] = 1; // from a normal program
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
}

} // namespace

void SkipTaskbarAndPager(QWindow &window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection) {
        return;
    }
    const auto id = xcb_window_t(window.winId());
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    const xcb_atom_t skipPager = atom(connection, "_NET_WM_STATE_SKIP_PAGER");
    if (window.isVisible()) {
        requestStates(connection, id, state, skipTaskbar, skipPager);
    } else {
        addToStateProperty(connection, id, state, {skipTaskbar, skipPager});
    }
    xcb_flush(connection);
}

} // namespace numbrook
