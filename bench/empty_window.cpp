// The floor of bench/peers: a Qt program that shows one empty window, of the main window's size, and
// nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Qt"));
    window.resize(505, 448);
    window.show();
    return QApplication::exec();
}
