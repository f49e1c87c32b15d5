#pragma once
#include <QIcon>

// The program's icon, drawn at run time: a hand-held radio with its antenna.
QIcon AppIcon();
