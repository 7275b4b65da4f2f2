#pragma once

#include <QPixmap>

// The program's own small pictures, drawn rather than shipped.
enum class Picture { NewPena, DeletePena, Print, AddDraws, DeleteDraws, Mail };
QPixmap drawPicture(Picture picture, int size = 32);
