#include <QApplication>
#include <QMainWindow>
#include <QTableWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Untitled -   Tavrin (Program Timer)");
    auto *list = new QTableWidget(0, 10, &window);
    list->setHorizontalHeaderLabels({"ID", "AM/PM", "Time", "Melody/Voice", "Selection", "AC", "ch1", "ch2", "ch3", "ch4"});
    window.setCentralWidget(list);
    window.showMaximized();
    return app.exec();
}
