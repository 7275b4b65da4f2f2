#include "app/mainwindow.h"

void MainWindow::showNews() {
    // opens the news window
}
