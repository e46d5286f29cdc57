// The toolkit's bare window, as large as Velmora's, shown until the process is ended: what the
// benchmark holds Velmora's start-up to.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1016, 734);
    window.show();
    return QApplication::exec();
}
