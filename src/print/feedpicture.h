#pragma once

#include <QPixmap>

// "Entrada impresora": how the official playslip goes into the printer, and
// which ways the corrections X and Y move the marks.
QPixmap drawFeedPicture();
