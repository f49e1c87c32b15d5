#pragma once
#include <QList>
#include <QString>

// The channel lists shipped with the program (the "stock" folder of the program
// directory): the CB channel plans of every country mode and lists of the 10 m band, each
// a table in the program's own format whose '#' lines name the list and its published
// source.
struct StockList {
    QString path;
    QString title;      // in the current language
    QString source;     // the file's "# Source:" lines
    bool numbered;      // rows name their channels (CB plans); else they are placed
};

QString StockListDir();
// The lists of a folder, CB plans first in group order, then the others by name.
QList<StockList> StockListsIn(const QString &dir);
