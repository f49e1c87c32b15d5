#pragma once
#include <QIcon>
#include <QImage>

// The program's icon, drawn at run time: a hand-held radio with its antenna. The same
// drawing gives the installed desktop icons (resources/generators/mkicons.cpp).
QImage AppIconImage(int size);
QIcon AppIcon();
