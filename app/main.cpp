#include <QApplication>

#include "frm_halvex.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vevi::frmHalvex window;
    window.Form_Load();
    return app.exec();
}
