// The yardstick for start-up: a bare Qt dialog with one edit field, ended as soon as it shows.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog d;
    auto* v = new QVBoxLayout(&d);
    v->addWidget(new QLineEdit(&d));
    d.show();
    QTimer::singleShot(0, &d, [] { std::_Exit(0); });
    return app.exec();
}
