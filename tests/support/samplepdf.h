#pragma once

#include <QByteArray>

// A real PDF of `pages` A4 pages, written with Qt's PDF writer.
QByteArray samplePdf(int pages);
