// The yardstick of the start-up benchmark: the smallest Qt Widgets program that shows one
// empty window. It reports its first paint the way the program does, as
// "first-paint window <microseconds since the epoch>".
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class FirstPaintReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf(
                    "first-paint window %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
                std::fflush(stdout);
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(806, 580);
    FirstPaintReporter reporter;
    window.installEventFilter(&reporter);
    window.show();
    return QApplication::exec();
}
