#pragma once

#include <QPixmap>

// The program's own small pictures, drawn rather than shipped.
// Program is the program's own emblem: window icon, splash and desktop icon.
enum class Picture { NewPena, DeletePena, Print, AddDraws, DeleteDraws, Mail, Program };
QPixmap drawPicture(Picture picture, int size = 32);
