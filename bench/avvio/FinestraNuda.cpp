// The start-up baseline: a bare Qt Widgets window of the password window's size, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle("Finestra");
    finestra.resize(388, 405);
    finestra.show();
    return app.exec();
}
