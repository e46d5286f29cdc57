// The toolkit's bare window, as large as Velmora's, shown until the process is ended: what the
// benchmark holds Velmora's start-up to. With --text it shows one line of text too, which loads
// what any window with text needs (the font configuration, a font, the text layout), as a measure
// of that much.
//
//   velmora_bare_window [--text]

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1016, 734);
    if (QCoreApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* text =
            new QLabel(QStringLiteral("Катушка (индуктивность) в цепи переменного тока"), &window);
        text->move(20, 20);
    }
    window.show();
    return QApplication::exec();
}
