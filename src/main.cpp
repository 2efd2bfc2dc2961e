// talvo: the window program.
#include <QApplication>

#include "ui/application.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("TALVO");
    talvo::ui::Application talvo;
    talvo.Show();
    return QApplication::exec();
}
