#include "QsoKeyStrokes.h"

#include <QKeyEvent>

namespace sorvak {
namespace {

// PC keyboard scan codes of the keys the rules use.
QsoKey keyOfScanCode(quint32 scan) {
    switch (scan) {
        case 1:
            return QsoKey::Escape;
        case 17:
            return QsoKey::W;
        case 19:
            return QsoKey::R;
        case 20:
            return QsoKey::T;
        case 24:
            return QsoKey::O;
        case 25:
            return QsoKey::P;
        case 31:
            return QsoKey::S;
        case 37:
            return QsoKey::K;
        case 48:
            return QsoKey::B;
        case 50:
            return QsoKey::M;
        case 57:
            return QsoKey::Space;
        default:
            return QsoKey::Other;
    }
}

QsoKey keyOfKeyCode(int key) {
    switch (key) {
        case Qt::Key_Escape:
            return QsoKey::Escape;
        case Qt::Key_Space:
            return QsoKey::Space;
        case Qt::Key_W:
            return QsoKey::W;
        case Qt::Key_R:
            return QsoKey::R;
        case Qt::Key_T:
            return QsoKey::T;
        case Qt::Key_O:
            return QsoKey::O;
        case Qt::Key_P:
            return QsoKey::P;
        case Qt::Key_S:
            return QsoKey::S;
        case Qt::Key_K:
            return QsoKey::K;
        case Qt::Key_B:
            return QsoKey::B;
        case Qt::Key_M:
            return QsoKey::M;
        default:
            return QsoKey::Other;
    }
}

}  // namespace

QsoKeyStroke qsoKeyStrokeOf(const QKeyEvent& event, const QString& platform) {
    QsoKeyStroke stroke;
    Qt::KeyboardModifiers mods = event.modifiers();
    stroke.ctrl = mods.testFlag(Qt::ControlModifier);
    stroke.shift = mods.testFlag(Qt::ShiftModifier);
    stroke.alt = mods.testFlag(Qt::AltModifier);
    // On X11 and Wayland the native scan code is the PC scan code plus 8;
    // without one (other platforms, synthetic events) the key code stands in.
    quint32 native = event.nativeScanCode();
    if (native > 8 && (platform == QLatin1String("xcb") || platform == QLatin1String("wayland"))) {
        stroke.key = keyOfScanCode(native - 8);
    } else {
        stroke.key = keyOfKeyCode(event.key());
    }
    return stroke;
}

}  // namespace sorvak
