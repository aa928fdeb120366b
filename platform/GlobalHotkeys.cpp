// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "GlobalHotkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <xcb/xproto.h>

#include <cstdlib>
#include <string_view>

namespace numbrook {

Q_LOGGING_CATEGORY(lcHotkeys, "numbrook.hotkeys")

namespace {

// X keysyms of the keys involved.
constexpr quint32 KeysymReturn = 0xff0d;
constexpr quint32 KeysymKeypadEnter = 0xff8d;
constexpr quint32 KeysymSpace = 0x0020;
constexpr quint32 KeysymEscape = 0xff1b;
constexpr quint32 KeysymNumLock = 0xff7f;

// The keyboard extension's name and the codes of its mapping events (from its protocol; the
// extension's own xcb header is not needed for these).
constexpr std::string_view XkbExtensionName = "XKEYBOARD";
constexpr quint8 XkbNewKeyboardNotify = 0;
constexpr quint8 XkbMapNotify = 1;

// Modifier bits that make a press a different key combination. The lock bits are left out:
// the key must work with CapsLock and NumLock in either state.
constexpr quint16 CombinationModifiers = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL |
                                         XCB_MOD_MASK_1 | XCB_MOD_MASK_2 | XCB_MOD_MASK_3 |
                                         XCB_MOD_MASK_4 | XCB_MOD_MASK_5;

QList<quint32> keysymsFor(HotkeyKey key) {
    switch (key) {
    case HotkeyKey::Return:
        return {KeysymReturn, KeysymKeypadEnter};
    case HotkeyKey::Space:
        return {KeysymSpace};
    case HotkeyKey::Escape:
        return {KeysymEscape};
    }
    return {};
}

const char *keyName(HotkeyKey key) {
    switch (key) {
    case HotkeyKey::Return:
        return "Enter";
    case HotkeyKey::Space:
        return "Space";
    case HotkeyKey::Escape:
        return "Esc";
    }
    return "?";
}

bool qtKeyMatches(HotkeyKey key, int qtKey) {
    switch (key) {
    case HotkeyKey::Return:
        return qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
    case HotkeyKey::Space:
        return qtKey == Qt::Key_Space;
    case HotkeyKey::Escape:
        return qtKey == Qt::Key_Escape;
    }
    return false;
}

xcb_connection_t *qtConnection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// True for the events that say the keyboard mapping changed.
bool isMappingChange(const xcb_generic_event_t *event, quint8 xkbFirstEvent) {
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_MAPPING_NOTIFY) {
        const auto *mapping = reinterpret_cast<const xcb_mapping_notify_event_t *>(event);
        return mapping->request != XCB_MAPPING_POINTER;
    }
    // The keyboard extension's events share one event code; the second byte says which.
    if (xkbFirstEvent != 0 && type == xkbFirstEvent) {
        const quint8 xkbType = reinterpret_cast<const quint8 *>(event)[1];
        return xkbType == XkbNewKeyboardNotify || xkbType == XkbMapNotify;
    }
    return false;
}

} // namespace

GlobalHotkeys::GlobalHotkeys(QObject *parent) : QObject(parent), connection_(qtConnection()) {
    if (!connection_)
        return;
    auto it = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (; it.rem; xcb_screen_next(&it))
        roots_.append(it.data->root);
    // Qt selects the keyboard extension's mapping events on its connection; the server then
    // reports mapping changes to it through those instead of the core MappingNotify.
    auto *xkb = xcb_query_extension_reply(
        connection_,
        xcb_query_extension(connection_, XkbExtensionName.size(), XkbExtensionName.data()),
        nullptr);
    if (xkb && xkb->present)
        xkbFirstEvent_ = xkb->first_event;
    std::free(xkb);
    // Watching from the start keeps the keyboard table current while no key is held.
    qGuiApp->installNativeEventFilter(this);
}

GlobalHotkeys::~GlobalHotkeys() {
    unregisterAll();
    if (connection_ && qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

bool GlobalHotkeys::isRegistered(int id) const {
    for (const Registration &registration : registrations_) {
        if (registration.id == id)
            return true;
    }
    return false;
}

bool GlobalHotkeys::registerHotkey(int id, HotkeyKey key) {
    unregisterHotkey(id);
    Registration registration;
    registration.id = id;
    registration.key = key;

    if (connection_) {
        if (!grabKeys(registration))
            return false;
    } else if (!appFilterInstalled_ && qGuiApp) {
        qGuiApp->installEventFilter(this);
        appFilterInstalled_ = true;
    }
    registrations_.append(registration);
    return true;
}

void GlobalHotkeys::unregisterHotkey(int id) {
    for (qsizetype i = 0; i < registrations_.size(); ++i) {
        if (registrations_[i].id == id) {
            releaseGrabs(registrations_[i]);
            registrations_.removeAt(i);
            return;
        }
    }
}

void GlobalHotkeys::unregisterAll() {
    while (!registrations_.isEmpty())
        unregisterHotkey(registrations_.first().id);
}

bool GlobalHotkeys::grabKeys(Registration &registration) {
    registration.keycodes = keycodesFor(registration.key);
    if (registration.keycodes.isEmpty()) {
        qCWarning(lcHotkeys) << "hotkey" << registration.id << keyName(registration.key)
                             << "is not on this keyboard; it is not available";
        return false;
    }
    const quint16 numLock = keyboard().numLock;
    QList<quint16> lockCombinations{0, XCB_MOD_MASK_LOCK};
    if (numLock != 0) {
        lockCombinations.append(numLock);
        lockCombinations.append(numLock | XCB_MOD_MASK_LOCK);
    }

    // Send every grab first and check them afterwards, so the round trips overlap.
    QList<xcb_void_cookie_t> cookies;
    for (quint32 root : std::as_const(roots_)) {
        for (quint8 keycode : std::as_const(registration.keycodes)) {
            for (quint16 modifiers : std::as_const(lockCombinations)) {
                cookies.append(xcb_grab_key_checked(connection_, 0, root, modifiers, keycode,
                                                    XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
                registration.grabs.append(Grab{root, keycode, modifiers});
            }
        }
    }
    bool refused = false;
    QList<Grab> held;
    for (qsizetype i = 0; i < cookies.size(); ++i) {
        xcb_generic_error_t *error = xcb_request_check(connection_, cookies[i]);
        if (error) {
            refused = true;
            std::free(error);
        } else {
            held.append(registration.grabs[i]);
        }
    }
    registration.grabs = held;
    if (refused) {
        // The key is held as a whole or not at all, so a partly taken key does not steal
        // some presses from the program that owns it.
        releaseGrabs(registration);
        registration.grabs.clear();
        qCWarning(lcHotkeys) << "hotkey" << registration.id << keyName(registration.key)
                             << "is held by another program; it is not available";
        return false;
    }
    return true;
}

void GlobalHotkeys::releaseGrabs(const Registration &registration) {
    releaseGrabs(registration.grabs);
}

void GlobalHotkeys::releaseGrabs(const QList<Grab> &grabs) {
    // Qt closes its X connection with the application object; nothing is held after that.
    if (!connection_ || !qGuiApp || grabs.isEmpty())
        return;
    for (const Grab &grab : grabs)
        xcb_ungrab_key(connection_, grab.keycode, grab.root, grab.modifiers);
    xcb_flush(connection_);
}

const GlobalHotkeys::KeyboardTable &GlobalHotkeys::keyboard() {
    if (keyboard_.loaded)
        return keyboard_;
    const xcb_setup_t *setup = xcb_get_setup(connection_);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    // Both requests go out before either answer is awaited: one round trip.
    const auto mappingCookie = xcb_get_keyboard_mapping(connection_, first, count);
    const auto modifierCookie = xcb_get_modifier_mapping(connection_);
    auto *mapping = xcb_get_keyboard_mapping_reply(connection_, mappingCookie, nullptr);
    auto *modifiers = xcb_get_modifier_mapping_reply(connection_, modifierCookie, nullptr);
    keyboard_ = KeyboardTable{};
    if (mapping && modifiers) {
        keyboard_.loaded = true;
        keyboard_.firstKeycode = first;
        keyboard_.keysymsPerKeycode = mapping->keysyms_per_keycode;
        const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
        keyboard_.keysyms =
            QList<quint32>(keysyms, keysyms + xcb_get_keyboard_mapping_keysyms_length(mapping));

        // NumLock is whichever modifier the server maps the NumLock key to; usually, not
        // always, Mod2.
        const xcb_keycode_t *byModifier = xcb_get_modifier_mapping_keycodes(modifiers);
        const int perModifier = modifiers->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8; ++modifier) {
            for (int j = 0; j < perModifier; ++j) {
                const int keycode = byModifier[modifier * perModifier + j];
                const int row = (keycode - first) * keyboard_.keysymsPerKeycode;
                if (keycode == 0 || row < 0)
                    continue;
                for (int column = 0; column < keyboard_.keysymsPerKeycode; ++column) {
                    if (keyboard_.keysyms.value(row + column) == KeysymNumLock)
                        keyboard_.numLock |= quint16(1u << modifier);
                }
            }
        }
    }
    std::free(mapping);
    std::free(modifiers);
    return keyboard_;
}

QList<quint8> GlobalHotkeys::keycodesFor(HotkeyKey key) {
    const KeyboardTable &table = keyboard();
    const QList<quint32> wanted = keysymsFor(key);
    QList<quint8> keycodes;
    const int perKeycode = table.keysymsPerKeycode;
    for (qsizetype row = 0; perKeycode > 0 && row < table.keysyms.size(); row += perKeycode) {
        // Only the unshifted symbol counts: the keys are taken without modifiers.
        if (wanted.contains(table.keysyms[row]))
            keycodes.append(quint8(table.firstKeycode + row / perKeycode));
    }
    return keycodes;
}

const GlobalHotkeys::Registration *GlobalHotkeys::registrationForKeycode(quint8 keycode) const {
    for (const Registration &registration : registrations_) {
        if (registration.keycodes.contains(keycode) && !registration.grabs.isEmpty())
            return &registration;
    }
    return nullptr;
}

bool GlobalHotkeys::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t")
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    if (isMappingChange(event, xkbFirstEvent_)) {
        keyboard_.loaded = false;
        // One change comes as several events; the keys are taken again once, after them.
        if (!registrations_.isEmpty() && !grabAgainPending_) {
            grabAgainPending_ = true;
            QMetaObject::invokeMethod(this, &GlobalHotkeys::grabAgainAfterMappingChange,
                                      Qt::QueuedConnection);
        }
        // Qt needs these events too, for its own keyboard table.
        return false;
    }
    const quint8 type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    auto *key = reinterpret_cast<xcb_key_press_event_t *>(event);
    // Presses taken by the grab are reported on the root window. Presses that reach one of
    // our own windows without the grab (another modifier held) are left to Qt.
    if (!roots_.contains(key->event))
        return false;
    const Registration *registration = registrationForKeycode(key->detail);
    if (!registration)
        return false;
    if (type == XCB_KEY_PRESS && (key->state & CombinationModifiers & ~keyboard_.numLock) == 0)
        Q_EMIT hotkey(registration->id);
    return true;
}

void GlobalHotkeys::grabAgainAfterMappingChange() {
    grabAgainPending_ = false;
    // The keys are taken on their new keycodes before the old grabs go, and a grab that stays
    // is never let go: a press made during the change still reaches the program. (A change of
    // the sending device, as the first XTest press brings, changes nothing at all.) The old
    // keycodes may now carry other keys, which belong to whoever has the focus.
    for (qsizetype i = 0; i < registrations_.size();) {
        Registration &registration = registrations_[i];
        const QList<Grab> before = registration.grabs;
        registration.grabs.clear();
        if (!grabKeys(registration)) {
            releaseGrabs(before);
            registrations_.removeAt(i);
            continue;
        }
        QList<Grab> gone;
        for (const Grab &grab : before) {
            if (!registration.grabs.contains(grab))
                gone.append(grab);
        }
        releaseGrabs(gone);
        ++i;
    }
    qCDebug(lcHotkeys) << "keyboard mapping changed; hotkeys taken again";
}

bool GlobalHotkeys::eventFilter(QObject *watched, QEvent *event) {
    // Every key press reaches the window first and the focused widget after it; taking it at
    // the window means one report per press and none for the widget.
    if (event->type() != QEvent::KeyPress || !watched->isWindowType())
        return QObject::eventFilter(watched, event);
    auto *keyEvent = static_cast<QKeyEvent *>(event);
    if ((keyEvent->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    for (const Registration &registration : std::as_const(registrations_)) {
        if (qtKeyMatches(registration.key, keyEvent->key())) {
            Q_EMIT hotkey(registration.id);
            return true;
        }
    }
    return false;
}

} // namespace numbrook
