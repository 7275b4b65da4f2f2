#pragma once

#include <QLineF>
#include <QPixmap>
#include <QRectF>

// Where the parts of "Entrada impresora" are, in pixels of the picture.
struct FeedPictureLayout {
    QRectF slip;     // the official playslip, short side first into the slot
    QRectF firstBox; // box Nº 1 of its grid
    QLineF xArrow;   // X: across from the slip's left edge
    QLineF yArrow;   // Y: down from the slip's top edge
};
FeedPictureLayout feedPictureLayout();

// "Entrada impresora": how the official playslip goes into the printer, and
// which ways the corrections X and Y move the marks: both arrows end at the
// centre of box Nº 1, where the corrections are measured to.
QPixmap drawFeedPicture();
