// The floor: the least a Qt Widgets program does to show one main window with a menu bar.
// Given "<width>x<height>", it opens at that size, so both programs paint the same area.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QObject::connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, &app, &QApplication::quit);
    const QStringList size = argc > 1 ? QString::fromLocal8Bit(argv[1]).split(u'x') : QStringList();
    if (size.size() == 2)
        window.resize(size[0].toInt(), size[1].toInt());
    window.show();
    return QApplication::exec();
}
