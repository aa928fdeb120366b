// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QLoggingCategory>
#include <QObject>

#include <memory>

struct xcb_connection_t;

namespace numbrook {

Q_DECLARE_LOGGING_CATEGORY(lcHotkeys)

// The keys the program can hold for the whole desktop.
enum class HotkeyKey {
    Return, // the main Enter key and the keypad's Enter
    Space,
    Escape,
};

// The identifier the program registers each key under, which its key messages carry: the key's
// place in HotkeyKey (0 Return, 1 Space, 2 Escape). The answer key choice uses the same numbers.
constexpr int hotkeyId(HotkeyKey key) {
    return static_cast<int>(key);
}
inline constexpr HotkeyKey kProgramHotkeys[] = {HotkeyKey::Return, HotkeyKey::Space,
                                                HotkeyKey::Escape};

// System-wide hotkeys without modifier keys.
//
// On X11 each key is a passive grab on the root windows of Qt's own X connection, taken once
// for every combination of the NumLock and CapsLock modifiers so that the key works whatever
// the lock state. Key presses are read from the connection by a native event filter and
// reported as hotkey(id); the program that has the focus never sees them. A key that another
// client already holds cannot be grabbed: it stays absent and one warning is logged. When the
// keyboard mapping changes (a layout switch, a new keyboard) the keys may move to other
// keycodes: every registered key is then grabbed again where it now is.
//
// Registering takes the keys at once and unregistering gives them back at once, so a program
// holds them only while it needs them (the keyboard table is read once and kept until the
// mapping changes). Keys that are not registered are never reported, on X11 or elsewhere: a
// window of the program receives them as ordinary key presses.
//
// On other platforms there are no system-wide grabs: the same keys are taken from the key
// presses that reach the program's own windows while one of them has the focus.
//
// Create and destroy it on the GUI thread while the application object exists.
class GlobalHotkeys : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit GlobalHotkeys(QObject *parent = nullptr);
    ~GlobalHotkeys() override;
    Q_DISABLE_COPY_MOVE(GlobalHotkeys)

    // Takes `key` as hotkey `id`. Returns false when the key could not be held (another
    // client holds it, or no key of the keyboard produces it); the id is then absent.
    // Registering an id again first releases its previous key.
    bool registerHotkey(int id, HotkeyKey key);
    // Releases the key of `id`; an id that is not registered is ignored.
    void unregisterHotkey(int id);
    void unregisterAll();

    bool isRegistered(int id) const;
    // True when the keys are held for the whole desktop (Qt runs on X11).
    bool isSystemWide() const { return connection_ != nullptr; }

Q_SIGNALS:
    void hotkey(int id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Grab {
        quint32 root = 0;
        quint8 keycode = 0;
        quint16 modifiers = 0;
        bool operator==(const Grab &) const = default;
    };
    struct Registration {
        int id = 0;
        HotkeyKey key = HotkeyKey::Return;
        QList<quint8> keycodes;
        QList<Grab> grabs;
    };
    // The server's keyboard mapping as far as the grabs need it.
    struct KeyboardTable {
        bool loaded = false;
        int firstKeycode = 0;
        int keysymsPerKeycode = 0;
        QList<quint32> keysyms;
        quint16 numLock = 0;
    };

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
    void grabAgainAfterMappingChange();
    bool grabKeys(Registration &registration);
    void releaseGrabs(const Registration &registration);
    void releaseGrabs(const QList<Grab> &grabs);
    const KeyboardTable &keyboard();
    QList<quint8> keycodesFor(HotkeyKey key);
    const Registration *registrationForKeycode(quint8 keycode) const;

    xcb_connection_t *connection_ = nullptr;
    QList<quint32> roots_;
    QList<Registration> registrations_;
    KeyboardTable keyboard_;
    quint8 xkbFirstEvent_ = 0; // 0: no XKB extension
    bool grabAgainPending_ = false;
    bool appFilterInstalled_ = false;
};

} // namespace numbrook
